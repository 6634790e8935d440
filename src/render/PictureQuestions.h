#pragma once
// The questions drawn with pictures or stacked fractions: money (coins),
// fractions (a shaded circle, a shaded set, sums and differences,
// comparisons) and clocks.
#include <string>

#include "quiz/QOptions.h"
#include "quiz/QuizQuestion.h"
#include "render/QuestionDrawing.h"

namespace sumcraft {

void DrawMoney(TQuizQuestion& q, TCanvas& canvas, const TQOptions& options, const TDrawArgs& args, int numH);
// By the question's FractionProblemType.
void DrawFractionQuestion(TQuizQuestion& q, TCanvas& canvas, const TQOptions& options, const TDrawArgs& args,
                          int numH);
void DrawClock(TQuizQuestion& q, TCanvas& canvas, const TQOptions& options, const TDrawArgs& args, int numH);

// A question that cannot be drawn (a fraction of a set whose denominator is
// outside 1 to 12, a comparison with a denominator of 0 or less) draws a
// short note in its cell instead, and the layout goes on; the reason is
// reported through this hook (the layout collects them to tell the user).
// Without a hook the note is all there is.
using TDrawProblemHook = void (*)(void* context, const std::string& reason);
void SetDrawProblemHook(TDrawProblemHook hook, void* context);
void ReportDrawProblem(TCanvas& canvas, int x, int y, const std::string& reason);

}  // namespace sumcraft
