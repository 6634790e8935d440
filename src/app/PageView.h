#pragma once
// The page view: a scroll box (ScrollBox2) holding one picture (Image1) of
// the size of a page at the current zoom, 8 pixels below the box's top and
// centred across it. The main window decides what the picture shows; the
// view shows it, reports clicks on it and asks for page turns.
#include <QImage>
#include <QScrollArea>
#include <QSize>
#include <QWidget>

namespace sumcraft {

// Image1: shows the page image (device pixels, with the screen's pixel
// ratio) at the picture's size.
class TPagePicture : public QWidget {
  Q_OBJECT

public:
  explicit TPagePicture(QWidget* parent = nullptr);

  void SetImage(QImage image);
  const QImage& Image() const { return image_; }

signals:
  // A mouse button was released over the picture, at picture coordinates.
  void Released(QPoint position);

protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  QImage image_;
};

class TPageView : public QScrollArea {
  Q_OBJECT

public:
  // The picture's distance from the top of the box.
  static constexpr int kPictureTop = 8;

  explicit TPageView(QWidget* parent = nullptr);

  TPagePicture* Picture() const { return picture_; }

  // The picture's size in picture (logical) pixels.
  QSize PictureSize() const { return pictureSize_; }
  void SetPictureSize(QSize size);
  // Centres the picture across the box (PictureLeft, Zoom.h).
  void PlacePicture();

  // The box's outer size, as the zoom rules measure it.
  int BoxWidth() const { return width(); }
  int BoxHeight() const { return height(); }
  // The height of the visible part of the box.
  int VisibleHeight() const { return viewport()->height(); }

  // Vertical scrolling by the rule of the selection frame: when the frame's
  // bottom edge (picture y) lies below the visible part, scroll so that it
  // is just inside the view's bottom; otherwise back to the top.
  void ScrollForFrameBottom(int pictureY);
  void ScrollToTopLeft();

signals:
  void PreviousPageRequested();
  void NextPageRequested();
  void Resized();

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  QWidget* content_;
  TPagePicture* picture_;
  QSize pictureSize_;
};

}  // namespace sumcraft
