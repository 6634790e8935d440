#pragma once
// Laying a quiz out into pages: headers, instruction blocks (with the data
// table or bar graph of table and graph sets), questions in rows, page
// breaks and footers, recording where every set begins and ends.
#include <QImage>
#include <stdexcept>
#include <string>
#include <vector>

#include "quiz/QuestionSet.h"
#include "quiz/Quiz.h"
#include "render/MetaReport.h"

namespace sumcraft {

class TCanvas;
class TPrinterDevice;

// Values computed once per layout from the page store's margins.
struct TLayoutFrame {
  int Rx = 0, Ry = 0;
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int FrameWidth = 0;   // Right - Left
  int FrameHeight = 0;  // Bottom - Top
  int RightInset = 0;   // PhysicalWidth - Right
  int RowLimit = 0;     // FrameWidth - RightInset: no question extends beyond this x
};

class LayoutError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

struct TLayoutResult {
  // Questions that could not be drawn, e.g. "Question 12: ADenominator
  // outside range (15; ...)". They show a note in their cell; the rest of
  // the quiz is laid out as usual.
  std::vector<std::string> Problems;
};

// The quiz's page store, created on first use.
TMetaReport& QuizPages(TQuiz& quiz);
// The page store when the quiz has been laid out, else nullptr.
const TMetaReport* LaidOutPages(const TQuiz& quiz);

// Lays the whole quiz out into its page store, measured on `printer` (the
// current printer when nullptr). With showAnswers the pages carry the
// answers (the answer key). Raises LayoutError when a set's first question
// has no width.
TLayoutResult Layout(TQuiz& quiz, bool showAnswers, TPrinterDevice* printer = nullptr);

// source.CopyTo(target), then lays target out without answers.
void CopyQuiz(const TQuiz& source, TQuiz& target, TPrinterDevice* printer = nullptr);

// Draws laid-out page `page` (1-based) stretched over `image`; nothing for a
// page outside the layout.
void RenderPage(TQuiz& quiz, int page, QImage& image);

// The set under height y of page `page`, or current (see TQuiz::SetAtPosition);
// the page body is the page store's Top to Bottom.
int SetAtPosition(const TQuiz& quiz, int y, int page, int current);

// The instruction block of a set at (x, y) on the canvas, in "DEFAULT";
// returns the y below it (including one line of space).
int DrawInstructions(const TQuestionSet& set, int x, int y, TCanvas& canvas, const TLayoutFrame& frame);
// The block's height, drawn on a throw-away canvas of the page store.
int MeasureInstructions(const TQuestionSet& set, int x, const TMetaReport& pages, const TLayoutFrame& frame);

// The frame of a page store whose margins are set.
TLayoutFrame MakeLayoutFrame(const TMetaReport& pages);

}  // namespace sumcraft
