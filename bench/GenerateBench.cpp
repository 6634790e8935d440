#include <benchmark/benchmark.h>

#include "BenchQuizzes.h"
#include "generate/Generate.h"
#include "generate/Random.h"

namespace sumcraft::bench {
namespace {

// Generate(set, n) for each problem type; arg 0 is the type's index in
// TypicalOptions, arg 1 the number of questions.
void BM_Generate(benchmark::State& state) {
  const TQOptions options = TypicalOptions()[static_cast<std::size_t>(state.range(0))];
  const int n = static_cast<int>(state.range(1));
  TQuestionSet set;
  set.Options = options;
  SetRandomState(1);
  for (auto _ : state) {
    Generate(set, n);
    benchmark::DoNotOptimize(set.Count());
  }
  state.SetItemsProcessed(state.iterations() * n);
  state.SetLabel("type " + std::to_string(options.Operand));
}
BENCHMARK(BM_Generate)
    ->ArgsProduct({benchmark::CreateDenseRange(0, 10, 1), {10, 1000, 100000}})
    ->Unit(benchmark::kMillisecond);

// The question-by-question duplicate scan, for comparison with the index.
void BM_GenerateLiteralScan(benchmark::State& state) {
  TQuestionSet set;
  set.Options = TypicalOptions()[static_cast<std::size_t>(state.range(0))];
  const int n = static_cast<int>(state.range(1));
  SetRandomState(1);
  for (auto _ : state) {
    GenerateLiteral(set, n);
    benchmark::DoNotOptimize(set.Count());
  }
  state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_GenerateLiteralScan)
    ->ArgsProduct({{0, 2, 5}, {1000, 10000}})
    ->Unit(benchmark::kMillisecond);

// Re-create Quiz: every set of a mixed quiz generated again in order.
void BM_RecreateQuiz(benchmark::State& state) {
  TQuiz quiz = MixedQuiz(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    for (TQuestionSet& set : quiz.Sets) Generate(set, static_cast<int>(set.Count()));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RecreateQuiz)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sumcraft::bench
