// The picture questions as recorded: where the clock hands point, which
// parts of a fraction circle are shaded, and that a quiz looks the same on
// paper at every resolution.
#include <gtest/gtest.h>

#include <QPainter>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "generate/Generate.h"
#include "generate/Random.h"
#include "render/Canvas.h"
#include "render/Layout.h"
#include "render/MetaReport.h"
#include "render/PdfPrinter.h"
#include "render/PictureQuestions.h"
#include "render/Replay.h"
#include "render/ReportFormats.h"

namespace sumcraft {
namespace {

// Direction from (x1, y1) to (x2, y2) on the page, degrees counter-clockwise
// from the right, in [0, 360).
double Direction(double x1, double y1, double x2, double y2) {
  const double d = std::atan2(-(y2 - y1), x2 - x1) * 180.0 / std::numbers::pi;
  return d < 0 ? d + 360.0 : d;
}

double AngleGap(double a, double b) {
  const double d = std::fmod(std::abs(a - b), 360.0);
  return std::min(d, 360.0 - d);
}

std::vector<TDrawOp> OpsOf(const TDisplayList& list, TOpKind kind) {
  std::vector<TDrawOp> out;
  for (const TDrawOp& op : list.Ops())
    if (op.Kind == kind) out.push_back(op);
  return out;
}

TEST(ClockHands, TheHourHandMovesOnWithTheMinutes) {
  struct Case {
    int hour, minute;
    double hourHand, minuteHand;  // degrees counter-clockwise from three o'clock
  };
  const Case cases[] = {
      {3, 15, 352.5, 0},    // just past the 3, not on the minute hand
      {3, 45, 337.5, 180},  // not in one line with the minute hand
      {7, 30, 225, 270},    // half-way between the 7 and the 8
      {4, 30, 315, 270},    // half-way between the 4 and the 5
      {12, 0, 90, 90},
      {11, 59, 90.5, 96},
  };
  ReportFormats().LoadDefaults();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.hour) + ":" + std::to_string(c.minute));
    TDisplayList list;
    TCanvas canvas(600, &list);
    TQuizQuestion q;
    q.Operand = ptTime;
    q.FirstTerm = c.hour;
    q.SecondTerm = c.minute;
    TDrawArgs args;
    args.Rx = args.Ry = 600;
    DrawClock(q, canvas, TQOptions{}, args, 0);
    // The minute hand and its two arrow strokes, then the hour hand's.
    const std::vector<TDrawOp> lines = OpsOf(list, TOpKind::Line);
    ASSERT_EQ(lines.size(), 6U);
    const TDrawOp& minute = lines[0];
    const TDrawOp& hour = lines[3];
    EXPECT_EQ(QPoint(hour.X1, hour.Y1), QPoint(minute.X1, minute.Y1));
    EXPECT_LT(AngleGap(Direction(minute.X1, minute.Y1, minute.X2, minute.Y2), c.minuteHand), 0.5);
    EXPECT_LT(AngleGap(Direction(hour.X1, hour.Y1, hour.X2, hour.Y2), c.hourHand), 1.0);
  }
}

struct TPieSpan {
  double from, to;  // degrees counter-clockwise from the right
  bool whole;
};

TPieSpan SpanOf(const TDrawOp& pie) {
  const double cx = (pie.X1 + pie.X2) / 2.0, cy = (pie.Y1 + pie.Y2) / 2.0;
  const double from = Direction(cx, cy, pie.X3, pie.Y3), to = Direction(cx, cy, pie.X4, pie.Y4);
  return {from, to, AngleGap(from, to) < 1e-6};
}

// The circle of n parts with `shaded` of them filled: one grey wedge from
// the right-hand radius counter-clockwise over exactly those parts (the
// whole disc when all are), the n radii, the outline.
TEST(FractionCircle, TheFirstPartsCounterClockwiseAreShaded) {
  struct Case {
    int shaded, parts;
  };
  const Case cases[] = {{3, 8}, {1, 2}, {5, 12}, {1, 12}, {11, 12}, {2, 3}, {4, 4}, {1, 1}, {0, 6}, {4, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.shaded) + "/" + std::to_string(c.parts));
    TDisplayList list;
    TCanvas canvas(300, &list);
    TQuizQuestion q;
    q.Operand = ptFractions;
    q.FractionProblemType = 0;
    q.FirstTerm = c.shaded;
    q.SecondTerm = c.parts;
    TDrawArgs args;
    args.Rx = args.Ry = 300;
    args.X = 100;
    args.Y = 200;
    DrawFractionQuestion(q, canvas, TQOptions{}, args, 40);

    const std::vector<TDrawOp> outline = OpsOf(list, TOpKind::Ellipse);
    ASSERT_EQ(outline.size(), 1U);
    const TDrawOp& o = outline[0];
    // The circle of the 675 x 635 picture: centre (337.5, 266.5), radius 224.
    EXPECT_EQ(QRect(QPoint(o.X1, o.Y1), QPoint(o.X2, o.Y2)), QRect(QPoint(100 + 338 - 224, 240 + 266 - 224),
                                                                   QPoint(100 + 338 + 224, 240 + 266 + 224)));
    const std::vector<TDrawOp> pies = OpsOf(list, TOpKind::Pie);
    if (c.shaded == 0) {
      EXPECT_TRUE(pies.empty());
    } else {
      ASSERT_EQ(pies.size(), 1U);
      EXPECT_EQ(pies[0].Brush.Style, TBrushStyle::Solid);
      EXPECT_EQ(pies[0].Brush.Color, kGrayText);
      EXPECT_EQ(QRect(QPoint(pies[0].X1, pies[0].Y1), QPoint(pies[0].X2, pies[0].Y2)),
                QRect(QPoint(o.X1, o.Y1), QPoint(o.X2, o.Y2)));
      const TPieSpan span = SpanOf(pies[0]);
      const bool all = c.parts == 0 || c.shaded == c.parts;
      EXPECT_EQ(span.whole, all);
      EXPECT_LT(AngleGap(span.from, 0), 1e-4);
      if (!all) {
        EXPECT_LT(AngleGap(span.to, 360.0 * c.shaded / c.parts), 1e-4);
      }
    }
    // The radii start at the right and go round counter-clockwise.
    const std::vector<TDrawOp> radii = OpsOf(list, TOpKind::Line);
    ASSERT_EQ(radii.size(), static_cast<std::size_t>(c.parts));
    for (int k = 0; k < c.parts; ++k) {
      const TDrawOp& r = radii[static_cast<std::size_t>(k)];
      EXPECT_LT(AngleGap(Direction(r.X1, r.Y1, r.X2, r.Y2), 360.0 * k / c.parts), 0.2) << "radius " << k;
    }
  }
}

// The wedge is filled where its parts are, seen on the replayed page: 3 of 8
// shade from 0 to 135 degrees counter-clockwise and nothing else.
TEST(FractionCircle, ThreeOfEightReplayShadedBetweenNoughtAnd135Degrees) {
  TDisplayList list;
  TCanvas canvas(300, &list);
  TQuizQuestion q;
  q.Operand = ptFractions;
  q.FirstTerm = 3;
  q.SecondTerm = 8;
  TDrawArgs args;
  args.Rx = args.Ry = 300;
  DrawFractionQuestion(q, canvas, TQOptions{}, args, 0);
  QImage page(700, 700, QImage::Format_RGB32);
  page.fill(Qt::white);
  {
    QPainter p(&page);
    ReplayPage(list, p, QRectF(0, 0, 700, 700), QSizeF(700, 700));
  }
  const double cx = 338, cy = 266, r = 224;
  for (int degrees = 7; degrees < 360; degrees += 15) {
    const double a = degrees * std::numbers::pi / 180.0;
    for (double f : {0.3, 0.6, 0.9}) {
      const int gray = qGray(page.pixel(static_cast<int>(cx + f * r * std::cos(a)), static_cast<int>(cy - f * r * std::sin(a))));
      EXPECT_EQ(gray, degrees < 135 ? 128 : 255) << degrees << " " << f;
    }
    EXPECT_EQ(qGray(page.pixel(static_cast<int>(cx + 1.1 * r * std::cos(a)), static_cast<int>(cy - 1.1 * r * std::sin(a)))), 255);
  }
}

// One quiz of every picture type and some arithmetic, laid out on the PDF
// printer at resolutions from 72 to 2400 dpi: the same pages with the same
// questions on them, and every pen and picture the same size on paper.
TEST(ResolutionIndependence, TheSamePagesAtEveryResolution) {
  ReportFormats().LoadDefaults();
  SetRandomState(77);
  TPdfPrinter printer;  // outlives the quiz's page store, which refers to it
  TQuiz quiz;
  auto add = [&](std::uint8_t operand, int count, int fractionType = 0) {
    TQuestionSet set;
    set.Options.Operand = operand;
    set.Options.FirstTermType = 2;
    set.Options.SecondTermType = 1;
    set.Options.CoinsToUse = 15;
    set.Options.FractionType = static_cast<std::uint8_t>(fractionType);
    Generate(set, count);
    quiz.Sets.Add(std::move(set));
  };
  add(ptAddition, 12);
  add(ptMoney, 9);
  add(ptFractions, 9, 0);
  add(ptFractions, 6, 1);
  add(ptFractions, 6, 3);
  add(ptTime, 9);
  add(ptDivision, 6);

  struct TPage {
    std::vector<std::string> texts;
    std::vector<double> pens;    // inches
    std::vector<double> images;  // widths, inches
  };
  auto record = [&](int dpi) {
    printer.SetResolution(dpi);
    Layout(quiz, true, &printer);
    std::vector<TPage> pages;
    const TMetaReport& store = QuizPages(quiz);
    for (int n = 1; n <= store.PageCount(); ++n) {
      TPage page;
      for (const TDrawOp& op : store.PageOps(n)->Ops()) {
        if (op.Kind == TOpKind::Text) page.texts.push_back(store.PageOps(n)->TextOf(op));
        else if (op.Kind == TOpKind::Image) page.images.push_back((op.X2 - op.X1) / static_cast<double>(dpi));
        else if (op.Kind != TOpKind::FillRect) page.pens.push_back(op.Pen.Width / dpi);
      }
      pages.push_back(std::move(page));
    }
    return pages;
  };
  const std::vector<TPage> reference = record(600);
  ASSERT_GT(reference.size(), 2U);
  for (int dpi : {72, 96, 150, 300, 1200, 2350, 2400}) {
    SCOPED_TRACE(std::to_string(dpi) + " dpi");
    const std::vector<TPage> pages = record(dpi);
    ASSERT_EQ(pages.size(), reference.size());
    for (std::size_t n = 0; n < pages.size(); ++n) {
      SCOPED_TRACE("page " + std::to_string(n + 1));
      EXPECT_EQ(pages[n].texts, reference[n].texts);
      ASSERT_EQ(pages[n].pens.size(), reference[n].pens.size());
      for (std::size_t i = 0; i < pages[n].pens.size(); ++i) EXPECT_DOUBLE_EQ(pages[n].pens[i], reference[n].pens[i]);
      ASSERT_EQ(pages[n].images.size(), reference[n].images.size());
      for (std::size_t i = 0; i < pages[n].images.size(); ++i)
        EXPECT_NEAR(pages[n].images[i], reference[n].images[i], 1.0 / dpi);
    }
  }
}

}  // namespace
}  // namespace sumcraft
