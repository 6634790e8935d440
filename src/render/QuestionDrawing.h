#pragma once
// Drawing one question: the problem number, the measures the layout places
// questions by, and the hand-over to the drawing of each problem type.
#include "quiz/QOptions.h"
#include "quiz/QuizQuestion.h"

namespace sumcraft {

class TCanvas;

// Where and how a question is drawn; page units.
struct TDrawArgs {
  int X = 0, Y = 0;          // top-left corner of the question
  int FrameWidth = 0;        // the layout's FrameWidth (money keeps right of it)
  int FrameHeight = 0;
  int Rx = 96, Ry = 96;      // resolution of the page store
  bool ShowAnswers = false;  // the answer key
  int Number = -1;           // problem number; -1 for none
  int ColumnWidth = 0;
};

// Draws the question with its top-left corner at (X, Y): the number in
// "PROBLEMNUMBER", then the drawing of its problem type. Sets DrawnWidth.
void Draw(TQuizQuestion& q, TCanvas& canvas, const TQOptions& options, const TDrawArgs& args);

// The space the layout reserves for the question, measured in the style in
// force on the canvas. Always positive for any problem type code.
int ProblemWidth(const TQuizQuestion& q, int rx, const TQOptions& options, const TCanvas& canvas);
int ProblemHeight(const TQuizQuestion& q, int ry, const TQOptions& options, const TCanvas& canvas);

// Width of termType + 1 letters "X" (one to six; codes above 5 count as 5).
int TermWidth(int termType, const TCanvas& canvas);

// The right edge of a question's cell: the column when it is wider than the
// question, else the question's own width (measured in the current style).
int CellRight(const TQuizQuestion& q, const TQOptions& options, const TCanvas& canvas, const TDrawArgs& args);

}  // namespace sumcraft
