#include <gtest/gtest.h>

#include <set>

#include "TestHelpers.h"
#include "generate/AnswerText.h"
#include "generate/Generators.h"
#include "generate/TableProblems.h"

using namespace sumcraft;
using test::OptionsFor;
using test::Sample;

TEST(TableData, DigitsAndRounding) {
  TQOptions o = OptionsFor(ptTables);
  o.FirstTermType = 1;
  o.SecondTermType = 0;
  SetRandomState(8);
  std::set<std::int32_t> plain, rounded;
  for (int i = 0; i < 3000; ++i) {
    GenerateTableData(o);
    plain.insert(o.TableData.begin(), o.TableData.end());
  }
  EXPECT_EQ(*plain.begin(), 10);
  EXPECT_EQ(*plain.rbegin(), 98);
  o.SecondTermType = 1;
  for (int i = 0; i < 3000; ++i) {
    GenerateTableData(o);
    for (std::int32_t v : o.TableData) EXPECT_EQ(v % 10, 0);
    rounded.insert(o.TableData.begin(), o.TableData.end());
  }
  EXPECT_EQ(*rounded.begin(), 10);
  EXPECT_EQ(*rounded.rbegin(), 100);
}

TEST(GraphData, DefaultBarsAreDistinctTensBelowTheTop) {
  TQOptions o = OptionsFor(ptGraphs);
  SetRandomState(4);
  for (int i = 0; i < 2000; ++i) {
    GenerateGraphData(o);
    const std::set<std::int32_t> bars(o.BarGraphData.begin(), o.BarGraphData.end());
    EXPECT_EQ(bars.size(), 4u);
    EXPECT_GE(*bars.begin(), 10);
    EXPECT_LE(*bars.rbegin(), 90);
    for (std::int32_t v : bars) EXPECT_EQ(v % 10, 0);
  }
}

TEST(GraphData, FewOrNoIncrementsGiveOneStepBars) {
  for (std::int32_t count : {2, 1, 0, -5}) {
    TQOptions o = OptionsFor(ptGraphs);
    o.IncrementCount = count;
    o.IncrementStepSize = 100;
    SetRandomState(11);
    GenerateGraphData(o);
    EXPECT_EQ(o.BarGraphData, (std::array<std::int32_t, 4>{100, 100, 100, 100})) << count;
  }
}

TEST(GraphData, ValuesThatCannotBeDistinctStillFinish) {
  TQOptions o = OptionsFor(ptGraphs);
  o.IncrementCount = 10;
  o.IncrementStepSize = 0;
  GenerateGraphData(o);
  EXPECT_EQ(o.BarGraphData, (std::array<std::int32_t, 4>{0, 0, 0, 0}));
  o.IncrementStepSize = INT32_MAX;  // every product clamps to the same value
  o.IncrementCount = 1000;
  GenerateGraphData(o);
  for (std::int32_t v : o.BarGraphData) EXPECT_GT(v, 0);
}

TEST(TableQuestions, KindsAndRowsFollowTheData) {
  TQOptions o = OptionsFor(ptTables);
  o.TableData = {40, 10, 30, 20};
  std::set<int> kinds;
  bool firstRowAsLarger = false, firstRowInFewer = false;
  for (const auto& q : Sample(o, 3000)) {
    kinds.insert(q.TableProblemType);
    EXPECT_NE(q.FirstTerm, q.SecondTerm);
    const auto a = o.TableData[static_cast<std::size_t>(q.FirstTerm)];
    const auto b = o.TableData[static_cast<std::size_t>(q.SecondTerm)];
    if (q.TableProblemType == 1) {
      EXPECT_GT(a, b);
      firstRowAsLarger = firstRowAsLarger || q.FirstTerm == 0;
    }
    if (q.TableProblemType == 2) {
      EXPECT_LT(a, b);
      firstRowInFewer = firstRowInFewer || q.FirstTerm == 0 || q.SecondTerm == 0;
    }
    EXPECT_GE(AnswerValue(q, o), 0);
  }
  EXPECT_EQ(kinds, (std::set<int>{0, 1, 2}));
  EXPECT_FALSE(firstRowAsLarger) << "a 'more' question never picks the first row as the larger";
  EXPECT_TRUE(firstRowInFewer);
}

TEST(TableQuestions, AtMostTwelveDistinctPairsOfKindZero) {
  TQOptions o = OptionsFor(ptGraphs);
  std::set<std::pair<int, int>> pairs;
  for (const auto& q : Sample(o, 3000))
    if (q.TableProblemType == 0) pairs.insert({q.FirstTerm, q.SecondTerm});
  EXPECT_EQ(pairs.size(), 12u);
}

TEST(TableQuestions, ExhaustedDrawsStillAskATrueQuestion) {
  TQOptions o = OptionsFor(ptTables);
  o.TableData = {50, 10, 10, 10};  // "more" can never pick a larger row
  for (const auto& q : Sample(o, 2000)) {
    EXPECT_NE(q.FirstTerm, q.SecondTerm);
    EXPECT_GE(AnswerValue(q, o), 0) << int(q.TableProblemType) << " " << q.FirstTerm << " " << q.SecondTerm;
  }
  o.TableData = {7, 7, 7, 7};
  for (const auto& q : Sample(o, 500)) {
    EXPECT_NE(q.FirstTerm, q.SecondTerm);
    if (q.TableProblemType != 0) {
      EXPECT_EQ(AnswerValue(q, o), 0);
    }
  }
}

TEST(WordProblems, PeopleKindsAndItemNames) {
  TQOptions o = OptionsFor(ptTables);
  TQuizQuestion q;
  q.Operand = ptTables;
  q.FirstTerm = 0;
  q.SecondTerm = 1;
  q.TableProblemType = 0;
  EXPECT_EQ(WordProblemText(q, o), "How many apples were picked by Alice and Bob combined?");
  q.TableProblemType = 1;
  EXPECT_EQ(WordProblemText(q, o), "How many more apples were picked by Alice than Bob?");
  q.TableProblemType = 2;
  o.ItemName = "Apples";
  EXPECT_EQ(WordProblemText(q, o), "How many fewer apples were picked by Alice than Bob?");

  o.TableDataType = 0;
  o.TableNames = {"Red", "Green", "", ""};
  o.ActionName = "sold";
  q.TableProblemType = 1;
  EXPECT_EQ(WordProblemText(q, o), "How many more red apples were sold than green apples?");
  q.TableProblemType = 0;
  EXPECT_EQ(WordProblemText(q, o), "How many red and green apples were sold in all?");

  o.TableUseItemName = false;
  o.TableNames = {"Cats", "Dogs", "", ""};
  o.ActionName = "adopted";
  EXPECT_EQ(WordProblemText(q, o), "How many cats and dogs were adopted in all?");
  q.TableProblemType = 2;
  EXPECT_EQ(WordProblemText(q, o), "How many fewer cats were adopted than dogs?");
}

TEST(WordProblems, EmptyTextsAndDamagedRowIndexes) {
  TQOptions o = OptionsFor(ptTables);
  o.ItemName.clear();
  o.ActionName.clear();
  o.TableNames = {"", "", "", ""};
  TQuizQuestion q;
  q.Operand = ptTables;
  q.SecondTerm = 1;
  EXPECT_EQ(WordProblemText(q, o), "How many  were  by  and  combined?");
  q.FirstTerm = 7;
  q.SecondTerm = -2;
  EXPECT_EQ(WordProblemText(q, o), "How many  were  by  and  combined?");
  EXPECT_EQ(AnswerValue(q, o), 0);
}

TEST(WordProblems, LowerCaseCoversAccentedLetters) {
  EXPECT_EQ(LowerCase1252("\xC9" "clairs"), "\xE9" "clairs");  // Éclairs
  EXPECT_EQ(LowerCase1252("MIXED Case 42"), "mixed case 42");
}
