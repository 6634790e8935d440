#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPen>

#include <cmath>
#include <numbers>
#include <string>

#include "generate/Generate.h"
#include "render/Assets.h"
#include "render/FakePrinter.h"
#include "render/FloodFill.h"
#include "render/Layout.h"
#include "render/MetaReport.h"
#include "render/ReportFormats.h"

namespace sumcraft {
namespace {

const QColor kGrey(128, 128, 128);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

QImage Blank(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

qsizetype CountColour(const QImage& image, QRgb colour) {
  qsizetype n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) == colour) ++n;
  return n;
}

TEST(FloodFill, FillsAnImageWithoutBorderCompletely) {
  QImage image = Blank(37, 23);
  EXPECT_EQ(FloodFillBorder(image, QPoint(36, 22), kGrey), 37 * 23);
  EXPECT_EQ(CountColour(image, kGrey.rgb()), 37 * 23);

  // A large area, to be sure the fill needs no deep recursion.
  QImage big = Blank(3000, 3000);
  EXPECT_EQ(FloodFillBorder(big, QPoint(1500, 1500), kGrey), 3000 * 3000);
}

TEST(FloodFill, StartOnTheBorderOrOutsideTheImageFillsNothing) {
  QImage image = Blank(20, 20);
  image.setPixel(5, 5, kBlack);
  image.setPixel(6, 5, qRgb(100, 100, 100));
  const QImage before = image;
  for (QPoint start : {QPoint(5, 5), QPoint(6, 5), QPoint(-1, 0), QPoint(0, -1), QPoint(20, 0),
                       QPoint(0, 20), QPoint(20, 20)}) {
    EXPECT_EQ(FloodFillBorder(image, start, kGrey), 0) << start.x() << "," << start.y();
    EXPECT_EQ(image, before);
  }
  QImage null;
  EXPECT_EQ(FloodFillBorder(null, QPoint(0, 0), kGrey), 0);
  EXPECT_TRUE(null.isNull());
}

TEST(FloodFill, StopsAtAClosedOutlineFromEitherSide) {
  // A 10 x 10 square outline in a 20 x 20 image.
  auto outlined = [] {
    QImage image = Blank(20, 20);
    for (int i = 5; i <= 14; ++i) {
      image.setPixel(i, 5, kBlack);
      image.setPixel(i, 14, kBlack);
      image.setPixel(5, i, kBlack);
      image.setPixel(14, i, kBlack);
    }
    return image;
  };
  QImage inside = outlined();
  EXPECT_EQ(FloodFillBorder(inside, QPoint(10, 10), kGrey), 8 * 8);
  EXPECT_EQ(inside.pixel(6, 6), kGrey.rgb());
  EXPECT_EQ(inside.pixel(13, 13), kGrey.rgb());
  EXPECT_EQ(inside.pixel(4, 10), kWhite);
  EXPECT_EQ(inside.pixel(5, 10), kBlack);

  QImage outside = outlined();
  EXPECT_EQ(FloodFillBorder(outside, QPoint(0, 0), kGrey), 20 * 20 - 10 * 10);
  EXPECT_EQ(outside.pixel(10, 10), kWhite);
  EXPECT_EQ(outside.pixel(19, 19), kGrey.rgb());
}

TEST(FloodFill, ADiagonalOfSinglePixelsIsABarrier) {
  // Steps go left, right, up and down only, so a line whose pixels touch at
  // their corners already closes a region, as antialiased and thin lines do.
  QImage image = Blank(20, 20);
  for (int i = 0; i < 20; ++i) image.setPixel(i, i, kBlack);
  EXPECT_EQ(FloodFillBorder(image, QPoint(15, 2), kGrey), (20 * 20 - 20) / 2);
  EXPECT_EQ(image.pixel(2, 15), kWhite);
}

// A corridor that winds back and forth; with `across` the walls are columns
// instead of rows, so the fill must also run back up and to the left.
QImage Serpentine(int size, bool across) {
  QImage image = Blank(size, size);
  for (int wall = 1; wall < size; wall += 2) {
    const int gap = (wall / 2) % 2 == 0 ? size - 1 : 0;
    for (int i = 0; i < size; ++i) {
      if (i == gap) continue;
      if (across) {
        image.setPixel(wall, i, kBlack);
      } else {
        image.setPixel(i, wall, kBlack);
      }
    }
  }
  return image;
}

TEST(FloodFill, FollowsAWindingCorridorToItsEnd) {
  const int size = 41;
  const qsizetype open = 21 * size + 20;  // 21 corridors and 20 gaps
  for (bool across : {false, true}) {
    SCOPED_TRACE(across);
    QImage image = Serpentine(size, across);
    EXPECT_EQ(FloodFillBorder(image, QPoint(0, 0), kGrey), open);
    EXPECT_EQ(image.pixel(size - 1, size - 1), kGrey.rgb());
    // Started at the far end, the same corridor.
    QImage back = Serpentine(size, across);
    EXPECT_EQ(FloodFillBorder(back, QPoint(size - 1, size - 1), kGrey), open);
    EXPECT_EQ(back, image);
  }
}

TEST(FloodFill, DarkPixelsBlockAndTheLightFringeIsPaintedOver) {
  EXPECT_TRUE(IsBorderPixel(qRgb(127, 127, 127), kBlack));
  EXPECT_FALSE(IsBorderPixel(qRgb(128, 128, 128), kBlack));
  EXPECT_FALSE(IsBorderPixel(qRgb(0, 0, 128), kBlack));
  EXPECT_TRUE(IsBorderPixel(qRgb(90, 20, 127), kBlack));
  // Transparent pixels are judged as they look on white paper.
  EXPECT_FALSE(IsBorderPixel(qRgba(0, 0, 0, 0), kBlack));
  EXPECT_TRUE(IsBorderPixel(qRgba(0, 0, 0, 128), kBlack));
  EXPECT_FALSE(IsBorderPixel(qRgba(0, 0, 0, 127), kBlack));
  // Another border colour.
  EXPECT_TRUE(IsBorderPixel(qRgb(200, 40, 40), qRgb(255, 0, 0)));
  EXPECT_FALSE(IsBorderPixel(qRgb(255, 255, 255), qRgb(255, 0, 0)));

  // A wall of the darkest "light" grey does not stop the fill, one level
  // darker does; pale fringe pixels inside take the fill colour.
  for (int level : {127, 128}) {
    SCOPED_TRACE(level);
    QImage image = Blank(10, 3);
    for (int y = 0; y < 3; ++y) image.setPixel(5, y, qRgb(level, level, level));
    image.setPixel(2, 1, qRgb(220, 220, 220));
    const qsizetype filled = FloodFillBorder(image, QPoint(0, 0), kGrey);
    EXPECT_EQ(filled, level == 127 ? 15 : 30);
    EXPECT_EQ(image.pixel(2, 1), kGrey.rgb());
    EXPECT_EQ(image.pixel(9, 2), level == 127 ? kWhite : kGrey.rgb());
  }
}

TEST(FloodFill, PixelsAlreadyInTheFillColourAreCrossedAndRefillingEnds) {
  QImage image = Blank(12, 12);
  for (int i = 0; i < 12; ++i) image.setPixel(6, i, kBlack);
  image.setPixel(2, 2, kGrey.rgb());
  image.setPixel(3, 7, kGrey.rgb());
  EXPECT_EQ(FloodFillBorder(image, QPoint(0, 0), kGrey), 6 * 12);
  EXPECT_EQ(FloodFillBorder(image, QPoint(5, 11), kGrey), 6 * 12);
  EXPECT_EQ(image.pixel(7, 0), kWhite);
  // Starting on a pixel that already has the fill colour works too.
  EXPECT_EQ(FloodFillBorder(image, QPoint(2, 2), kGrey), 6 * 12);
}

TEST(FloodFill, OtherFormatsAreConvertedAndFilled) {
  QImage grey(8, 8, QImage::Format_Grayscale8);
  grey.fill(255);
  for (int y = 0; y < 8; ++y) grey.scanLine(y)[4] = 0;
  EXPECT_EQ(FloodFillBorder(grey, QPoint(0, 0), QColor(200, 0, 0)), 32);
  EXPECT_EQ(grey.format(), QImage::Format_RGB32);
  EXPECT_EQ(grey.pixel(3, 7), qRgb(200, 0, 0));
  EXPECT_EQ(grey.pixel(5, 7), kWhite);

  // Premultiplied, transparent background: transparent counts as paper.
  QImage clear(6, 6, QImage::Format_ARGB32_Premultiplied);
  clear.fill(Qt::transparent);
  for (int y = 0; y < 6; ++y) clear.setPixel(3, y, kBlack);
  const QColor halfRed(255, 0, 0, 128);
  EXPECT_EQ(FloodFillBorder(clear, QPoint(0, 0), halfRed), 18);
  EXPECT_EQ(clear.format(), QImage::Format_ARGB32_Premultiplied);
  EXPECT_EQ(clear.pixelColor(1, 1).alpha(), 128);
  EXPECT_GT(clear.pixelColor(1, 1).red(), 250);
  EXPECT_EQ(clear.pixel(4, 4), 0u);
}

// The region found without painting is exactly what the fill paints, in
// rows that do not overlap, and painting it into a grey copy gives the fill.
TEST(FloodFill, TheRegionIsWhatTheFillPaints) {
  QImage picture = Blank(90, 70);
  {
    QPainter p(&picture);
    p.setPen(QPen(Qt::black, 2));
    p.drawEllipse(10, 8, 60, 50);
    p.drawLine(40, 8, 40, 58);
    p.fillRect(20, 25, 8, 8, kGrey);  // the fill colour inside already
  }
  const QImage before = picture;
  const std::vector<TFillSpan> region = FloodFillRegion(picture, QPoint(30, 30));
  EXPECT_EQ(picture, before);

  QImage filled = picture;
  const qsizetype count = FloodFillBorder(filled, QPoint(30, 30), kGrey);
  qsizetype inRegion = 0;
  QImage marked = Blank(90, 70);
  for (const TFillSpan& span : region) {
    for (int x = span.Left; x <= span.Right; ++x) {
      EXPECT_EQ(marked.pixel(x, span.Y), kWhite) << "overlap at " << x << "," << span.Y;
      marked.setPixel(x, span.Y, kBlack);
      EXPECT_EQ(filled.pixel(x, span.Y), kGrey.rgb());
    }
    inRegion += span.Right - span.Left + 1;
  }
  EXPECT_EQ(inRegion, count);
  EXPECT_GT(count, 500);
  EXPECT_EQ(filled.pixel(50, 30), kWhite);  // the other half, behind the line

  QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
  PaintSpans(grey, region, 128);
  EXPECT_EQ(grey, filled.convertToFormat(QImage::Format_Grayscale8));
  EXPECT_TRUE(FloodFillRegion(picture, QPoint(40, 30)).empty());  // on the line
  EXPECT_TRUE(FloodFillRegion(picture, QPoint(-1, 30)).empty());
}

// --- Shading the sectors of the fraction circle ---------------------------------

int Nearest(double v) { return static_cast<int>(std::nearbyint(v)); }

// The working copy of the fraction question: the circle with n radii, the
// first one pointing right, counter-clockwise.
QImage WithRadii(AssetName circle, int n, bool antialiased) {
  QImage work = Asset(circle);
  const QPoint c = AssetCentre(circle);
  const int r = AssetRadius(circle);
  const double step = 2 * std::numbers::pi / n;
  QPainter p(&work);
  p.setRenderHint(QPainter::Antialiasing, antialiased);
  p.setPen(QPen(Qt::black, 2));
  for (int k = 0; k < n; ++k) {
    p.drawLine(c, QPoint(c.x() + Nearest(r * std::cos(k * step)),
                         c.y() - Nearest(r * std::sin(k * step))));
  }
  return work;
}

QPoint SectorProbe(AssetName circle, int n, int i) {
  const QPoint c = AssetCentre(circle);
  const double half = AssetRadius(circle) / 2.0;
  const double a = (i + 0.5) * 2 * std::numbers::pi / n;
  return {c.x() + Nearest(half * std::cos(a)), c.y() - Nearest(half * std::sin(a))};
}

TEST(FractionSectors, EachSectorFillsAloneForEveryNumberOfParts) {
  for (AssetName circle : {AssetName::Circle, AssetName::CirclePrint}) {
    const QPoint c = AssetCentre(circle);
    const int r = AssetRadius(circle);
    for (bool antialiased : {false, true}) {
      for (int n = 1; n <= 12; ++n) {
        const QImage radii = WithRadii(circle, n, antialiased);
        for (int i = 0; i < n; ++i) {
          SCOPED_TRACE(std::string(AssetResourceName(circle)) + " n=" + std::to_string(n) +
                       " i=" + std::to_string(i) + (antialiased ? " antialiased" : ""));
          QImage work = radii;
          const qsizetype filled = FloodFillBorder(work, SectorProbe(circle, n, i), kGrey);
          // About one n-th of the disc less the lines; a leak would take a
          // neighbour too.
          const double sector = std::numbers::pi * r * r / n;
          EXPECT_GT(filled, 0.75 * sector);
          EXPECT_LT(filled, 1.05 * sector);
          for (int j = 0; j < n; ++j) {
            const QPoint probe = SectorProbe(circle, n, j);
            EXPECT_EQ(work.pixel(probe), j == i ? kGrey.rgb() : kWhite) << "sector " << j;
          }
          EXPECT_EQ(work.pixel(c.x() + r + 8, c.y()), kWhite);
          EXPECT_EQ(work.pixel(c.x(), c.y() - r - 8), kWhite);
        }
      }
    }
  }
}

TEST(FractionSectors, ThreeOfEightShadeTheQuarterCircleAndAHalfCounterClockwise) {
  for (AssetName circle : {AssetName::Circle, AssetName::CirclePrint}) {
    SCOPED_TRACE(std::string(AssetResourceName(circle)));
    const QPoint c = AssetCentre(circle);
    const int r = AssetRadius(circle);
    QImage work = WithRadii(circle, 8, false);
    for (int i = 0; i < 3; ++i) FloodFillBorder(work, SectorProbe(circle, 8, i), kGrey);
    // Between 0 and 135 degrees (counter-clockwise from the right) shaded,
    // the rest not; the outside untouched.
    for (int degrees = 7; degrees < 360; degrees += 15) {
      const double a = degrees * std::numbers::pi / 180.0;
      for (double f : {0.3, 0.6, 0.9}) {
        const QPoint p(c.x() + Nearest(f * r * std::cos(a)), c.y() - Nearest(f * r * std::sin(a)));
        EXPECT_EQ(work.pixel(p), degrees < 135 ? kGrey.rgb() : kWhite) << degrees << " " << f;
      }
      const QPoint out(c.x() + Nearest(1.1 * r * std::cos(a)), c.y() - Nearest(1.1 * r * std::sin(a)));
      EXPECT_EQ(work.pixel(out), kWhite) << degrees;
    }
  }
}

// A grey picture filled with grey stays one byte a pixel and is filled
// exactly as its colour copy: the same pixels, the same border decisions on
// the antialiased outline, rows padded or not.
TEST(FractionSectors, GreyPicturesFillAsTheirColourCopies) {
  for (AssetName circle : {AssetName::Circle, AssetName::CirclePrint}) {
    for (int n : {1, 3, 8, 12}) {
      SCOPED_TRACE(std::string(AssetResourceName(circle)) + " n=" + std::to_string(n));
      QImage colour = WithRadii(circle, n, true);
      QImage grey = colour.convertToFormat(QImage::Format_Grayscale8);
      for (int i = 0; i < n; i += 2) {
        const QPoint start = SectorProbe(circle, n, i);
        EXPECT_EQ(FloodFillBorder(grey, start, kGrey), FloodFillBorder(colour, start, kGrey));
      }
      EXPECT_EQ(grey.format(), QImage::Format_Grayscale8);
      EXPECT_EQ(grey, colour.convertToFormat(QImage::Format_Grayscale8));
    }
  }
}

// The picture of a "fraction of a shape" question as laid out: the circle
// with its parts, the first FirstTerm of them shaded counter-clockwise from
// the right, kept in grey.
TEST(FractionSectors, TheQuestionPictureShadesItsFirstParts) {
  ReportFormats().LoadDefaults();
  TFakePrinter printer;
  printer.SetResolution(300, 300);
  TQuiz quiz;
  TQuestionSet set;
  set.Options.Operand = ptFractions;
  set.Options.FractionType = 0;
  Generate(set, 2);
  set.Item(0).FirstTerm = 3;
  set.Item(0).SecondTerm = 8;
  set.Item(1).FirstTerm = 5;
  set.Item(1).SecondTerm = 12;
  quiz.Sets.Add(std::move(set));
  // From edited files: more parts than a dialog gives get a note in place of
  // a picture; no parts is the whole circle, one part to shade.
  TQuestionSet edited = quiz.Sets.Item(0);
  edited.Item(0).SecondTerm = 13;
  edited.Item(1).SecondTerm = 0;
  edited.Item(1).FirstTerm = 4;
  quiz.Sets.Add(std::move(edited));
  const std::vector<std::string> problems = Layout(quiz, false, &printer).Problems;
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0], "Question 3: Parts outside range (13; a shape has at most 12 parts)");

  const TDisplayList& page = *QuizPages(quiz).PageOps(1);
  std::vector<QImage> pictures;
  for (const TDrawOp& op : page.Ops())
    if (op.Kind == TOpKind::Image) pictures.push_back(page.ImageOf(op));
  ASSERT_EQ(pictures.size(), 3u);
  const QPoint c = AssetCentre(AssetName::CirclePrint);
  const int r = AssetRadius(AssetName::CirclePrint);
  for (int degrees = 0; degrees < 360; degrees += 30) {
    const double a = degrees * std::numbers::pi / 180.0;
    EXPECT_EQ(qGray(pictures[2].pixel(c.x() + Nearest(0.5 * r * std::cos(a)), c.y() - Nearest(0.5 * r * std::sin(a)))), 128)
        << degrees;
  }
  const std::pair<int, int> fractions[2] = {{3, 8}, {5, 12}};
  for (std::size_t k = 0; k < 2; ++k) {
    const auto [shaded, parts] = fractions[k];
    const QImage& picture = pictures[k];
    EXPECT_EQ(picture.format(), QImage::Format_Grayscale8);
    ASSERT_EQ(picture.size(), Asset(AssetName::CirclePrint).size());
    for (int i = 0; i < parts; ++i) {
      const QPoint probe = SectorProbe(AssetName::CirclePrint, parts, i);
      EXPECT_EQ(qGray(picture.pixel(probe)), i < shaded ? 128 : 255) << shaded << "/" << parts << " part " << i;
    }
    // A radius is drawn in black between the first and the last part.
    EXPECT_LT(qGray(picture.pixel(c.x() + r / 2, c.y())), 128);
  }
}

}  // namespace
}  // namespace sumcraft
