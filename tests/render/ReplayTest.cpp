#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "render/Canvas.h"
#include "render/Replay.h"

namespace sumcraft {
namespace {

QImage White(int w, int h) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(Qt::white);
  return img;
}

bool Dark(const QImage& img, int x, int y) { return qGray(img.pixel(x, y)) < 128; }

// Bounding box of the dark pixels.
QRect Ink(const QImage& img) {
  QRect box;
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) {
      if (Dark(img, x, y)) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

TEST(Replay, StretchesPageCoordinatesOverTheTarget) {
  TDisplayList page;
  TCanvas c(600, &page);
  c.SetPenWidth(12);
  c.Line(1000, 2000, 4000, 2000);  // page 5100 x 6600
  QImage img = White(510, 660);
  {
    QPainter p(&img);
    ReplayPage(page, p, QRectF(0, 0, 510, 660), QSizeF(5100, 6600), TReplayOptions{false});
  }
  EXPECT_TRUE(Dark(img, 100, 200));
  EXPECT_TRUE(Dark(img, 250, 200));
  EXPECT_TRUE(Dark(img, 399, 200));
  EXPECT_FALSE(Dark(img, 250, 195));
  EXPECT_FALSE(Dark(img, 250, 205));
  EXPECT_FALSE(Dark(img, 90, 200));
  EXPECT_FALSE(Dark(img, 410, 200));

  // The same page into an offset target.
  QImage img2 = White(600, 700);
  {
    QPainter p(&img2);
    ReplayPage(page, p, QRectF(50, 20, 510, 660), QSizeF(5100, 6600), TReplayOptions{false});
  }
  EXPECT_TRUE(Dark(img2, 150, 220));
  EXPECT_FALSE(Dark(img2, 100, 200));
}

TEST(Replay, ThinPensStayVisibleWhenScaledDown) {
  TDisplayList page;
  TCanvas c(600, &page);
  c.SetPenWidth(1);
  c.Line(0, 3000, 5000, 3000);
  QImage img = White(100, 100);
  {
    QPainter p(&img);
    ReplayPage(page, p, QRectF(0, 0, 100, 100), QSizeF(5000, 5000), TReplayOptions{false});
  }
  EXPECT_TRUE(Dark(img, 50, 60));
}

TEST(Replay, TextKeepsItsTopLeftAndScalesWithThePage) {
  TDisplayList page;
  TCanvas c(600, &page);
  c.SetFontSize(40);
  c.SetBrushStyle(TBrushStyle::Clear);
  c.TextOut(600, 1200, "HHHH");
  const int w = c.TextWidth("HHHH");
  const TFontMetrics& m = c.Metrics();
  // "H" has no side bearing worth a pixel at this scale: ink from the left
  // edge of the text to its right edge; cap height below the ascent line.
  for (const double scale : {0.1, 0.25}) {
    QImage img = White(int(5100 * scale), int(2000 * scale));
    {
      QPainter p(&img);
      ReplayPage(page, p, QRectF(0, 0, img.width(), img.height()), QSizeF(5100, 2000), TReplayOptions{false});
    }
    const QRect ink = Ink(img);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.left(), (600 + 0.08 * m.PixelSize()) * scale, 2.0) << scale;
    EXPECT_NEAR(ink.right() + 1, (600 + w - 0.08 * m.PixelSize()) * scale, 2.0) << scale;
    EXPECT_NEAR(ink.bottom() + 1, (1200 + m.Ascent()) * scale, 1.5) << scale;  // baseline
    EXPECT_GT(ink.top(), 1200 * scale);
  }
}

TEST(Replay, TurnedTextReadsUpwardsFromItsPoint) {
  TDisplayList page;
  TCanvas c(300, &page);
  c.SetFontSize(30);
  c.SetBrushStyle(TBrushStyle::Clear);
  c.SetFontEscapement(900);
  c.TextOut(200, 900, "HHHHHH");
  const int w = c.TextWidth("HHHHHH");
  QImage img = White(1000, 1000);
  {
    QPainter p(&img);
    ReplayPage(page, p, QRectF(0, 0, 1000, 1000), QSizeF(1000, 1000), TReplayOptions{false});
  }
  const QRect ink = Ink(img);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_GT(ink.height(), ink.width());  // runs vertically
  EXPECT_LE(ink.bottom(), 900);          // from the point upwards
  EXPECT_NEAR(ink.top(), 900 - w, 12);
  EXPECT_GE(ink.left(), 200);            // the top of the letters faces left
  EXPECT_LE(ink.right(), 200 + c.TextHeight());
}

TEST(Replay, SolidBrushPaintsABoxBehindTextClearDoesNot) {
  TDisplayList page;
  TCanvas c(100, &page);
  c.SetFontSize(20);
  c.SetBrushColor(MakeColor(0, 0, 255));
  c.SetBrushStyle(TBrushStyle::Solid);
  c.TextOut(10, 10, "ab");
  c.SetBrushStyle(TBrushStyle::Clear);
  c.TextOut(10, 100, "ab");
  QImage img = White(200, 200);
  {
    QPainter p(&img);
    ReplayPage(page, p, QRectF(0, 0, 200, 200), QSizeF(200, 200));
  }
  EXPECT_EQ(img.pixelColor(11, 11), QColor(0, 0, 255));
  EXPECT_EQ(img.pixelColor(11, 101), QColor(Qt::white));
}

TEST(Replay, XorPenModeDrawnTwiceRestoresTheImage) {
  TDisplayList page;
  TCanvas c(100, &page);
  c.SetPenMode(TPenMode::Xor);
  c.SetPenColor(MakeColor(0, 128, 0));
  c.SetPenWidth(3);
  c.SetBrushStyle(TBrushStyle::Clear);
  c.Rectangle(10, 10, 90, 60);
  c.Line(0, 0, 99, 99);
  QImage img = White(100, 100);
  {
    QPainter p(&img);
    p.fillRect(30, 30, 40, 40, QColor(10, 200, 30));
  }
  const QImage before = img;
  {
    QPainter p(&img);
    ReplayPage(page, p, QRectF(0, 0, 100, 100), QSizeF(100, 100));
  }
  EXPECT_NE(img, before);
  EXPECT_EQ(img.pixelColor(10, 30), QColor(255 ^ 0, 255 ^ 128, 255 ^ 0));
  {
    QPainter p(&img);
    ReplayPage(page, p, QRectF(0, 0, 100, 100), QSizeF(100, 100));
  }
  EXPECT_EQ(img, before);
}

TEST(Replay, ClearBrushLeavesRectanglesHollowAndImagesStretch) {
  TDisplayList page;
  TCanvas c(100, &page);
  c.SetBrushStyle(TBrushStyle::Clear);
  c.Rectangle(10, 10, 50, 50);
  QImage red(2, 2, QImage::Format_RGB32);
  red.fill(Qt::red);
  c.StretchDraw(60, 10, 90, 40, red);
  QImage img = White(100, 100);
  {
    QPainter p(&img);
    ReplayPage(page, p, QRectF(0, 0, 100, 100), QSizeF(100, 100), TReplayOptions{false});
  }
  EXPECT_TRUE(Dark(img, 10, 30));
  EXPECT_EQ(img.pixelColor(30, 30), QColor(Qt::white));
  EXPECT_EQ(img.pixelColor(61, 11), QColor(Qt::red));
  EXPECT_EQ(img.pixelColor(88, 38), QColor(Qt::red));
  EXPECT_EQ(img.pixelColor(92, 30), QColor(Qt::white));
}

}  // namespace
}  // namespace sumcraft
