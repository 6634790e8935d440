#pragma once
#include <functional>
#include <vector>

#include "generate/Generate.h"
#include "generate/Random.h"
#include "quiz/QOptions.h"
#include "quiz/QuizQuestion.h"

namespace sumcraft::test {

// n free-standing questions from the options, from a fixed random state.
inline std::vector<TQuizQuestion> Sample(const TQOptions& o, int n, std::uint32_t seed = 20261209) {
  SetRandomState(seed);
  std::vector<TQuizQuestion> out;
  out.reserve(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    TQuizQuestion q;
    Generate(q, o);
    out.push_back(q);
  }
  return out;
}

inline TQOptions OptionsFor(std::uint8_t operand) {
  TQOptions o;
  o.Operand = operand;
  return o;
}

}  // namespace sumcraft::test
