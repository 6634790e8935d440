#include "render/PageHeaderFooter.h"

#include <algorithm>
#include <string>

#include "quiz/Quiz.h"
#include "render/Canvas.h"
#include "render/ReportFormats.h"
#include "render/Rounding.h"

namespace sumcraft {

int DrawHeader(const TQuiz& quiz, TCanvas& c, int frameWidth, int rx, int top, int rightInset, int left) {
  ReportFormats().Apply("PAGEHEADER", c);
  const int h = c.TextHeight("H");
  const int rightEdge = frameWidth - rightInset;
  auto leftBlank = [&](int y, const char* label) {
    c.TextOut(left, y, label);
    const int xl = left + Nearest(0.75 * rx);
    c.Line(xl, y + h, xl + 2 * rx, y + h);
  };
  auto rightBlank = [&](int y, const char* label) {
    c.TextOut(rightEdge - Nearest(2.75 * rx), y, label);
    c.Line(rightEdge - 2 * rx, y + h, rightEdge, y + h);
  };

  int y = top;
  const char* left1 = quiz.PrintStudentNameBlank ? "Name:" : (quiz.PrintTeacherNameBlank ? "Teacher:" : nullptr);
  const char* right1 = quiz.PrintDateBlank ? "Date:" : (quiz.PrintClassNameBlank ? "Class:" : nullptr);
  if (left1) leftBlank(y, left1);
  if (right1) rightBlank(y, right1);
  const bool firstRow = left1 || right1;
  if (firstRow) y += Nearest(1.5 * h);

  const bool teacherBelow = quiz.PrintTeacherNameBlank && quiz.PrintStudentNameBlank;
  const bool classBelow = quiz.PrintClassNameBlank && quiz.PrintDateBlank;
  if (teacherBelow) leftBlank(y, "Teacher:");
  if (classBelow) rightBlank(y, "Class:");
  const bool secondRow = teacherBelow || classBelow;
  if (secondRow) y += h;
  if (firstRow || secondRow) y += h;

  ReportFormats().Apply("DEFAULT", c);
  if (quiz.PrintQuizTitle && !quiz.QuizTitle.empty()) {
    ReportFormats().Apply("QUIZTITLE", c);
    const int ht = c.TextHeight("H");
    c.TextOut(Div(frameWidth - c.TextWidth(quiz.QuizTitle), 2), y, quiz.QuizTitle);
    ReportFormats().Apply("DEFAULT", c);
    y += ht + c.TextHeight("H");
  } else {
    y += c.TextHeight("H");
  }
  return y;
}

void DrawFooter(const TQuiz& quiz, TCanvas& c, int page, int bodyBottom, int frameWidth, int rightInset, int left,
                int pageHeight) {
  ReportFormats().Apply("PAGEFOOTER", c);
  const int m = c.TextHeight("M");
  const int yf = std::min(bodyBottom + m, pageHeight - m);
  if (quiz.PrintPageNumbers && (page > 1 || !quiz.SkipPrintFirstPageNumber)) {
    const std::string text = "Page " + std::to_string(page);
    c.TextOut(frameWidth - rightInset - c.TextWidth(text), yf, text);
  }
  if (quiz.PrintFooterText) c.TextOut(left, yf, quiz.FooterText);
}

}  // namespace sumcraft
