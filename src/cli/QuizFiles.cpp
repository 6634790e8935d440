#include "cli/QuizFiles.h"

#include <climits>

#include "cli/StandardOutput.h"
#include "generate/Generate.h"
#include "generate/GenerationError.h"
#include "quiz/QuizFile.h"

namespace sumcraft::cli {

TQuiz OpenQuiz(const std::string& path) {
  TQuiz quiz;
  quiz.FileName = path;
  switch (quiz.LoadFromFile()) {
    case TLoadResult::Loaded:
      return quiz;
    case TLoadResult::Missing:
      throw CliError(path + ": no such file");
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
