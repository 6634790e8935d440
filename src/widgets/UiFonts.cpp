#include "widgets/UiFonts.h"

#include <string_view>

#include "render/Fonts.h"

namespace sumcraft {

namespace {

QFont BundledUiFont(std::string_view face, int pixelSize, bool bold) {
  EnsureBundledFonts();
  QFont font(BundledFamilyFor(face));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

}  // namespace

QFont TahomaFont(int pixelSize, bool bold) { return BundledUiFont("Tahoma", pixelSize, bold); }
QFont ArialFont(int pixelSize, bool bold) { return BundledUiFont("Arial", pixelSize, bold); }

}  // namespace sumcraft
