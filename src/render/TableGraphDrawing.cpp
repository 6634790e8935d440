#include "render/TableGraphDrawing.h"

#include <algorithm>
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
  for (int i = 0; i <= n; ++i) {
    const std::string label = std::to_string(static_cast<long long>(start) + static_cast<long long>(i) * step);
    const int w = c.TextWidth(label), h = c.TextHeight(label);
    if (vertical) {
      const int yi = y2 - i * Div(y2 - y1, n);
      if (i > 0 && i < n) c.Line(x1 + c.PenWidth(), yi, x2, yi);
      c.TextOut(x1 - wH - w, yi - Div(h, 2), label);
    } else {
      const int xi = x1 + i * Div(x2 - x1, n);
      if (i > 0 && i < n) c.Line(xi, y1, xi, y2);
      c.TextOut(xi - Div(w, 2), y2 + Div(hH, 2), label);
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

void DrawBar(TCanvas& c, int x1, int y1, int x2, int y2) {
  ReportFormats().Apply("GRAPHBAR", c);
  c.Rectangle(x1, y1, x2, y2);
  const int p = c.PenWidth();
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
    CentredAt(c, Div(gx1 + gx2, 2), gy2 + 2 * hH, o.TableItemName);
    DrawRotatedText(c, 90, left - hH, Div(gy2 + gy1, 2) + Div(c.TextWidth(o.TableDataCaption), 2),
                    o.TableDataCaption);
    for (int i = 0; i < 4; ++i) {
      const int bx1 = gx1 + slot + 2 * i * slot, bx2 = bx1 + slot;
      // Damaged values beyond the axis are held to its length.
      const double share = full == 0 ? 0.0 : std::clamp(o.BarGraphData[static_cast<std::size_t>(i)] / full, -1.0, 1.0);
      const int by1 = gy2 - Nearest(share * (gy2 - gy1));
      DrawBar(c, bx1, by1, bx2, gy2);
      CentredAt(c, Div(bx1 + bx2, 2), gy2 + Div(c.TextHeight("H"), 2), o.TableNames[static_cast<std::size_t>(i)]);
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
    const std::string& name = o.TableNames[static_cast<std::size_t>(i)];
    c.TextOut(gx1 - c.TextWidth(name) - c.TextWidth("X"), by2 - c.TextHeight("X"), name);
  }
  return bottom;
}

void DrawWordProblem(TQuizQuestion& q, TCanvas& c, const TQOptions& o, const TDrawArgs& a, int numH) {
  ReportFormats().Apply("TABLEINSTRUCTIONS", c);
  const int s = c.TextWidth("H");
  const int tl = a.X + 2 * s;
  const int tr = a.X + ProblemWidth(q, a.Rx, o, c) - s;
  q.DrawnWidth = tr + 2 * s - a.X;
  const int yb = WrapText(c, WordProblemText(q, o), tl, tr, a.Y + numH);
  const int yl = yb + 2 * c.TextHeight("X");
  c.Line(tl, yl, tr, yl);
  if (a.ShowAnswers) CentredAt(c, Div(tl + tr, 2), yl - Nearest(1.1 * c.TextHeight("H")), AnswerText(q, o));
}

}  // namespace sumcraft
