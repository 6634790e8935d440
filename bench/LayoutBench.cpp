#include <benchmark/benchmark.h>

#include <QImage>
#include <QTemporaryDir>

#include "BenchQuizzes.h"
#include "render/Layout.h"
#include "render/PdfPrinter.h"
#include "render/Printers.h"

namespace sumcraft::bench {
namespace {

TPdfPrinter& Pdf() {
  TPrinters::Instance().SelectPdf();
  return TPrinters::Instance().Pdf();
}

// Layout of a mixed quiz of every problem type (600 dpi Letter).
void BM_LayoutMixed(benchmark::State& state) {
  TQuiz quiz = MixedQuiz(static_cast<int>(state.range(0)));
  TPdfPrinter& pdf = Pdf();
  for (auto _ : state) Layout(quiz, false, &pdf);
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.counters["pages"] = QuizPages(quiz).PageCount();
}
BENCHMARK(BM_LayoutMixed)->Arg(1000)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

// Layout of an addition worksheet, the most common kind.
void BM_LayoutAddition(benchmark::State& state) {
  TQuiz quiz = AdditionQuiz(static_cast<int>(state.range(0)));
  TPdfPrinter& pdf = Pdf();
  for (auto _ : state) Layout(quiz, false, &pdf);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LayoutAddition)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond);

// One page replayed onto a preview image of 1,000 x 1,300 pixels, as a
// page turn or a zoom does.
void BM_ReplayPage(benchmark::State& state) {
  TQuiz quiz = MixedQuiz(1000);
  Layout(quiz, false, &Pdf());
  TMetaReport& pages = QuizPages(quiz);
  QImage image(1000, 1300, QImage::Format_RGB32);
  int page = 1;
  for (auto _ : state) {
    pages.ShowPage(page, image, false);
    page = page % pages.PageCount() + 1;
  }
  state.counters["pages"] = pages.PageCount();
}
BENCHMARK(BM_ReplayPage)->Unit(benchmark::kMillisecond);

// A quiz of at least 20 pages printed to PDF with its answer key: two
// layouts and two PDF files.
void BM_PdfWithKey(benchmark::State& state) {
  TQuiz quiz = MixedQuiz(120);
  TPdfPrinter& pdf = Pdf();
  for (int n = 120; (Layout(quiz, false, &pdf), QuizPages(quiz).PageCount()) < 20; n += 20) quiz = MixedQuiz(n + 20);
  QTemporaryDir dir;
  for (auto _ : state) {
    Layout(quiz, false, &pdf);
    pdf.SetOutputFile(dir.filePath("quiz.pdf"));
    QuizPages(quiz).Close();
    pdf.WriteDocument(QuizPages(quiz), QStringLiteral("Quiz"));
    Layout(quiz, true, &pdf);
    pdf.SetOutputFile(dir.filePath("key.pdf"));
    QuizPages(quiz).Close();
    pdf.WriteDocument(QuizPages(quiz), QStringLiteral("Quiz - Answer Key"));
  }
  state.counters["pages"] = QuizPages(quiz).PageCount();
  state.counters["questions"] = static_cast<double>(quiz.QuestionCount());
}
BENCHMARK(BM_PdfWithKey)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sumcraft::bench
