#pragma once
// TCanvas: the drawing surface every layout and question-drawing routine
// uses. It keeps font, pen and brush state like a platform canvas, records
// each drawing call into a TDisplayList in page units, and measures texts
// with the bundled fonts at its own resolution (never the screen's), so a
// layout is identical on screen, on paper and in PDF, on every machine.
//
//   TCanvas& c = *pages.CurrentCanvas();        // a page of the page store
//   ReportFormats().Apply("DEFAULT", c);
//   int h = c.TextHeight("H");
//   c.TextOut(x, y, "12,345");                  // top-left corner at (x, y)
//   c.MoveTo(x, y + h); c.LineTo(x + 200, y + h);
//
// A canvas constructed without a list is a throw-away canvas: it keeps state
// and measures, and drops every drawing call (MeasureInstructions and the
// like). Strings are Windows-1252 bytes, as the model keeps them.
// GUI thread only; needs a QGuiApplication (see Fonts.h).
#include <QImage>
#include <QPoint>
#include <cstdint>
#include <string>
#include <string_view>

#include "render/DisplayList.h"
#include "render/DrawState.h"
#include "render/Fonts.h"

namespace sumcraft {

class TCanvas {
public:
  // `resolution` is the font resolution in pixels per inch: font sizes in
  // points become pixel sizes at it. `list` is not owned; nullptr makes a
  // throw-away canvas. Starts with font Arial 10 pt, black pen of width 1 in
  // copy mode, solid white brush, pen at (0, 0).
  explicit TCanvas(int resolution = 96, TDisplayList* list = nullptr);
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;
  TCanvas(TCanvas&&) noexcept = default;
  TCanvas& operator=(TCanvas&&) noexcept = default;

  TDisplayList* List() const { return list_; }
  bool Recording() const { return list_ != nullptr; }

  // ---- Font. Sizes are points at FontResolution(); the escapement turns
  // text counter-clockwise in tenths of a degree. Save and restore a font
  // with Font() / SetFont().
  const TFontSpec& Font() const { return font_; }
  void SetFont(const TFontSpec& font);
  const std::string& FontName() const { return font_.Name; }
  void SetFontName(std::string_view name);
  int FontSize() const { return font_.Size; }
  void SetFontSize(int points);
  bool FontBold() const { return font_.Bold; }
  void SetFontBold(bool bold);
  TColor FontColor() const { return font_.Color; }
  void SetFontColor(TColor color);
  int FontEscapement() const { return font_.Escapement; }
  void SetFontEscapement(int tenthsOfDegree);
  int FontResolution() const { return resolution_; }
  void SetFontResolution(int pixelsPerInch);

  // ---- Pen: width in pen units of 1/600 inch (clamped to 0..10000), colour,
  // raster mode. Recorded in page units: width x FontResolution() / 600.
  const TPenSpec& Pen() const { return pen_; }
  void SetPen(const TPenSpec& pen);
  int PenWidth() const { return pen_.Width; }
  // The pen's width in page units, for spacing drawn against a line.
  int PenWidthOnPage() const;
  void SetPenWidth(int width);
  TColor PenColor() const { return pen_.Color; }
  void SetPenColor(TColor color) { pen_.Color = color; }
  TPenMode PenMode() const { return pen_.Mode; }
  void SetPenMode(TPenMode mode) { pen_.Mode = mode; }

  // ---- Brush. Setting the colour never changes the style. Text gets an
  // opaque background box of the brush colour only while the style is Solid.
  const TBrushSpec& Brush() const { return brush_; }
  void SetBrush(const TBrushSpec& brush) { brush_ = brush; }
  TColor BrushColor() const { return brush_.Color; }
  void SetBrushColor(TColor color) { brush_.Color = color; }
  TBrushStyle BrushStyle() const { return brush_.Style; }
  void SetBrushStyle(TBrushStyle style) { brush_.Style = style; }

  // ---- Pen position.
  void MoveTo(int x, int y) { penPos_ = QPoint(x, y); }
  // A line from the pen position to (x, y); the pen moves there.
  void LineTo(int x, int y);
  QPoint PenPos() const { return penPos_; }

  // ---- Drawing (page units).
  // Text with its top-left corner at (x, y), in the font colour; the pen
  // position moves to (x + width, y). Of a text longer than
  // kMaxRecordedText bytes only that many, from the first one that reaches
  // x >= 0, are recorded (no page can show more).
  static constexpr std::size_t kMaxRecordedText = 4096;
  void TextOut(int x, int y, std::string_view text);
  // MoveTo(x1, y1) + LineTo(x2, y2).
  void Line(int x1, int y1, int x2, int y2);
  // Outline with the pen, inside with the brush (nothing inside when Clear).
  void Rectangle(int left, int top, int right, int bottom);
  // Fills with the brush, no outline.
  void FillRect(int left, int top, int right, int bottom);
  void Ellipse(int left, int top, int right, int bottom);
  // Arc of the ellipse in the box, counter-clockwise from the ray through
  // (x3, y3) to the ray through (x4, y4), with the pen.
  void Arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4);
  // The wedge of that ellipse between the two rays, inside with the brush,
  // outline with the pen; the same ray twice gives the whole ellipse.
  void Pie(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4);
  // The whole image stretched into the rectangle; source pixels replace what
  // is below. The image is shared, not copied.
  void StretchDraw(int left, int top, int right, int bottom, const QImage& image);
  // A stored picture, recorded by name: its pixels are loaded only when the
  // page is shown, never for a PDF file, which takes its coded form.
  void StretchDraw(int left, int top, int right, int bottom, AssetName picture);

  // ---- Measuring in the current font, in page units.
  int TextWidth(std::string_view text) const { return Metrics().Width(text); }
  // The font's cell height; the same for every string (and for "").
  int TextHeight(std::string_view text = {}) const;
  // The bundled font the current state resolves to.
  const TFontMetrics& Metrics() const;

private:
  std::uint32_t ListFont();
  TRecordedPen ListPen() const;
  void FontChanged();

  TDisplayList* list_ = nullptr;
  int resolution_ = 96;
  TFontSpec font_;
  TPenSpec pen_;
  TBrushSpec brush_;
  QPoint penPos_;
  // Resolved lazily after a font change; measuring is then a table look-up.
  mutable const TFontMetrics* metrics_ = nullptr;
  mutable std::string faceOf_;  // the font name face_ was found for
  mutable TBundledFace face_ = TBundledFace::Sans;
  std::int64_t listFont_ = -1;
};

}  // namespace sumcraft
