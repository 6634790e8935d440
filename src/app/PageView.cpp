#include "app/PageView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "app/Zoom.h"

namespace sumcraft {

namespace {
// Room kept below the frame's bottom edge when scrolling to it: the frame's
// pen is 4 pixels wide.
constexpr int kFrameMargin = 6;
}  // namespace

TPagePicture::TPagePicture(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setObjectName(QStringLiteral("Image1"));
}

void TPagePicture::SetImage(QImage image) {
  image_ = std::move(image);
  update();
}

void TPagePicture::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (image_.isNull()) {
    painter.fillRect(event->rect(), Qt::white);
    return;
  }
  painter.drawImage(QPointF(0, 0), image_);
}

void TPagePicture::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (rect().contains(p)) emit Released(p);
  QWidget::mouseReleaseEvent(event);
}

TPageView::TPageView(QWidget* parent) : QScrollArea(parent) {
  setObjectName(QStringLiteral("ScrollBox2"));
  setFocusPolicy(Qt::StrongFocus);
  setWidgetResizable(false);
  setBackgroundRole(QPalette::Dark);
  content_ = new QWidget;
  content_->setAutoFillBackground(false);
  picture_ = new TPagePicture(content_);
  setWidget(content_);
}

void TPageView::SetPictureSize(QSize size) {
  pictureSize_ = size;
  picture_->resize(size);
  PlacePicture();
}

void TPageView::PlacePicture() {
  const int left = PictureLeft(BoxWidth(), pictureSize_.width());
  picture_->move(left, kPictureTop);
  // A picture too wide for the box keeps a margin on its right as on its
  // left; a centred one needs none.
  const int rightMargin = BoxWidth() - pictureSize_.width() < 36 ? 18 : 0;
  const QSize view = viewport()->size();
  content_->resize(std::max(view.width(), left + pictureSize_.width() + rightMargin),
                   std::max(view.height(), kPictureTop + pictureSize_.height() + kPictureTop));
}

void TPageView::ScrollForFrameBottom(int pictureY) {
  const int edge = kPictureTop + pictureY;
  QScrollBar* bar = verticalScrollBar();
  if (edge > VisibleHeight()) bar->setValue(edge - VisibleHeight() + kFrameMargin);
  else bar->setValue(0);
}

void TPageView::ScrollToTopLeft() {
  verticalScrollBar()->setValue(0);
  horizontalScrollBar()->setValue(0);
}

void TPageView::keyPressEvent(QKeyEvent* event) {
  // Page Up and Page Down turn pages rather than scroll; with a modifier
  // they keep scrolling.
  if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
    if (event->key() == Qt::Key_PageUp) {
      emit PreviousPageRequested();
      return;
    }
    if (event->key() == Qt::Key_PageDown) {
      emit NextPageRequested();
      return;
    }
  }
  QScrollArea::keyPressEvent(event);
}

void TPageView::resizeEvent(QResizeEvent* event) {
  QScrollArea::resizeEvent(event);
  PlacePicture();
  emit Resized();
}

}  // namespace sumcraft
