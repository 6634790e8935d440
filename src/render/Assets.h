#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>

#include <optional>
#include <string_view>

namespace sumcraft {

// The stored pictures of the money, fraction and clock questions. Each comes
// in a display form, for surfaces under 150 pixels per inch, and a print form
// drawn for 300 pixels per inch. Question drawing paints onto copies of them
// at fixed picture coordinates and stretches them by their pixel sizes, so
// those sizes, centres and radii are fixed.
enum class AssetName {
  QuarterDisplay,
  QuarterPrint,
  DimeDisplay,
  DimePrint,
  NickelDisplay,
  NickelPrint,
  PennyDisplay,
  PennyPrint,
  Circle,
  CirclePrint,
  ClockFace,
  ClockFacePrint,
  WhiteSquare,
};

inline constexpr int kAssetCount = 13;

// The picture, drawn on first use and kept for the rest of the run; later
// calls return the same image. Opaque 32-bit (Format_RGB32): black drawing on
// white. The coin and clock pictures carry text, so the first call for one of
// them needs a QGuiApplication; without one it throws std::logic_error.
const QImage& Asset(AssetName name);

// By resource name ("QUARTERDISPLAY", "CLOCKFACEPRINT", ...; exact case).
// Throws std::invalid_argument for a name that is not one of ours.
const QImage& Asset(std::string_view resourceName);

std::optional<AssetName> AssetByName(std::string_view resourceName);
std::string_view AssetResourceName(AssetName name);
QSize AssetSize(AssetName name);

// Where the fraction circle and the clock dial stand in their pictures, in
// picture pixels: the pixel at `centre` is the centre pixel. `radius` is the
// circle's (on the middle of its outline) or the dial's outer ring. For the
// other pictures the centre is the middle pixel and the radius 0.
QPoint AssetCentre(AssetName name);
int AssetRadius(AssetName name);

}  // namespace sumcraft
