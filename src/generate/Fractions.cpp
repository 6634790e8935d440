#include <cstdlib>
#include <numeric>
#include <utility>

#include "generate/Generators.h"
#include "generate/Random.h"

namespace sumcraft {

namespace {

// Packs a numerator and denominator after reducing them to lowest terms.
std::int64_t PackReduced(std::int64_t num, std::int64_t den) {
  const std::int64_t g = std::gcd(num, den);
  if (g > 1) {
    num /= g;
    den /= g;
  }
  return den * 100 + num;
}

void GenerateShapeOrSet(TQuizQuestion& q) {
  const std::int32_t den = Random(8) + 3;
  const std::int32_t num = Random(den - 1) + 1;
  q.FirstTerm = num;
  q.SecondTerm = den;
}

void GenerateSumOrDifference(TQuizQuestion& q, const TQOptions& o, bool subtract) {
  std::int32_t num1, den1, num2, den2;
  for (;;) {
    den1 = Random(7) + 3;
    num1 = Random(den1 - 2) + 1;
    if (o.AllDenominatorsAlike) {
      den2 = den1;
    } else if (den1 <= 5) {
      den2 = den1 * (Random(2) + 2);
    } else {
      static constexpr std::int32_t kPartner[] = {3, 2, 4, 3};  // for 6, 7, 8, 9
      den2 = kPartner[den1 - 6];
    }
    num2 = Random(den2 - 2) + 1;
    // Compare num1/den1 with num2/den2 exactly.
    const std::int64_t x = std::int64_t{num1} * den2;
    const std::int64_t y = std::int64_t{num2} * den1;
    if (subtract && y > x) {
      std::swap(num1, num2);
      std::swap(den1, den2);
    }
    if (subtract && x == y) continue;
    break;
  }
  q.FirstTerm = PackFraction(num1, den1);
  q.SecondTerm = PackFraction(num2, den2);
  if (!o.AllDenominatorsAlike) {
    q.FirstTerm = ReduceFraction(q.FirstTerm);
    q.SecondTerm = ReduceFraction(q.SecondTerm);
  }
}

void GenerateFractionComparison(TQuizQuestion& q) {
  const std::int32_t den1 = Random(8) + 3;
  const std::int32_t num1 = Random(den1 - 1) + 1;
  std::int32_t den2, num2;
  if (Random(3) == 1) {
    den2 = den1 * (Random(2) + 2);
    num2 = num1 * (den2 / den1);
  } else {
    den2 = Random(8) + 3;
    num2 = Random(den2 - 1) + 1;
  }
  q.FirstTerm = PackFraction(num1, den1);
  q.SecondTerm = PackFraction(num2, den2);
}

}  // namespace

void GenerateFraction(TQuizQuestion& q, const TQOptions& o) {
  switch (o.FractionType) {
    case 0:
    case 1: GenerateShapeOrSet(q); break;
    case 3: GenerateSumOrDifference(q, o, false); break;
    case 4: GenerateSumOrDifference(q, o, true); break;
    // Kind 2 has no generator of its own; it is printed and answered like a
    // comparison, so it is generated as one rather than left without terms.
    case 2:
    case 5: GenerateFractionComparison(q); break;
    default: break;
  }
  q.FractionProblemType = o.FractionType;
}

std::int32_t ReduceFraction(std::int32_t packed) {
  const std::int32_t num = Numerator(packed);
  const std::int32_t den = Denominator(packed);
  if (den == 0) return packed;  // nothing to reduce by; only damaged files hold it
  const std::int32_t g = std::gcd(num, den);  // gcd(0, den) = den, as the rule asks
  return PackFraction(num / g, den / g);
}

namespace {
std::int32_t Combine(std::int32_t a, std::int32_t b, int sign) {
  const std::int64_t num1 = Numerator(a), den1 = Denominator(a);
  const std::int64_t num2 = Numerator(b), den2 = Denominator(b);
  std::int64_t num, den;
  if (den1 == den2) {
    num = num1 + sign * num2;
    den = den1;
  } else {
    num = num1 * den2 + sign * num2 * den1;
    den = den1 * den2;
  }
  if (den == 0) return 0;  // no fraction to show; only damaged files hold one
  // Generated differences are never negative; keep the sign on the whole
  // value rather than packing a negative numerator into the hundreds.
  const std::int64_t packed = num < 0 ? -PackReduced(-num, den) : PackReduced(num, den);
  return static_cast<std::int32_t>(packed);
}
}  // namespace

std::int32_t AddFractions(std::int32_t a, std::int32_t b) { return Combine(a, b, +1); }
std::int32_t SubtractFractions(std::int32_t a, std::int32_t b) { return Combine(a, b, -1); }

}  // namespace sumcraft
