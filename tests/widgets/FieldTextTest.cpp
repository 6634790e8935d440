#include <gtest/gtest.h>

#include "QtPrinters.h"
#include "widgets/FieldText.h"
#include "widgets/KeystrokeFilter.h"

namespace sumcraft {
namespace {

TEST(FieldTextTest, FirstLineStopsAtAnyLineBreak) {
  EXPECT_EQ(FirstLine(QStringLiteral("a\r\nb")), QStringLiteral("a"));
  EXPECT_EQ(FirstLine(QStringLiteral("a\nb")), QStringLiteral("a"));
  EXPECT_EQ(FirstLine(QStringLiteral(u"a\u2028b")), QStringLiteral("a"));
  EXPECT_EQ(FirstLine(QStringLiteral("\nb")), QString());
  EXPECT_EQ(FirstLine(QStringLiteral("a b")), QStringLiteral("a b"));
}

TEST(FieldTextTest, TrimBlanksKeepsInnerBlanksAndCharactersAboveTheSpace) {
  EXPECT_EQ(TrimBlanks(QStringLiteral("  ab  ")), QStringLiteral("ab"));
  EXPECT_EQ(TrimBlanks(QStringLiteral("\t\x01 a b\r")), QStringLiteral("a b"));
  EXPECT_EQ(TrimBlanks(QStringLiteral(u"\u00a0a\u00a0")), QStringLiteral(u"\u00a0a\u00a0"));
  EXPECT_EQ(TrimBlanks(QStringLiteral("   ")), QString());
}

TEST(FieldTextTest, ParseDecimalTakesPlainNumbersOnly) {
  EXPECT_EQ(ParseDecimal(QStringLiteral(" 3.25 ")), 3.25);
  EXPECT_EQ(ParseDecimal(QStringLiteral("-0.5")), -0.5);
  EXPECT_EQ(ParseDecimal(QStringLiteral("+12")), 12.0);
  EXPECT_EQ(ParseDecimal(QStringLiteral(".5")), 0.5);
  EXPECT_EQ(ParseDecimal(QStringLiteral("1e3")), 1000.0);
  for (const char* bad : {"", " ", "1,5", "1.2.3", "abc", "inf", "nan", "0x10", "+-1", "1e999", "12a", "- 1"}) {
    EXPECT_FALSE(ParseDecimal(QString::fromLatin1(bad)).has_value()) << bad;
  }
}

TEST(FieldTextTest, OnlyFormatsForExactlyOneDoublePass) {
  for (const char* good : {"%.2f", "%f", "$%8.3f each", "%%%-+ #010.2e", "%G", "100%% = %g"}) {
    EXPECT_TRUE(IsFloatFormat(QString::fromLatin1(good))) << good;
  }
  for (const char* bad : {"", "abc", "%%", "%d", "%s", "%.2f %.2f", "%*f", "%.*f", "%lf", "%Lf", "%100f",
                          "%.100f", "%", "%n", "%5"}) {
    EXPECT_FALSE(IsFloatFormat(QString::fromLatin1(bad))) << bad;
  }
}

TEST(FieldTextTest, FormatFloatFillsTheOneConversion) {
  EXPECT_EQ(FormatFloat(QStringLiteral("%.2f"), 3.14159), QStringLiteral("3.14"));
  EXPECT_EQ(FormatFloat(QStringLiteral("[%6.1f]"), -2.26), QStringLiteral("[  -2.3]"));
  EXPECT_EQ(FormatFloat(QStringLiteral("%.0f%%"), 50.0), QStringLiteral("50%"));
}

// The filter rules on their own, where a selection can be given exactly.
TEST(KeystrokeFilterTest, EditingKeysPassInEveryMode) {
  for (int mode = aAnyKey; mode <= aValidFilenameOnly; ++mode) {
    EXPECT_TRUE(KeyAccepted(static_cast<KeysAllowed>(mode), QStringLiteral("1.5"), 3, 0, QChar(8)));
    EXPECT_TRUE(KeyAccepted(static_cast<KeysAllowed>(mode), QStringLiteral("1.5"), 3, 0, QChar(9)));
  }
}

TEST(KeystrokeFilterTest, ThePointRuleLooksAtTheSelection) {
  EXPECT_TRUE(KeyAccepted(aAnyReal, QStringLiteral("15"), 1, 0, u'.'));
  EXPECT_FALSE(KeyAccepted(aAnyReal, QStringLiteral("1.5"), 0, 1, u'.'));
  EXPECT_TRUE(KeyAccepted(aAnyReal, QStringLiteral("1.5"), 0, 3, u'.'));
  EXPECT_TRUE(KeyAccepted(aPosMoneyOnly, QStringLiteral("1.5"), 1, 1, u'.'));
  EXPECT_FALSE(KeyAccepted(aPosRealOnly, QStringLiteral("1.5"), 0, 0, u'-'));
  EXPECT_TRUE(KeyAccepted(aAnyReal, QStringLiteral("1.5"), 0, 0, u'-'));
  EXPECT_FALSE(KeyAccepted(aAnyReal, QStringLiteral("1.5"), 1, 0, u'-'));
}

TEST(KeystrokeFilterTest, MoneyDigitsDependOnTheCaretAndThePlacesAfterThePoint) {
  const QString amount = QStringLiteral("12.3456");
  EXPECT_FALSE(KeyAccepted(aPosMoneyOnly, amount, 7, 0, u'1'));
  EXPECT_FALSE(KeyAccepted(aPosMoneyOnly, amount, 4, 0, u'1'));  // behind the first place
  EXPECT_TRUE(KeyAccepted(aPosMoneyOnly, amount, 3, 0, u'1'));   // right after the point
  EXPECT_TRUE(KeyAccepted(aPosMoneyOnly, amount, 2, 0, u'1'));
  EXPECT_TRUE(KeyAccepted(aPosMoneyOnly, QStringLiteral("12.345"), 6, 0, u'1'));
  EXPECT_TRUE(KeyAccepted(aPosMoneyOnly, QStringLiteral("12345"), 5, 0, u'1'));
}

TEST(KeystrokeFilterTest, NonAsciiCharactersAreNeitherDigitsNorLetters) {
  EXPECT_FALSE(KeyAccepted(aPosIntegersOnly, QString(), 0, 0, QChar(0x0663)));  // Arabic-Indic three
  EXPECT_FALSE(KeyAccepted(aLettersAndNumbers, QString(), 0, 0, QChar(0x00e9)));
  EXPECT_TRUE(KeyAccepted(aValidFilenameOnly, QString(), 0, 0, QChar(0x00e9)));
  EXPECT_TRUE(KeyAccepted(aValidFilenameOnly, QString(), 0, 0, QChar(1)));
  EXPECT_TRUE(KeyAccepted(aAnyKey, QString(), 0, 0, u'*'));
}

TEST(KeystrokeFilterTest, AnInsertionIsFilteredAsIfTypedCharacterByCharacter) {
  // The minus is taken only while the caret is still at the start.
  EXPECT_EQ(AcceptedInsertion(aAnyInteger, QString(), 0, 0, QStringLiteral("-1-2")), QStringLiteral("-12"));
  EXPECT_EQ(AcceptedInsertion(aAnyInteger, QStringLiteral("5"), 1, 0, QStringLiteral("-1")), QStringLiteral("1"));
  // The second point is refused once the first one is in.
  EXPECT_EQ(AcceptedInsertion(aPosRealOnly, QString(), 0, 0, QStringLiteral("1.2.3")), QStringLiteral("1.23"));
  // Replacing the selected point makes room for a new one.
  EXPECT_EQ(AcceptedInsertion(aPosRealOnly, QStringLiteral("1.5"), 1, 1, QStringLiteral(".")), QStringLiteral("."));
  // Money stops taking digits behind the point after four places.
  EXPECT_EQ(AcceptedInsertion(aPosMoneyOnly, QString(), 0, 0, QStringLiteral("1.234567")), QStringLiteral("1.2345"));
  // Tabs are no content of a number, but of a file name they may be.
  EXPECT_EQ(AcceptedInsertion(aPosIntegersOnly, QString(), 0, 0, QStringLiteral("1\t2")), QStringLiteral("12"));
  EXPECT_EQ(AcceptedInsertion(aValidFilenameOnly, QString(), 0, 0, QStringLiteral("a\tb?")), QStringLiteral("a\tb"));
}

}  // namespace
}  // namespace sumcraft
