#pragma once
// The header (blanks for name, teacher, date and class; the quiz title) and
// the footer (page number, footer text) of every page.

#include <string>
#include <string_view>
#include <vector>

#include "render/DrawState.h"

namespace sumcraft {

class TCanvas;
class TQuiz;

// The quiz title wrapped for the header. Every page of a layout has the same
// title in the same style and row, so a layout keeps one of these and the
// title is measured once, not once a page.
struct TTitleLines {
  std::string text;
  TFontSpec font;
  int resolution = 0;
  int width = -1;
  std::vector<std::string> lines;
};

// A title takes at most this many lines; a longer one ends its last line
// with "..." instead of pushing the questions off the page.
inline constexpr std::size_t kMaxTitleLines = 8;

// Draws the header from the page's top; returns the y where content begins.
// A version's label (TQuiz::Version) stands at the right in the top margin.
// `title`, when given, keeps the wrapped title from page to page.
int DrawHeader(const TQuiz& quiz, TCanvas& canvas, int frameWidth, int rx, int top, int rightInset, int left,
               TTitleLines* title = nullptr);

// Draws the footer of page `page` one "M" below the bottom of the page body,
// in the bottom margin, so that it never runs into the last row of questions.
// On a printer whose printable area ends about where the body does (a
// printing offset of a quarter inch at the bottom), the footer is raised to
// stay on the printable area, `pageHeight` high: it is drawn no lower than
// one "M" above that edge. The answer key of a version names the version and
// its seed ahead of the footer text.
void DrawFooter(const TQuiz& quiz, TCanvas& canvas, int page, int bodyBottom, int frameWidth, int rightInset,
                int left, int pageHeight, bool answerKey);

}  // namespace sumcraft
