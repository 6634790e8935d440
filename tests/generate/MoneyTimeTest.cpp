#include <gtest/gtest.h>

#include <set>

#include "TestHelpers.h"
#include "generate/Generators.h"
#include "generate/Terms.h"

using namespace sumcraft;
using test::OptionsFor;
using test::Sample;

namespace {
int CoinCount(std::int32_t packed) {
  return packed / 1000 + (packed % 1000) / 100 + (packed % 100) / 10 + packed % 10;
}
TQOptions Money(std::int32_t coins) {
  TQOptions o = OptionsFor(ptMoney);
  o.CoinsToUse = coins;
  return o;
}
}  // namespace

TEST(Comparison, BothNumbersShareTheDigitCount) {
  TQOptions o = OptionsFor(ptComparison);
  o.ComparisonSymbolType = 1;
  int equal = 0;
  const int n = 9000;
  for (const auto& q : Sample(o, n)) {
    EXPECT_GE(q.FirstTerm, 1);
    EXPECT_LE(q.SecondTerm, 9);
    EXPECT_EQ(q.SymbolType, 1);
    equal += q.FirstTerm == q.SecondTerm;
  }
  EXPECT_NEAR(equal, n / 9, n / 30) << "about one in nine one-digit pairs are equal";
  o.FirstTermType = 2;
  for (const auto& q : Sample(o, 500)) {
    EXPECT_GE(q.FirstTerm, 100);
    EXPECT_GE(q.SecondTerm, 100);
  }
}

TEST(Money, AllCoinsStayBelowOneDollar) {
  for (const auto& q : Sample(Money(15), 3000)) {
    EXPECT_LT(MoneyTotalCents(q), 100);
    EXPECT_GE(CoinCount(q.FirstTerm), 1);
    EXPECT_LE(CoinCount(q.FirstTerm), 9);
  }
}

TEST(Money, QuartersOnly) {
  std::set<std::int32_t> limited, unlimited;
  for (const auto& q : Sample(Money(8), 500)) limited.insert(MoneyTotalCents(q));
  EXPECT_EQ(limited, (std::set<std::int32_t>{25, 50, 75}));
  for (const auto& q : Sample(Money(8 | 128), 500)) unlimited.insert(MoneyTotalCents(q));
  EXPECT_EQ(*unlimited.begin(), 125);
  EXPECT_EQ(*unlimited.rbegin(), 225);
}

TEST(Money, ExceedingAllowedAlwaysPlacesFiveToNineCoins) {
  bool overADollar = false;
  for (const auto& q : Sample(Money(15 | 128), 2000)) {
    const int coins = CoinCount(q.FirstTerm);
    EXPECT_GE(coins, 5);
    EXPECT_LE(coins, 9);
    overADollar = overADollar || MoneyTotalCents(q) >= 100;
  }
  EXPECT_TRUE(overADollar);
}

TEST(Money, OnlyTheChosenCoinsAppear) {
  for (const auto& q : Sample(Money(4 | 1), 1000)) {  // dimes and pennies
    EXPECT_EQ(q.FirstTerm / 1000, 0);
    EXPECT_EQ((q.FirstTerm % 100) / 10, 0);
  }
}

TEST(Money, NoCoinsLeavesTheQuestionEmpty) {
  SetRandomState(3);
  TQuizQuestion q;
  Generate(q, Money(128 | 16));
  EXPECT_EQ(q.FirstTerm, 0);
  EXPECT_EQ(RandomState(), 3u) << "nothing is drawn";
  EXPECT_EQ(MoneyTotalCents(q), 0);
}

TEST(Money, PackedCountsGiveTheTotal) {
  TQuizQuestion q;
  q.FirstTerm = 2034;  // 2 quarters, 0 dimes, 3 nickels, 4 pennies
  EXPECT_EQ(MoneyTotalCents(q), 69);
  q.FirstTerm = 3102;
  EXPECT_EQ(MoneyTotalCents(q), 87);
}

TEST(Time, MinuteStepsFollowTheChosenInterval) {
  struct Case { std::uint8_t type; std::size_t distinctMinutes; int step; };
  for (const Case c : {Case{0, 1, 60}, Case{1, 2, 30}, Case{2, 4, 15}, Case{3, 12, 5}, Case{4, 60, 1}, Case{9, 1, 60}}) {
    TQOptions o = OptionsFor(ptTime);
    o.FirstTermType = c.type;
    std::set<std::int32_t> minutes, hours;
    for (const auto& q : Sample(o, 3000)) {
      EXPECT_EQ(q.SecondTerm % c.step, 0);
      minutes.insert(q.SecondTerm);
      hours.insert(q.FirstTerm);
    }
    EXPECT_EQ(minutes.size(), c.distinctMinutes) << int(c.type);
    EXPECT_EQ(hours, (std::set<std::int32_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
  }
}

TEST(Rounding, NumbersHaveAtLeastTwoDigitsAndCarryThePlace) {
  TQOptions o = OptionsFor(ptRounding);
  o.FirstTermType = 0;
  o.SecondTermType = 3;
  for (const auto& q : Sample(o, 500)) {
    EXPECT_GE(q.FirstTerm, 10);
    EXPECT_LE(q.FirstTerm, 98);
    EXPECT_EQ(q.SecondTerm, 3);
  }
  o.FirstTermType = 4;
  for (const auto& q : Sample(o, 500)) EXPECT_GE(q.FirstTerm, 10000);
}

TEST(Rounding, UnknownDigitCodeLeavesTheNumberAlone) {
  TQOptions o = OptionsFor(ptRounding);
  o.FirstTermType = 6;
  o.SecondTermType = 2;
  TQuizQuestion q;
  q.FirstTerm = 4321;
  Generate(q, o);
  EXPECT_EQ(q.FirstTerm, 4321);
  EXPECT_EQ(q.SecondTerm, 2);
}
