#pragma once
// The number-and-symbol problems: addition and subtraction, multiplication
// and division facts, long division, comparison and rounding.
#include <array>
#include <string_view>

#include "quiz/QOptions.h"
#include "quiz/QuizQuestion.h"
#include "render/QuestionDrawing.h"

namespace sumcraft {

// Each applies "DEFAULT", draws below the number line of height numH and sets
// the question's DrawnWidth to its cell.
void DrawAddSub(TQuizQuestion& q, TCanvas& canvas, const TQOptions& options, const TDrawArgs& args, int numH);
void DrawFact(TQuizQuestion& q, TCanvas& canvas, const TQOptions& options, const TDrawArgs& args, int numH);
void DrawLongDivision(TQuizQuestion& q, TCanvas& canvas, const TQOptions& options, const TDrawArgs& args, int numH);
void DrawComparison(TQuizQuestion& q, TCanvas& canvas, const TQOptions& options, const TDrawArgs& args, int numH);
void DrawRounding(TQuizQuestion& q, TCanvas& canvas, const TQOptions& options, const TDrawArgs& args, int numH);

// A box of four lines with pen width 5 around (left, top)-(right, bottom);
// the canvas's pen width and brush colour are restored afterwards. Marks the
// right choice of a comparison.
void DrawAnswerBox(TCanvas& canvas, int left, int top, int right, int bottom);

// The top and bottom of the answer box around the chosen one of three texts
// standing one above the other (row tops `tops`). The rows stand closer than
// a box is high, so each edge that faces a neighbour keeps half the free
// space between the chosen text's ink and that neighbour's; an edge without
// a neighbour stays where a box `height` high from the row top puts it.
struct TRowBox {
  int Top, Bottom;
};
TRowBox BoxBetweenNeighbours(const TCanvas& canvas, const std::array<int, 3>& tops,
                             const std::array<std::string_view, 3>& texts, int chosen, int height);

}  // namespace sumcraft
