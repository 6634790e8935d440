// Layouts of real quizzes on fake printers, checked on the recorded pages:
// where numbers, headers, footers and answers stand, and what the layout
// writes into each set.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "generate/AnswerText.h"
#include "generate/Generate.h"
#include "generate/Random.h"
#include "render/Canvas.h"
#include "render/FakePrinter.h"
#include "render/Layout.h"
#include "render/MetaReport.h"
#include "render/QuestionDrawing.h"
#include "render/ReportFormats.h"

namespace sumcraft {
namespace {

struct TPaperCase {
  const char* name;
  int dpi;
  int physW, physH;
  int offX, offY, printW, printH;
};

// Letter at 600 dpi with a quarter inch the printer cannot reach on every
// side; A4 at 300 dpi with 50 pixels.
const TPaperCase kLetter600{"Letter600", 600, 5100, 6600, 150, 150, 4800, 6300};
const TPaperCase kA4At300{"A4At300", 300, 2480, 3508, 50, 50, 2380, 3408};

void PrintTo(const TPaperCase& paper, std::ostream* os) { *os << paper.name; }

using TOptionsSetup = std::function<void(TQOptions&)>;

TQuestionSet MakeSet(std::uint8_t operand, int count, const TOptionsSetup& setup = {}) {
  TQuestionSet set;
  set.Options.Operand = operand;
  set.Options.FirstTermType = 1;
  set.Options.SecondTermType = 1;
  set.Options.CoinsToUse = 15;
  set.Options.TimesTable.fill(7);
  if (setup) setup(set.Options);
  Generate(set, count);
  return set;
}

std::string Num(int n) { return std::to_string(n) + ")"; }

class LayoutTest : public testing::TestWithParam<TPaperCase> {
protected:
  void SetUp() override {
    ReportFormats().LoadDefaults();
    const TPaperCase& p = GetParam();
    printer.SetResolution(p.dpi, p.dpi);
    printer.SetPhysicalSize(p.physW, p.physH);
    printer.SetPrintableArea(p.offX, p.offY, p.printW, p.printH);
    SetRandomState(2024);
  }

  TLayoutResult Lay(TQuiz& quiz, bool answers = false) { return Layout(quiz, answers, &printer); }
  static const TMetaReport& Pages(TQuiz& quiz) { return QuizPages(quiz); }
  static TLayoutFrame Frame(TQuiz& quiz) { return MakeLayoutFrame(QuizPages(quiz)); }

  // The text on page `page`, or nullptr.
  static const TDrawOp* Text(TQuiz& quiz, int page, const std::string& text) {
    const TDisplayList* ops = Pages(quiz).PageOps(page);
    return ops ? ops->FindText(text) : nullptr;
  }
  // The page a text first stands on; 0 when on none.
  static int PageOf(TQuiz& quiz, const std::string& text) {
    for (int n = 1; n <= Pages(quiz).PageCount(); ++n)
      if (Text(quiz, n, text)) return n;
    return 0;
  }
  static int CountText(TQuiz& quiz, const std::string& text) {
    int count = 0;
    for (int n = 1; n <= Pages(quiz).PageCount(); ++n)
      for (const TDrawOp* op : Pages(quiz).PageOps(n)->TextOps())
        if (Pages(quiz).PageOps(n)->TextOf(*op) == text) ++count;
    return count;
  }
  // Height of `sample` in a style at the printer's resolution.
  int StyleHeight(const char* style, const char* sample = "H") const {
    TCanvas c(printer.ResolutionY());
    ReportFormats().Apply(style, c);
    return c.TextHeight(sample);
  }
  int DefaultProblemHeight(const TQuestionSet& set) const {
    TCanvas c(printer.ResolutionY());
    ReportFormats().Apply("DEFAULT", c);
    return ProblemHeight(set.Item(0), printer.ResolutionY(), set.Options, c);
  }
  // Where the page body starts under the header of `quiz`'s options.
  int ContentTop(const TQuiz& quiz) {
    TQuiz empty;
    empty.PrintStudentNameBlank = quiz.PrintStudentNameBlank;
    empty.PrintTeacherNameBlank = quiz.PrintTeacherNameBlank;
    empty.PrintDateBlank = quiz.PrintDateBlank;
    empty.PrintClassNameBlank = quiz.PrintClassNameBlank;
    empty.PrintQuizTitle = quiz.PrintQuizTitle;
    empty.QuizTitle = quiz.QuizTitle;
    empty.Sets.Add(TQuestionSet{});
    Lay(empty);
    return empty.Sets.Item(0).StartY;
  }

  TFakePrinter printer;
};

TEST_P(LayoutTest, ProblemNumbersRunOnFromSetToSet) {
  TQuiz quiz;
  quiz.Sets.Add(MakeSet(ptAddition, 10));
  quiz.Sets.Add(MakeSet(ptSubtraction, 10));
  Lay(quiz);
  for (int n = 1; n <= 20; ++n) EXPECT_EQ(CountText(quiz, Num(n)), 1) << n;
  EXPECT_EQ(CountText(quiz, Num(21)), 0);
  EXPECT_EQ(CountText(quiz, Num(0)), 0);

  // The second set starts with 11, at the left edge of its first row.
  const TQuestionSet& second = quiz.Sets.Item(1);
  const TDrawOp* eleven = Text(quiz, second.FirstPage, Num(11));
  ASSERT_NE(eleven, nullptr);
  EXPECT_EQ(eleven->X1, Pages(quiz).Left());
  EXPECT_GE(eleven->Y1, second.StartY);
  EXPECT_EQ(second.StartY, quiz.Sets.Item(0).EndY);
}

TEST_P(LayoutTest, FiveVerticalAdditionsShareARowAndTheSixthStartsTheNext) {
  TQuiz quiz;
  quiz.Sets.Add(MakeSet(ptAddition, 6));
  Lay(quiz);
  const TLayoutFrame f = Frame(quiz);
  const int column = (f.FrameWidth - f.Left - f.RightInset) / 5;
  const TDrawOp* first = Text(quiz, 1, Num(1));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->X1, f.Left);
  for (int n = 2; n <= 5; ++n) {
    const TDrawOp* op = Text(quiz, 1, Num(n));
    ASSERT_NE(op, nullptr) << n;
    EXPECT_EQ(op->Y1, first->Y1) << n;
    EXPECT_EQ(op->X1, f.Left + (n - 1) * column) << n;
    EXPECT_LE(op->X1 + column, f.RowLimit) << n;
  }
  const TDrawOp* sixth = Text(quiz, 1, Num(6));
  ASSERT_NE(sixth, nullptr);
  EXPECT_EQ(sixth->X1, f.Left);
  const int rowHeight = DefaultProblemHeight(quiz.Sets.Item(0));
  EXPECT_EQ(sixth->Y1, first->Y1 + rowHeight);
  EXPECT_EQ(quiz.Sets.Item(0).EndY, first->Y1 + 2 * rowHeight);
  EXPECT_EQ(quiz.Sets.Item(0).EndX, f.RowLimit);
  EXPECT_EQ(quiz.Sets.Item(0).StartX, f.RightInset);
}

TEST_P(LayoutTest, MoneyNeverPutsMoreThanTwoInARow) {
  // On this paper (where a coin question may take a row of its own), and on
  // paper three times as wide, where three would fit.
  for (const int widen : {1, 3}) {
    const TPaperCase& p = GetParam();
    printer.SetPhysicalSize(p.physW * widen, p.physH);
    printer.SetPrintableArea(p.offX, p.offY, p.physW * widen - 2 * p.offX, p.printH);
    TQuiz quiz;
    quiz.Sets.Add(MakeSet(ptMoney, 7));
    Lay(quiz);
    std::map<std::pair<int, int>, int> perRow;  // (page, y) -> questions
    for (int n = 1; n <= 7; ++n) {
      const int page = PageOf(quiz, Num(n));
      const TDrawOp* op = Text(quiz, page, Num(n));
      ASSERT_NE(op, nullptr) << n;
      const int inRow = ++perRow[std::make_pair(page, op->Y1)];
      EXPECT_LE(inRow, 2) << widen << " " << n;
    }
    if (widen == 3) {
      const TDrawOp* one = Text(quiz, 1, Num(1));
      const TDrawOp* two = Text(quiz, 1, Num(2));
      const TDrawOp* three = Text(quiz, 1, Num(3));
      ASSERT_TRUE(one && two && three);
      EXPECT_EQ(two->Y1, one->Y1);
      EXPECT_GT(two->X1, one->X1);
      EXPECT_EQ(three->X1, Pages(quiz).Left());
      EXPECT_EQ(three->Y1, one->Y1 + DefaultProblemHeight(quiz.Sets.Item(0)));
    }
  }
}

TEST_P(LayoutTest, StartOnNewPageBreaksOnlyAfterTheFirstSet) {
  TQuiz quiz;
  quiz.Sets.Add(MakeSet(ptAddition, 3, [](TQOptions& o) { o.StartOnNewPage = true; }));
  Lay(quiz);
  EXPECT_EQ(Pages(quiz).PageCount(), 1);
  EXPECT_EQ(quiz.Sets.Item(0).FirstPage, 1);
  EXPECT_NE(Text(quiz, 1, Num(1)), nullptr);

  quiz.Sets.Add(MakeSet(ptRounding, 3, [](TQOptions& o) { o.StartOnNewPage = true; }));
  Lay(quiz);
  EXPECT_EQ(Pages(quiz).PageCount(), 2);
  const TQuestionSet& second = quiz.Sets.Item(1);
  EXPECT_EQ(second.FirstPage, 2);
  EXPECT_EQ(second.StartY, ContentTop(quiz));
  EXPECT_EQ(PageOf(quiz, Num(4)), 2);
  EXPECT_NE(Text(quiz, 2, second.InstructionsText()), nullptr);
}

TEST_P(LayoutTest, ASetThatDoesNotFitBelowThePreviousOneStartsOnANewPage) {
  // Fill page 1 with rows of additions until a clock set (instruction line
  // and one row of clocks) no longer fits below them.
  TQuiz probe;
  probe.Sets.Add(MakeSet(ptTime, 3));
  Lay(probe);
  const TQuestionSet clocks = MakeSet(ptTime, 3);
  const TLayoutFrame f = Frame(probe);
  const int need = MeasureInstructions(clocks, f.Left, Pages(probe), f) + DefaultProblemHeight(clocks);

  bool sawFit = false, sawBreak = false;
  for (int rows = 1; rows <= 60 && !(sawFit && sawBreak); ++rows) {
    TQuiz quiz;
    quiz.Sets.Add(MakeSet(ptAddition, 5 * rows));
    TQuestionSet copy;
    copy.Assign(clocks);
    quiz.Sets.Add(std::move(copy));
    Lay(quiz);
    const TQuestionSet& first = quiz.Sets.Item(0);
    const TQuestionSet& second = quiz.Sets.Item(1);
    if (first.LastPage != 1) break;
    const int firstNumber = 5 * rows + 1;
    if (first.EndY + need <= Pages(quiz).Bottom()) {
      sawFit = true;
      EXPECT_EQ(second.FirstPage, 1) << rows;
      EXPECT_EQ(second.StartY, first.EndY) << rows;
      EXPECT_EQ(PageOf(quiz, Num(firstNumber)), 1) << rows;
    } else {
      sawBreak = true;
      EXPECT_EQ(second.FirstPage, 2) << rows;
      EXPECT_EQ(second.StartY, ContentTop(quiz)) << rows;
      EXPECT_EQ(second.LastPage, 2) << rows;
      const TDrawOp* instructions = Text(quiz, 2, second.InstructionsText());
      ASSERT_NE(instructions, nullptr) << rows;
      EXPECT_EQ(instructions->Y1, second.StartY) << rows;
      EXPECT_EQ(Text(quiz, 1, second.InstructionsText()), nullptr) << rows;
      EXPECT_EQ(PageOf(quiz, Num(firstNumber)), 2) << rows;
    }
  }
  EXPECT_TRUE(sawFit);
  EXPECT_TRUE(sawBreak);
}

TEST_P(LayoutTest, AQuestionTooTallForThePageMovesOnInItsColumn) {
  // A hand-edited fraction set: a short sum question, then a tall "set"
  // question in the same row. Where the tall one does not fit below the
  // rows above, it goes to the next page in its own column, and the rest of
  // the row follows it there.
  TQuestionSet fractions;
  fractions.Options.Operand = ptFractions;
  fractions.Options.FractionType = 3;
  for (int i = 0; i < 6; ++i) {
    TQuizQuestion q;
    q.Operand = ptFractions;
    q.FractionProblemType = i == 1 ? 1 : 3;
    q.FirstTerm = i == 1 ? 2 : PackFraction(1, 4);
    q.SecondTerm = i == 1 ? 5 : PackFraction(2, 4);
    fractions.Add(q);
  }
  bool found = false;
  for (int rows = 1; rows <= 80 && !found; ++rows) {
    for (const bool title : {false, true}) {
      TQuiz quiz;
      quiz.QuizTitle = "Fractions";
      quiz.PrintQuizTitle = title;
      quiz.Sets.Add(MakeSet(ptRounding, 5 * rows));
      TQuestionSet copy;
      copy.Assign(fractions);
      quiz.Sets.Add(std::move(copy));
      Lay(quiz);
      const int base = 5 * rows;
      if (PageOf(quiz, Num(base + 1)) != 1 || PageOf(quiz, Num(base + 2)) != 2) continue;
      found = true;
      const TLayoutFrame f = Frame(quiz);
      const int usable = f.FrameWidth - f.Left - f.RightInset;
      TCanvas c(printer.ResolutionY());
      const int perRow = std::min(5, usable / ProblemWidth(fractions.Item(0), f.Rx, fractions.Options, c));
      const int column = usable / perRow;
      ASSERT_GE(perRow, 2);
      const TDrawOp* shortOne = Text(quiz, 1, Num(base + 1));
      const TDrawOp* tall = Text(quiz, 2, Num(base + 2));
      const TDrawOp* next = Text(quiz, 2, Num(base + 3));
      ASSERT_TRUE(shortOne && tall && next);
      EXPECT_EQ(shortOne->X1, f.Left);
      EXPECT_EQ(tall->X1, f.Left + column);
      EXPECT_EQ(tall->Y1, ContentTop(quiz));
      if (perRow >= 3) {
        // The rest of the row follows on the new page.
        EXPECT_EQ(next->X1, f.Left + 2 * column);
        EXPECT_EQ(next->Y1, tall->Y1);
      } else {
        EXPECT_EQ(next->X1, f.Left);
        EXPECT_GT(next->Y1, tall->Y1);
      }
      // The set began on page 1 and ends on page 2.
      const TQuestionSet& set = quiz.Sets.Item(1);
      EXPECT_EQ(set.FirstPage, 1);
      EXPECT_EQ(set.LastPage, 2);
      break;
    }
  }
  EXPECT_TRUE(found) << "no filling of page 1 left room for the short question but not the tall one";
}

TEST_P(LayoutTest, HeaderRowsFollowTheBlanksThatAreOn) {
  const int h = StyleHeight("PAGEHEADER");
  const int line = StyleHeight("DEFAULT");
  const int rx = printer.ResolutionX();
  auto header = [&](bool name, bool teacher, bool date, bool klass) {
    auto quiz = std::make_unique<TQuiz>();
    quiz->PrintStudentNameBlank = name;
    quiz->PrintTeacherNameBlank = teacher;
    quiz->PrintDateBlank = date;
    quiz->PrintClassNameBlank = klass;
    quiz->Sets.Add(MakeSet(ptAddition, 1));
    Lay(*quiz);
    return quiz;
  };

  {
    const auto quiz = header(true, true, true, true);
    const TLayoutFrame f = Frame(*quiz);
    const TDrawOp* name = Text(*quiz, 1, "Name:");
    const TDrawOp* teacher = Text(*quiz, 1, "Teacher:");
    const TDrawOp* date = Text(*quiz, 1, "Date:");
    const TDrawOp* klass = Text(*quiz, 1, "Class:");
    ASSERT_TRUE(name && teacher && date && klass);
    EXPECT_EQ(name->X1, f.Left);
    EXPECT_EQ(name->Y1, f.Top);
    EXPECT_EQ(teacher->X1, f.Left);
    EXPECT_EQ(teacher->Y1, f.Top + static_cast<int>(std::nearbyint(1.5 * h)));
    EXPECT_EQ(date->Y1, f.Top);
    EXPECT_EQ(klass->Y1, teacher->Y1);
    EXPECT_EQ(date->X1, f.FrameWidth - f.RightInset - static_cast<int>(std::nearbyint(2.75 * rx)));
    // Content: below both rows and one empty line.
    EXPECT_EQ(quiz->Sets.Item(0).StartY, teacher->Y1 + h + h + line);
  }
  {
    const auto quiz = header(false, true, false, false);
    const TDrawOp* teacher = Text(*quiz, 1, "Teacher:");
    ASSERT_NE(teacher, nullptr);
    EXPECT_EQ(teacher->Y1, Frame(*quiz).Top);
    EXPECT_EQ(Text(*quiz, 1, "Name:"), nullptr);
    EXPECT_EQ(Text(*quiz, 1, "Date:"), nullptr);
  }
  {
    const auto quiz = header(false, false, false, true);
    const TDrawOp* klass = Text(*quiz, 1, "Class:");
    ASSERT_NE(klass, nullptr);
    EXPECT_EQ(klass->Y1, Frame(*quiz).Top);
  }
  {
    const auto quiz = header(false, false, false, false);
    EXPECT_EQ(quiz->Sets.Item(0).StartY, Frame(*quiz).Top + line);
    for (const char* label : {"Name:", "Teacher:", "Date:", "Class:"}) EXPECT_EQ(Text(*quiz, 1, label), nullptr);
  }
  {
    // A title that is on but empty takes no room.
    auto quiz = header(false, false, false, false);
    quiz->PrintQuizTitle = true;
    Lay(*quiz);
    EXPECT_EQ(quiz->Sets.Item(0).StartY, Frame(*quiz).Top + line);
    quiz->QuizTitle = "Week 3";
    Lay(*quiz);
    const TDrawOp* title = Text(*quiz, 1, "Week 3");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->Y1, Frame(*quiz).Top);
    EXPECT_EQ(title->X1, (Frame(*quiz).FrameWidth - title->X2) / 2);
    EXPECT_EQ(quiz->Sets.Item(0).StartY, title->Y1 + StyleHeight("QUIZTITLE") + line);
  }
}

TEST_P(LayoutTest, FootersCarryPageNumbersAndTheFooterText) {
  TQuiz quiz;
  quiz.PrintFooterText = true;
  quiz.FooterText = "Room 12";
  quiz.Sets.Add(MakeSet(ptTime, 30));
  Lay(quiz);
  const int pages = Pages(quiz).PageCount();
  ASSERT_GE(pages, 3);
  const TLayoutFrame f = Frame(quiz);
  // One "M" below the body, but never off the printable area: with these
  // printers' offsets the body reaches down to its edge.
  const int m = StyleHeight("PAGEFOOTER", "M");
  const int yf = std::min(f.Bottom + m, Pages(quiz).PrintableHeight() - m);
  EXPECT_EQ(PageOf(quiz, "Page 1"), 0);
  for (int n = 1; n <= pages; ++n) {
    const TDrawOp* footer = Text(quiz, n, "Room 12");
    ASSERT_NE(footer, nullptr) << n;
    EXPECT_EQ(footer->X1, f.Left);
    EXPECT_EQ(footer->Y1, yf);
    if (n == 1) continue;
    const TDrawOp* number = Text(quiz, n, "Page " + std::to_string(n));
    ASSERT_NE(number, nullptr) << n;
    EXPECT_EQ(number->X1 + number->X2, f.FrameWidth - f.RightInset) << n;
    EXPECT_EQ(number->Y1, yf);
    EXPECT_EQ(CountText(quiz, "Page " + std::to_string(n)), 1);
    // Footers stand below the page body and on the paper.
    EXPECT_LE(number->Y1 + number->Y2, Pages(quiz).PrintableHeight());
  }

  quiz.SkipPrintFirstPageNumber = false;
  quiz.PrintFooterText = false;
  Lay(quiz);
  EXPECT_NE(Text(quiz, 1, "Page 1"), nullptr);
  EXPECT_EQ(PageOf(quiz, "Room 12"), 0);
  quiz.PrintPageNumbers = false;
  Lay(quiz);
  for (int n = 1; n <= pages; ++n) EXPECT_EQ(PageOf(quiz, "Page " + std::to_string(n)), 0);

  // A printer without offsets ("Save as PDF"): the footer stands in the
  // bottom margin, one "M" below the body.
  const TPaperCase& p = GetParam();
  printer.SetPrintableArea(0, 0, p.physW, p.physH);
  quiz.PrintPageNumbers = true;
  Lay(quiz);
  const TDrawOp* number = Text(quiz, 2, "Page 2");
  ASSERT_NE(number, nullptr);
  EXPECT_EQ(number->Y1, Pages(quiz).Bottom() + m);
  EXPECT_LT(Pages(quiz).Bottom() + m + number->Y2, p.physH);
}

TEST_P(LayoutTest, AnEmptyQuizIsOnePageWithHeaderAndFooter) {
  TQuiz quiz;
  quiz.SkipPrintFirstPageNumber = false;
  quiz.PrintFooterText = true;
  quiz.FooterText = "Footer";
  Lay(quiz);
  EXPECT_EQ(Pages(quiz).PageCount(), 1);
  EXPECT_NE(Text(quiz, 1, "Name:"), nullptr);
  EXPECT_NE(Text(quiz, 1, "Date:"), nullptr);
  EXPECT_NE(Text(quiz, 1, "Page 1"), nullptr);
  EXPECT_NE(Text(quiz, 1, "Footer"), nullptr);
}

TEST_P(LayoutTest, TheKeyHasTheQuizPagesWithTheAnswers) {
  TQuiz quiz;
  quiz.SkipPrintFirstPageNumber = false;
  quiz.Sets.Add(MakeSet(ptAddition, 40, [](TQOptions& o) { o.FirstTermType = 3; o.SecondTermType = 3; }));
  quiz.Sets.Add(MakeSet(ptMoney, 6));
  quiz.Sets.Add(MakeSet(ptTime, 9));
  Lay(quiz);
  const int pages = Pages(quiz).PageCount();
  ASSERT_GE(pages, 2);
  std::vector<int> numberPages;
  for (int n = 1; n <= 55; ++n) numberPages.push_back(PageOf(quiz, Num(n)));
  const std::string firstAnswer = AnswerText(quiz.Sets.Item(0).Item(0), quiz.Sets.Item(0).Options);
  const std::string moneyAnswer = AnswerText(quiz.Sets.Item(1).Item(0), quiz.Sets.Item(1).Options);
  EXPECT_EQ(PageOf(quiz, moneyAnswer), 0);

  Lay(quiz, true);
  EXPECT_EQ(Pages(quiz).PageCount(), pages);
  for (int n = 1; n <= pages; ++n) EXPECT_NE(Text(quiz, n, "Page " + std::to_string(n)), nullptr) << n;
  for (int n = 1; n <= 55; ++n) EXPECT_EQ(PageOf(quiz, Num(n)), numberPages[static_cast<std::size_t>(n - 1)]) << n;
  const TDrawOp* answer = Text(quiz, 1, firstAnswer);
  const TDrawOp* number = Text(quiz, 1, Num(1));
  ASSERT_TRUE(answer && number);
  EXPECT_GT(answer->Y1, number->Y1);
  EXPECT_EQ(PageOf(quiz, moneyAnswer), numberPages[40]);
}

TEST_P(LayoutTest, SetAtPositionFindsTheSetUnderAClick) {
  TQuiz quiz;
  quiz.Sets.Add(MakeSet(ptAddition, 5));
  quiz.Sets.Add(MakeSet(ptRounding, 5));
  quiz.Sets.Add(MakeSet(ptComparison, 5));
  Lay(quiz);
  const TQuestionSet& a = quiz.Sets.Item(0);
  const TQuestionSet& b = quiz.Sets.Item(1);
  const TQuestionSet& c = quiz.Sets.Item(2);
  ASSERT_EQ(c.LastPage, 1);
  EXPECT_LT(a.StartY, b.StartY);
  EXPECT_LT(b.StartY, c.StartY);
  EXPECT_EQ(SetAtPosition(quiz, (b.StartY + b.EndY) / 2, 1, 7), 1);
  EXPECT_EQ(SetAtPosition(quiz, a.StartY, 1, 7), 0);
  EXPECT_EQ(SetAtPosition(quiz, c.EndY - 1, 1, 7), 2);
  EXPECT_EQ(SetAtPosition(quiz, c.EndY + 10, 1, 7), 7);
  EXPECT_EQ(SetAtPosition(quiz, a.StartY - 1, 1, 7), 7);
  EXPECT_EQ(SetAtPosition(quiz, b.StartY, 2, 7), 7);
  // Where two sets touch, the earlier one wins.
  EXPECT_EQ(SetAtPosition(quiz, b.StartY, 1, 7), 0);
}

TEST_P(LayoutTest, ASetWithoutQuestionsSpansItsInstructionBlock) {
  TQuiz quiz;
  quiz.Sets.Add(MakeSet(ptAddition, 5));
  quiz.Sets.Add(MakeSet(ptMoney, 0));
  quiz.Sets.Add(MakeSet(ptAddition, 1));
  Lay(quiz);
  const TQuestionSet& empty = quiz.Sets.Item(1);
  const TLayoutFrame f = Frame(quiz);
  EXPECT_EQ(empty.StartY, quiz.Sets.Item(0).EndY);
  EXPECT_EQ(empty.EndY, empty.StartY + MeasureInstructions(empty, f.Left, Pages(quiz), f));
  EXPECT_GT(empty.EndY, empty.StartY + StyleHeight("DEFAULT", "X"));
  const TDrawOp* line = Text(quiz, 1, "Calculate the total amount shown:");
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->Y1, empty.StartY);
  EXPECT_EQ(quiz.Sets.Item(2).StartY, empty.EndY);
  EXPECT_NE(Text(quiz, 1, Num(6)), nullptr);
}

TEST_P(LayoutTest, AGraphWithZeroIncrementsOrStepStillLaysOut) {
  for (const int count : {0, 5}) {
    for (const int step : {0, 10}) {
      for (const std::uint8_t bars : {0, 1}) {
        TQuiz quiz;
        quiz.Sets.Add(MakeSet(ptGraphs, 3));
        TQOptions& o = quiz.Sets.Item(0).Options;
        o.IncrementCount = count;
        o.IncrementStepSize = step;
        o.BarGraphType = bars;
        quiz.Sets.Add(MakeSet(ptAddition, 2));
        const TLayoutResult result = Lay(quiz);
        EXPECT_TRUE(result.Problems.empty());
        EXPECT_NE(Text(quiz, 1, Num(3)), nullptr) << count << " " << step;
        EXPECT_NE(Text(quiz, 1, Num(5)), nullptr) << count << " " << step;
        // The graph stays inside its block.
        const TQuestionSet& graph = quiz.Sets.Item(0);
        for (const TDrawOp& op : Pages(quiz).PageOps(1)->Ops()) {
          if (op.Kind != TOpKind::Rect && op.Kind != TOpKind::FillRect && op.Kind != TOpKind::Line) continue;
          if (op.Y1 < graph.StartY || op.Y1 > graph.EndY) continue;
          EXPECT_LE(std::max(op.X1, op.X2), Frame(quiz).RowLimit) << count << " " << step;
        }
      }
    }
  }
}

TEST_P(LayoutTest, AnUndrawableQuestionGetsANoteAndTheRestIsLaidOut) {
  TQuiz quiz;
  quiz.Sets.Add(MakeSet(ptFractions, 3, [](TQOptions& o) { o.FractionType = 1; }));
  quiz.Sets.Item(0).Item(1).SecondTerm = 15;
  quiz.Sets.Add(MakeSet(ptAddition, 2));
  const TLayoutResult result = Lay(quiz);
  ASSERT_EQ(result.Problems.size(), 1u);
  EXPECT_TRUE(result.Problems[0].starts_with("Question 2: ADenominator outside range")) << result.Problems[0];
  // A note in the question's place.
  bool note = false;
  for (const TDrawOp* op : Pages(quiz).PageOps(1)->TextOps())
    note = note || Pages(quiz).PageOps(1)->TextOf(*op).starts_with("(ADenominator outside range");
  EXPECT_TRUE(note);
  for (int n = 1; n <= 5; ++n) EXPECT_NE(PageOf(quiz, Num(n)), 0) << n;

  // The answer key reports it as well; a good quiz reports nothing.
  EXPECT_EQ(Lay(quiz, true).Problems.size(), 1u);
  quiz.Sets.Item(0).Item(1).SecondTerm = 12;
  EXPECT_TRUE(Lay(quiz).Problems.empty());
}

TEST_P(LayoutTest, HugeValuesFromEditedFilesStayBounded) {
  TQuiz quiz;
  quiz.Sets.Add(MakeSet(ptMoney, 2));
  quiz.Sets.Item(0).Item(0).FirstTerm = INT_MAX;
  quiz.Sets.Add(MakeSet(ptFractions, 2, [](TQOptions& o) { o.FractionType = 0; }));
  quiz.Sets.Item(1).Item(0).SecondTerm = 1000000000;
  quiz.Sets.Item(1).Item(0).FirstTerm = 1000000000;
  quiz.Sets.Add(MakeSet(ptGraphs, 2));
  quiz.Sets.Item(2).Options.IncrementCount = INT_MAX;
  quiz.Sets.Item(2).Options.BarGraphData = {INT_MAX, INT_MIN, 0, -5};
  quiz.Sets.Add(MakeSet(ptAddition, 3, [](TQOptions& o) { o.FirstTermType = 5; o.SecondTermType = 5; }));
  quiz.Sets.Item(3).Item(0).FirstTerm = INT_MIN;
  quiz.Sets.Item(3).Options.FirstTermType = 200;
  Lay(quiz, true);
  std::size_t ops = 0;
  for (int n = 1; n <= Pages(quiz).PageCount(); ++n) ops += Pages(quiz).PageOps(n)->Size();
  EXPECT_LE(Pages(quiz).PageCount(), 4);
  EXPECT_LT(ops, 20000u);
  EXPECT_NE(PageOf(quiz, Num(9)), 0);
}

TEST_P(LayoutTest, ALongSetRunsOverManyPagesWithHeadersOnEach) {
  TQuiz quiz;
  quiz.Sets.Add(MakeSet(ptAddition, 500, [](TQOptions& o) { o.FirstTermType = 3; o.SecondTermType = 3; }));
  Lay(quiz);
  const int pages = Pages(quiz).PageCount();
  EXPECT_GT(pages, 3);
  const int top = ContentTop(quiz);
  for (int n = 1; n <= pages; ++n) {
    EXPECT_NE(Text(quiz, n, "Name:"), nullptr) << n;
    // Nothing of a question reaches below the page body.
    for (const TDrawOp* op : Pages(quiz).PageOps(n)->TextOps()) {
      const std::string& text = Pages(quiz).PageOps(n)->TextOf(*op);
      if (!text.ends_with(")")) continue;
      EXPECT_GE(op->Y1, top) << text;
      EXPECT_LE(op->Y1 + DefaultProblemHeight(quiz.Sets.Item(0)), Pages(quiz).Bottom()) << text;
    }
  }
  EXPECT_EQ(quiz.Sets.Item(0).LastPage, pages);
  EXPECT_EQ(CountText(quiz, Num(500)), 1);
}

INSTANTIATE_TEST_SUITE_P(Papers, LayoutTest, testing::Values(kLetter600, kA4At300),
                         [](const testing::TestParamInfo<TPaperCase>& paper) { return std::string(paper.param.name); });

// A strip of paper four inches wide: two inches of row.
class NarrowPaperTest : public testing::Test {
protected:
  void SetUp() override {
    ReportFormats().LoadDefaults();
    printer.SetResolution(300, 300);
    printer.SetPhysicalSize(1200, 3300);
    printer.SetPrintableArea(0, 0, 1200, 3300);
    SetRandomState(7);
  }
  TFakePrinter printer;
};

TEST_F(NarrowPaperTest, AQuestionWiderThanTheRowGetsARowOfItsOwn) {
  TQuiz quiz;
  quiz.Sets.Add(MakeSet(ptTables, 3, [](TQOptions& o) { o.FirstTermType = 2; }));
  ASSERT_NO_THROW(Layout(quiz, false, &printer));
  const TMetaReport& pages = QuizPages(quiz);
  std::vector<const TDrawOp*> numbers;
  for (int n = 1; n <= 3; ++n) {
    for (int p = 1; p <= pages.PageCount(); ++p)
      if (const TDrawOp* op = pages.PageOps(p)->FindText(Num(n))) numbers.push_back(op);
  }
  ASSERT_EQ(numbers.size(), 3u);
  for (const TDrawOp* op : numbers) EXPECT_EQ(op->X1, pages.Left());
  EXPECT_TRUE(numbers[1]->Y1 > numbers[0]->Y1 || pages.PageCount() > 1);
}

TEST_F(NarrowPaperTest, AWordWiderThanItsColumnIsBrokenAndTheLayoutEnds) {
  TQuiz quiz;
  const std::string word(300, 'W');
  quiz.Sets.Add(MakeSet(ptTables, 1, [&](TQOptions& o) {
    o.FirstTermType = 2;
    o.ItemName = word;
  }));
  quiz.Sets.Add(MakeSet(ptAddition, 1, [](TQOptions& o) { o.FirstTermType = 0; o.SecondTermType = 0; }));
  Layout(quiz, false, &printer);
  const TMetaReport& pages = QuizPages(quiz);
  const TLayoutFrame f = MakeLayoutFrame(pages);
  // The instruction lines stand inside the left half of the row (the
  // questions repeat the word in lower case) and above the body's bottom.
  std::string joined;
  int lines = 0;
  for (int p = 1; p <= pages.PageCount(); ++p) {
    for (const TDrawOp* op : pages.PageOps(p)->TextOps()) {
      const std::string& text = pages.PageOps(p)->TextOf(*op);
      if (op->X1 != f.Left || text.find('W') == std::string::npos) continue;
      ++lines;
      joined += text;
      EXPECT_LE(op->X1 + op->X2, f.Left + (f.RowLimit - f.Left) / 2) << text;
      EXPECT_LE(op->Y1 + op->Y2, f.Bottom) << text;
    }
  }
  // The word is longer than the page body holds: as much as fits, then "...".
  EXPECT_GT(lines, 10);
  EXPECT_NE(joined.find(word.substr(0, 200)), std::string::npos) << joined;
  EXPECT_TRUE(joined.ends_with("...")) << joined;
  int numbers = 0;
  for (int p = 1; p <= pages.PageCount(); ++p) numbers += pages.PageOps(p)->FindText(Num(2)) != nullptr;
  EXPECT_EQ(numbers, 1);
}


// Texts of megabytes at the highest resolutions put positions far beyond
// the page, and the answer key draws them again: nothing on the way may
// overflow (the sanitized build stops at the first), the pages come out,
// and everything else stands exactly where it stands beside a short text.
TEST(FarBeyondThePage, MegabyteTextsMoveNothingElse) {
  const std::string huge(16u << 20, 'W');
  struct TCase {
    const char* name;
    int dpi;
    std::function<void(TQuiz&, const std::string&)> put;
  };
  auto graph = [](int type, std::string TQOptions::*field) {
    return [type, field](TQuiz& quiz, const std::string& text) {
      quiz.Sets.Add(MakeSet(ptGraphs, 2, [&](TQOptions& o) { o.BarGraphType = type; o.*field = text; }));
    };
  };
  const TCase cases[] = {
      {"footer", 2400,
       [](TQuiz& quiz, const std::string& text) {
         quiz.PrintFooterText = true;
         quiz.FooterText = text;
         quiz.Sets.Add(MakeSet(ptAddition, 40));
       }},
      {"graph caption, upright bars", 1200, graph(1, &TQOptions::TableDataCaption)},
      {"graph item name, upright bars", 1200, graph(1, &TQOptions::TableItemName)},
      {"graph caption, bars across", 1200, graph(0, &TQOptions::TableDataCaption)},
      {"graph item name, bars across", 2400, graph(0, &TQOptions::TableItemName)},
      {"table captions", 2400,
       [](TQuiz& quiz, const std::string& text) {
         quiz.Sets.Add(MakeSet(ptTables, 2, [&](TQOptions& o) { o.TableDataCaption = o.TableItemName = text; }));
       }},
  };
  // The ops of every page but the texts made of the text under test.
  auto others = [](TQuiz& quiz) {
    std::vector<std::vector<TDrawOp>> pages;
    const TMetaReport& store = QuizPages(quiz);
    for (int n = 1; n <= store.PageCount(); ++n) {
      const TDisplayList& page = *store.PageOps(n);
      std::vector<TDrawOp>& kept = pages.emplace_back();
      for (const TDrawOp& op : page.Ops()) {
        const std::string& text = page.TextOf(op);
        if (op.Kind != TOpKind::Text || text.find_first_not_of("W.") != std::string::npos) kept.push_back(op);
      }
    }
    return pages;
  };
  ReportFormats().LoadDefaults();
  for (const TCase& c : cases) {
    TFakePrinter printer;
    printer.SetResolution(c.dpi, c.dpi);
    printer.SetPhysicalSize(17 * c.dpi / 2, 11 * c.dpi);
    printer.SetPrintableArea(c.dpi / 4, c.dpi / 4, 8 * c.dpi, 21 * c.dpi / 2);
    for (const bool answers : {false, true}) {
      SetRandomState(5);
      TQuiz tame;
      c.put(tame, "W");
      Layout(tame, answers, &printer);
      SetRandomState(5);
      TQuiz hostile;
      c.put(hostile, huge);
      ASSERT_NO_THROW(Layout(hostile, answers, &printer)) << c.name;
      const auto expected = others(tame), got = others(hostile);
      ASSERT_EQ(got.size(), expected.size()) << c.name;
      for (std::size_t p = 0; p < got.size(); ++p) {
        ASSERT_EQ(got[p].size(), expected[p].size()) << c.name << ", page " << p + 1;
        for (std::size_t i = 0; i < got[p].size(); ++i) {
          const TDrawOp &a = got[p][i], &b = expected[p][i];
          EXPECT_TRUE(a.Kind == b.Kind && a.X1 == b.X1 && a.Y1 == b.Y1 && a.X2 == b.X2 && a.Y2 == b.Y2)
              << c.name << ", page " << p + 1 << ", op " << i;
        }
      }
      // A footer is cut short with "..." inside the row, before the number.
      if (hostile.PrintFooterText) {
        const TLayoutFrame f = MakeLayoutFrame(QuizPages(hostile));
        for (int n = 1; n <= QuizPages(hostile).PageCount(); ++n) {
          const TDrawOp* footer = nullptr;
          for (const TDrawOp* op : QuizPages(hostile).PageOps(n)->TextOps())
            if (QuizPages(hostile).PageOps(n)->TextOf(*op).ends_with("W...")) footer = op;
          ASSERT_NE(footer, nullptr) << n;
          EXPECT_EQ(footer->X1, f.Left);
          EXPECT_LE(footer->X1 + footer->X2, f.RowLimit);
        }
      }
    }
  }
}

}  // namespace
}  // namespace sumcraft
