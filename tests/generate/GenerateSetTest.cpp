#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "TestHelpers.h"
#include "generate/GenerationError.h"
#include "generate/Terms.h"

using namespace sumcraft;
using test::OptionsFor;

namespace {
using Pairs = std::vector<std::pair<std::int32_t, std::int32_t>>;
Pairs TermsOf(const TQuestionSet& s) {
  Pairs out;
  for (const auto& q : s.Questions()) out.emplace_back(q.FirstTerm, q.SecondTerm);
  return out;
}
}  // namespace

// Sequences computed by an independent implementation of the same rules;
// other tools compare our output with theirs bit for bit.
TEST(GenerateSet, ReproducesPinnedSequences) {
  TQuestionSet add;
  add.Options.FirstTermType = add.Options.SecondTermType = 1;
  add.Options.Regrouping = true;
  SetRandomState(12345);
  Generate(add, 6);
  EXPECT_EQ(TermsOf(add), (Pairs{{44, 35}, {17, 59}, {66, 40}, {49, 17}, {12, 92}, {96, 38}}));

  TQuestionSet sub;
  sub.Options.Operand = ptSubtraction;
  sub.Options.FirstTermType = 2;
  sub.Options.SecondTermType = 1;
  SetRandomState(12345);
  Generate(sub, 6);
  EXPECT_EQ(TermsOf(sub), (Pairs{{446, 35}, {669, 40}, {558, 47}, {798, 88}, {787, 21}, {869, 34}}));

  TQuestionSet cmp;
  cmp.Options.Operand = ptFractions;
  cmp.Options.FractionType = 5;
  SetRandomState(777);
  Generate(cmp, 5);
  EXPECT_EQ(TermsOf(cmp), (Pairs{{604, 901}, {603, 1004}, {502, 1506}, {701, 604}, {704, 301}}));
}

TEST(GenerateSet, ReplacesEveryQuestionAndZeroEmpties) {
  TQuestionSet s;
  s.Options.Regrouping = true;
  Generate(s, 10);
  EXPECT_EQ(s.Count(), 10u);
  for (const auto& q : s.Questions()) {
    EXPECT_EQ(q.Operand, ptAddition);
    EXPECT_EQ(q.SymbolType, 0);
  }
  Generate(s, 3);
  EXPECT_EQ(s.Count(), 3u);
  Generate(s, 0);
  EXPECT_EQ(s.Count(), 0u);
  Generate(s, -4);
  EXPECT_EQ(s.Count(), 0u);
}

TEST(GenerateSet, TableAndGraphDataAreDrawnEvenForNoQuestions) {
  TQuestionSet tables;
  tables.Options.Operand = ptTables;
  tables.Options.FirstTermType = 3;
  Generate(tables, 0);
  EXPECT_NE(tables.Options.TableData, (std::array<std::int32_t, 4>{1, 2, 3, 4}));
  for (std::int32_t v : tables.Options.TableData) EXPECT_GE(v, 1000);

  TQuestionSet graphs;
  graphs.Options.Operand = ptGraphs;
  SetRandomState(2);
  const auto before = graphs.Options.BarGraphData;
  Generate(graphs, 0);
  Generate(graphs, 0);
  EXPECT_NE(graphs.Options.BarGraphData, before);
}

TEST(GenerateSet, RepeatsOnlyWhenTheOptionsRunOut) {
  TQuestionSet s;
  s.Options.Operand = ptMultiplication;
  s.Options.TimesTable[3] = 1;  // 4 x 1 .. 4 x 4
  Generate(s, 10);
  std::set<std::pair<std::int32_t, std::int32_t>> distinct;
  for (const auto& q : s.Questions()) distinct.insert({q.FirstTerm, q.SecondTerm});
  EXPECT_EQ(distinct.size(), 4u);
  EXPECT_EQ(s.Count(), 10u);
  std::set<std::pair<std::int32_t, std::int32_t>> firstFour(
      {{s.Item(0).FirstTerm, s.Item(0).SecondTerm}, {s.Item(1).FirstTerm, s.Item(1).SecondTerm},
       {s.Item(2).FirstTerm, s.Item(2).SecondTerm}, {s.Item(3).FirstTerm, s.Item(3).SecondTerm}});
  EXPECT_EQ(firstFour.size(), 4u) << "the distinct facts come first";
}

TEST(GenerateSet, TimeToTheHourHasTwelveDistinctQuestions) {
  TQuestionSet s;
  s.Options.Operand = ptTime;
  s.Options.FirstTermType = 0;
  Generate(s, 12);
  std::set<std::int32_t> hours;
  for (const auto& q : s.Questions()) hours.insert(q.FirstTerm);
  EXPECT_EQ(hours.size(), 12u);
}

TEST(GenerateSet, RoundingAvoidsNumbersAlreadyRounded) {
  TQuestionSet s;
  s.Options.Operand = ptRounding;
  s.Options.FirstTermType = 1;
  s.Options.SecondTermType = 1;
  for (std::uint32_t seed = 0; seed < 50; ++seed) {
    SetRandomState(seed);
    Generate(s, 30);
    for (const auto& q : s.Questions()) EXPECT_NE(q.FirstTerm % 10, 0) << q.FirstTerm;
  }
  // When every number is a multiple of the place, the 200th attempt is taken.
  s.Options.SecondTermType = 0;
  Generate(s, 2);
  EXPECT_EQ(s.Count(), 2u);
}

TEST(IsDuplicate, RulesPerProblemType) {
  TQuizQuestion a, b;
  a.Operand = b.Operand = ptAddition;
  a.FirstTerm = b.FirstTerm = 3;
  a.SecondTerm = 5;
  b.SecondTerm = 5;
  EXPECT_TRUE(IsDuplicate({a}, b));
  b.FirstTerm = 5;
  b.SecondTerm = 3;
  EXPECT_FALSE(IsDuplicate({a}, b)) << "3 + 5 and 5 + 3 are different questions";

  a.Operand = b.Operand = ptMoney;
  b.FirstTerm = a.FirstTerm;
  b.SecondTerm = 99;
  EXPECT_TRUE(IsDuplicate({a}, b)) << "money compares the coins only";

  a.Operand = b.Operand = ptFractions;
  b = a;
  b.FractionProblemType = 1;
  EXPECT_FALSE(IsDuplicate({a}, b));

  a.Operand = b.Operand = ptTables;
  b = a;
  b.TableProblemType = 2;
  EXPECT_FALSE(IsDuplicate({a}, b));
  b.TableProblemType = a.TableProblemType;
  EXPECT_TRUE(IsDuplicate({a}, b));

  a.Operand = b.Operand = 8;
  b = a;
  EXPECT_FALSE(IsDuplicate({a}, b)) << "unknown types never repeat";

  TQuizQuestion r;
  r.Operand = ptRounding;
  r.FirstTerm = 40;
  r.SecondTerm = 1;
  EXPECT_TRUE(IsDuplicate(std::vector<TQuizQuestion>{}, r)) << "already a multiple of its place";
}

TEST(GenerateSet, AFailedGenerationKeepsThePreviousQuestions) {
  TQuestionSet s;
  s.Options.Operand = ptSubtraction;
  s.Options.FirstTermType = 1;
  Generate(s, 5);
  const Pairs before = TermsOf(s);
  s.Options.SecondTermType = 3;
  EXPECT_THROW(Generate(s, 5), GenerationError);
  EXPECT_EQ(TermsOf(s), before);
}

TEST(GenerateSet, EveryProblemTypeAndUnknownCodesFinish) {
  for (int op = 0; op < 256; ++op) {
    TQuestionSet s;
    s.Options.Operand = static_cast<std::uint8_t>(op);
    s.Options.TimesTable[0] = 7;
    s.Options.CoinsToUse = 15;
    s.Options.DivisionType = static_cast<std::uint8_t>(op % 2);
    s.Options.DividendType = 2;
    Generate(s, 20);
    EXPECT_EQ(s.Count(), 20u) << op;
  }
}

TEST(GenerateSet, IndexedDuplicateRejectionMatchesTheLiteralScan) {
  // Options chosen so that repeats are common and the 200-attempt rule and
  // the rounding rule both come into play.
  std::vector<TQOptions> variants;
  for (std::uint8_t op : {0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 12}) {
    TQOptions o;
    o.Operand = op;
    o.TimesTable[2] = 3;
    o.CoinsToUse = 8;
    o.FirstTermType = op == ptRounding ? 1 : 0;
    o.SecondTermType = op == ptRounding ? 1 : 0;
    o.IncrementCount = 3;
    variants.push_back(o);
    o.FractionType = 5;
    o.DivisionType = 1;
    o.DividendType = 1;
    o.Regrouping = true;
    variants.push_back(o);
  }
  for (const TQOptions& o : variants) {
    for (std::uint32_t seed : {1u, 77u, 4096u, 0xFFFFFFFFu}) {
      TQuestionSet fast, literal;
      fast.Options = literal.Options = o;
      SetRandomState(seed);
      Generate(fast, 60);
      const std::uint32_t stateAfterFast = RandomState();
      SetRandomState(seed);
      GenerateLiteral(literal, 60);
      ASSERT_EQ(RandomState(), stateAfterFast) << "same number of draws, type " << int(o.Operand);
      ASSERT_EQ(fast.Count(), literal.Count());
      for (std::size_t i = 0; i < fast.Count(); ++i)
        ASSERT_TRUE(fast.Item(i).SameAs(literal.Item(i))) << "type " << int(o.Operand) << " seed " << seed;
      EXPECT_EQ(fast.Options, literal.Options);
    }
  }
}
