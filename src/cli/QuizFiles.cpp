#include "cli/QuizFiles.h"

#include <climits>
#include <iostream>

#include "cli/StandardOutput.h"
#include "generate/Generate.h"
#include "generate/GenerationError.h"
#include "quiz/QuizFile.h"

namespace sumcraft::cli {

std::string DamagedMessage(const std::string& path, const TQuiz& quiz, const std::vector<std::string>& warnings) {
  return path + ": the file is damaged. " + DamageReport(quiz, warnings);
}

TQuiz OpenQuiz(const std::string& path, std::vector<std::string>* warnings) {
  TQuiz quiz;
  quiz.FileName = path;
  std::vector<std::string> lost;
  switch (quiz.LoadFromFile(&lost)) {
    case TLoadResult::Loaded:
      if (warnings) *warnings = std::move(lost);
      else if (!lost.empty()) std::cerr << "sumcraft-cli: warning: " << DamagedMessage(path, quiz, lost) << "\n";
      return quiz;
    case TLoadResult::Missing:
      throw CliError(path + ": no such file");
    case TLoadResult::Empty:
      throw CliError(path + ": the file is empty; there is no quiz in it");
    case TLoadResult::TooOld:
      throw CliError(path + ": the quiz was made by a version of Sumcraft older than 2.0, "
                            "whose quiz files are no longer supported");
  }
  throw CliError(path + ": cannot be read");
}

void SaveQuizAs(TQuiz& quiz, const std::string& path) {
  if (IsStandardOutput(path)) {
    TQuizFileWriter writer;
    WriteQuiz(writer, quiz);
    WriteStandardOutput(writer.Contents());
    return;
  }
  quiz.FileName = path;
  quiz.SaveToFile();
}

void RecreateQuiz(TQuiz& quiz, const std::string& path) {
  std::size_t number = 0;
  for (TQuestionSet& set : quiz.Sets) {
    ++number;
    if (set.Count() > static_cast<std::size_t>(INT_MAX))
      throw CliError(path + ": set " + std::to_string(number) + " holds too many questions to generate");
    try {
      Generate(set, static_cast<int>(set.Count()));
    } catch (const GenerationError& e) {
      throw CliError(path + ": set " + std::to_string(number) + " cannot be generated: " + e.what());
    }
  }
}

}  // namespace sumcraft::cli
