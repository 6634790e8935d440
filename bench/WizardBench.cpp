// The wizard's responsiveness: every change of an options dialog draws a
// new example (within a frame, 16 ms), and step 3 lays out and shows the
// page where a new set begins (within 100 ms for 100 questions).
// Timings live here, not in the tests, where the machine's load could fail
// them.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QTemporaryDir>
#include <memory>

#include "BenchQuizzes.h"
#include "generate/Generate.h"
#include "generate/Random.h"
#include "generate/TableDefs.h"
#include "quiz/ProblemType.h"
#include "render/Printers.h"
#include "settings/PgmSettings.h"
#include "wizard/DrawExample.h"
#include "wizard/ProblemCountForm.h"
#include "wizard/ProblemOptionsAddSubForm.h"
#include "wizard/ProblemOptionsMultiplicationForm.h"
#include "wizard/QuestionWizard.h"

namespace sumcraft::bench {
namespace {

// The example image of each type's dialog.
QSize ExampleSize(std::uint8_t operand) {
  switch (operand) {
    case ptAddition:
    case ptSubtraction: return {297, 121};
    case ptMultiplication:
    case ptDivision: return {250, 113};
    case ptComparison: return {345, 153};
    case ptMoney: return {600, 400};
    case ptFractions: return {260, 241};
    case ptTime: return {321, 337};
    case ptRounding: return {329, 153};
    default: return {369, 176};
  }
}

// DrawExample alone, for the typical options of each problem type
// (argument: index into TypicalOptions), on the 600 dpi PDF printer.
void BM_DrawExample(benchmark::State& state) {
  TPrinters::Instance().SelectPdf();
  const TQOptions options = TypicalOptions().at(static_cast<std::size_t>(state.range(0)));
  QImage image(ExampleSize(options.Operand), QImage::Format_RGB32);
  SetRandomState(1);
  for (auto _ : state) DrawExample(options, image, nullptr);
  state.SetLabel(std::to_string(options.Operand));
}
BENCHMARK(BM_DrawExample)->DenseRange(0, 10)->Unit(benchmark::kMillisecond);

// A change in the addition dialog: the new example drawn and put on the
// screen, as after a list, a box or a radio button.
void BM_AddSubChange(benchmark::State& state) {
  TPrinters::Instance().SelectPdf();
  QTemporaryDir folder;
  TPgmSettings settings(folder.path().toStdString());
  TQuestionSet set;
  set.Options = TypicalOptions()[0];
  TProblemOptionsAddSubForm form(settings);
  form.SetQuestionSet(set);
  form.LoadSettings();
  for (auto _ : state) form.UpdateExample();
}
BENCHMARK(BM_AddSubChange)->Unit(benchmark::kMillisecond);

// A click in the times-table grid: the boxes read, then the example.
void BM_MultiplicationChange(benchmark::State& state) {
  TPrinters::Instance().SelectPdf();
  QTemporaryDir folder;
  TPgmSettings settings(folder.path().toStdString());
  TQuestionSet set;
  set.Options.Operand = ptMultiplication;
  TProblemOptionsMultiplicationForm form(settings);
  form.SetQuestionSet(set);
  form.LoadSettings();
  for (auto _ : state) form.UpdateExample();
}
BENCHMARK(BM_MultiplicationChange)->Unit(benchmark::kMillisecond);

// A change in each of the other dialogs, redrawn as its handlers redraw it
// (argument: index into the types below; the last is the graph lying on
// its side). The tables and graphs use the shipped templates.
void BM_OptionsDialogChange(benchmark::State& state) {
  constexpr std::uint8_t kTypes[] = {ptComparison, ptMoney, ptFractions, ptTime, ptRounding, ptTables, ptGraphs, ptGraphs};
  const auto index = static_cast<std::size_t>(state.range(0));
  TPrinters::Instance().SelectPdf();
  TableDefs().Load(std::string(SUMCRAFT_DEFAULTS) + "/" + kTableTemplatesFileName);
  QTemporaryDir folder;
  TPgmSettings settings(folder.path().toStdString());
  TQuestionWizard wizard(settings, nullptr);
  TQuestionSet set;
  set.Options.Operand = kTypes[index];
  TProblemOptionsForm* form = wizard.OptionsForm(kTypes[index]);
  form->SetQuestionSet(set);
  form->LoadSettings();
  if (index == std::size(kTypes) - 1) set.Options.BarGraphType = 0;
  SetRandomState(1);
  for (auto _ : state) form->UpdateExample();
  state.SetLabel(form->SectionName() + (index == std::size(kTypes) - 1 ? " horizontal" : ""));
  TableDefs().Clear();
}
BENCHMARK(BM_OptionsDialogChange)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);

// Step 3 after a change of the count: generate the set, lay out the quiz
// with it and show the page where it begins. Argument: questions of the
// new set; the quiz before it holds 60 mixed questions (a few pages).
void BM_CountPreview(benchmark::State& state) {
  TPrinters::Instance().SelectPdf();
  const TQuiz quiz = MixedQuiz(60);
  TQuestionSet set;
  set.Options = TypicalOptions()[0];
  TProblemCountForm form;
  form.SetQuestionSet(set);
  form.SetCount(static_cast<int>(state.range(0)));
  quiz.CopyTo(form.OwnQuiz());
  for (auto _ : state) {
    form.Regenerate();
    form.UpdatePreview();
  }
}
BENCHMARK(BM_CountPreview)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

// The same for a quiz that is still empty.
void BM_CountPreviewEmptyQuiz(benchmark::State& state) {
  TPrinters::Instance().SelectPdf();
  TQuestionSet set;
  set.Options = TypicalOptions()[0];
  TProblemCountForm form;
  form.SetQuestionSet(set);
  form.SetCount(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    form.Regenerate();
    form.UpdatePreview();
  }
}
BENCHMARK(BM_CountPreviewEmptyQuiz)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sumcraft::bench
