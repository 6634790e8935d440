#include "generate/Generate.h"

#include <algorithm>

#include "generate/DuplicateIndex.h"
#include "generate/Generators.h"
#include "generate/Terms.h"
#include "quiz/ProblemType.h"

namespace sumcraft {

void Generate(TQuizQuestion& q, const TQOptions& o) {
  q.Operand = o.Operand;
  switch (o.Operand) {
    case ptAddition: GenerateAddition(q, o); break;
    case ptSubtraction: GenerateSubtraction(q, o); break;
    case ptMultiplication: GenerateMultiplication(q, o); break;
    case ptDivision: GenerateDivision(q, o); break;
    case ptComparison: GenerateComparison(q, o); break;
    case ptMoney: GenerateMoney(q, o); break;
    case ptFractions: GenerateFraction(q, o); break;
    case ptTime: GenerateTime(q, o); break;
    case ptRounding: GenerateRounding(q, o); break;
    case ptTables:
    case ptGraphs: GenerateTableQuestion(q, o); break;
    default: break;
  }
}

namespace {

bool Matches(const TQuizQuestion& c, const TQuizQuestion& q) {
  switch (c.Operand) {
    case ptAddition:
    case ptSubtraction:
    case ptMultiplication:
    case ptDivision:
    case ptComparison:
      return c.FirstTerm == q.FirstTerm && c.SecondTerm == q.SecondTerm && c.Operand == q.Operand;
    case ptMoney:
      return c.FirstTerm == q.FirstTerm;
    case ptFractions:
      return c.FirstTerm == q.FirstTerm && c.SecondTerm == q.SecondTerm &&
             c.FractionProblemType == q.FractionProblemType;
    case ptTime:
    case ptRounding:
      return c.FirstTerm == q.FirstTerm && c.SecondTerm == q.SecondTerm;
    case ptTables:
    case ptGraphs:
      return c.FirstTerm == q.FirstTerm && c.SecondTerm == q.SecondTerm &&
             c.TableProblemType == q.TableProblemType;
    default:
      return false;
  }
}

}  // namespace

bool IsDuplicate(const std::vector<TQuizQuestion>& existing, const TQuizQuestion& candidate) {
  if (candidate.Operand == ptRounding && RoundToPlace(candidate.FirstTerm, candidate.SecondTerm) == candidate.FirstTerm)
    return true;
  return std::any_of(existing.begin(), existing.end(),
                     [&candidate](const TQuizQuestion& q) { return Matches(candidate, q); });
}

void GenerateLiteral(TQuestionSet& set, int count) {
  TQOptions& o = set.Options;
  if (o.Operand == ptTables) GenerateTableData(o);
  else if (o.Operand == ptGraphs) GenerateGraphData(o);
  std::vector<TQuizQuestion> fresh;
  for (int i = 0; i < count; ++i) {
    TQuizQuestion q;
    q.SymbolType = o.ComparisonSymbolType;
    Generate(q, o);
    for (int attempts = 1; attempts < kMaxAttemptsPerQuestion && IsDuplicate(fresh, q); ++attempts)
      Generate(q, o);
    fresh.push_back(q);
  }
  set.ReplaceQuestions(std::move(fresh));
}

void Generate(TQuestionSet& set, int count) {
  TQOptions& o = set.Options;
  if (o.Operand == ptTables) GenerateTableData(o);
  else if (o.Operand == ptGraphs) GenerateGraphData(o);

  std::vector<TQuizQuestion> fresh;
  DuplicateIndex seen;
  const auto expected = static_cast<std::size_t>(std::clamp(count, 0, 1 << 20));
  fresh.reserve(expected);
  seen.Reserve(expected);
  for (int i = 0; i < count; ++i) {
    TQuizQuestion q;
    q.SymbolType = o.ComparisonSymbolType;
    Generate(q, o);
    for (int attempts = 1; attempts < kMaxAttemptsPerQuestion && seen.IsDuplicate(q); ++attempts)
      Generate(q, o);
    fresh.push_back(q);
    seen.Add(q);
  }
  set.ReplaceQuestions(std::move(fresh));
}

}  // namespace sumcraft
