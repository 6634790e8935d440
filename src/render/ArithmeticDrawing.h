#pragma once
// The number-and-symbol problems: addition and subtraction, multiplication
// and division facts, long division, comparison and rounding.
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

}  // namespace sumcraft
