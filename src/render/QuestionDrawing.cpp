#include "render/QuestionDrawing.h"

#include <algorithm>
#include <string>

#include "generate/AnswerText.h"
#include "quiz/ProblemType.h"
#include "render/ArithmeticDrawing.h"
#include "render/Canvas.h"
#include "render/PictureQuestions.h"
#include "render/ReportFormats.h"
#include "render/Rounding.h"
#include "render/TableGraphDrawing.h"

namespace sumcraft {

int TermWidth(int termType, const TCanvas& canvas) {
  static const char* const kXs[] = {"X", "XX", "XXX", "XXXX", "XXXXX", "XXXXXX"};
  return canvas.TextWidth(kXs[std::clamp(termType, 0, 5)]);
}

int ProblemWidth(const TQuizQuestion& q, int rx, const TQOptions& o, const TCanvas& canvas) {
  const int s = canvas.TextWidth("H");
  auto w1 = [&] { return canvas.TextWidth(FirstTermText(q)); };
  auto w2 = [&] { return canvas.TextWidth(SecondTermText(q)); };
  auto wm = [&] { return std::max(w1(), w2()); };
  int width = 0;
  switch (q.Operand) {
    case ptAddition:
    case ptSubtraction:
      width = o.Orientation == 0 ? 3 * s + wm()
                                 : TermWidth(o.FirstTermType, canvas) + Nearest(7.5 * s) +
                                       TermWidth(o.SecondTermType, canvas) + wm();
      break;
    case ptMultiplication: {
      if (o.Orientation == 0) {
        width = 3 * s + wm();
      } else {
        const int a = o.MultiplicationType == 0 ? canvas.TextWidth("12") : TermWidth(o.FirstTermType, canvas);
        const int b = o.MultiplicationType == 0 ? canvas.TextWidth("12") : TermWidth(o.SecondTermType, canvas);
        width = a + b + 2 * std::max(a, b) + 6 * s;
      }
      break;
    }
    case ptDivision: {
      if (o.Orientation == 0) {
        width = o.DivisionType == 0 ? 5 * s + wm() : canvas.TextWidth("XXXXXX") + w1() + w2();
      } else {
        const int a = o.DivisionType == 0 ? canvas.TextWidth("144") : TermWidth(o.DividendType, canvas);
        const int b = o.DivisionType == 0 ? canvas.TextWidth("144") : TermWidth(o.DivisorType, canvas);
        width = a + b + 2 * Nearest(1.5 * s) + std::max(a, b);
      }
      break;
    }
    case ptComparison:
      width = Nearest(rx * 100.0 / 96) + w1() + w2() + canvas.TextWidth(GreaterText(q));
      break;
    // The pictures are the same size on paper at every resolution.
    case ptMoney: width = Nearest(3.5 * rx); break;
    case ptFractions: width = Nearest(rx * 700.0 / 300); break;
    case ptTime: width = Nearest(rx * 595.0 / 300); break;
    case ptRounding: width = w1() + 3 * s; break;
    case ptTables:
    case ptGraphs: width = Nearest(3.5 * rx); break;
    default: break;
  }
  // Unknown problem types (damaged files) still get a cell, one inch wide,
  // so they print their number instead of stopping the layout.
  if (width <= 0) width = std::max(1, Nearest(rx * 100.0 / 96));
  return width;
}

int ProblemHeight(const TQuizQuestion& q, int ry, const TQOptions& o, const TCanvas& canvas) {
  const int h = canvas.TextHeight("H");
  switch (q.Operand) {
    case ptAddition:
    case ptSubtraction:
    case ptMultiplication:
    case ptDivision:
      return o.Orientation == 0 ? 5 * h : Nearest(3.5 * h);
    // The pictures are the same size on paper at every resolution.
    case ptMoney: return Nearest(ry * 350.0 / 96);
    case ptFractions:
      if (q.FractionProblemType <= 1) return Nearest(ry * 750.0 / 300);
      return Nearest(ry * 375.0 / 300);
    case ptTime: return Nearest(ry * 250.0 / 96);
    case ptRounding: return 4 * h;
    case ptTables:
    case ptGraphs: return 6 * h;
    default: return 5 * h;
  }
}

int CellRight(const TQuizQuestion& q, const TQOptions& o, const TCanvas& canvas, const TDrawArgs& a) {
  const int w = ProblemWidth(q, a.Rx, o, canvas);
  return a.ColumnWidth > w ? a.X + a.ColumnWidth : a.X + w;
}

void Draw(TQuizQuestion& q, TCanvas& canvas, const TQOptions& o, const TDrawArgs& a) {
  ReportFormats().Apply("PROBLEMNUMBER", canvas);
  const int numH = canvas.TextHeight("H");
  canvas.MoveTo(a.X, a.Y);
  if (a.Number != -1) canvas.TextOut(a.X, a.Y, std::to_string(a.Number) + ")");
  q.DrawnWidth = ProblemWidth(q, a.Rx, o, canvas);
  switch (q.Operand) {
    case ptAddition:
    case ptSubtraction: DrawAddSub(q, canvas, o, a, numH); break;
    case ptMultiplication: DrawFact(q, canvas, o, a, numH); break;
    case ptDivision:
      if (q.DivisionProblemType == 0) DrawFact(q, canvas, o, a, numH);
      else DrawLongDivision(q, canvas, o, a, numH);
      break;
    case ptComparison: DrawComparison(q, canvas, o, a, numH); break;
    case ptRounding: DrawRounding(q, canvas, o, a, numH); break;
    case ptMoney: DrawMoney(q, canvas, o, a, numH); break;
    case ptFractions: DrawFractionQuestion(q, canvas, o, a, numH); break;
    case ptTime: DrawClock(q, canvas, o, a, numH); break;
    case ptTables:
    case ptGraphs: DrawWordProblem(q, canvas, o, a, numH); break;
    default: break;
  }
}

}  // namespace sumcraft
