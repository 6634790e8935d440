#include <gtest/gtest.h>

#include <map>
#include <set>

#include "TestHelpers.h"
#include "generate/Generators.h"

using namespace sumcraft;
using test::OptionsFor;
using test::Sample;

namespace {
TQOptions Fractions(std::uint8_t type, bool alike = false) {
  TQOptions o = OptionsFor(ptFractions);
  o.FractionType = type;
  o.AllDenominatorsAlike = alike;
  return o;
}
// a/b compared with c/d: -1, 0, 1.
int Compare(std::int32_t a, std::int32_t b) {
  const std::int64_t x = std::int64_t{Numerator(a)} * Denominator(b);
  const std::int64_t y = std::int64_t{Numerator(b)} * Denominator(a);
  return x < y ? -1 : (x > y ? 1 : 0);
}
}  // namespace

TEST(Fractions, ShapesAndSetsUseDenominatorsThreeToTen) {
  for (std::uint8_t type : {0, 1}) {
    std::set<std::int32_t> dens;
    for (const auto& q : Sample(Fractions(type), 3000)) {
      dens.insert(q.SecondTerm);
      EXPECT_GE(q.FirstTerm, 1);
      EXPECT_LT(q.FirstTerm, q.SecondTerm);
      EXPECT_EQ(q.FractionProblemType, type);
    }
    EXPECT_EQ(*dens.begin(), 3);
    EXPECT_EQ(*dens.rbegin(), 10);
  }
}

TEST(Fractions, AlikeDenominatorsAreShownAsDrawn) {
  std::set<std::int32_t> firstDens;
  bool sawUnreduced = false;
  for (const auto& q : Sample(Fractions(3, true), 3000)) {
    EXPECT_EQ(Denominator(q.FirstTerm), Denominator(q.SecondTerm));
    firstDens.insert(Denominator(q.FirstTerm));
    EXPECT_LE(Numerator(q.FirstTerm), Denominator(q.FirstTerm) - 2);
    sawUnreduced = sawUnreduced || ReduceFraction(q.FirstTerm) != q.FirstTerm;
  }
  EXPECT_EQ(firstDens, (std::set<std::int32_t>{3, 4, 5, 6, 7, 8, 9}));
  EXPECT_TRUE(sawUnreduced) << "2/6 + 3/6 is printed as drawn";
}

TEST(Fractions, UnlikeDenominatorsAreMultiplesOrDivisorsAndReduced) {
  // Pairs before reducing: 3 with 6 or 9, 4 with 8 or 12, 5 with 10 or 15,
  // 6 with 3, 7 with 2, 8 with 4, 9 with 3. After reducing, each side's
  // denominator divides the unreduced one.
  for (std::uint8_t type : {3, 4}) {
    for (const auto& q : Sample(Fractions(type), 3000)) {
      EXPECT_EQ(ReduceFraction(q.FirstTerm), q.FirstTerm);
      EXPECT_EQ(ReduceFraction(q.SecondTerm), q.SecondTerm);
      const std::int32_t d1 = Denominator(q.FirstTerm), d2 = Denominator(q.SecondTerm);
      const std::set<std::int32_t> possible{2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 15};
      EXPECT_TRUE(possible.count(d1)) << d1;
      EXPECT_TRUE(possible.count(d2)) << d2;
      EXPECT_GE(Numerator(q.FirstTerm), 1);
      EXPECT_GE(Numerator(q.SecondTerm), 1);
    }
  }
}

TEST(Fractions, SubtractionIsAlwaysPositive) {
  for (bool alike : {false, true}) {
    for (const auto& q : Sample(Fractions(4, alike), 3000)) {
      EXPECT_EQ(Compare(q.FirstTerm, q.SecondTerm), 1) << q.FirstTerm << " - " << q.SecondTerm;
      const std::int32_t answer = SubtractFractions(q.FirstTerm, q.SecondTerm);
      EXPECT_GT(Numerator(answer), 0);
    }
  }
}

TEST(Fractions, ComparisonsAreEqualAboutOneTimeInThree) {
  int equal = 0;
  const int n = 6000;
  for (const auto& q : Sample(Fractions(5), n)) {
    EXPECT_LE(Denominator(q.SecondTerm), 30);
    EXPECT_LT(Numerator(q.SecondTerm), Denominator(q.SecondTerm));
    if (Compare(q.FirstTerm, q.SecondTerm) == 0) ++equal;
  }
  EXPECT_GT(equal, n * 30 / 100);
  EXPECT_LT(equal, n * 45 / 100);
}

TEST(Fractions, KindTwoIsGeneratedLikeAComparison) {
  for (const auto& q : Sample(Fractions(2), 200)) {
    EXPECT_EQ(q.FractionProblemType, 2);
    EXPECT_GE(Denominator(q.FirstTerm), 3);
    EXPECT_GE(Denominator(q.SecondTerm), 3);
  }
}

TEST(FractionArithmetic, SumsAndDifferencesInLowestTerms) {
  EXPECT_EQ(AddFractions(PackFraction(3, 5), PackFraction(11, 15)), PackFraction(4, 3));
  EXPECT_EQ(AddFractions(PackFraction(3, 5), PackFraction(13, 15)), PackFraction(22, 15));
  EXPECT_EQ(AddFractions(PackFraction(7, 9), PackFraction(1, 3)), PackFraction(10, 9));
  EXPECT_EQ(AddFractions(PackFraction(1, 6), PackFraction(1, 6)), PackFraction(1, 3));
  EXPECT_EQ(SubtractFractions(PackFraction(3, 4), PackFraction(1, 4)), PackFraction(1, 2));
  EXPECT_EQ(SubtractFractions(PackFraction(1, 2), PackFraction(1, 2)), PackFraction(0, 1));
  EXPECT_EQ(ReduceFraction(PackFraction(2, 4)), PackFraction(1, 2));
  EXPECT_EQ(ReduceFraction(PackFraction(0, 7)), PackFraction(0, 1));
}

TEST(FractionArithmetic, DamagedValuesDoNotFault) {
  EXPECT_EQ(ReduceFraction(5), 5) << "a zero denominator is left as it is";
  EXPECT_EQ(AddFractions(3, 4), 0);
  EXPECT_EQ(SubtractFractions(PackFraction(1, 4), PackFraction(3, 4)), -PackFraction(1, 2));
  AddFractions(INT32_MAX, INT32_MIN);
  SubtractFractions(INT32_MIN, INT32_MAX);
}
