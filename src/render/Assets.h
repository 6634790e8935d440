#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QSize>

#include <optional>
#include <string_view>

namespace sumcraft {

// The stored pictures of the money and clock questions (the fraction
// pictures are geometry and drawn as vectors). Each comes in a display form
// and a print form drawn for 300 pixels per inch. Question drawing places
// the clock hands at fixed picture coordinates and scales the pictures by
// their pixel sizes, so those sizes and centres are fixed.
enum class AssetName {
  QuarterDisplay,
  QuarterPrint,
  DimeDisplay,
  DimePrint,
  NickelDisplay,
  NickelPrint,
  PennyDisplay,
  PennyPrint,
  ClockFace,
  ClockFacePrint,
};

inline constexpr int kAssetCount = 10;

// The picture, loaded on first use and kept for the rest of the run; later
// calls return the same image: grey levels (Format_Grayscale8), a black
// drawing on white. The pictures are drawn when the program is built, so no
// QGuiApplication is needed.
const QImage& Asset(AssetName name);

// The stored picture as a PDF picture stream holds it (grey levels,
// run-length coded then deflated), without decoding its pixels.
const QByteArray& AssetPdfStream(AssetName name);

// When `picture` is one of the stored pictures (the image Asset returned or
// a copy sharing its pixels): its grey levels as a PDF picture stream holds
// them, run-length coded then deflated. Otherwise null.
const QByteArray* AssetPdfStream(const QImage& picture);

// By resource name ("QUARTERDISPLAY", "CLOCKFACEPRINT", ...; exact case).
// Throws std::invalid_argument for a name that is not one of ours.
const QImage& Asset(std::string_view resourceName);

std::optional<AssetName> AssetByName(std::string_view resourceName);
std::string_view AssetResourceName(AssetName name);
QSize AssetSize(AssetName name);

// Where the clock dial stands in its picture, in picture pixels: the pixel at
// `centre` is the centre pixel; `radius` is the dial's outer ring. For the
// coins the centre is the middle pixel and the radius 0.
QPoint AssetCentre(AssetName name);
int AssetRadius(AssetName name);

}  // namespace sumcraft
