#pragma once
// The data table and bar graph of table-data and graph sets, and their
// word-problem questions.
#include <string_view>

#include "quiz/QOptions.h"
#include "quiz/QuestionSet.h"
#include "quiz/QuizQuestion.h"
#include "render/QuestionDrawing.h"

namespace sumcraft {

class TCanvas;

// The two-column table (names, numbers) with its top-left at (x, y), columns
// one inch wide starting one inch right of x, in "TABLEDATA". Returns the y
// below the table plus one row.
int DrawTable(const TQuestionSet& set, int x, int y, TCanvas& canvas, int rx);

// The bar graph in the box left/top/right/bottom: value axis, bars, captions.
// Returns bottom.
int DrawBarGraph(int left, int top, TCanvas& canvas, const TQOptions& options, int bottom, int right);

// The framed plotting area with grid lines and scale labels (8-point font,
// restored afterwards). Counts below 1 draw one increment, and at most
// kMaxAxisSteps are drawn, so damaged files cannot divide by zero or hang.
inline constexpr int kMaxAxisSteps = 500;
void DrawValueAxis(int x1, int y1, int x2, int y2, TCanvas& canvas, int step, int start, int count, bool vertical);

// Text in the canvas's font turned counter-clockwise by `degrees` about its
// top-left corner; the font is restored afterwards.
void DrawRotatedText(TCanvas& canvas, int degrees, int x, int y, std::string_view text);

// A word-problem question in "TABLEINSTRUCTIONS": the sentence wrapped in
// the cell, an answer line, and the answer in the key.
void DrawWordProblem(TQuizQuestion& q, TCanvas& canvas, const TQOptions& options, const TDrawArgs& args, int numH);

}  // namespace sumcraft
