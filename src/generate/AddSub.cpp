#include "generate/GenerationError.h"
#include "generate/Generators.h"
#include "generate/Terms.h"

namespace sumcraft {

void GenerateAddition(TQuizQuestion& q, const TQOptions& o) {
  for (;;) {
    const std::int32_t first = RandomTerm(o.FirstTermType, false);
    const std::int32_t second = RandomTerm(o.SecondTermType, o.UseZero);
    if (o.Regrouping || !NeedsRegrouping(ptAddition, first, second)) {
      q.FirstTerm = first;
      q.SecondTerm = second;
      return;
    }
  }
}

void GenerateSubtraction(TQuizQuestion& q, const TQOptions& o) {
  if (o.FirstTermType < o.SecondTermType)
    throw GenerationError("First term has fewer digits in subtraction.");
  // Codes outside 0..5 (hand-edited files) can leave no first term larger
  // than any second term; the draw below would then never end. When the
  // largest first term beats the smallest second term, that pair also has no
  // borrow, so the loop is sure to finish.
  const TermRange firsts = RandomTermRange(o.FirstTermType, false);
  const TermRange seconds = RandomTermRange(o.SecondTermType, o.UseZero);
  if (firsts.hi <= seconds.lo)
    throw GenerationError("No subtraction fits these term sizes: the first term can never be larger than the second.");
  for (;;) {
    const std::int32_t first = RandomTerm(o.FirstTermType, false);
    const std::int32_t second = RandomTerm(o.SecondTermType, o.UseZero);
    if (second >= first) continue;
    if (o.Regrouping || !NeedsRegrouping(ptSubtraction, first, second)) {
      q.FirstTerm = first;
      q.SecondTerm = second;
      return;
    }
  }
}

}  // namespace sumcraft
