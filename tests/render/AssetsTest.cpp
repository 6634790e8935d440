#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <cstring>
#include <numbers>
#include <stdexcept>
#include <string>

#include "render/AssetTable.h"
#include "render/Assets.h"
#include "render/PdfCoding.h"

namespace sumcraft {
namespace {

bool Dark(const QImage& image, int x, int y) {
  const QColor c = image.pixelColor(x, y);
  return c.red() < 128 && c.green() < 128 && c.blue() < 128;
}

bool White(const QImage& image, int x, int y) {
  return (image.pixel(x, y) & 0xffffffu) == 0xffffffu;
}

// The pixel at `radius` from the pixel centre (cx, cy), `degrees` clockwise
// from twelve o'clock.
QPoint OnDial(QPoint centre, double radius, double degrees) {
  const double a = degrees * std::numbers::pi / 180.0;
  return {centre.x() + static_cast<int>(std::lround(radius * std::sin(a))),
          centre.y() - static_cast<int>(std::lround(radius * std::cos(a)))};
}

// The darkest pixel in the 3 x 3 block round p is dark: thin antialiased
// strokes spread over two pixels.
bool DarkNear(const QImage& image, QPoint p) {
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (Dark(image, p.x() + dx, p.y() + dy)) return true;
  return false;
}

struct Expected {
  AssetName id;
  const char* name;
  int width;
  int height;
};

// The sizes the question drawing scales by, written out independently of the
// asset table.
constexpr Expected kExpected[] = {
    {AssetName::QuarterDisplay, "QUARTERDISPLAY", 73, 73},
    {AssetName::QuarterPrint, "QUARTERPRINT", 256, 256},
    {AssetName::DimeDisplay, "DIMEDISPLAY", 52, 52},
    {AssetName::DimePrint, "DIMEPRINT", 212, 212},
    {AssetName::NickelDisplay, "NICKELDISPLAY", 61, 61},
    {AssetName::NickelPrint, "NICKELPRINT", 238, 238},
    {AssetName::PennyDisplay, "PENNYDISPLAY", 54, 54},
    {AssetName::PennyPrint, "PENNYPRINT", 220, 220},
    {AssetName::ClockFace, "CLOCKFACE", 225, 200},
    {AssetName::ClockFacePrint, "CLOCKFACEPRINT", 595, 635},
};

TEST(Assets, EveryPictureHasItsExactSizeAndIsOpaque) {
  static_assert(std::size(kExpected) == kAssetCount);
  for (const Expected& e : kExpected) {
    SCOPED_TRACE(e.name);
    const QImage& image = Asset(e.id);
    EXPECT_EQ(image.width(), e.width);
    EXPECT_EQ(image.height(), e.height);
    EXPECT_EQ(image.format(), QImage::Format_Grayscale8);
    EXPECT_EQ(image.devicePixelRatio(), 1.0);
    EXPECT_EQ(AssetSize(e.id), QSize(e.width, e.height));
    // White background in the top-left corner of every picture.
    EXPECT_TRUE(White(image, 0, 0));
  }
}

TEST(Assets, NamesResolveToTheSameCachedPicture) {
  for (const Expected& e : kExpected) {
    SCOPED_TRACE(e.name);
    EXPECT_EQ(AssetResourceName(e.id), e.name);
    ASSERT_EQ(AssetByName(e.name), e.id);
    const QImage& first = Asset(e.id);
    EXPECT_EQ(&Asset(e.id), &first);
    EXPECT_EQ(&Asset(std::string(e.name)), &first);
    EXPECT_EQ(Asset(e.id).constBits(), first.constBits());
  }
  // Names match exactly, case included.
  EXPECT_FALSE(AssetByName("clockface").has_value());
  EXPECT_FALSE(AssetByName("").has_value());
  EXPECT_FALSE(AssetByName("CLOCKFACE ").has_value());
  EXPECT_THROW(Asset("HALFDOLLARPRINT"), std::invalid_argument);
}

// The program loads what the build drew; storing must lose nothing.
TEST(Assets, TheStoredPicturesAreExactlyWhatIsDrawn) {
  for (const pictures::AssetEntry& e : pictures::kAssets) {
    SCOPED_TRACE(std::string(e.name));
    const QImage& stored = Asset(e.id);
    EXPECT_EQ(stored.convertToFormat(QImage::Format_RGB32), pictures::DrawAsset(e));
    // The PDF stream that goes with it holds the same grey levels.
    const QByteArray* coded = AssetPdfStream(QImage(stored));
    ASSERT_NE(coded, nullptr);
    const qsizetype size = static_cast<qsizetype>(e.width) * e.height;
    const QByteArray grey = RunLengthDecode(Inflate(*coded, 2 * size), size);
    ASSERT_EQ(grey.size(), size);
    for (int y = 0; y < e.height; ++y)
      ASSERT_EQ(std::memcmp(grey.constData() + static_cast<qsizetype>(y) * e.width, stored.constScanLine(y),
                            static_cast<std::size_t>(e.width)), 0) << y;
  }
  EXPECT_EQ(AssetPdfStream(Asset(AssetName::DimePrint).copy()), nullptr) << "a picture of its own";
}

// Finds the rows of a dark horizontal line through column x below `fromY`.
std::pair<int, int> DarkRowsBelow(const QImage& image, int x, int fromY) {
  int first = -1, last = -1;
  for (int y = fromY; y < image.height(); ++y) {
    if (Dark(image, x, y)) {
      if (first < 0) first = y;
      last = y;
    } else if (first >= 0) {
      break;
    }
  }
  return {first, last};
}

// --- The clock face ----------------------------------------------------------

struct ClockCase {
  AssetName id;
  QPoint centre;
  int minuteHand;  // what the clock questions draw on top, plus half their pen
  double tickProbe;  // how far inside the ring a minute tick still reaches
  double hourProbe;  // ... and where only the hour ticks reach
};
constexpr ClockCase kClocks[] = {
    {AssetName::ClockFace, {109, 86}, 55 + 2, 2.5, 5.0},
    {AssetName::ClockFacePrint, {294, 255}, 160 + 3, 6.0, 17.0},
};

TEST(ClockFace, DialFitsThePictureWithADarkCentreDot) {
  for (const ClockCase& c : kClocks) {
    SCOPED_TRACE(std::string(AssetResourceName(c.id)));
    const QImage& image = Asset(c.id);
    EXPECT_EQ(AssetCentre(c.id), c.centre);
    const int r = AssetRadius(c.id);
    EXPECT_TRUE(Dark(image, c.centre.x(), c.centre.y()));
    // The ring, and room round it inside the picture.
    EXPECT_TRUE(Dark(image, c.centre.x() + r, c.centre.y()));
    EXPECT_TRUE(Dark(image, c.centre.x(), c.centre.y() - r));
    EXPECT_GT(c.centre.y() - r, 2);
    EXPECT_GT(c.centre.x() - r, 2);
    EXPECT_LT(c.centre.x() + r, image.width() - 3);
    // Below the dial: white, then the answer line, then the bottom edge.
    const int below = c.centre.y() + r + 6;
    const auto [top, bottom] = DarkRowsBelow(image, c.centre.x(), below);
    ASSERT_GE(top, 0) << "no answer line";
    EXPECT_GT(top, below + 10);
    EXPECT_LT(bottom, image.height() - 5);
  }
}

TEST(ClockFace, SixtyTicksWithLongerOnesAtTheHours) {
  for (const ClockCase& c : kClocks) {
    SCOPED_TRACE(std::string(AssetResourceName(c.id)));
    const QImage& image = Asset(c.id);
    const int r = AssetRadius(c.id);
    for (int minute = 0; minute < 60; ++minute) {
      SCOPED_TRACE(minute);
      EXPECT_TRUE(DarkNear(image, OnDial(c.centre, r - c.tickProbe, minute * 6.0)));
      const QPoint inner = OnDial(c.centre, r - c.hourProbe, minute * 6.0);
      if (minute % 5 == 0) {
        EXPECT_TRUE(DarkNear(image, inner));
      } else {
        EXPECT_FALSE(Dark(image, inner.x(), inner.y()));
      }
      // Gaps between the ticks.
      const QPoint between = OnDial(c.centre, r - c.tickProbe, minute * 6.0 + 3.0);
      EXPECT_FALSE(Dark(image, between.x(), between.y()));
    }
  }
}

TEST(ClockFace, NumbersStandAtTheirHoursOutsideTheMinuteHandsReach) {
  for (const ClockCase& c : kClocks) {
    SCOPED_TRACE(std::string(AssetResourceName(c.id)));
    const QImage& image = Asset(c.id);
    const int r = AssetRadius(c.id);
    // Nothing dark between the centre dot and the tip of the minute hand, so
    // the hands never run into the numbers.
    const double dot = c.minuteHand / 8.0;
    for (int y = c.centre.y() - c.minuteHand; y <= c.centre.y() + c.minuteHand; ++y) {
      for (int x = c.centre.x() - c.minuteHand; x <= c.centre.x() + c.minuteHand; ++x) {
        const double d = std::hypot(x - c.centre.x(), y - c.centre.y());
        if (d > dot && d <= c.minuteHand) {
          ASSERT_FALSE(Dark(image, x, y)) << x << "," << y;
        }
      }
    }
    // Each hour has ink between the hand's reach and the hour ticks, within
    // a few degrees of its direction; half-way between hours there is none.
    auto inkAround = [&](double degrees, double spread) {
      for (double d = c.minuteHand + 1; d < r - c.hourProbe - 1; d += 0.5)
        for (double a = degrees - spread; a <= degrees + spread; a += 0.5) {
          const QPoint p = OnDial(c.centre, d, a);
          if (Dark(image, p.x(), p.y())) return true;
        }
      return false;
    };
    for (int hour = 1; hour <= 12; ++hour) {
      SCOPED_TRACE(hour);
      EXPECT_TRUE(inkAround(hour * 30.0, 4.0));
      EXPECT_FALSE(inkAround(hour * 30.0 + 15.0, 1.0));
    }
  }
}

// --- Coins -------------------------------------------------------------------

constexpr AssetName kCoins[] = {
    AssetName::QuarterDisplay, AssetName::QuarterPrint, AssetName::DimeDisplay,
    AssetName::DimePrint,      AssetName::NickelDisplay, AssetName::NickelPrint,
    AssetName::PennyDisplay,   AssetName::PennyPrint,
};

TEST(Coins, RoundCoinWithAClosedEdgeAndADesignInside) {
  for (AssetName id : kCoins) {
    SCOPED_TRACE(std::string(AssetResourceName(id)));
    const QImage& image = Asset(id);
    const int s = image.width();
    // White corners outside the round coin, its edge touching the middle of
    // each side of the picture.
    EXPECT_TRUE(White(image, 0, s - 1));
    EXPECT_TRUE(White(image, s - 1, 0));
    EXPECT_TRUE(White(image, s - 1, s - 1));
    for (QPoint p : {QPoint(s / 2, 2), QPoint(s / 2, s - 3), QPoint(2, s / 2), QPoint(s - 3, s / 2)}) {
      EXPECT_TRUE(DarkNear(image, p)) << p.x() << "," << p.y();
    }
    // The edge is closed: every ray from the middle meets it near the rim.
    for (int degrees = 0; degrees < 360; ++degrees) {
      bool edge = false;
      for (double r = 0.42 * s; r < 0.5 * s && !edge; r += 0.5)
        edge = Dark(image, OnDial(QPoint(s / 2, s / 2), r, degrees).x(), OnDial(QPoint(s / 2, s / 2), r, degrees).y());
      EXPECT_TRUE(edge) << degrees;
    }
    // Some drawing (design and lettering) inside the edge.
    int ink = 0;
    for (int y = s / 8; y < s - s / 8; ++y)
      for (int x = s / 8; x < s - s / 8; ++x)
        if (std::hypot(x - s / 2.0, y - s / 2.0) < s * 0.4 && Dark(image, x, y)) ++ink;
    EXPECT_GT(ink, s * s / 100);
  }
}

}  // namespace
}  // namespace sumcraft
