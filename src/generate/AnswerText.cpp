#include "generate/AnswerText.h"

#include "generate/Generators.h"
#include "generate/TableProblems.h"
#include "generate/Terms.h"
#include "quiz/ProblemType.h"

namespace sumcraft {

std::string FormatThousands(const std::string& digits, char separator) {
  if (!digits.empty() && digits[0] == '-') return "-" + FormatThousands(digits.substr(1), separator);
  std::string result = digits;
  // Positions count from 1, as in the written rule: insert before pos, step 3.
  for (long pos = static_cast<long>(digits.size()) - 2; pos > 1; pos -= 3)
    result.insert(static_cast<std::size_t>(pos - 1), 1, separator);
  return result;
}

std::string FormatThousands(std::int64_t value) { return FormatThousands(std::to_string(value)); }

std::string ZeroPad(std::int64_t value, int width) {
  std::string s = std::to_string(value < 0 ? -value : value);
  if (static_cast<int>(s.size()) < width) s.insert(0, static_cast<std::size_t>(width) - s.size(), '0');
  return value < 0 ? "-" + s : s;
}

std::int64_t AnswerValue(const TQuizQuestion& q, const TQOptions& o) {
  const std::int64_t a = q.FirstTerm, b = q.SecondTerm;
  switch (q.Operand) {
    case ptAddition: return a + b;
    case ptSubtraction: return a - b;
    case ptMultiplication: return a * b;
    case ptDivision: return b == 0 ? 0 : a / b;
    case ptMoney: return MoneyTotalCents(q);
    case ptFractions:
      if (q.FractionProblemType == 3) return AddFractions(q.FirstTerm, q.SecondTerm);
      if (q.FractionProblemType == 4) return SubtractFractions(q.FirstTerm, q.SecondTerm);
      return 0;
    case ptRounding: return RoundToPlace(a, q.SecondTerm);
    case ptTables:
    case ptGraphs: {
      const auto& d = RowData(q, o);
      const std::int64_t x = RowValue(d, q.FirstTerm), y = RowValue(d, q.SecondTerm);
      switch (q.TableProblemType) {
        case 0: return x + y;
        case 1: return x - y;
        default: return y - x;
      }
    }
    default: return 0;
  }
}

std::string AnswerText(const TQuizQuestion& q, const TQOptions& o) {
  switch (q.Operand) {
    case ptAddition:
    case ptSubtraction:
    case ptMultiplication:
    case ptRounding:
    case ptTables:
    case ptGraphs:
      return FormatThousands(AnswerValue(q, o));
    case ptDivision: {
      if (q.SecondTerm == 0) return kUndefinedAnswer;
      const std::string quotient = FormatThousands(AnswerValue(q, o));
      const std::int64_t remainder = std::int64_t{q.FirstTerm} % q.SecondTerm;
      if (q.DivisionProblemType == 0 || remainder == 0) return quotient;
      return quotient + " R " + std::to_string(remainder);
    }
    case ptMoney: {
      const std::int64_t cents = MoneyTotalCents(q);
      const std::int64_t magnitude = cents < 0 ? -cents : cents;
      return std::string("Total: ") + (cents < 0 ? "-$" : "$") + std::to_string(magnitude / 100) + "." +
             ZeroPad(magnitude % 100, 2);
    }
    case ptFractions:
      return std::to_string(q.FirstTerm) + "/" + std::to_string(q.SecondTerm);
    case ptTime:
      return std::to_string(q.FirstTerm) + ":" + ZeroPad(q.SecondTerm, 2);
    default:
      return "";
  }
}

std::string FirstTermText(const TQuizQuestion& q) { return FormatThousands(q.FirstTerm); }
std::string SecondTermText(const TQuizQuestion& q) { return FormatThousands(q.SecondTerm); }

std::string OperatorSymbol(const TQuizQuestion& q) {
  switch (q.Operand) {
    case ptAddition: return "+";
    case ptSubtraction: return "-";
    case ptMultiplication: return "x";
    case ptDivision: return "\xF7";
    default: return "";
  }
}

namespace {
std::string ComparisonWord(std::uint8_t symbolType, const char* word, const char* symbol) {
  switch (symbolType) {
    case 0: return word;
    case 1: return symbol;
    case 2: return std::string(word) + " (" + symbol + ")";
    default: return "";
  }
}
}  // namespace

std::string GreaterText(const TQuizQuestion& q) { return ComparisonWord(q.SymbolType, "is greater than", ">"); }
std::string EqualText(const TQuizQuestion& q) { return ComparisonWord(q.SymbolType, "is equal to", "="); }
std::string LessText(const TQuizQuestion& q) { return ComparisonWord(q.SymbolType, "is less than", "<"); }

}  // namespace sumcraft
