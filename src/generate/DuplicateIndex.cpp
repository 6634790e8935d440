#include "generate/DuplicateIndex.h"

#include "generate/Terms.h"
#include "quiz/ProblemType.h"

namespace sumcraft {

namespace {

enum Rule : std::uint32_t { kTermsAndOperand = 1, kFirstOnly, kTermsAndFraction, kTermsOnly, kTermsAndTable };

std::uint64_t Terms(std::int32_t first, std::int32_t second) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(first)) << 32) |
         static_cast<std::uint32_t>(second);
}

DuplicateIndex::Key MakeKey(Rule rule, std::uint64_t terms, std::uint32_t field = 0) {
  return {terms, (static_cast<std::uint32_t>(rule) << 8) | field};
}

}  // namespace

std::size_t DuplicateIndex::KeyHash::operator()(const Key& k) const noexcept {
  std::uint64_t h = k.terms ^ (std::uint64_t{k.extra} * 0x9E3779B97F4A7C15ull);
  h ^= h >> 33;
  h *= 0xff51afd7ed558ccdull;
  h ^= h >> 33;
  return static_cast<std::size_t>(h);
}

void DuplicateIndex::Reserve(std::size_t n) { keys_.reserve(n * 5); }

void DuplicateIndex::Add(const TQuizQuestion& q) {
  const std::uint64_t both = Terms(q.FirstTerm, q.SecondTerm);
  keys_.insert(MakeKey(kTermsAndOperand, both, q.Operand));
  keys_.insert(MakeKey(kFirstOnly, Terms(q.FirstTerm, 0)));
  keys_.insert(MakeKey(kTermsAndFraction, both, q.FractionProblemType));
  keys_.insert(MakeKey(kTermsOnly, both));
  keys_.insert(MakeKey(kTermsAndTable, both, q.TableProblemType));
}

bool DuplicateIndex::IsDuplicate(const TQuizQuestion& c) const {
  const std::uint64_t both = Terms(c.FirstTerm, c.SecondTerm);
  switch (c.Operand) {
    case ptAddition:
    case ptSubtraction:
    case ptMultiplication:
    case ptDivision:
    case ptComparison:
      return keys_.count(MakeKey(kTermsAndOperand, both, c.Operand)) != 0;
    case ptMoney:
      return keys_.count(MakeKey(kFirstOnly, Terms(c.FirstTerm, 0))) != 0;
    case ptFractions:
      return keys_.count(MakeKey(kTermsAndFraction, both, c.FractionProblemType)) != 0;
    case ptTime:
      return keys_.count(MakeKey(kTermsOnly, both)) != 0;
    case ptRounding:
      return RoundToPlace(c.FirstTerm, c.SecondTerm) == c.FirstTerm || keys_.count(MakeKey(kTermsOnly, both)) != 0;
    case ptTables:
    case ptGraphs:
      return keys_.count(MakeKey(kTermsAndTable, both, c.TableProblemType)) != 0;
    default:
      return false;
  }
}

}  // namespace sumcraft
