#pragma once
// The font, pen and brush state of a canvas, as the style file and the
// drawing code describe them.
#include <QColor>
#include <cstdint>
#include <string>

namespace sumcraft {

// A colour as 0x00BBGGRR (the style file's format): red in the low byte.
using TColor = std::uint32_t;

constexpr TColor MakeColor(int red, int green, int blue) {
  return static_cast<TColor>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr TColor kBlack = 0x000000;
constexpr TColor kWhite = 0xFFFFFF;
// The mid grey the window system uses for disabled text; fraction pictures
// shade with it.
constexpr TColor kGrayText = 0x808080;

inline QColor ToQColor(TColor c) {
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

// Brush style codes as the style file writes them.
enum class TBrushStyle : std::uint8_t {
  Solid = 0,
  Clear = 1,  // no fill; text is drawn transparently
  Horizontal = 2,
  Vertical = 3,
  FDiagonal = 4,
  BDiagonal = 5,
  Cross = 6,
  DiagCross = 7,
};

// Pen raster modes (P pen colour, S what is already there), codes as the
// style file writes them.
enum class TPenMode : std::uint8_t {
  Black = 0,        // 0
  White = 1,        // 1
  Nop = 2,          // S
  Not = 3,          // not S
  Copy = 4,         // P (default)
  NotCopy = 5,      // not P
  MergePenNot = 6,  // P or not S
  MaskPenNot = 7,   // P and not S
  MergeNotPen = 8,  // not P or S
  MaskNotPen = 9,   // not P and S
  Merge = 10,       // P or S
  NotMerge = 11,    // not (P or S)
  Mask = 12,        // P and S
  NotMask = 13,     // not (P and S)
  Xor = 14,         // P xor S
  NotXor = 15,      // not (P xor S)
};

// Font as the drawing code sees it: a face name from the style file (mapped to
// a bundled font when drawn), a size in points and a bold flag. Escapement
// turns the text counter-clockwise, in tenths of a degree.
struct TFontSpec {
  std::string Name = "Arial";
  int Size = 10;
  bool Bold = false;
  TColor Color = kBlack;
  int Escapement = 0;
  bool operator==(const TFontSpec&) const = default;
};

// Pen widths are lengths on paper, in pen units of 1/600 inch (the style
// file's printer pixels at 600 dpi), so a rule is as thick at every
// resolution; the canvas records them in page units. 0 draws the thinnest
// visible line.
constexpr int kPenUnitsPerInch = 600;

struct TPenSpec {
  int Width = 1;
  TColor Color = kBlack;
  TPenMode Mode = TPenMode::Copy;
  bool operator==(const TPenSpec&) const = default;
};

struct TBrushSpec {
  TColor Color = kWhite;
  TBrushStyle Style = TBrushStyle::Solid;
  bool operator==(const TBrushSpec&) const = default;
};

}  // namespace sumcraft
