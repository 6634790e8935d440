#pragma once
// Fonts of the program's windows: the bundled stand-ins for "Tahoma" (the
// dialogs' own font) and "Arial", sized in pixels so that every dialog
// looks the same on every screen.
#include <QFont>

namespace sumcraft {

QFont TahomaFont(int pixelSize, bool bold = false);
QFont ArialFont(int pixelSize, bool bold = false);

}  // namespace sumcraft
