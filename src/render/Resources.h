#pragma once
// The files compiled into the render library as Qt resources.
#include <QString>

namespace sumcraft {

// Makes sure the library's resources are registered (they live in a static
// library, so nothing else guarantees it). Cheap after the first call.
void InitRenderResources();

// The shipped default style file; the program copies it into the data
// folder when the user has none, and draws with it when no style is loaded.
inline QString DefaultStylesResource() { return QStringLiteral(":/sumcraft/defaults/Styles.rpt"); }

}  // namespace sumcraft
