#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>

#include "render/CodePage1252.h"
#include "render/Rounding.h"

namespace sumcraft {
namespace {

TEST(Rounding, NearestTakesHalvesToTheEvenNeighbour) {
  EXPECT_EQ(Nearest(0.5), 0);
  EXPECT_EQ(Nearest(1.5), 2);
  EXPECT_EQ(Nearest(2.5), 2);
  EXPECT_EQ(Nearest(3.5), 4);
  EXPECT_EQ(Nearest(-0.5), 0);
  EXPECT_EQ(Nearest(-1.5), -2);
  EXPECT_EQ(Nearest(-2.5), -2);
  EXPECT_EQ(Nearest(2.4999), 2);
  EXPECT_EQ(Nearest(2.5001), 3);
  EXPECT_EQ(Nearest(-2.6), -3);
  // 35 / 10 steps of a horizontal bar: 3.5 goes to 4, 2.5 to 2.
  EXPECT_EQ(Nearest(35.0 / 10.0), 4);
  EXPECT_EQ(Nearest(25.0 / 10.0), 2);
}

TEST(Rounding, TruncCutsTowardsZeroAndNothingOverflows) {
  EXPECT_EQ(Trunc(2.9), 2);
  EXPECT_EQ(Trunc(-2.9), -2);
  EXPECT_EQ(Trunc(1e300), INT_MAX);
  EXPECT_EQ(Trunc(-1e300), INT_MIN);
  EXPECT_EQ(Nearest(std::nan("")), 0);
  EXPECT_EQ(Nearest(1e20), INT_MAX);
  EXPECT_EQ(Div(-7, 2), -3);
  EXPECT_EQ(Div(7, 0), 0);
  EXPECT_EQ(Div(INT_MIN, -1), INT_MAX);
}

TEST(CodePage1252, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const QString text = FromCp1252(all);
  ASSERT_EQ(text.size(), 256);
  EXPECT_EQ(ToCp1252(text), all);
}

TEST(CodePage1252, MapsTheWindowsCharactersAndReplacesOthers) {
  EXPECT_EQ(FromCp1252("\x80"), QString(QChar(0x20AC)));             // euro
  EXPECT_EQ(FromCp1252("\xF7"), QString(QChar(0x00F7)));             // division sign
  EXPECT_EQ(FromCp1252("\x93" "a\x94"), QStringLiteral("\u201Ca\u201D"));
  EXPECT_EQ(ToCp1252(QStringLiteral("\u2014")), "\x97");
  EXPECT_EQ(ToCp1252(QStringLiteral("x\u4E2Dy")), "x?y");
  // A character outside the basic plane is one character: one replacement.
  EXPECT_EQ(ToCp1252(QString::fromUtf8("a\xF0\x9F\x98\x80" "b")), "a?b");
  EXPECT_EQ(FromCp1252("Total: $1.25").toStdString(), "Total: $1.25");
}

}  // namespace
}  // namespace sumcraft
