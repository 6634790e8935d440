#include "generate/GenerationError.h"
#include "generate/Generators.h"
#include "generate/Random.h"
#include "generate/Terms.h"

namespace sumcraft {

void GenerateComparison(TQuizQuestion& q, const TQOptions& o) {
  q.FirstTerm = RandomTerm(o.FirstTermType, false);
  q.SecondTerm = RandomTerm(o.FirstTermType, false);
  q.SymbolType = o.ComparisonSymbolType;
}

namespace {
constexpr std::int32_t kCoinBits[4] = {8, 4, 2, 1};     // quarter, dime, nickel, penny
constexpr std::int32_t kCoinCents[4] = {25, 10, 5, 1};
}  // namespace

void GenerateMoney(TQuizQuestion& q, const TQOptions& o) {
  const bool limited = (o.CoinsToUse & 128) == 0;
  if ((o.CoinsToUse & 15) == 0) return;
  std::int32_t remaining = (limited && o.CoinsToUse == 8) ? Random(3) + 1 : Random(5) + 5;
  std::int32_t counts[4] = {0, 0, 0, 0};
  std::int32_t total = 0;
  while (remaining > 0) {
    const std::int32_t coin = Random(4);
    if ((o.CoinsToUse & kCoinBits[coin]) == 0) continue;
    const std::int32_t k = Random(remaining) + 1;
    const std::int32_t cents = kCoinCents[coin];
    if (!limited || total + k * cents < 100) {
      counts[coin] += k;
      total += k * cents;
      remaining -= k;
    } else if (total + cents >= 100) {
      remaining = 0;
    }
  }
  q.FirstTerm = counts[0] * 1000 + counts[1] * 100 + counts[2] * 10 + counts[3];
}

std::int32_t MoneyTotalCents(const TQuizQuestion& q) {
  const std::int64_t t = q.FirstTerm;
  const std::int64_t quarters = t / 1000, dimes = (t % 1000) / 100, nickels = (t % 100) / 10, pennies = t % 10;
  return static_cast<std::int32_t>(25 * quarters + 10 * dimes + 5 * nickels + pennies);
}

void GenerateTime(TQuizQuestion& q, const TQOptions& o) {
  const std::int32_t hour = Random(12) + 1;
  std::int32_t minute = 0;
  switch (o.FirstTermType) {
    case 0: minute = 0; break;
    case 1: minute = Random(2) * 30; break;
    case 2: minute = Random(4) * 15; break;
    case 3: minute = Random(12) * 5; break;
    case 4: minute = Random(60); break;
    default: minute = 0; break;
  }
  if (hour > 12) throw GenerationError("Hour greater than 12.");
  if (minute >= 60) throw GenerationError("Minute greater or equal to 60.");
  q.FirstTerm = hour;
  q.SecondTerm = minute;
}

void GenerateRounding(TQuizQuestion& q, const TQOptions& o) {
  const std::uint8_t t = o.FirstTermType;
  if (t <= 5) q.FirstTerm = RandomTerm(t <= 1 ? 1 : t, false);  // at least two digits
  q.SecondTerm = o.SecondTermType;
}

}  // namespace sumcraft
