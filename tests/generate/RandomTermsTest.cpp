#include <gtest/gtest.h>

#include <set>

#include "generate/Random.h"
#include "generate/Terms.h"
#include "quiz/ProblemType.h"

using namespace sumcraft;

// Values computed by an independent implementation of the same generator.
TEST(Random, ReproducesPinnedSequences) {
  SetRandomState(0);
  const std::int32_t expected0[] = {0, 3, 86, 20, 27, 67};
  for (std::int32_t e : expected0) EXPECT_EQ(Random(100), e);
  EXPECT_EQ(RandomState(), 0xabf18b42u);

  SetRandomState(0xDEADBEEF);
  const std::int32_t expectedBeef[] = {372313, 176277, 590797, 570750};
  for (std::int32_t e : expectedBeef) EXPECT_EQ(Random(1000000), e);
  EXPECT_EQ(RandomState(), 0x921cae1bu);
}

TEST(Random, ZeroAndNegativeRangesGiveZeroButStillAdvance) {
  SetRandomState(5);
  EXPECT_EQ(Random(0), 0);
  const std::uint32_t afterOne = RandomState();
  EXPECT_NE(afterOne, 5u);
  SetRandomState(5);
  EXPECT_EQ(Random(-7), 0);
  EXPECT_EQ(RandomState(), afterOne);
}

TEST(Random, StaysInRangeAndCoversIt) {
  SetRandomState(1);
  std::set<std::int32_t> seen;
  for (int i = 0; i < 2000; ++i) {
    const std::int32_t v = Random(7);
    ASSERT_GE(v, 0);
    ASSERT_LT(v, 7);
    seen.insert(v);
  }
  EXPECT_EQ(seen.size(), 7u);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(Random(1), 0);
}

TEST(RandomTerm, RangesPerDigitCount) {
  struct Case { std::uint8_t code; bool zero; std::int32_t lo, hi; };
  const Case cases[] = {
      {0, false, 1, 9}, {0, true, 0, 9}, {1, false, 10, 98}, {1, true, 10, 98},
      {2, false, 100, 998}, {3, false, 1000, 9998}, {4, false, 10000, 99998}, {5, false, 100000, 999998},
  };
  SetRandomState(99);
  for (const Case& c : cases) {
    std::int32_t lo = INT32_MAX, hi = INT32_MIN;
    const int draws = c.code <= 2 ? 20000 : 100000;
    for (int i = 0; i < draws; ++i) {
      const std::int32_t v = RandomTerm(c.code, c.zero);
      lo = std::min(lo, v);
      hi = std::max(hi, v);
    }
    if (c.code <= 2) {
      EXPECT_EQ(lo, c.lo) << int(c.code);
      EXPECT_EQ(hi, c.hi) << int(c.code);
    } else {
      EXPECT_GE(lo, c.lo) << int(c.code);
      EXPECT_LE(hi, c.hi) << int(c.code);
    }
    EXPECT_EQ(RandomTermRange(c.code, c.zero).lo, c.lo);
    EXPECT_EQ(RandomTermRange(c.code, c.zero).hi, c.hi);
  }
}

TEST(RandomTerm, UnknownCodesGiveOneOrZeroWithoutDrawing) {
  SetRandomState(42);
  EXPECT_EQ(RandomTerm(6, false), 1);
  EXPECT_EQ(RandomTerm(255, true), 0);
  EXPECT_EQ(RandomState(), 42u);
}

TEST(RoundToPlace, HalvesGoUp) {
  EXPECT_EQ(RoundToPlace(45, 1), 50);
  EXPECT_EQ(RoundToPlace(44, 1), 40);
  EXPECT_EQ(RoundToPlace(7, 0), 7);
  EXPECT_EQ(RoundToPlace(150, 2), 200);
  EXPECT_EQ(RoundToPlace(149, 2), 100);
  EXPECT_EQ(RoundToPlace(1500, 3), 2000);
  EXPECT_EQ(RoundToPlace(250, 2), 300);
  EXPECT_EQ(RoundToPlace(249, 2), 200);
  EXPECT_EQ(RoundToPlace(999998, 1), 1000000);
  EXPECT_EQ(RoundToPlace(47, 3), 0);
  EXPECT_EQ(RoundToPlace(449999, 5), 400000);
}

TEST(RoundToPlace, UnknownPlacesAndExtremeValuesAreSafe) {
  EXPECT_EQ(RoundToPlace(1234, 6), 1234);
  EXPECT_EQ(RoundToPlace(1234, -1), 1234);
  EXPECT_EQ(RoundToPlace(INT32_MAX, 1), 2147483650LL);
  EXPECT_EQ(RoundToPlace(-44, 1), -40);
}

TEST(NeedsRegrouping, ChecksEachColumn) {
  EXPECT_FALSE(NeedsRegrouping(ptAddition, 25, 34));
  EXPECT_TRUE(NeedsRegrouping(ptAddition, 25, 35));
  EXPECT_FALSE(NeedsRegrouping(ptSubtraction, 52, 31));
  EXPECT_TRUE(NeedsRegrouping(ptSubtraction, 52, 13));
  EXPECT_FALSE(NeedsRegrouping(ptAddition, 9, 100000));
  EXPECT_TRUE(NeedsRegrouping(ptAddition, 900000, 100000));
  EXPECT_TRUE(NeedsRegrouping(ptSubtraction, 5, 10)) << "missing digits count as 0";
  EXPECT_FALSE(NeedsRegrouping(ptMultiplication, 99, 99));
}

TEST(FitsFactorGroups, MasksSelectFactorRanges) {
  auto accepted = [](std::int32_t mask) {
    std::set<int> s;
    for (int f = 1; f <= 12; ++f)
      if (FitsFactorGroups(f, mask)) s.insert(f);
    return s;
  };
  EXPECT_EQ(accepted(1), (std::set<int>{1, 2, 3, 4}));
  EXPECT_EQ(accepted(2), (std::set<int>{5, 6, 7, 8}));
  EXPECT_EQ(accepted(5), (std::set<int>{1, 2, 3, 4, 9, 10, 11, 12}));
  EXPECT_EQ(accepted(6), (std::set<int>{5, 6, 7, 8, 9, 10, 11, 12}));
  for (std::int32_t any : {0, 7, 8, 9, -1}) EXPECT_EQ(accepted(any).size(), 12u) << any;
}
