#include <gtest/gtest.h>

#include "settings/TimesTableText.h"

using namespace sumcraft;

TEST(TimesTableText, DefaultSelectsFactorsFourToSixFully) {
  std::array<std::int32_t, 12> t{};
  ApplyTableText(kDefaultTableText, t);
  EXPECT_EQ(t, (std::array<std::int32_t, 12>{0, 0, 0, 7, 7, 7, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(TableText(t), kDefaultTableText);
}

TEST(TimesTableText, GroupsReadBitByBit) {
  std::array<std::int32_t, 12> t{};
  t.fill(2);
  ApplyTableText("XXX", t);
  EXPECT_EQ(t[0], 7);
  EXPECT_EQ(t[1], 2) << "tables without a group keep their value";
  ApplyTableText("xXX", t);
  EXPECT_EQ(t[0], 6) << "only a capital X is ticked";
  ApplyTableText("X0X", t);
  EXPECT_EQ(t[0], 5);
  ApplyTableText("0X", t);
  EXPECT_EQ(t[0], 5) << "one or two characters change nothing";
}

TEST(TimesTableText, TextsLongerThanTwelveGroupsUseTheFirstTwelve) {
  std::array<std::int32_t, 12> t{};
  ApplyTableText(std::string(36, 'X') + "000000", t);
  for (std::int32_t m : t) EXPECT_EQ(m, 7);
  t[3] = 5;
  EXPECT_EQ(TableText(t).substr(9, 3), "X0X");
  EXPECT_EQ(TableText(t).size(), 36u);
}
