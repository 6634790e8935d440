#include "render/TableGraphDrawing.h"

#include <algorithm>
#include <array>
#include <string>

#include "generate/AnswerText.h"
#include "generate/TableProblems.h"
#include "render/Canvas.h"
#include "render/ReportFormats.h"
#include "render/Rounding.h"
#include "render/WrapText.h"

namespace sumcraft {

namespace {
void CentredAt(TCanvas& c, int cx, int y, std::string_view text) { c.TextOut(cx - Div(c.TextWidth(text), 2), y, text); }

// Bars, grid lines and labels use at most this many increments.
int AxisSteps(int count) { return std::clamp(count, 1, kMaxAxisSteps); }
}  // namespace

int DrawTable(const TQuestionSet& set, int x, int y, TCanvas& c, int rx) {
  const TQOptions& o = set.Options;
  ReportFormats().Apply("TABLEDATA", c);
  const int c1 = x + rx, c2 = c1 + rx, c3 = c2 + rx;
  const int wX = c.TextWidth("X");
  const int fl = c1 - Nearest(0.5 * wX), fr = c3 + Nearest(0.5 * wX);
  const int r = c.TextHeight("H");
  const int y0 = y;
  CentredAt(c, Div(c1 + c2, 2), y, o.TableItemName);
  CentredAt(c, Div(c2 + c3, 2), y, o.TableDataCaption);
  for (std::size_t i = 0; i < 4; ++i) {
    y += r;
    c.Line(fl, y, fr, y);
    c.TextOut(c1, y, o.TableNames[i]);
    const std::string value = std::to_string(o.TableData[i]);
    c.TextOut(c3 - c.TextWidth(value), y, value);
  }
  y += r;
  c.Line(fl, y, fr, y);
  // The frame comes after the text, so the style's brush must be clear.
  c.Rectangle(fl, y0, fr, y);
  c.Line(c2, y0, c2, y);
  return y + r;
}

void DrawValueAxis(int x1, int y1, int x2, int y2, TCanvas& c, int step, int start, int count, bool vertical) {
  const TFontSpec font = c.Font();
  c.SetFontSize(8);
  c.Rectangle(x1, y1, x2, y2);
  const int n = AxisSteps(count);
  const int hH = c.TextHeight("H"), wH = c.TextWidth("H");
  auto label = [&](int i) { return std::to_string(static_cast<long long>(start) + static_cast<long long>(i) * step); };
  // With many increments the labels would run into each other: only every
  // k-th is written, k the smallest stride that leaves a gap of half an "H"
  // between them. Every grid line is still drawn.
  const int pitch = std::max(1, Div(vertical ? y2 - y1 : x2 - x1, n));
  const int widest = std::max(c.TextWidth(label(0)), c.TextWidth(label(n)));
  const int need = (vertical ? hH : widest) + Div(wH, 2);
  const int stride = std::max(1, (need + pitch - 1) / pitch);
  for (int i = 0; i <= n; ++i) {
    const std::string text = label(i);
    const int w = c.TextWidth(text), h = c.TextHeight(text);
    const bool written = i % stride == 0;
    if (vertical) {
      const int yi = y2 - i * Div(y2 - y1, n);
      if (i > 0 && i < n) c.Line(x1 + c.PenWidthOnPage(), yi, x2, yi);
      if (written) c.TextOut(x1 - wH - w, yi - Div(h, 2), text);
    } else {
      const int xi = x1 + i * Div(x2 - x1, n);
      if (i > 0 && i < n) c.Line(xi, y1, xi, y2);
      if (written) c.TextOut(xi - Div(w, 2), y2 + Div(hH, 2), text);
    }
  }
  c.SetFont(font);
}

void DrawRotatedText(TCanvas& c, int degrees, int x, int y, std::string_view text) {
  const int escapement = c.FontEscapement();
  c.SetFontEscapement(10 * degrees);
  c.TextOut(x, y, text);
  c.SetFontEscapement(escapement);
}

namespace {

// Legend names are set smaller rather than touching, but not below this.
constexpr int kMinLegendPoints = 8;

// Sets the canvas's font to the largest size from its own down to
// kMinLegendPoints at which `text` fits in `width`; at the smallest size a
// text that still does not fit is cut short with "...". Returns the text to
// draw in that font.
std::string FitName(TCanvas& c, const std::string& text, int width) {
  for (int points = c.FontSize(); points > kMinLegendPoints && c.TextWidth(text) > width; --points)
    c.SetFontSize(points - 1);
  return FitWithEllipsis(c, text, width);
}

// The names under the bars of a vertical graph, `pitch` apart from centre
// to centre: on one row when they fit with a gap, else in two rows, names
// alternating, which doubles the room of each; set smaller if need be and
// cut short as the last resort.
struct TNameRows {
  int Rows = 1;
  int Points = 10;
  int Height = 0;  // of one row
  std::array<std::string, 4> Names;
};

TNameRows FitNamesUnderBars(TCanvas& c, const std::array<std::string, 4>& names, int pitch) {
  const TFontSpec font = c.Font();
  TNameRows rows;
  auto widest = [&] {
    int w = 0;
    for (const std::string& name : names) w = std::max(w, c.TextWidth(name));
    return w;
  };
  auto fits = [&](int room) { return widest() + Div(c.TextWidth("X"), 2) <= room; };
  const int smallest = std::min(font.Size, kMinLegendPoints);
  bool done = false;
  for (rows.Rows = 1; rows.Rows <= 2 && !done; ++rows.Rows) {
    for (int points = font.Size; points >= smallest && !done; --points) {
      c.SetFontSize(points);
      done = fits(rows.Rows * pitch);
    }
  }
  --rows.Rows;  // the loop went one past
  rows.Points = c.FontSize();
  rows.Height = c.TextHeight("H");
  for (std::size_t i = 0; i < 4; ++i)
    rows.Names[i] = FitWithEllipsis(c, names[i], rows.Rows * pitch - Div(c.TextWidth("X"), 2));
  c.SetFont(font);
  return rows;
}

void DrawBar(TCanvas& c, int x1, int y1, int x2, int y2) {
  ReportFormats().Apply("GRAPHBAR", c);
  c.Rectangle(x1, y1, x2, y2);
  const int p = c.PenWidthOnPage();
  c.FillRect(x1 + 2 * p, y1 + 2 * p, x2 - 2 * p, y2 - 2 * p);
  ReportFormats().Apply("GRAPHLEGEND", c);
}

}  // namespace

int DrawBarGraph(int left, int top, TCanvas& c, const TQOptions& o, int bottom, int right) {
  const int count = AxisSteps(o.IncrementCount);
  const int step = o.IncrementStepSize;
  const double full = static_cast<double>(count) * step;  // the axis's top value
  const int gx2 = right, gy1 = top;
  const int gy2 = bottom - Nearest((bottom - top) * 0.25);
  if (o.BarGraphType == 1) {
    const int gx1 = left + Nearest((right - left) * 0.15);
    DrawValueAxis(gx1, gy1, gx2, gy2, c, step, 0, count, true);
    const int slot = Div(gx2 - gx1, 9);
    ReportFormats().Apply("GRAPHLEGEND", c);
    const int hH = c.TextHeight("H");
    const TNameRows rows = FitNamesUnderBars(c, o.TableNames, 2 * slot);
    // Names on two rows push the item caption below the second row.
    const int nameRowsBottom = gy2 + Div(hH, 2) + rows.Rows * rows.Height;
    CentredAt(c, Div(gx1 + gx2, 2), std::max(gy2 + 2 * hH, nameRowsBottom + Div(hH, 4)), o.TableItemName);
    DrawRotatedText(c, 90, left - hH, Div(gy2 + gy1, 2) + Div(c.TextWidth(o.TableDataCaption), 2),
                    o.TableDataCaption);
    for (int i = 0; i < 4; ++i) {
      const int bx1 = gx1 + slot + 2 * i * slot, bx2 = bx1 + slot;
      // Damaged values beyond the axis are held to its length.
      const double share = full == 0 ? 0.0 : std::clamp(o.BarGraphData[static_cast<std::size_t>(i)] / full, -1.0, 1.0);
      const int by1 = gy2 - Nearest(share * (gy2 - gy1));
      DrawBar(c, bx1, by1, bx2, gy2);
      const TFontSpec legend = c.Font();
      c.SetFontSize(rows.Points);
      CentredAt(c, Div(bx1 + bx2, 2), gy2 + Div(hH, 2) + (i % rows.Rows) * rows.Height,
                rows.Names[static_cast<std::size_t>(i)]);
      c.SetFont(legend);
    }
    return bottom;
  }
  const int gx1 = left + Nearest((right - left) * 0.25);
  DrawValueAxis(gx1, gy1, gx2, gy2, c, step, 0, count, false);
  const int slot = Div(gy2 - gy1, 9);
  ReportFormats().Apply("GRAPHLEGEND", c);
  const int hH = c.TextHeight("H");
  CentredAt(c, Div(gx1 + gx2, 2), gy2 + 2 * hH, o.TableDataCaption);
  DrawRotatedText(c, 90, left - hH, Div(gy2 + gy1, 2) + Div(c.TextWidth(o.TableItemName), 2), o.TableItemName);
  const int unit = Div(gx2 - gx1, count);
  for (int i = 0; i < 4; ++i) {
    const int by2 = gy2 - slot - 2 * i * slot, by1 = by2 - slot;
    const double steps = step == 0 ? 0.0 : static_cast<double>(o.BarGraphData[static_cast<std::size_t>(i)]) / step;
    // Whole steps, clamped to the axis so damaged values stay on the page.
    const long long length = static_cast<long long>(std::clamp(Nearest(steps), -count, count)) * unit;
    DrawBar(c, gx1, by1, gx1 + static_cast<int>(length), by2);
    // A name ends one "X" before the axis and must not reach the turned
    // caption left of the graph: smaller, then cut short when too long.
    const int wX = c.TextWidth("X");
    const TFontSpec legend = c.Font();
    const std::string name = FitName(c, o.TableNames[static_cast<std::size_t>(i)], gx1 - wX - (left + Div(wX, 2)));
    c.TextOut(gx1 - c.TextWidth(name) - wX, by2 - c.TextHeight("X"), name);
    c.SetFont(legend);
  }
  return bottom;
}

void DrawWordProblem(TQuizQuestion& q, TCanvas& c, const TQOptions& o, const TDrawArgs& a, int numH) {
  ReportFormats().Apply("TABLEINSTRUCTIONS", c);
  const int s = c.TextWidth("H");
  const int tl = a.X + 2 * s;
  const int tr = a.X + ProblemWidth(q, a.Rx, o, c) - s;
  q.DrawnWidth = tr + 2 * s - a.X;
  // A question is six lines high. A text of more than four lines (only a
  // damaged file's names make one) ends in "..." instead of running down the
  // questions below it, and costs no more to lay out than four lines.
  constexpr std::size_t kMaxWordProblemLines = 4;
  const int yb = WrapText(c, WordProblemText(q, o), tl, tr, a.Y + numH, kMaxWordProblemLines);
  const int yl = yb + 2 * c.TextHeight("X");
  c.Line(tl, yl, tr, yl);
  if (a.ShowAnswers) CentredAt(c, Div(tl + tr, 2), yl - Nearest(1.1 * c.TextHeight("H")), AnswerText(q, o));
}

}  // namespace sumcraft
