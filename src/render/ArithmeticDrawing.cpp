#include "render/ArithmeticDrawing.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <string>

#include "generate/AnswerText.h"
#include "quiz/ProblemType.h"
#include "render/Canvas.h"
#include "render/CodePage1252.h"
#include "render/ReportFormats.h"
#include "render/Rounding.h"

namespace sumcraft {

namespace {

// Applies "DEFAULT" and fixes the question's cell; returns its right edge.
int BeginCell(TQuizQuestion& q, TCanvas& canvas, const TQOptions& o, const TDrawArgs& a) {
  ReportFormats().Apply("DEFAULT", canvas);
  const int right = CellRight(q, o, canvas, a);
  q.DrawnWidth = right - a.X;
  return right;
}

// The stacked form shared by addition, subtraction and the facts: the terms
// right-aligned on one column, centred as a block in the cell, the operator
// left of the second term, the rule below, the answer under the rule.
void DrawStacked(const TQuizQuestion& q, TCanvas& c, const TQOptions& o, const TDrawArgs& a, int numH, int right,
                 int w1, int w2, int wm) {
  const int h = c.TextHeight("H");
  const std::string op = OperatorSymbol(q);
  const int wo = c.TextWidth(op);
  const int pad = Div(right - a.X - wm, 2);
  const int line = Nearest(1.1 * h);
  const int top = a.Y + numH;
  c.TextOut(right - w1 - pad, top, FirstTermText(q));
  c.TextOut(right - wm - 2 * wo - pad, top + line, op);
  c.TextOut(right - w2 - pad, top + line, SecondTermText(q));
  c.Line(right - wm - 2 * wo - pad, top + 2 * line, right - pad, top + 2 * line);
  if (a.ShowAnswers) {
    const std::string answer = AnswerText(q, o);
    c.TextOut(right - c.TextWidth(answer) - pad, top + 2 * line + 2 * c.PenWidthOnPage(), answer);
  }
}

}  // namespace

void DrawAddSub(TQuizQuestion& q, TCanvas& c, const TQOptions& o, const TDrawArgs& a, int numH) {
  const int right = BeginCell(q, c, o, a);
  const std::string first = FirstTermText(q), second = SecondTermText(q);
  const int w1 = c.TextWidth(first), w2 = c.TextWidth(second);
  if (o.Orientation == 0) {
    DrawStacked(q, c, o, a, numH, right, w1, w2, std::max(w1, w2));
    return;
  }
  const int h = c.TextHeight("H");
  const int wX = c.TextWidth("X");
  const std::string op = OperatorSymbol(q);
  const int wo = c.TextWidth(op);
  const int weq = c.TextWidth("=");
  const int y1 = a.Y + numH + Nearest(0.5 * h);
  const int g = Nearest(0.5 * wX);
  c.TextOut(a.X + wX, y1, first);
  const int xo = a.X + wX + w1 + g;
  c.TextOut(xo, y1, op);
  c.TextOut(xo + wo + g, y1, second);
  const int xe = xo + wo + g + w2 + g;
  if (o.Orientation == 1) c.TextOut(xe, y1, "=");
  c.Line(xe + weq, y1 + Nearest(1.1 * h), right - wX, y1 + Nearest(1.1 * h));
  if (a.ShowAnswers) c.TextOut(xe + 2 * weq, y1, AnswerText(q, o));
}

void DrawFact(TQuizQuestion& q, TCanvas& c, const TQOptions& o, const TDrawArgs& a, int numH) {
  const int right = BeginCell(q, c, o, a);
  int slotA = o.MultiplicationType == 0 ? c.TextWidth("12") : TermWidth(o.FirstTermType, c);
  int slotB = o.MultiplicationType == 0 ? c.TextWidth("12") : TermWidth(o.SecondTermType, c);
  const int wm = std::max(slotA, slotB);
  // The slots are measured on the plain numbers; the texts drawn carry
  // separators (facts never reach 1,000, so the two agree).
  const int w1 = c.TextWidth(std::to_string(q.FirstTerm));
  const int w2 = c.TextWidth(std::to_string(q.SecondTerm));
  if (o.Orientation == 0) {
    DrawStacked(q, c, o, a, numH, right, w1, w2, wm);
    return;
  }
  // In a row each slot holds the widest term the options allow, so the
  // operator never touches a term: a division table's dividend reaches 144
  // and its divisor 12.
  if (q.Operand == ptDivision) {
    slotA = o.DivisionType == 0 ? c.TextWidth("144") : TermWidth(o.DividendType, c);
    slotB = o.DivisionType == 0 ? c.TextWidth("12") : TermWidth(o.DivisorType, c);
  }
  slotA = std::max(slotA, w1);
  slotB = std::max(slotB, w2);
  const int h = c.TextHeight("H");
  const int wX = c.TextWidth("X");
  const std::string op = OperatorSymbol(q);
  const int wo = c.TextWidth(op);
  const int weq = c.TextWidth("=");
  const int y1 = a.Y + numH + Nearest(0.5 * h);
  const int g = Nearest(0.5 * wX);
  c.TextOut(a.X + g + Div(slotA - w1, 2), y1, FirstTermText(q));
  const int xo = a.X + wX + slotA;
  c.TextOut(xo, y1, op);
  c.TextOut(xo + wo + g + Div(slotB - w2, 2), y1, SecondTermText(q));
  const int xe = xo + wo + wX + slotB;
  if (o.Orientation == 1) c.TextOut(xe, y1, "=");
  c.Line(xe + weq, y1 + Nearest(1.1 * h), right - wX, y1 + Nearest(1.1 * h));
  if (a.ShowAnswers) c.TextOut(xe + 2 * weq, y1, AnswerText(q, o));
}

void DrawLongDivision(TQuizQuestion& q, TCanvas& c, const TQOptions& o, const TDrawArgs& a, int numH) {
  const int right = BeginCell(q, c, o, a);
  const int s = c.TextWidth("H");
  const int h = c.TextHeight("H");
  const std::string dividend = std::to_string(q.FirstTerm);
  const std::string divisor = std::to_string(q.SecondTerm);
  const int wD = c.TextWidth(dividend), wd = c.TextWidth(divisor);
  const int yd = a.Y + numH + h;
  const int xD = right - 3 * s - wD;
  const int xv = xD - wd - s;
  c.TextOut(xD, yd, dividend);
  c.TextOut(xv, yd, divisor);
  // The pen stays this wide until the layout applies "DEFAULT" again.
  c.SetPenWidth(12);  // pen units: two pixels of a 96 dpi screen
  const int hb = c.TextHeight(")");
  const int xb = xv + wd + Nearest(0.25 * s);
  const int yb = yd - Nearest(0.15 * hb);
  c.TextOut(xb, yb, ")");
  const int yBar = yb + Nearest(0.2 * hb);
  c.Line(xb, yBar, xb + Nearest(1.1 * (s + wD)), yBar);
  if (a.ShowAnswers) {
    const std::string answer = AnswerText(q, o);
    c.TextOut(right - 3 * s - c.TextWidth(answer), a.Y + numH, answer);
  }
}

void DrawAnswerBox(TCanvas& c, int left, int top, int right, int bottom) {
  const int penWidth = c.PenWidth();
  const TColor brushColor = c.BrushColor();
  c.SetPenWidth(5);
  c.MoveTo(left, top);
  c.LineTo(right, top);
  c.LineTo(right, bottom);
  c.LineTo(left, bottom);
  c.LineTo(left, top);
  c.SetPenWidth(penWidth);
  c.SetBrushColor(brushColor);
}

TRowBox BoxBetweenNeighbours(const TCanvas& c, const std::array<int, 3>& tops,
                             const std::array<std::string_view, 3>& texts, int chosen, int height) {
  const QFontMetricsF metrics(c.Metrics().Font());
  auto ink = [&](int i) {
    const QRectF r = metrics.tightBoundingRect(FromCp1252(texts[static_cast<std::size_t>(i)]));
    const double baseline = tops[static_cast<std::size_t>(i)] + c.Metrics().Ascent();
    return std::pair{static_cast<int>(std::floor(baseline + r.top())), static_cast<int>(std::ceil(baseline + r.bottom()))};
  };
  const auto [top, bottom] = ink(chosen);
  TRowBox box{tops[static_cast<std::size_t>(chosen)], tops[static_cast<std::size_t>(chosen)] + height};
  if (chosen > 0) box.Top = top - Div(top - ink(chosen - 1).second, 2);
  if (chosen < 2) box.Bottom = bottom + Div(ink(chosen + 1).first - bottom, 2);
  return box;
}

void DrawComparison(TQuizQuestion& q, TCanvas& c, const TQOptions& o, const TDrawArgs& a, int numH) {
  const int right = BeginCell(q, c, o, a);
  const int h = c.TextHeight("H");
  const std::string gt = GreaterText(q), eq = EqualText(q), lt = LessText(q);
  const int wGt = c.TextWidth(gt), wEq = c.TextWidth(eq), wLt = c.TextWidth(lt);
  const int cx = Div(right + a.X, 2);
  const int g = Nearest(a.Rx * 20.0 / 96);
  const int row0 = a.Y + numH, row1 = row0 + h, row2 = row0 + 2 * h;
  c.TextOut(cx - Div(wGt, 2), row0, gt);
  const std::string first = FirstTermText(q), second = SecondTermText(q);
  c.TextOut(cx - Div(wGt, 2) - c.TextWidth(first) - g, row1, first);
  c.TextOut(cx + Div(wGt, 2) + g, row1, second);
  c.TextOut(cx - Div(wEq, 2), row1, eq);
  c.TextOut(cx - Div(wLt, 2), row2, lt);
  if (!a.ShowAnswers) return;
  const int chosen = q.FirstTerm > q.SecondTerm ? 0 : (q.FirstTerm < q.SecondTerm ? 2 : 1);
  const int w = chosen == 0 ? wGt : (chosen == 2 ? wLt : wEq);
  const TRowBox box = BoxBetweenNeighbours(c, {row0, row1, row2}, {gt, eq, lt}, chosen, Nearest(1.1 * h));
  const int left = cx - Div(w, 2) - Nearest(0.1 * a.Rx);
  DrawAnswerBox(c, left, box.Top, left + Nearest(1.1 * w) + Nearest(0.15 * a.Rx), box.Bottom);
}

void DrawRounding(TQuizQuestion& q, TCanvas& c, const TQOptions& o, const TDrawArgs& a, int numH) {
  const int right = BeginCell(q, c, o, a);
  const int h = c.TextHeight("H");
  const int wX = c.TextWidth("X");
  const std::string number = FirstTermText(q);
  const int w1 = c.TextWidth(number);
  const int xn = Div(a.X + right, 2) - Div(w1, 2);
  c.TextOut(xn, a.Y + numH, number);
  const int yl = a.Y + numH + Nearest(1.5 * h) + h;
  c.Line(xn - Div(wX, 2), yl, xn - Div(wX, 2) + w1 + wX, yl);
  if (a.ShowAnswers) {
    const std::string answer = AnswerText(q, o);
    c.TextOut(a.X + Div(right - a.X, 2) - Div(c.TextWidth(answer), 2), yl - Nearest(1.1 * h), answer);
  }
}

}  // namespace sumcraft
