#pragma once

// Drawing of the stored pictures; AssetTable.h says which and how large.

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QSize>

#include <optional>

namespace sumcraft::pictures {

enum class Form { Display, Print };
enum class Coin { Quarter, Dime, Nickel, Penny };

// A white, opaque picture of the given size.
QImage BlankPicture(QSize size);

// Starts painting on a picture, antialiased, with point sizes equal to pixel
// sizes so fonts can be sized in fractions of a pixel. The picture's
// resolution tag is put back when painting ends.
class PicturePainter {
public:
  explicit PicturePainter(QImage& picture);
  ~PicturePainter();
  PicturePainter(const PicturePainter&) = delete;
  PicturePainter& operator=(const PicturePainter&) = delete;
  QPainter& operator*() { return *painter_; }
  QPainter* operator->() { return &*painter_; }

private:
  QImage& picture_;
  int dpmX_;
  int dpmY_;
  std::optional<QPainter> painter_;
};

// The sans-serif face of the pictures' lettering, `pixels` high (em size).
QFont PictureFont(double pixels, bool bold);

// The clock dial centred on the pixel `centre`, its outer ring on `radius`.
QImage DrawClockFace(QSize size, QPoint centre, int radius, Form form);

// A coin face filling a square picture of `size` pixels.
QImage DrawCoin(Coin coin, Form form, int size);

struct AssetEntry;

// Draws the stored picture `entry` describes. Needs a QGuiApplication (the
// lettering needs the font database); throws std::logic_error without one.
// The build draws every picture once with this; the program loads them.
QImage DrawAsset(const AssetEntry& entry);

}  // namespace sumcraft::pictures
