#include "app/WelcomePage.h"

#include <QPainter>
#include <array>
#include <string>

#include "render/Canvas.h"
#include "render/DisplayList.h"
#include "render/Replay.h"
#include "render/Rounding.h"
#include "render/WrapText.h"

namespace sumcraft {

namespace {

constexpr std::string_view kIntroduction =
    "To help you get started, we've included some basic instructions below.  At any time you can also view the "
    "Helpfile by clicking the 'Help' menu, then 'Quick Start', or simply press the F1 key.";

constexpr std::array<std::string_view, kWelcomeSteps> kSteps{
    "You can start your first quiz by clicking the 'Add Questions' button to the right. You'll be asked to pick a "
    "problem type, set some options, and that's about it!",
    "If you'd rather start by looking at some of the sample quizzes, click the 'Open' button on the toolbar at the "
    "top of the window.",
    "Once you've opened a quiz or added some of your own questions, you can select a set of questions by clicking "
    "on any question in the set.",
    "If you don't like the questions in a set, you can delete that set by clicking the 'Delete Questions' button to "
    "the right.",
    "If you'd like to generate a new set of questions using the same options as the questions you've selected, "
    "click the 'Re-create Section' button to the right.",
    "If you'd like to create a completely new quiz using the current quiz as a template, click the 'Re-create Quiz' "
    "button to the right.",
    "You can set options like a quiz title or whether or not a space should print for a student name by clicking "
    "the 'Set Quiz Options' button to the right.",
    "You can always reverse your last action by clicking the 'Undo' button. You can undo an undo by clicking the "
    "'Redo' button.",
};

constexpr TColor kHeadingColor = MakeColor(0, 128, 128);

}  // namespace

std::string_view WelcomeIntroduction() { return kIntroduction; }

std::string_view WelcomeStep(int number) {
  if (number < 1 || number > kWelcomeSteps) return {};
  return kSteps[static_cast<std::size_t>(number - 1)];
}

void DrawBlankPage(QImage& image, double scale) {
  if (image.isNull()) return;
  if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32_Premultiplied)
    image = image.convertToFormat(QImage::Format_RGB32);
  // The outermost picture pixel stays black, as on a laid-out page.
  const int frame = std::max(1, Nearest(scale));
  QPainter painter(&image);
  painter.fillRect(image.rect(), Qt::black);
  painter.fillRect(frame, frame, image.width() - 2 * frame, image.height() - 2 * frame, Qt::white);
}

void DrawWelcomePage(QImage& image, int screenDpi, double scale) {
  DrawBlankPage(image, scale);
  if (image.isNull() || scale <= 0) return;
  const int width = Nearest(image.width() / scale);
  const int height = Nearest(image.height() / scale);

  // Laid out on a canvas in picture pixels, so the text wraps exactly as
  // the instruction lines of a page do, then replayed onto the image.
  TDisplayList list;
  TCanvas canvas(screenDpi, &list);
  canvas.SetBrushStyle(TBrushStyle::Clear);
  canvas.SetFontName("Arial");
  canvas.SetFontSize(18);
  canvas.SetFontColor(kHeadingColor);
  canvas.TextOut(50, 35, kWelcomeHeading);

  canvas.SetFontSize(11);
  canvas.SetFontColor(kBlack);
  const int h = canvas.TextHeight("H");
  WrapText(canvas, kIntroduction, 50, width - 50, 35 + 2 * h);
  int y = 35 + 5 * h;
  for (int n = 1; n <= kWelcomeSteps; ++n) {
    const std::string number = std::to_string(n) + ".";
    canvas.TextOut(50, y, number);
    WrapText(canvas, WelcomeStep(n), 70, width - 50, y);
    y += 3 * h;
  }

  QPainter painter(&image);
  ReplayPage(list, painter, QRectF(0, 0, image.width(), image.height()), QSizeF(width, height));
}

}  // namespace sumcraft
