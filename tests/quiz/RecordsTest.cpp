#include <gtest/gtest.h>

#include "quiz/QOptions.h"
#include "quiz/QuestionSet.h"
#include "quiz/QuizQuestion.h"

using namespace sumcraft;

TEST(QOptions, NewRecordHoldsTheDocumentedDefaults) {
  const TQOptions o;
  EXPECT_EQ(o.Operand, ptAddition);
  EXPECT_EQ(o.TimesTable, (std::array<std::int32_t, 12>{}));
  EXPECT_EQ(o.TableData, (std::array<std::int32_t, 4>{1, 2, 3, 4}));
  EXPECT_EQ(o.BarGraphData, (std::array<std::int32_t, 4>{10, 20, 30, 40}));
  EXPECT_EQ(o.TableNames, (std::array<std::string, 4>{"Alice", "Bob", "Carol", "David"}));
  EXPECT_EQ(o.IncrementCount, 10);
  EXPECT_EQ(o.IncrementStepSize, 10);
  EXPECT_EQ(o.TableDataType, 1);
  EXPECT_TRUE(o.TableUseItemName);
  EXPECT_EQ(o.TableDataCaption, "Apples");
  EXPECT_EQ(o.TableItemName, "Name");
  EXPECT_EQ(o.GraphTitle, "TITLE");
  EXPECT_EQ(o.ActionPredicate, "by a group of students.");
  EXPECT_FALSE(o.StartOnNewPage);
}

TEST(QOptions, AssignCopiesEverythingAndSharesNothing) {
  TQOptions source;
  source.AllDenominatorsAlike = true;
  source.TableUseItemName = false;
  source.GraphTitle = "Pets";
  source.TimesTable[6] = 5;
  source.TableNames[2] = "Zoe";
  TQOptions copy;
  copy.Assign(source);
  EXPECT_EQ(copy, source);
  copy.GraphTitle = "Changed";
  copy.TableNames[2] = "Other";
  copy.TimesTable[6] = 0;
  EXPECT_EQ(source.GraphTitle, "Pets");
  EXPECT_EQ(source.TableNames[2], "Zoe");
  EXPECT_EQ(source.TimesTable[6], 5);
}

TEST(QuizQuestion, AssignToCopiesTheTermsButKeepsTheTargetsDrawnWidth) {
  TQuizQuestion q;
  q.FirstTerm = 2034;
  q.SecondTerm = -7;
  q.Operand = ptMoney;
  q.SymbolType = 1;
  q.FractionProblemType = 3;
  q.DivisionProblemType = 1;
  q.TableProblemType = 2;
  q.DrawnWidth = 55;
  TQuizQuestion target;
  target.DrawnWidth = 120;
  q.AssignTo(target);
  EXPECT_TRUE(target.SameAs(q));
  EXPECT_EQ(target.DrawnWidth, 120);
}

TEST(QuizQuestion, PackedFractionsUseHundreds) {
  EXPECT_EQ(PackFraction(3, 5), 503);
  EXPECT_EQ(Numerator(503), 3);
  EXPECT_EQ(Denominator(503), 5);
  EXPECT_EQ(Numerator(1522), 22);
  EXPECT_EQ(Denominator(1522), 15);
}

namespace {
TQuestionSet SetOf(int n) {
  TQuestionSet s;
  for (int i = 0; i < n; ++i) {
    TQuizQuestion q;
    q.FirstTerm = i;
    q.SecondTerm = 100 - i;
    s.Add(q);
  }
  return s;
}
}  // namespace

TEST(QuestionSet, AssignMakesAnIndependentCopy) {
  TQuestionSet source = SetOf(7);
  source.Options.Operand = ptSubtraction;
  source.FirstPage = 3;
  TQuestionSet copy;
  copy.Assign(source);
  ASSERT_EQ(copy.Count(), 7u);
  for (std::size_t i = 0; i < 7; ++i) EXPECT_TRUE(copy.Item(i).SameAs(source.Item(i)));
  EXPECT_EQ(copy.Options, source.Options);
  EXPECT_EQ(copy.FirstPage, 0) << "layout fields are not copied";
  copy.Delete(0);
  EXPECT_EQ(source.Count(), 7u);
  source.Delete(6);
  EXPECT_EQ(copy.Count(), 6u);
}

TEST(QuestionSets, AddCopyNeverHoldsTheArgument) {
  TQuestionSets sets;
  TQuestionSet original = SetOf(3);
  sets.AddCopy(original);
  original.Clear();
  original.Options.Operand = ptMoney;
  ASSERT_EQ(sets.Count(), 1u);
  EXPECT_EQ(sets.Item(0).Count(), 3u);
  EXPECT_EQ(sets.Item(0).Options.Operand, ptAddition);
  sets.Delete(0);
  EXPECT_EQ(sets.Count(), 0u);
  EXPECT_THROW(sets.Delete(0), std::out_of_range);
}

TEST(QuestionSet, InstructionLineByProblemType) {
  TQuestionSet s;
  auto line = [&s](std::uint8_t op) {
    s.Options.Operand = op;
    return s.InstructionsText();
  };
  for (std::uint8_t op : {0, 1, 2, 3, 8, 11, 13, 255}) EXPECT_EQ(line(op), "") << int(op);
  s.Options.ComparisonSymbolType = 1;
  EXPECT_EQ(line(ptComparison), "Circle the symbol that makes each comparison correct:");
  s.Options.ComparisonSymbolType = 0;
  EXPECT_EQ(line(ptComparison), "Circle the text that makes each comparison correct:");
  EXPECT_EQ(line(ptMoney), "Calculate the total amount shown:");
  EXPECT_EQ(line(ptTime), "Write the displayed time below each clock:");

  const char* fractions[] = {"Write the fraction of the shape that is shaded:",
                             "Write the fraction of the set that is shaded:",
                             "Circle the symbol that makes each comparison correct:",
                             "Write the correct reduced fraction for each problem:",
                             "Write the correct reduced fraction for each problem:",
                             "Circle the symbol that makes each comparison correct:",
                             ""};
  for (std::uint8_t t = 0; t <= 6; ++t) {
    s.Options.FractionType = t;
    EXPECT_EQ(line(ptFractions), fractions[t]) << int(t);
  }
}

TEST(QuestionSet, RoundingInstructionNamesThePlace) {
  TQuestionSet s;
  s.Options.Operand = ptRounding;
  const char* places[] = {"10:", "10:", "100:", "1,000:", "10,000:", "100,000:"};
  for (std::uint8_t code = 0; code <= 5; ++code) {
    s.Options.SecondTermType = code;
    EXPECT_EQ(s.InstructionsText(), std::string("Round each number to the nearest ") + places[code]);
  }
  s.Options.SecondTermType = 6;
  EXPECT_EQ(s.InstructionsText(), "");
}

TEST(QuestionSet, TableAndGraphInstructionSentences) {
  TQuestionSet s;
  s.Options.Operand = ptTables;
  EXPECT_EQ(s.InstructionsText(),
            "The table to the right shows the number of apples picked by a group of students.  "
            "Use the information in the table to answer the following questions:");
  s.Options.TableDataType = 0;
  s.Options.ItemName.clear();
  s.Options.ActionName.clear();
  s.Options.ActionPredicate.clear();
  EXPECT_EQ(s.InstructionsText(),
            "The table to the right lists different kinds of     "
            "Use the information in the table to answer the following questions:");
  s.Options.Operand = ptGraphs;
  s.Options.TableDataType = 7;  // any non-zero value is the "shows the number of" form
  EXPECT_EQ(s.InstructionsText(),
            "The graph to the right shows the number of     "
            "Use the information in the graph to answer the following questions:");
}

TEST(QuestionSet, QuestionsPerRowByProblemType) {
  TQuestionSet s;
  auto perRow = [&s](std::uint8_t op, std::uint8_t fractionType = 0) {
    s.Options.Operand = op;
    s.Options.FractionType = fractionType;
    return s.QuestionsPerRow();
  };
  for (std::uint8_t op : {0, 1, 2, 3, 4, 9, 8, 13}) EXPECT_EQ(perRow(op), 5) << int(op);
  EXPECT_EQ(perRow(ptMoney), 2);
  EXPECT_EQ(perRow(ptFractions, 0), 3);
  EXPECT_EQ(perRow(ptFractions, 1), 5);
  EXPECT_EQ(perRow(ptTime), 3);
  EXPECT_EQ(perRow(ptTables), 2);
  EXPECT_EQ(perRow(ptGraphs), 3);
  EXPECT_EQ(perRow(11), 3);
}
