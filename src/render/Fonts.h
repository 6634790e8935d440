#pragma once
// The bundled fonts and the font metrics every measurement uses.
//
// Layouts must come out identical on every machine, so the face names of the
// style file never reach the system's font matching: "Arial", "Courier New"
// and "Tahoma" are mapped onto metric-compatible fonts compiled into the
// program (resources/fonts), registered under family names of our own, and
// any other name falls back to the Arial stand-in. Fonts are sized in whole
// device pixels from points and a resolution (no screen DPI involved), with
// hinting, kerning and shaping off, so a text's width is the plain sum of its
// characters' design advances.
//
// Everything here needs a QGuiApplication (the CLI and the tests create an
// offscreen one) and runs on the GUI thread only.
#include <QFont>
#include <QString>
#include <array>
#include <string_view>

namespace sumcraft {

enum class TBundledFace : unsigned char { Sans, Mono, UI };

// Registers the bundled fonts with Qt the first time it is called. Throws
// std::logic_error without a QGuiApplication and std::runtime_error when a
// font cannot be loaded.
void EnsureBundledFonts();
// The same for the one file of a face and weight (each file costs about a
// million instructions to register; a sheet often needs two of the six).
void EnsureBundledFont(TBundledFace face, bool bold);

// The font file of a face and weight as compiled into the program, without
// a copy of its bytes (every copy of a 140 KB file is 35 fresh pages of
// memory); empty when it is missing.
QByteArray BundledFontFile(TBundledFace face, bool bold);

// "Arial" -> Sans, "Courier New" -> Mono, "Tahoma" -> UI (case-insensitive,
// blanks around the name ignored); the bundled family names map to
// themselves; anything else -> Sans.
TBundledFace FaceForName(std::string_view faceName);

// The Qt family name of a bundled face ("Sumcraft Sans", ...). Use it for
// widget fonts too, e.g. QFont(BundledFamilyFor("Tahoma")).
QString BundledFamily(TBundledFace face);
inline QString BundledFamilyFor(std::string_view faceName) { return BundledFamily(FaceForName(faceName)); }

// Pixel size of a font of `points` at `resolution` pixels per inch, rounded
// as the platform does (halves away from zero), at least 1 and at most
// kMaxFontPixels.
constexpr int kMaxFontPixels = 4000;
int FontPixelSize(int points, int resolution);

// The QFont of a bundled face at a pixel size: hinting, kerning and shaping off.
QFont MakeBundledFont(TBundledFace face, int pixelSize, bool bold);

// Metrics of one bundled font at one pixel size, measured once and kept for
// the rest of the run (entries are never freed, so pointers stay valid).
class TFontMetrics {
public:
  // The cached entry; creates it on first use.
  static const TFontMetrics& Get(TBundledFace face, int pixelSize, bool bold);

  const QFont& Font() const { return font_; }
  TBundledFace Face() const { return face_; }
  int PixelSize() const { return pixelSize_; }
  bool Bold() const { return bold_; }
  double Ascent() const { return ascent_; }
  double Descent() const { return descent_; }
  // The text height of any string: the font's cell height (ascent + descent),
  // the same for every text, as the platform's text extent reports it.
  int Height() const { return height_; }
  // Advance of one Windows-1252 byte, in pixels.
  double Advance(unsigned char byte) const { return advances_[byte]; }
  // Width of a Windows-1252 string in whole pixels (Nearest of the sum),
  // at most kFarOffPage (Rounding.h).
  int Width(std::string_view text) const;
  double WidthF(std::string_view text) const;

  TFontMetrics(TBundledFace face, int pixelSize, bool bold);

private:
  QFont font_;
  TBundledFace face_;
  int pixelSize_;
  bool bold_;
  double ascent_ = 0;
  double descent_ = 0;
  int height_ = 0;
  std::array<double, 256> advances_{};
};

}  // namespace sumcraft
