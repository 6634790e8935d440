#include <algorithm>

#include "generate/Generators.h"
#include "generate/Random.h"
#include "generate/Terms.h"

namespace sumcraft {

namespace {

bool AnyTableSelected(const TQOptions& o) {
  return std::any_of(o.TimesTable.begin(), o.TimesTable.end(), [](std::int32_t m) { return m > 0; });
}

// Draws a selected table (every selected one equally likely) and a factor in
// its groups. Only called when some entry is positive, so both loops end.
void DrawTableAndFactor(const TQOptions& o, std::int32_t& row, std::int32_t& factor) {
  do {
    row = Random(12);
  } while (o.TimesTable[static_cast<std::size_t>(row)] == 0);
  const std::int32_t mask = o.TimesTable[static_cast<std::size_t>(row)];
  do {
    factor = Random(12) + 1;
  } while (!FitsFactorGroups(factor, mask));
}

// 10^k for the dividend's digit count k+1.
std::int32_t PowerOfTen(int k) {
  std::int32_t p = 1;
  while (k-- > 0) p *= 10;
  return p;
}

}  // namespace

void GenerateMultiplication(TQuizQuestion& q, const TQOptions& o) {
  if (o.MultiplicationType != 0)
    GenerateOpenMultiplication(q, o);
  else
    GenerateTimesTableProduct(q, o);
}

void GenerateTimesTableProduct(TQuizQuestion& q, const TQOptions& o) {
  if (!AnyTableSelected(o)) {
    q.FirstTerm = 0;
    q.SecondTerm = 0;
    return;
  }
  std::int32_t row = 0, factor = 0;
  DrawTableAndFactor(o, row, factor);
  q.FirstTerm = row + 1;
  q.SecondTerm = factor;
}

void GenerateOpenMultiplication(TQuizQuestion& q, const TQOptions& o) {
  q.FirstTerm = RandomTerm(o.FirstTermType, false);
  q.SecondTerm = RandomTerm(o.SecondTermType, false);
}

void GenerateDivision(TQuizQuestion& q, const TQOptions& o) {
  if (o.DivisionType != 0)
    GenerateLongDivision(q, o);
  else
    GenerateTableDivision(q, o);
  q.DivisionProblemType = o.DivisionType;
}

void GenerateTableDivision(TQuizQuestion& q, const TQOptions& o) {
  if (!AnyTableSelected(o)) {
    q.FirstTerm = 1;
    q.SecondTerm = 1;
    return;
  }
  std::int32_t row = 0, quotient = 0;
  DrawTableAndFactor(o, row, quotient);
  q.SecondTerm = row + 1;
  q.FirstTerm = quotient * (row + 1);
}

void GenerateLongDivision(TQuizQuestion& q, const TQOptions& o) {
  if (o.AllowRemainders) {
    q.FirstTerm = RandomTerm(o.DividendType, false);
    q.SecondTerm = RandomTerm(o.DivisorType, false);
    return;
  }
  const std::int32_t d = RandomTerm(o.DivisorType, false);  // never 0
  q.SecondTerm = d;
  std::int32_t lo = 0, hi = 0;
  if (o.DividendType <= 5) {
    const std::int32_t smallest = PowerOfTen(o.DividendType);
    const std::int32_t largest = PowerOfTen(o.DividendType + 1) - 1;
    lo = o.DividendType == 0 ? 1 : (smallest + d - 1) / d;
    hi = largest / d;
  }
  if (lo == 1) lo = 2;
  std::int32_t quotient;
  if (hi < lo) {
    // No quotient of at least 2 gives a dividend of the asked length (a
    // one-digit dividend with a divisor of 5 or more, or a divisor as long as
    // the dividend): the divisor itself is the only even dividend left.
    quotient = 1;
  } else {
    quotient = lo + Random(hi - lo);
  }
  q.FirstTerm = quotient * d;
}

}  // namespace sumcraft
