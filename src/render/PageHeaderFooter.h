#pragma once
// The header (blanks for name, teacher, date and class; the quiz title) and
// the footer (page number, footer text) of every page.

namespace sumcraft {

class TCanvas;
class TQuiz;

// Draws the header from the page's top; returns the y where content begins.
int DrawHeader(const TQuiz& quiz, TCanvas& canvas, int frameWidth, int rx, int top, int rightInset, int left);

// Draws the footer of page `page` one "M" below the bottom of the page body,
// in the bottom margin, so that it never runs into the last row of questions.
// On a printer whose printable area ends about where the body does (a
// printing offset of a quarter inch at the bottom), the footer is raised to
// stay on the printable area, `pageHeight` high: it is drawn no lower than
// one "M" above that edge.
void DrawFooter(const TQuiz& quiz, TCanvas& canvas, int page, int bodyBottom, int frameWidth, int rightInset,
                int left, int pageHeight);

}  // namespace sumcraft
