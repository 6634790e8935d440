#include "generate/GenerateInSteps.h"

#include <algorithm>
#include <vector>

#include "generate/DuplicateIndex.h"
#include "generate/Generate.h"
#include "generate/Generators.h"
#include "quiz/ProblemType.h"
#include "quiz/QuestionSet.h"

namespace sumcraft {

bool GenerateInSteps(TQuestionSet& set, int count, int every, const std::function<bool(int done)>& progress) {
  // Work on a copy of the options: table and graph data are drawn into them,
  // and a stop must leave the set as it was.
  TQOptions o = set.Options;
  if (o.Operand == ptTables) GenerateTableData(o);
  else if (o.Operand == ptGraphs) GenerateGraphData(o);

  std::vector<TQuizQuestion> fresh;
  DuplicateIndex seen;
  const auto expected = static_cast<std::size_t>(std::clamp(count, 0, 1 << 20));
  fresh.reserve(expected);
  seen.Reserve(expected);
  const int step = std::max(every, 1);
  for (int i = 0; i < count; ++i) {
    if (i > 0 && i % step == 0 && progress && !progress(i)) return false;
    TQuizQuestion q;
    q.SymbolType = o.ComparisonSymbolType;
    Generate(q, o);
    for (int attempts = 1; attempts < kMaxAttemptsPerQuestion && seen.IsDuplicate(q); ++attempts) Generate(q, o);
    fresh.push_back(q);
    seen.Add(q);
  }
  if (progress && !progress(std::max(count, 0))) return false;
  set.Options = o;
  set.ReplaceQuestions(std::move(fresh));
  return true;
}

}  // namespace sumcraft
