#include "generate/Terms.h"

#include "generate/Random.h"
#include "quiz/ProblemType.h"

namespace sumcraft {

namespace {
struct TermDraw {
  std::int32_t range;
  std::int32_t offset;
};
constexpr TermDraw kTermDraws[] = {
    {9, 1}, {89, 10}, {899, 100}, {8999, 1000}, {89999, 10000}, {899999, 100000},
};
}  // namespace

TermRange RandomTermRange(std::uint8_t typeCode, bool allowZero) {
  if (typeCode == 0) return allowZero ? TermRange{0, 9} : TermRange{1, 9};
  if (typeCode <= 5) {
    const TermDraw d = kTermDraws[typeCode];
    return {d.offset, d.offset + d.range - 1};
  }
  return allowZero ? TermRange{0, 0} : TermRange{1, 1};
}

std::int32_t RandomTerm(std::uint8_t typeCode, bool allowZero) {
  if (typeCode == 0 && allowZero) return Random(10);
  if (typeCode <= 5) {
    const TermDraw d = kTermDraws[typeCode];
    return Random(d.range) + d.offset;
  }
  return allowZero ? 0 : 1;
}

std::int32_t PlaceValue(int placeCode) {
  static constexpr std::int32_t kPlaces[] = {1, 10, 100, 1000, 10000, 100000};
  if (placeCode < 0 || placeCode > 5) return 1;
  return kPlaces[placeCode];
}

std::int64_t RoundToPlace(std::int64_t value, int placeCode) {
  const std::int64_t p = PlaceValue(placeCode);
  if (p == 1) return value;
  const std::int64_t r = value % p;  // sign of value, as the written rule says
  const std::int64_t h = p / 2;
  return r >= h ? value + p - r : value - r;
}

bool NeedsRegrouping(std::uint8_t operand, std::int64_t first, std::int64_t second) {
  if (operand != ptAddition && operand != ptSubtraction) return false;
  // Terms are never negative in generated questions; compare magnitudes so a
  // hand-edited negative term cannot make the column walk misbehave.
  std::uint64_t a = first < 0 ? 0 - static_cast<std::uint64_t>(first) : static_cast<std::uint64_t>(first);
  std::uint64_t b = second < 0 ? 0 - static_cast<std::uint64_t>(second) : static_cast<std::uint64_t>(second);
  while (a != 0 || b != 0) {
    const std::uint64_t da = a % 10, db = b % 10;
    if (operand == ptAddition ? da + db >= 10 : da < db) return true;
    a /= 10;
    b /= 10;
  }
  return false;
}

bool FitsFactorGroups(std::int32_t factor, std::int32_t mask) {
  if (mask <= 0 || mask >= 8) return true;
  if (factor >= 1 && factor <= 4) return (mask & 1) != 0;
  if (factor >= 5 && factor <= 8) return (mask & 2) != 0;
  if (factor >= 9 && factor <= 12) return (mask & 4) != 0;
  return false;
}

}  // namespace sumcraft
