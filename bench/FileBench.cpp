#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "BenchQuizzes.h"

namespace sumcraft::bench {
namespace {

void BM_SaveQuiz(benchmark::State& state) {
  TQuiz quiz = MixedQuiz(static_cast<int>(state.range(0)));
  QTemporaryDir dir;
  quiz.FileName = dir.filePath("big.qiz").toStdString();
  for (auto _ : state) quiz.SaveToFile();
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SaveQuiz)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

void BM_LoadQuiz(benchmark::State& state) {
  TQuiz quiz = MixedQuiz(static_cast<int>(state.range(0)));
  QTemporaryDir dir;
  quiz.FileName = dir.filePath("big.qiz").toStdString();
  quiz.SaveToFile();
  for (auto _ : state) {
    TQuiz loaded;
    loaded.FileName = quiz.FileName;
    benchmark::DoNotOptimize(loaded.LoadFromFile());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LoadQuiz)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sumcraft::bench
