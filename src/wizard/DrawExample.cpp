#include "wizard/DrawExample.h"

#include <QPainter>
#include <algorithm>
#include <utility>
#include <QWidget>

#include "generate/Generate.h"
#include "quiz/QuizQuestion.h"
#include "render/MetaReport.h"
#include "render/QuestionDrawing.h"
#include "render/Replay.h"
#include "render/Rounding.h"

namespace sumcraft {

namespace {

constexpr int kFallbackScreenDpi = 96;

// The horizontal extent of everything drawn on the page, in page units.
// Some signs stand a little left of their question's cell (the operator of
// a stacked fact is placed from the cell's right edge), so the cell alone
// would cut them off.
std::pair<int, int> InkColumns(const TDisplayList& page, int left, int right) {
  for (const TDrawOp& op : page.Ops()) {
    if (op.Kind == TOpKind::Text) {
      left = std::min(left, op.X1);
      right = std::max(right, op.X1 + op.X2);
    } else {
      left = std::min({left, op.X1, op.X2});
      right = std::max({right, op.X1, op.X2});
    }
  }
  return {left, right};
}

}  // namespace

void DrawExample(const TQOptions& options, QImage& image, const QWidget* owner) {
  const int sx = owner != nullptr ? owner->logicalDpiX() : kFallbackScreenDpi;
  const int sy = owner != nullptr ? owner->logicalDpiY() : kFallbackScreenDpi;

  TQuizQuestion question;
  TMetaReport pages;
  pages.Reset();
  const int px = pages.ResolutionX();
  const int py = pages.ResolutionY();

  // A blank image first, so that a failed generation leaves no stale example.
  image.fill(Qt::white);
  Generate(question, options);

  // The image's size in printer pixels: the drawing area of the question.
  const int areaWidth = Nearest(static_cast<double>(image.width()) * px / sx);
  const int areaHeight = Nearest(static_cast<double>(image.height()) * py / sy);

  TCanvas& canvas = *pages.CurrentCanvas();
  TDrawArgs args;
  args.X = px;
  args.Y = py;
  args.FrameWidth = areaWidth;
  args.FrameHeight = areaHeight;
  args.Rx = px;
  args.Ry = py;
  args.ShowAnswers = true;
  args.Number = -1;
  Draw(question, canvas, options, args);

  // The question's extent at screen scale, widened to any ink beyond its
  // cell.
  const TDisplayList* page = pages.PageOps(1);
  if (page == nullptr) return;
  const auto [inkLeft, inkRight] = InkColumns(*page, px, px + question.DrawnWidth);
  const int extraLeft = Nearest(static_cast<double>(px - inkLeft) / px * sx);
  const int extraRight =
      Nearest(static_cast<double>(inkRight - px - question.DrawnWidth) / px * sx);
  const int qw = Nearest(static_cast<double>(question.DrawnWidth) / px * sx) + extraLeft + extraRight;
  const int qh = Nearest(static_cast<double>(ProblemHeight(question, py, options, canvas)) / py * sy);

  // The page at screen scale is the paper's size; the page store stretches
  // its printable area over it. Only the question's rectangle of that page
  // image is needed, so the page is replayed straight into the example
  // image, shifted and clipped to where the rectangle is copied to.
  const QSize paper = pages.PhysicalPageSize();
  const int pageWidth = Nearest(static_cast<double>(paper.width()) / px * sx);
  const int pageHeight = Nearest(static_cast<double>(paper.height()) / py * sy);
  const int left = Div(image.width() - qw, 2);
  const int top = Div(image.height() - qh, 2);
  if (qw <= 0 || qh <= 0 || pageWidth <= 0 || pageHeight <= 0) return;

  QPainter painter(&image);
  painter.setClipRect(QRect(left, top, qw, qh));
  // Screen point (sx - extraLeft, sy) of the page image lands on (left, top).
  painter.translate(left - (sx - extraLeft), top - sy);
  // The page image is white with a black frame on its outermost pixels;
  // parts of the rectangle beyond the page image stay white.
  painter.fillRect(0, 0, pageWidth, pageHeight, Qt::black);
  painter.fillRect(1, 1, pageWidth - 2, pageHeight - 2, Qt::white);
  painter.setClipRect(QRect(0, 0, pageWidth, pageHeight), Qt::IntersectClip);
  ReplayPage(*page, painter, QRectF(0, 0, pageWidth, pageHeight),
             QSizeF(pages.PrintableWidth(), pages.PrintableHeight()));
}

}  // namespace sumcraft
