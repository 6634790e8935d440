// The settings reader: any bytes in SumcraftSettings.ini. Every problem
// type's section is read into a set's options as the options dialogs read
// it, the sets are generated, laid out and saved, and the sections written
// back.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "settings/OptionsKeys.h"
#include "settings/PgmSettings.h"

using namespace sumcraft;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::InitOnce();
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  fuzz::WriteScratchFile(kSettingsFileName, bytes);
  TPgmSettings settings(fuzz::ScratchFolder());
  TQuiz quiz;
  for (const TOptionsSection& section : OptionsSections()) {
    TQuestionSet set;
    set.Options.Operand = section.ProblemType;
    ReadOptions(settings, section).ApplyTo(set.Options);
    for (int i = 0; i < 4; ++i) set.Add(TQuizQuestion{});
    quiz.Sets.Add(std::move(set));
  }
  fuzz::ExerciseQuiz(quiz, 8);
  quiz.FileName = fuzz::ScratchFolder() + "/settings.qiz";
  quiz.SaveToFile();
  try {
    for (const TQuestionSet& set : quiz.Sets) WriteOptions(settings, OptionsSection(set.Options.Operand), set.Options);
  } catch (const SettingsWriteError&) {
  }
  return 0;
}
