#include <gtest/gtest.h>

#include <map>
#include <set>

#include "TestHelpers.h"
#include "generate/GenerationError.h"
#include "generate/Terms.h"

using namespace sumcraft;
using test::OptionsFor;
using test::Sample;

namespace {
bool DigitwiseNoBorrow(std::int32_t a, std::int32_t b) {
  for (; a || b; a /= 10, b /= 10)
    if (a % 10 < b % 10) return false;
  return true;
}
}  // namespace

TEST(Addition, OneDigitWithoutRegroupingNeverCarries) {
  TQOptions o = OptionsFor(ptAddition);
  for (const auto& q : Sample(o, 2000)) {
    EXPECT_GE(q.FirstTerm, 1);
    EXPECT_GE(q.SecondTerm, 1);
    EXPECT_LE(q.FirstTerm + q.SecondTerm, 9);
  }
}

TEST(Addition, ZeroOnlyAsAOneDigitSecondTermWhenAllowed) {
  TQOptions o = OptionsFor(ptAddition);
  o.Regrouping = true;
  o.UseZero = true;
  bool sawZero = false;
  for (const auto& q : Sample(o, 2000)) {
    EXPECT_NE(q.FirstTerm, 0);
    sawZero = sawZero || q.SecondTerm == 0;
  }
  EXPECT_TRUE(sawZero);
  o.SecondTermType = 1;
  for (const auto& q : Sample(o, 2000)) EXPECT_GE(q.SecondTerm, 10);
}

TEST(Addition, RegroupingAllowsButDoesNotForceCarries) {
  TQOptions o = OptionsFor(ptAddition);
  o.Regrouping = true;
  o.FirstTermType = o.SecondTermType = 1;
  int carries = 0, plain = 0;
  for (const auto& q : Sample(o, 2000)) {
    (NeedsRegrouping(ptAddition, q.FirstTerm, q.SecondTerm) ? carries : plain)++;
    EXPECT_NE(q.FirstTerm, 99);
    EXPECT_NE(q.SecondTerm, 99);
  }
  EXPECT_GT(carries, 0);
  EXPECT_GT(plain, 0);
}

TEST(Addition, ShortFirstTermWithLongSecondTermOnlyChecksSharedColumns) {
  TQOptions o = OptionsFor(ptAddition);
  o.FirstTermType = 0;
  o.SecondTermType = 5;
  for (const auto& q : Sample(o, 1000)) {
    EXPECT_LE(q.FirstTerm + q.SecondTerm % 10, 9);
    EXPECT_GE(q.SecondTerm, 100000);
    EXPECT_FALSE(NeedsRegrouping(ptAddition, q.FirstTerm, q.SecondTerm));
  }
}

TEST(Subtraction, OneDigitRanges) {
  TQOptions o = OptionsFor(ptSubtraction);
  o.Regrouping = true;
  std::set<std::int32_t> firsts;
  for (const auto& q : Sample(o, 3000)) {
    EXPECT_GE(q.SecondTerm, 1);
    EXPECT_LT(q.SecondTerm, q.FirstTerm);
    firsts.insert(q.FirstTerm);
  }
  EXPECT_EQ(*firsts.begin(), 2);
  EXPECT_EQ(*firsts.rbegin(), 9);
  o.UseZero = true;
  firsts.clear();
  for (const auto& q : Sample(o, 3000)) {
    EXPECT_GE(q.SecondTerm, 0);
    EXPECT_LT(q.SecondTerm, q.FirstTerm);
    firsts.insert(q.FirstTerm);
  }
  EXPECT_EQ(*firsts.begin(), 1);
}

TEST(Subtraction, WithoutRegroupingEveryColumnIsLargerOrEqual) {
  TQOptions o = OptionsFor(ptSubtraction);
  o.FirstTermType = 1;
  o.SecondTermType = 1;
  for (const auto& q : Sample(o, 2000)) {
    EXPECT_GT(q.FirstTerm, q.SecondTerm);
    EXPECT_TRUE(DigitwiseNoBorrow(q.FirstTerm, q.SecondTerm)) << q.FirstTerm << " - " << q.SecondTerm;
  }
}

TEST(Subtraction, ImpossibleTermSizesRaiseInsteadOfLooping) {
  TQOptions o = OptionsFor(ptSubtraction);
  o.FirstTermType = 1;
  o.SecondTermType = 2;
  TQuizQuestion q;
  try {
    Generate(q, o);
    FAIL() << "expected an error";
  } catch (const GenerationError& e) {
    EXPECT_STREQ(e.what(), "First term has fewer digits in subtraction.");
  }
  // A code above 5 gives a first term of 1, which no one-digit second term
  // without zero can be below.
  o.FirstTermType = 6;
  o.SecondTermType = 0;
  EXPECT_THROW(Generate(q, o), GenerationError);
  // With zero allowed, 1 - 0 is a valid question.
  o.UseZero = true;
  Generate(q, o);
  EXPECT_EQ(q.FirstTerm, 1);
  EXPECT_EQ(q.SecondTerm, 0);
}

TEST(TimesTables, OnlySelectedTablesAndFactorGroups) {
  TQOptions o = OptionsFor(ptMultiplication);
  o.TimesTable[6] = 1 | 4;  // table 7, factors 1-4 and 9-12
  std::set<std::int32_t> factors;
  for (const auto& q : Sample(o, 1000)) {
    EXPECT_EQ(q.FirstTerm, 7);
    factors.insert(q.SecondTerm);
  }
  EXPECT_EQ(factors, (std::set<std::int32_t>{1, 2, 3, 4, 9, 10, 11, 12}));
}

TEST(TimesTables, EverySelectedTableIsUsed) {
  TQOptions o = OptionsFor(ptMultiplication);
  o.TimesTable[1] = 7;
  o.TimesTable[11] = 9;  // a mask of 8 or 9 accepts every factor
  std::map<std::int32_t, std::set<std::int32_t>> seen;
  for (const auto& q : Sample(o, 2000)) seen[q.FirstTerm].insert(q.SecondTerm);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[2].size(), 12u);
  EXPECT_EQ(seen[12].size(), 12u);
}

TEST(TimesTables, NoTableSelectedGivesDegenerateFacts) {
  TQOptions o = OptionsFor(ptMultiplication);
  for (const auto& q : Sample(o, 10)) {
    EXPECT_EQ(q.FirstTerm, 0);
    EXPECT_EQ(q.SecondTerm, 0);
  }
  o.Operand = ptDivision;
  for (const auto& q : Sample(o, 10)) {
    EXPECT_EQ(q.FirstTerm, 1);
    EXPECT_EQ(q.SecondTerm, 1);
    EXPECT_EQ(q.DivisionProblemType, 0);
  }
}

TEST(OpenMultiplication, NeverUsesZero) {
  TQOptions o = OptionsFor(ptMultiplication);
  o.MultiplicationType = 1;
  o.FirstTermType = 2;
  o.SecondTermType = 0;
  for (const auto& q : Sample(o, 1000)) {
    EXPECT_GE(q.FirstTerm, 100);
    EXPECT_LE(q.FirstTerm, 998);
    EXPECT_GE(q.SecondTerm, 1);
    EXPECT_LE(q.SecondTerm, 9);
  }
}

TEST(DivisionTables, DivideEvenlyInTheChosenGroups) {
  TQOptions o = OptionsFor(ptDivision);
  o.TimesTable[5] = 2;  // table 6, quotients 5-8
  std::set<std::int32_t> dividends;
  for (const auto& q : Sample(o, 500)) {
    EXPECT_EQ(q.SecondTerm, 6);
    dividends.insert(q.FirstTerm);
  }
  EXPECT_EQ(dividends, (std::set<std::int32_t>{30, 36, 42, 48}));
}

TEST(LongDivision, EvenDivisionKeepsTheDividendLengthAndAQuotientOfTwoOrMore) {
  TQOptions o = OptionsFor(ptDivision);
  o.DivisionType = 1;
  for (std::uint8_t dividend = 1; dividend <= 5; ++dividend) {
    for (std::uint8_t divisor = 0; divisor < dividend; ++divisor) {
      o.DividendType = dividend;
      o.DivisorType = divisor;
      const TermRange digits = RandomTermRange(dividend, false);
      for (const auto& q : Sample(o, 300)) {
        ASSERT_GT(q.SecondTerm, 0);
        EXPECT_EQ(q.FirstTerm % q.SecondTerm, 0);
        EXPECT_GE(q.FirstTerm / q.SecondTerm, 2);
        EXPECT_GE(q.FirstTerm, digits.lo);
        EXPECT_LE(q.FirstTerm, digits.hi);
        EXPECT_EQ(q.DivisionProblemType, 1);
      }
    }
  }
}

TEST(LongDivision, QuotientRangesForKnownDivisors) {
  // Two-digit dividends: divisor 3 gives quotients 4 to 32, 7 gives 2 to 13,
  // 1 gives 10 to 98. The largest quotient of the table is never drawn.
  TQOptions o = OptionsFor(ptDivision);
  o.DivisionType = 1;
  o.DividendType = 1;
  o.DivisorType = 0;
  std::map<std::int32_t, std::set<std::int32_t>> quotients;
  for (const auto& q : Sample(o, 30000)) quotients[q.SecondTerm].insert(q.FirstTerm / q.SecondTerm);
  EXPECT_EQ(*quotients[3].begin(), 4);
  EXPECT_EQ(*quotients[3].rbegin(), 32);
  EXPECT_EQ(*quotients[7].begin(), 2);
  EXPECT_EQ(*quotients[7].rbegin(), 13);
  EXPECT_EQ(*quotients[1].begin(), 10);
  EXPECT_EQ(*quotients[1].rbegin(), 98);
}

TEST(LongDivision, RemaindersAllowedDrawsBothTermsFreely) {
  TQOptions o = OptionsFor(ptDivision);
  o.DivisionType = 2;
  o.AllowRemainders = true;
  o.DividendType = 2;
  o.DivisorType = 1;
  int even = 0, uneven = 0;
  for (const auto& q : Sample(o, 2000)) {
    EXPECT_GT(q.FirstTerm, q.SecondTerm);
    (q.FirstTerm % q.SecondTerm == 0 ? even : uneven)++;
    EXPECT_EQ(q.DivisionProblemType, 2);
  }
  EXPECT_GT(even, 0);
  EXPECT_GT(uneven, even);
}

TEST(LongDivision, HandEditedSizesStaySound) {
  TQOptions o = OptionsFor(ptDivision);
  o.DivisionType = 1;
  // One-digit dividends: divisors of 5 or more fall back to the divisor itself.
  o.DividendType = 0;
  o.DivisorType = 0;
  for (const auto& q : Sample(o, 500)) {
    ASSERT_GT(q.SecondTerm, 0);
    EXPECT_EQ(q.FirstTerm % q.SecondTerm, 0);
    EXPECT_LE(q.FirstTerm, 9);
    if (q.SecondTerm >= 5) {
      EXPECT_EQ(q.FirstTerm, q.SecondTerm);
    }
  }
  // A divisor as long as the dividend leaves no quotient of 2 or more.
  o.DividendType = 1;
  o.DivisorType = 3;
  for (const auto& q : Sample(o, 50)) EXPECT_EQ(q.FirstTerm, q.SecondTerm);
  // Codes beyond six digits give the dividend 0.
  o.DividendType = 9;
  for (const auto& q : Sample(o, 50)) EXPECT_EQ(q.FirstTerm, 0);
}
