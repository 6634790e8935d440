#include <gtest/gtest.h>

#include "generate/AnswerText.h"
#include "quiz/ProblemType.h"

using namespace sumcraft;

namespace {
TQuizQuestion Q(std::uint8_t operand, std::int32_t first, std::int32_t second) {
  TQuizQuestion q;
  q.Operand = operand;
  q.FirstTerm = first;
  q.SecondTerm = second;
  return q;
}
const TQOptions kOptions;
}  // namespace

TEST(FormatThousands, GroupsFromTheRight) {
  EXPECT_EQ(FormatThousands("123"), "123");
  EXPECT_EQ(FormatThousands("1000"), "1,000");
  EXPECT_EQ(FormatThousands("999998"), "999,998");
  EXPECT_EQ(FormatThousands("1234567"), "1,234,567");
  EXPECT_EQ(FormatThousands(""), "");
  EXPECT_EQ(FormatThousands("7"), "7");
  EXPECT_EQ(FormatThousands(-1234), "-1,234");
  EXPECT_EQ(FormatThousands(-123), "-123");
  EXPECT_EQ(FormatThousands(INT64_C(-9000000000)), "-9,000,000,000");
}

TEST(ZeroPad, PadsToTheWidth) {
  EXPECT_EQ(ZeroPad(5, 2), "05");
  EXPECT_EQ(ZeroPad(45, 2), "45");
  EXPECT_EQ(ZeroPad(123, 2), "123");
  EXPECT_EQ(ZeroPad(0, 2), "00");
}

TEST(AnswerText, ArithmeticAnswers) {
  EXPECT_EQ(AnswerText(Q(ptAddition, 999999, 345679), kOptions), "1,345,678");
  EXPECT_EQ(AnswerText(Q(ptSubtraction, 52, 13), kOptions), "39");
  EXPECT_EQ(AnswerText(Q(ptMultiplication, 123, 45), kOptions), "5,535");
  EXPECT_EQ(AnswerValue(Q(ptAddition, INT32_MAX, INT32_MAX), kOptions), 4294967294LL);
  EXPECT_EQ(AnswerText(Q(ptRounding, 999998, 1), kOptions), "1,000,000");
  EXPECT_EQ(AnswerText(Q(ptRounding, 47, 3), kOptions), "0");
}

TEST(AnswerText, DivisionShowsARemainderOnlyForLongDivision) {
  TQuizQuestion q = Q(ptDivision, 15678, 13);
  q.DivisionProblemType = 1;
  EXPECT_EQ(AnswerText(q, kOptions), "1,206");
  q.FirstTerm = 15678 + 5;
  EXPECT_EQ(AnswerText(q, kOptions), "1,206 R 5");
  q.DivisionProblemType = 0;
  EXPECT_EQ(AnswerText(q, kOptions), "1,206") << "division tables never print a remainder";
  q.DivisionProblemType = 1;
  q.FirstTerm = 36;
  q.SecondTerm = 12;
  EXPECT_EQ(AnswerText(q, kOptions), "3") << "never 3 R 0";
}

TEST(AnswerText, DivisionByZeroIsNamedNotComputed) {
  TQuizQuestion q = Q(ptDivision, 15, 0);
  q.DivisionProblemType = 1;
  EXPECT_EQ(AnswerValue(q, kOptions), 0);
  EXPECT_EQ(AnswerText(q, kOptions), "undefined");
  EXPECT_EQ(AnswerText(Q(ptDivision, INT32_MIN, -1), kOptions), "2,147,483,648");
}

TEST(AnswerText, MoneyTimeAndFractions) {
  EXPECT_EQ(AnswerText(Q(ptMoney, 3002, 0), kOptions), "Total: $0.77");
  EXPECT_EQ(AnswerText(Q(ptMoney, 9000, 0), kOptions), "Total: $2.25");
  EXPECT_EQ(AnswerText(Q(ptMoney, 0, 0), kOptions), "Total: $0.00");
  EXPECT_EQ(AnswerText(Q(ptTime, 12, 0), kOptions), "12:00");
  EXPECT_EQ(AnswerText(Q(ptTime, 1, 30), kOptions), "1:30");
  EXPECT_EQ(AnswerText(Q(ptTime, 7, 5), kOptions), "7:05");
  EXPECT_EQ(AnswerText(Q(ptFractions, 3, 8), kOptions), "3/8");
  TQuizQuestion sum = Q(ptFractions, 503, 1513);
  sum.FractionProblemType = 3;
  EXPECT_EQ(AnswerValue(sum, kOptions), 1522);
  EXPECT_EQ(AnswerText(Q(ptComparison, 3, 4), kOptions), "");
  EXPECT_EQ(AnswerText(Q(8, 3, 4), kOptions), "");
}

TEST(AnswerText, TableAndGraphAnswersReadTheirOwnRows) {
  TQOptions o;
  o.TableData = {5, 9, 2, 7};
  o.BarGraphData = {50, 90, 20, 70};
  TQuizQuestion q = Q(ptTables, 1, 2);
  q.TableProblemType = 1;
  EXPECT_EQ(AnswerValue(q, o), 7);
  q.Operand = ptGraphs;
  EXPECT_EQ(AnswerValue(q, o), 70);
  q.TableProblemType = 2;
  q.FirstTerm = 2;
  q.SecondTerm = 1;
  EXPECT_EQ(AnswerText(q, o), "70");
  q.TableProblemType = 0;
  EXPECT_EQ(AnswerText(q, o), "110");
}

TEST(OperatorsAndComparisonWords, BySymbolType) {
  EXPECT_EQ(OperatorSymbol(Q(ptAddition, 0, 0)), "+");
  EXPECT_EQ(OperatorSymbol(Q(ptSubtraction, 0, 0)), "-");
  EXPECT_EQ(OperatorSymbol(Q(ptMultiplication, 0, 0)), "x");
  EXPECT_EQ(OperatorSymbol(Q(ptDivision, 0, 0)), "\xF7");
  EXPECT_EQ(OperatorSymbol(Q(ptMoney, 0, 0)), "");
  TQuizQuestion q = Q(ptComparison, 1, 2);
  q.SymbolType = 0;
  EXPECT_EQ(GreaterText(q), "is greater than");
  EXPECT_EQ(EqualText(q), "is equal to");
  EXPECT_EQ(LessText(q), "is less than");
  q.SymbolType = 1;
  EXPECT_EQ(GreaterText(q), ">");
  EXPECT_EQ(LessText(q), "<");
  q.SymbolType = 2;
  EXPECT_EQ(EqualText(q), "is equal to (=)");
  q.SymbolType = 3;
  EXPECT_EQ(GreaterText(q), "");
  EXPECT_EQ(FirstTermText(Q(ptAddition, 12345, 0)), "12,345");
  EXPECT_EQ(SecondTermText(Q(ptAddition, 0, 999)), "999");
}
