#pragma once
#include <cstdint>

namespace sumcraft {

// One generated question: two terms and a few kind codes. Money, fraction,
// time and table questions pack their values into the terms (see the
// generators). Text, answer and picture are computed from these numbers and
// the set's options whenever the question is drawn.
struct TQuizQuestion {
  std::int32_t FirstTerm = 0;
  std::int32_t SecondTerm = 0;
  std::uint8_t Operand = 0;
  std::uint8_t SymbolType = 0;
  std::uint8_t FractionProblemType = 0;
  std::uint8_t DivisionProblemType = 0;
  std::uint8_t TableProblemType = 0;
  // Width of the cell the question was last drawn in; never copied or saved.
  std::int32_t DrawnWidth = 0;

  // Copies every field but DrawnWidth into target.
  void AssignTo(TQuizQuestion& target) const;

  // Equal in every stored field (DrawnWidth is not part of a question's identity).
  bool SameAs(const TQuizQuestion& other) const;
};

// A fraction packed into one whole number: denominator * 100 + numerator.
constexpr std::int32_t PackFraction(std::int32_t numerator, std::int32_t denominator) {
  return denominator * 100 + numerator;
}
constexpr std::int32_t Numerator(std::int32_t packed) { return packed % 100; }
constexpr std::int32_t Denominator(std::int32_t packed) { return packed / 100; }

}  // namespace sumcraft
