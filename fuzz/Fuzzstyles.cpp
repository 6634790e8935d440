// The style file reader: any bytes give styles (or the shipped ones), and a
// quiz of every problem type lays out with them.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "render/ReportFormats.h"

using namespace sumcraft;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::InitOnce();
  static TQuiz quiz = fuzz::EveryTypeQuiz();
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  ReportFormats().LoadFromText(bytes, "Styles.rpt");
  fuzz::ExerciseQuiz(quiz, 3);
  // The file on disk takes the same road as at start-up.
  ReportFormats().Load(QString::fromStdString(fuzz::WriteScratchFile("Styles.rpt", bytes)));
  fuzz::ExerciseQuiz(quiz, 3);
  ReportFormats().LoadDefaults();
  return 0;
}
