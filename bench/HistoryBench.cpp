#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <malloc.h>

#include "BenchQuizzes.h"
#include "document/QuizDocument.h"

namespace sumcraft::bench {
namespace {

std::size_t HeapInUse() { return mallinfo2().uordblks; }

// The memory of a full undo history on a 20,000-question quiz, in the worst
// case: every step is Re-create Quiz, so every step changes every question.
// The heap grows by what the history holds (the quiz and its layout are
// replaced, not added to), reported as history_MB.
void BM_UndoHistory(benchmark::State& state) {
  const int questions = static_cast<int>(state.range(0));
  QTemporaryDir folder;
  const QString file = folder.filePath(QStringLiteral("big.qiz"));
  {
    TQuiz quiz = MixedQuiz(questions);
    quiz.FileName = file.toStdString();
    quiz.SaveToFile();
  }
  double historyMb = 0;
  for (auto _ : state) {
    TQuizDocument document;
    document.Open(file);
    const std::size_t before = HeapInUse();
    for (int step = 0; step < TQuizDocument::kHistoryLimit; ++step) document.RecreateQuiz();
    historyMb = static_cast<double>(HeapInUse() - before) / (1024.0 * 1024.0);
    benchmark::DoNotOptimize(document.History().count());
  }
  state.counters["history_MB"] = historyMb;
  state.counters["steps"] = TQuizDocument::kHistoryLimit;
}
BENCHMARK(BM_UndoHistory)->Arg(20000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sumcraft::bench
