// The example drawing against the procedure it shortens: draw the question
// on a page one inch from the origin, show the whole page at screen scale,
// copy the question's rectangle into the middle of the example image.
#include <gtest/gtest.h>

#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <memory>

#include "generate/Generate.h"
#include "generate/GenerationError.h"
#include "generate/Random.h"
#include "quiz/ProblemType.h"
#include "render/FakePrinter.h"
#include "render/MetaReport.h"
#include "render/Printers.h"
#include "render/QuestionDrawing.h"
#include "render/Rounding.h"
#include "wizard/DrawExample.h"

namespace sumcraft {
namespace {

// The long way, step by step, at 96 dots per inch.
QImage ReferenceExample(const TQOptions& options, QSize size) {
  const int sx = 96, sy = 96;
  TQuizQuestion q;
  TMetaReport pages;
  pages.Reset();
  const int px = pages.ResolutionX(), py = pages.ResolutionY();
  Generate(q, options);
  TDrawArgs args;
  args.X = px;
  args.Y = py;
  args.FrameWidth = Nearest(static_cast<double>(size.width()) * px / sx);
  args.FrameHeight = Nearest(static_cast<double>(size.height()) * py / sy);
  args.Rx = px;
  args.Ry = py;
  args.ShowAnswers = true;
  args.Number = -1;
  Draw(q, *pages.CurrentCanvas(), options, args);
  // The cell, widened to the ink left and right of it.
  int inkLeft = px, inkRight = px + q.DrawnWidth;
  for (const TDrawOp& op : pages.PageOps(1)->Ops()) {
    const int opLeft = op.Kind == TOpKind::Text ? op.X1 : std::min(op.X1, op.X2);
    const int opRight = op.Kind == TOpKind::Text ? op.X1 + op.X2 : std::max(op.X1, op.X2);
    inkLeft = std::min(inkLeft, opLeft);
    inkRight = std::max(inkRight, opRight);
  }
  const int extraLeft = Nearest(static_cast<double>(px - inkLeft) / px * sx);
  const int qw = Nearest(static_cast<double>(q.DrawnWidth) / px * sx) + extraLeft +
                 Nearest(static_cast<double>(inkRight - px - q.DrawnWidth) / px * sx);
  const int qh = Nearest(static_cast<double>(ProblemHeight(q, py, options, *pages.CurrentCanvas())) / py * sy);
  const QSize paper = pages.PhysicalPageSize();
  QImage page(Nearest(static_cast<double>(paper.width()) / px * sx),
              Nearest(static_cast<double>(paper.height()) / py * sy), QImage::Format_RGB32);
  pages.ShowPage(1, page, false);
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  const int left = (size.width() - qw) / 2, top = (size.height() - qh) / 2;
  // Copy pixel by pixel what lies on the page image.
  for (int y = 0; y < qh; ++y)
    for (int x = 0; x < qw; ++x) {
      const int srcX = sx - extraLeft + x, srcY = sy + y, dstX = left + x, dstY = top + y;
      if (srcX >= page.width() || srcY >= page.height()) continue;
      if (dstX < 0 || dstY < 0 || dstX >= size.width() || dstY >= size.height()) continue;
      image.setPixel(dstX, dstY, page.pixel(srcX, srcY));
    }
  return image;
}

// Smoothly scaled pictures (coins) sample a few edge pixels a shade
// differently when only a part of the page is rendered.
constexpr int kSmoothingTolerance = 8;

int LargestDifference(const QImage& a, const QImage& b) {
  int largest = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))});
    }
  return largest;
}

struct ExampleCase {
  const char* Name;
  std::uint8_t Operand;
  QSize Size;
  void (*Setup)(TQOptions&);
};

void Nothing(TQOptions&) {}
void Horizontal(TQOptions& o) { o.Orientation = 1; o.FirstTermType = 5; o.SecondTermType = 5; }
void Tables(TQOptions& o) { o.TimesTable[6] = 7; }
void LongDivision(TQOptions& o) { o.DivisionType = 1; o.DividendType = 4; o.DivisorType = 2; }
void AllCoins(TQOptions& o) { o.CoinsToUse = 15; }
void Rounding(TQOptions& o) { o.FirstTermType = 3; o.SecondTermType = 2; }
void Fractions(TQOptions& o) { o.FractionType = 3; }

const ExampleCase kCases[] = {
    {"addition", ptAddition, {297, 121}, Nothing},
    {"wide horizontal subtraction", ptSubtraction, {297, 121}, Horizontal},
    {"times table", ptMultiplication, {250, 113}, Tables},
    {"long division", ptDivision, {250, 113}, LongDivision},
    {"comparison", ptComparison, {345, 153}, Nothing},
    {"money", ptMoney, {600, 400}, AllCoins},
    {"fraction sum", ptFractions, {260, 241}, Fractions},
    {"clock", ptTime, {321, 337}, Nothing},
    {"rounding", ptRounding, {329, 153}, Rounding},
    {"table data", ptTables, {369, 176}, Nothing},
};

class DrawExampleTest : public ::testing::Test {
protected:
  void ExpectSameAsReference() {
    for (const ExampleCase& c : kCases) {
      SCOPED_TRACE(c.Name);
      TQOptions o;
      o.Operand = c.Operand;
      c.Setup(o);
      for (std::uint32_t seed : {1u, 77u, 123456u}) {
        SetRandomState(seed);
        QImage image(c.Size, QImage::Format_RGB32);
        image.fill(Qt::red);
        DrawExample(o, image, nullptr);
        const std::uint32_t after = RandomState();
        SetRandomState(seed);
        const QImage expected = ReferenceExample(o, c.Size);
        EXPECT_EQ(RandomState(), after);
        ASSERT_EQ(image.size(), c.Size);
        EXPECT_LE(LargestDifference(image, expected), kSmoothingTolerance) << "seed " << seed;
      }
    }
  }
};

TEST_F(DrawExampleTest, MatchesThePagePictureOfEveryProblemTypeOnThePdfPrinter) { ExpectSameAsReference(); }

TEST_F(DrawExampleTest, MatchesThePagePictureOnAPrinterWithOffsetsAndOtherResolutions) {
  auto owned = std::make_unique<TFakePrinter>();
  TFakePrinter* fake = owned.get();
  fake->SetResolution(300, 200);
  fake->SetPhysicalSize(2550, 2200);
  fake->SetPrintableArea(60, 40, 2400, 2100);
  TPrinters::Instance().Install(std::move(owned));
  ExpectSameAsReference();
  TPrinters::Instance().Uninstall(fake);
  TPrinters::Instance().SelectPdf();
}

TEST_F(DrawExampleTest, CentresTheQuestionAndDrawsItsAnswer) {
  TQOptions o;
  o.Operand = ptAddition;
  o.FirstTermType = 2;
  o.SecondTermType = 2;
  QImage image(297, 121, QImage::Format_RGB32);
  SetRandomState(5);
  DrawExample(o, image, nullptr);
  // Ink sits in the middle: as much blank space left of it as right of it
  // give or take the cell's blank margins, and the answer line below.
  int minX = image.width(), maxX = -1, minY = image.height(), maxY = -1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) {
        minX = std::min(minX, x), maxX = std::max(maxX, x);
        minY = std::min(minY, y), maxY = std::max(maxY, y);
      }
  ASSERT_GE(maxX, 0) << "nothing drawn";
  EXPECT_GT(minX, 60);
  EXPECT_LT(maxX, image.width() - 60);
  EXPECT_GT(minY, 0);
  EXPECT_LT(maxY, image.height() - 1);
}

TEST_F(DrawExampleTest, KeepsTheTimesSignThatStandsLeftOfTheCell) {
  // The sign of a stacked fact stands partly left of the question's cell;
  // the example must show all the ink the page shows. On a printer whose
  // printable area is the whole paper the page is not stretched, and the
  // sign lies outside the cell.
  auto owned = std::make_unique<TFakePrinter>();
  TFakePrinter* fake = owned.get();
  fake->SetResolution(600, 600);
  fake->SetPhysicalSize(5100, 6600);
  fake->SetPrintableArea(0, 0, 5100, 6600);
  TPrinters::Instance().Install(std::move(owned));
  TQOptions o;
  o.Operand = ptMultiplication;
  o.TimesTable[8] = 7;
  auto darkPixels = [](const QImage& image, const QRect& area) {
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x)
        if (qGray(image.pixel(x, y)) < 160) ++dark;
    return dark;
  };
  for (std::uint32_t seed : {17u, 18u, 19u}) {
    QImage image(250, 113, QImage::Format_RGB32);
    SetRandomState(seed);
    DrawExample(o, image, nullptr);

    SetRandomState(seed);
    TQuizQuestion q;
    Generate(q, o);
    TMetaReport pages;
    pages.Reset();
    TDrawArgs args;
    args.X = pages.ResolutionX();
    args.Y = pages.ResolutionY();
    args.Rx = pages.ResolutionX();
    args.Ry = pages.ResolutionY();
    args.ShowAnswers = true;
    Draw(q, *pages.CurrentCanvas(), o, args);
    const QSize paper = pages.PhysicalPageSize();
    QImage page(Nearest(paper.width() * 96.0 / args.Rx), Nearest(paper.height() * 96.0 / args.Ry),
                QImage::Format_RGB32);
    pages.ShowPage(1, page, false);
    // The page image without its black frame.
    const int onPage = darkPixels(page, page.rect().adjusted(1, 1, -1, -1));
    ASSERT_GT(onPage, 0);
    EXPECT_EQ(darkPixels(image, image.rect()), onPage) << "seed " << seed;
  }
  TPrinters::Instance().Uninstall(fake);
  TPrinters::Instance().SelectPdf();
}

TEST_F(DrawExampleTest, EachCallDrawsANewQuestion) {
  TQOptions o;
  o.Operand = ptMultiplication;
  o.MultiplicationType = 1;
  o.FirstTermType = 2;
  o.SecondTermType = 2;
  QImage image(250, 113, QImage::Format_RGB32);
  SetRandomState(9);
  DrawExample(o, image, nullptr);
  const QImage first = image.copy();
  DrawExample(o, image, nullptr);
  EXPECT_FALSE(image == first);
}

TEST_F(DrawExampleTest, UsesTheOwnersScreenResolution) {
  QWidget owner;
  TQOptions o;
  QImage withOwner(297, 121, QImage::Format_RGB32), without(297, 121, QImage::Format_RGB32);
  SetRandomState(3);
  DrawExample(o, withOwner, &owner);
  SetRandomState(3);
  DrawExample(o, without, nullptr);
  ASSERT_EQ(owner.logicalDpiX(), 96);  // the offscreen screen
  EXPECT_TRUE(withOwner == without);
}

TEST_F(DrawExampleTest, OptionsWithoutAnyQuestionRaiseAndLeaveABlankImage) {
  TQOptions o;
  o.Operand = ptSubtraction;
  o.FirstTermType = 0;
  o.SecondTermType = 3;
  QImage image(297, 121, QImage::Format_RGB32);
  image.fill(Qt::red);
  EXPECT_THROW(DrawExample(o, image, nullptr), GenerationError);
  EXPECT_EQ(image.pixel(10, 10), QColor(Qt::white).rgb());
}

}  // namespace
}  // namespace sumcraft
