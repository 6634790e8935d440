#include "render/PageHeaderFooter.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "quiz/Quiz.h"
#include "render/Canvas.h"
#include "render/ReportFormats.h"
#include "render/Rounding.h"
#include "render/WrapText.h"

namespace sumcraft {

int DrawHeader(const TQuiz& quiz, TCanvas& c, int frameWidth, int rx, int top, int rightInset, int left,
               TTitleLines* title) {
  ReportFormats().Apply("PAGEHEADER", c);
  const int h = c.TextHeight("H");
  const int rightEdge = frameWidth - rightInset;
  const int gap = c.TextWidth("X");
  const int xr = rightEdge - Nearest(2.75 * rx);
  // A line starts after its label and the left line ends before the right
  // label, whatever the header's font size or the paper's width.
  auto leftBlank = [&](int y, const char* label, bool rightLabelToo) {
    c.TextOut(left, y, label);
    const int xl = left + Nearest(0.75 * rx);
    int end = xl + 2 * rx;
    if (rightLabelToo) end = std::min(end, xr - gap);
    c.Line(std::max(xl, left + c.TextWidth(label) + gap), y + h, end, y + h);
  };
  auto rightBlank = [&](int y, const char* label) {
    c.TextOut(xr, y, label);
    c.Line(std::max(rightEdge - 2 * rx, xr + c.TextWidth(label) + gap), y + h, rightEdge, y + h);
  };

  // A version's label stands above the header, at the right, in the top
  // margin: the rest of the page is laid out exactly as the quiz's.
  if (!quiz.Version.Label.empty()) {
    const int w = c.TextWidth(quiz.Version.Label);
    c.TextOut(std::max(left, rightEdge - w), std::max(0, top - 2 * h), quiz.Version.Label);
  }

  int y = top;
  const char* left1 = quiz.PrintStudentNameBlank ? "Name:" : (quiz.PrintTeacherNameBlank ? "Teacher:" : nullptr);
  const char* right1 = quiz.PrintDateBlank ? "Date:" : (quiz.PrintClassNameBlank ? "Class:" : nullptr);
  if (left1) leftBlank(y, left1, right1 != nullptr);
  if (right1) rightBlank(y, right1);
  const bool firstRow = left1 || right1;
  if (firstRow) y += Nearest(1.5 * h);

  const bool teacherBelow = quiz.PrintTeacherNameBlank && quiz.PrintStudentNameBlank;
  const bool classBelow = quiz.PrintClassNameBlank && quiz.PrintDateBlank;
  if (teacherBelow) leftBlank(y, "Teacher:", classBelow);
  if (classBelow) rightBlank(y, "Class:");
  const bool secondRow = teacherBelow || classBelow;
  if (secondRow) y += h;
  if (firstRow || secondRow) y += h;

  ReportFormats().Apply("DEFAULT", c);
  if (quiz.PrintQuizTitle && !quiz.QuizTitle.empty()) {
    ReportFormats().Apply("QUIZTITLE", c);
    const int ht = c.TextHeight("H");
    // Centred on the page; a title wider than the row is wrapped, each line
    // centred, and no line leaves the row.
    const int rowWidth = rightEdge - left;
    TTitleLines local;
    TTitleLines& wrapped = title ? *title : local;
    if (wrapped.width != rowWidth || wrapped.resolution != c.FontResolution() || !(wrapped.font == c.Font()) ||
        wrapped.text != quiz.QuizTitle) {
      wrapped.text = quiz.QuizTitle;
      wrapped.font = c.Font();
      wrapped.resolution = c.FontResolution();
      wrapped.width = rowWidth;
      wrapped.lines = WrapLinesAtMost(c, quiz.QuizTitle, rowWidth, kMaxTitleLines);
    }
    const std::vector<std::string>& lines = wrapped.lines;
    // Lines are few, but the y of each is added in 64 bits all the same.
    const long long titleTop = y;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const int w = c.TextWidth(lines[i]);
      const int x = std::max(left, std::min(Div(frameWidth - w, 2), rightEdge - w));
      c.TextOut(x, FarOffPage(titleTop + static_cast<long long>(i) * ht), lines[i]);
    }
    ReportFormats().Apply("DEFAULT", c);
    y = FarOffPage(titleTop + static_cast<long long>(std::max<std::size_t>(lines.size(), 1)) * ht + c.TextHeight("H"));
  } else {
    y += c.TextHeight("H");
  }
  return y;
}

void DrawFooter(const TQuiz& quiz, TCanvas& c, int page, int bodyBottom, int frameWidth, int rightInset, int left,
                int pageHeight, bool answerKey) {
  ReportFormats().Apply("PAGEFOOTER", c);
  const int m = c.TextHeight("M");
  const int yf = std::min(bodyBottom + m, pageHeight - m);
  // The footer text ends before the page number (or the row's end) and is
  // cut short with "..." when it would run further.
  int limit = frameWidth - rightInset;
  if (quiz.PrintPageNumbers && (page > 1 || !quiz.SkipPrintFirstPageNumber)) {
    const std::string text = "Page " + std::to_string(page);
    const int x = frameWidth - rightInset - c.TextWidth(text);
    c.TextOut(x, yf, text);
    limit = x - 2 * c.TextWidth("M");
  }
  // A version's key names its seed first, so that a long footer text is
  // what gets cut short.
  std::string text;
  if (answerKey && !quiz.Version.Label.empty())
    text = quiz.Version.Label + ", seed " + std::to_string(quiz.Version.Seed);
  if (quiz.PrintFooterText && !quiz.FooterText.empty()) text += (text.empty() ? "" : "   ") + quiz.FooterText;
  text = FitWithEllipsis(c, text, limit - left);
  if (!text.empty()) c.TextOut(left, yf, text);
}

}  // namespace sumcraft
