#pragma once
#include <cstdint>

namespace sumcraft {

struct TermRange {
  std::int32_t lo;
  std::int32_t hi;
};

// The values RandomTerm can produce for a digit-count code (0 = one digit ..
// 5 = six digits; the top value of two or more digits, 99..999,999, is never
// produced). Any other code gives the single value 1, or 0 when zero is allowed.
TermRange RandomTermRange(std::uint8_t typeCode, bool allowZero);

// A random value of the given digit count.
std::int32_t RandomTerm(std::uint8_t typeCode, bool allowZero);

// 1, 10, .., 100,000 for place codes 0..5; 1 for any other code, which so
// leaves numbers unrounded.
std::int32_t PlaceValue(int placeCode);

// value rounded to the nearest multiple of the place; halves go up.
std::int64_t RoundToPlace(std::int64_t value, int placeCode);

// Whether the written addition or subtraction needs a carry or a borrow,
// judged column by column; false for every other operand.
bool NeedsRegrouping(std::uint8_t operand, std::int64_t first, std::int64_t second);

// Whether a factor lies in one of the groups a times-table mask selects
// (1: 1-4, 2: 5-8, 4: 9-12). A mask of 0 or outside 1..7 accepts any factor.
bool FitsFactorGroups(std::int32_t factor, std::int32_t mask);

}  // namespace sumcraft
