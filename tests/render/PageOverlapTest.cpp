// Every problem type, every shipped table template, problem numbers of one
// to four digits, a long title and footer, on Letter and A4 at 300 and 600
// dpi, quiz and key: no two texts of a page touch, no straight line crosses
// a text, and nothing leaves the printable area.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QRectF>
#include <algorithm>
#include <functional>
#include <string>

#include "generate/Generate.h"
#include "generate/Random.h"
#include "generate/TableDefs.h"
#include "render/CodePage1252.h"
#include "render/FakePrinter.h"
#include "render/Layout.h"
#include "render/ReportFormats.h"

namespace sumcraft {
namespace {

struct TPage {
  const char* name;
  int dpi;
  double inchesW, inchesH;
};

// The glyphs' tight box in page units, turned with the text.
QRectF Ink(const TDisplayList& page, const TDrawOp& op) {
  const TRecordedFont& f = page.FontOf(op);
  QRectF r = QFontMetricsF(f.Metrics->Font()).tightBoundingRect(FromCp1252(page.TextOf(op)));
  r.translate(0, f.Metrics->Ascent());
  if (f.Spec.Escapement == 900) r = QRectF(QPointF(r.top(), -r.right()), QPointF(r.bottom(), -r.left()));
  return r.translated(op.X1, op.Y1);
}

QRectF Box(const TDisplayList& page, const TDrawOp& op) {
  if (op.Kind != TOpKind::Text) return QRectF(QPointF(op.X1, op.Y1), QPointF(op.X2, op.Y2)).normalized();
  if (page.FontOf(op).Spec.Escapement == 900) return QRectF(op.X1, op.Y1 - op.X2, op.Y2, op.X2);
  return QRectF(op.X1, op.Y1, op.X2, op.Y2);
}

// Whether b comes within a visible gap of a, straight across or straight up
// or down: a sixth of the font size across, half that between lines (as
// lines of wrapped text stand).
bool Touch(const QRectF& a, const QRectF& b, double em) {
  return a.adjusted(-em / 6, 0, em / 6, 0).intersects(b) || a.adjusted(0, -em / 12, 0, em / 12).intersects(b);
}

using TSetup = std::function<void(TQOptions&)>;

void Add(TQuiz& quiz, std::uint8_t type, int count, const TSetup& setup) {
  TQuestionSet set;
  set.Options.Operand = type;
  set.Options.CoinsToUse = 15;
  set.Options.TimesTable.fill(7);
  setup(set.Options);
  Generate(set, count);
  quiz.Sets.Add(std::move(set));
}

// One set of every problem type and arrangement, each holding the widest
// terms its options allow.
void AddEveryType(TQuiz& quiz) {
  for (const std::uint8_t orientation : {0, 1}) {
    for (const std::uint8_t type : {ptAddition, ptSubtraction})
      Add(quiz, type, 4, [&](TQOptions& o) { o.Orientation = orientation; o.FirstTermType = o.SecondTermType = 5; });
    Add(quiz, ptMultiplication, 4, [&](TQOptions& o) { o.Orientation = orientation; });
    Add(quiz, ptMultiplication, 4, [&](TQOptions& o) {
      o.Orientation = orientation;
      o.MultiplicationType = 1;
      o.FirstTermType = 3;
      o.SecondTermType = 2;
    });
    Add(quiz, ptDivision, 4, [&](TQOptions& o) { o.Orientation = orientation; });
    quiz.Sets.Item(quiz.Sets.Count() - 1).Item(0).FirstTerm = 108;
    quiz.Sets.Item(quiz.Sets.Count() - 1).Item(0).SecondTerm = 9;
  }
  Add(quiz, ptDivision, 4, [](TQOptions& o) { o.DivisionType = 1; o.DividendType = 5; o.DivisorType = 2; });
  Add(quiz, ptComparison, 4, [](TQOptions& o) { o.FirstTermType = o.SecondTermType = 5; });
  Add(quiz, ptMoney, 2, [](TQOptions&) {});
  Add(quiz, ptTime, 3, [](TQOptions&) {});
  Add(quiz, ptRounding, 5, [](TQOptions& o) { o.FirstTermType = 5; });
  for (const std::uint8_t kind : {0, 1, 2, 3, 4, 5}) {
    Add(quiz, ptFractions, 3, [&](TQOptions& o) { o.FractionType = kind; });
    if (kind < 2) continue;
    // Two-digit numerators; sums with a mixed answer over a two-digit
    // denominator (5/6 + 3/4 = 1 7/12).
    TQuizQuestion& q = quiz.Sets.Item(quiz.Sets.Count() - 1).Item(0);
    q.FirstTerm = kind >= 3 && kind <= 4 ? PackFraction(5, 6) : PackFraction(11, 12);
    q.SecondTerm = kind >= 3 && kind <= 4 ? PackFraction(3, 4) : PackFraction(10, 12);
  }
}

// Every shipped template as a table and as both kinds of graph, and a
// hand-edited graph with many increments.
void AddEveryTemplate(TQuiz& quiz) {
  TableDefs().Load(SUMCRAFT_DEFAULTS "/TableTemplates.tdf");
  ASSERT_GT(TableDefs().Count(), 10u);
  for (std::size_t i = 0; i < TableDefs().Count(); ++i) {
    const TTableDef& d = TableDefs().Item(i);
    for (const int kind : {0, 1, 2}) {
      Add(quiz, kind == 0 ? ptTables : ptGraphs, 1, [&](TQOptions& o) {
        o.BarGraphType = static_cast<std::uint8_t>(kind == 1);
        o.TableItemName = d.ItemCaption;
        o.TableDataCaption = d.DataCaption;
        o.ItemName = d.ItemName;
        o.ActionName = d.Action;
        o.ActionPredicate = d.Predicate;
        o.TableNames = {d.TableName0, d.TableName1, d.TableName2, d.TableName3};
      });
    }
  }
  for (const std::uint8_t bars : {0, 1}) {
    Add(quiz, ptGraphs, 1, [&](TQOptions& o) {
      o.BarGraphType = bars;
      o.IncrementCount = 60;
      o.IncrementStepSize = 2500;
      o.TableNames = {"WWWWWWWWWW", "Mmmmmmmmmm", "WWWWWWWWWW", "Mmmmmmmmmm"};
    });
  }
}

class PageOverlapTest : public testing::TestWithParam<TPage> {};

TEST_P(PageOverlapTest, NoTextTouchesAnotherOrLeavesThePrintableArea) {
  ReportFormats().LoadDefaults();
  SetRandomState(13);
  const TPage& p = GetParam();
  // A quarter inch the printer cannot reach on every side.
  const int w = static_cast<int>(p.inchesW * p.dpi), h = static_cast<int>(p.inchesH * p.dpi), q = p.dpi / 4;
  TFakePrinter printer;
  printer.SetResolution(p.dpi, p.dpi);
  printer.SetPhysicalSize(w, h);
  printer.SetPrintableArea(q, q, w - 2 * q, h - 2 * q);

  TQuiz quiz;
  quiz.PrintTeacherNameBlank = quiz.PrintClassNameBlank = quiz.PrintQuizTitle = quiz.PrintFooterText = true;
  quiz.SkipPrintFirstPageNumber = false;
  quiz.QuizTitle = std::string(6, ' ') + "Weekly review of everything we learned this term in mathematics class";
  quiz.FooterText = std::string(60, 'W');
  // A version's label above the header, and on the key its seed before the footer text.
  quiz.Version = TVersionMark{"Version WWW", 4294967295u};
  AddEveryType(quiz);
  AddEveryTemplate(quiz);
  Add(quiz, ptAddition, 900, [](TQOptions&) {});  // the numbers after it have four digits
  AddEveryType(quiz);

  for (const bool answers : {false, true}) {
    ASSERT_TRUE(Layout(quiz, answers, &printer).Problems.empty());
    const TMetaReport& pages = QuizPages(quiz);
    // The data tables draw their row lines along the names' descenders.
    std::vector<std::pair<int, QRectF>> tables;
    const TLayoutFrame frame = MakeLayoutFrame(pages);
    for (std::size_t i = 0; i < quiz.Sets.Count(); ++i) {
      const TQuestionSet& set = quiz.Sets.Item(i);
      if (set.Options.Operand == ptTables)
        tables.emplace_back(set.FirstPage, QRectF(0, set.StartY, frame.RowLimit,
                                                  MeasureInstructions(set, frame.Left, pages, frame)));
    }
    for (int n = 1; n <= pages.PageCount(); ++n) {
      const TDisplayList& page = *pages.PageOps(n);
      std::vector<std::pair<const TDrawOp*, QRectF>> inks;
      for (const TDrawOp* op : page.TextOps()) inks.emplace_back(op, Ink(page, *op));
      for (const TDrawOp& op : page.Ops()) {
        const QRectF box = Box(page, op);
        EXPECT_TRUE(box.left() >= 0 && box.top() >= 0 && box.right() <= pages.PrintableWidth() &&
                    box.bottom() <= pages.PrintableHeight())
            << p.name << " page " << n << " '" << page.TextOf(op) << "'";
        // Straight lines, as wide as their pen, keep clear of every text but
        // the long-division bracket they join.
        if (op.Kind != TOpKind::Line || (op.X1 != op.X2 && op.Y1 != op.Y2)) continue;
        const QPointF start(op.X1, op.Y1);
        if (std::any_of(tables.begin(), tables.end(), [&](auto& t) { return t.first == n && t.second.contains(start); }))
          continue;
        const double half = op.Pen.Width / 2.0;
        const QRectF stroke = box.adjusted(-half, -half, half, half);
        for (const auto& [text, ink] : inks)
          EXPECT_FALSE(page.TextOf(*text) != ")" && stroke.intersects(ink))
              << p.name << " page " << n << " line through '" << page.TextOf(*text) << "'";
      }
      for (std::size_t i = 0; i < inks.size(); ++i)
        for (std::size_t j = i + 1; j < inks.size(); ++j)
          EXPECT_FALSE(Touch(inks[i].second, inks[j].second,
                             std::min(page.FontOf(*inks[i].first).Metrics->PixelSize(),
                                      page.FontOf(*inks[j].first).Metrics->PixelSize())))
              << p.name << (answers ? " key" : "") << " page " << n << ": '" << page.TextOf(*inks[i].first)
              << "' touches '" << page.TextOf(*inks[j].first) << "'";
    }
  }
  TableDefs().Clear();
}

INSTANTIATE_TEST_SUITE_P(Pages, PageOverlapTest,
                         testing::Values(TPage{"Letter300", 300, 8.5, 11}, TPage{"Letter600", 600, 8.5, 11},
                                         TPage{"A4At300", 300, 8.27, 11.69}, TPage{"A4At600", 600, 8.27, 11.69}),
                         [](const testing::TestParamInfo<TPage>& page) { return std::string(page.param.name); });

}  // namespace
}  // namespace sumcraft
