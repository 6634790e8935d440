#include "FuzzSupport.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <fstream>

#include "generate/GenerationError.h"
#include "generate/Generate.h"
#include "quiz/ProblemType.h"
#include "render/Fonts.h"
#include "render/Layout.h"
#include "render/PdfPrinter.h"
#include "render/Printers.h"

namespace sumcraft::fuzz {

namespace {
int g_argc = 1;
char g_name[] = "fuzz";
char* g_argv[] = {g_name, nullptr};
}  // namespace

void InitOnce() {
  static bool done = false;
  if (done) return;
  done = true;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Never destroyed: a static application would be torn down after Qt's
  // thread storage at exit and crash the fuzzer's clean exit.
  new QGuiApplication(g_argc, g_argv);
  EnsureBundledFonts();
  TPrinters::Instance().SelectPdf();
  TPrinters::Instance().Pdf().SetResolution(150);
}

void ExerciseQuiz(TQuiz& quiz, int cap) {
  for (TQuestionSet& set : quiz.Sets) {
    try {
      Generate(set, static_cast<int>(std::min<std::size_t>(set.Count(), static_cast<std::size_t>(cap))));
    } catch (const GenerationError&) {
    }
  }
  try {
    Layout(quiz, false);
    Layout(quiz, true);
  } catch (const LayoutError&) {
  }
}

TQuiz EveryTypeQuiz() {
  TQuiz quiz;
  for (std::uint8_t op : {0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 12}) {
    TQuestionSet set;
    set.Options.Operand = op;
    set.Options.TimesTable[4] = 7;
    set.Options.CoinsToUse = 15;
    Generate(set, 3);
    quiz.Sets.Add(std::move(set));
  }
  return quiz;
}

std::string ScratchFolder() {
  static QTemporaryDir dir;
  return dir.path().toStdString();
}

std::string WriteScratchFile(const std::string& name, std::string_view bytes) {
  const std::string path = ScratchFolder() + "/" + name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

}  // namespace sumcraft::fuzz
