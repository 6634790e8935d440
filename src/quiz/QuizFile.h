#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "quiz/LineReader.h"
#include "quiz/QOptions.h"
#include "quiz/QuestionSet.h"
#include "quiz/Quiz.h"
#include "quiz/QuizFileError.h"
#include "quiz/QuizQuestion.h"

namespace sumcraft {

// The quiz file: line-oriented text, lines ended by CR LF, texts stored as
// the 8-bit bytes held in memory. Each record reads and writes its own
// section; the ReadSection functions are called after their BEGIN line and
// consume the lines up to and including their END line (or to the end of
// the file, whose last line is then not interpreted).

// Collects the lines of a quiz file.
class TQuizFileWriter {
public:
  void Line(std::string_view text);
  // KEY=text. A CR or LF inside the text would split the line and corrupt
  // the file (only a damaged file or a bug can put one there), so each is
  // written as a blank.
  void Text(std::string_view key, std::string_view text);
  void Flag(std::string_view key, bool value);  // YES or NO
  void Number(std::string_view key, std::int64_t value);

  const std::string& Contents() const { return contents_; }

private:
  std::string contents_;
};

// The first line of every file we write; older files sort before it.
inline constexpr std::string_view kQuizFileVersion = "2.0.0.";

// The longest text field the reader keeps, in bytes. The dialogs allow at
// most a few dozen characters; anything near this is a damaged or hostile
// file, and every byte of it would be measured and drawn on every page or
// for every question. A longer text is cut here and the cut reported.
inline constexpr std::size_t kMaxTextLength = 4096;

void WriteSection(TQuizFileWriter& file, const TQOptions& options);
void WriteSection(TQuizFileWriter& file, const TQuizQuestion& question);
void WriteSection(TQuizFileWriter& file, const TQuestionSet& set);
// The whole file: version line, quiz lines and every set.
void WriteQuiz(TQuizFileWriter& file, const TQuiz& quiz);

// Raise QuizFileError (file and line) for a number that does not parse.
// What they leave out (a cut text, a section the file ends inside) goes to
// the reader's Warnings().
void ReadSection(TLineReader& file, TQOptions& options);
void ReadSection(TLineReader& file, TQuizQuestion& question);
void ReadSection(TLineReader& file, TQuestionSet& set);
// Reads a whole file into quiz, as LoadFromFile does but straight into the
// object: on TooOld nothing is changed; on an error the quiz holds what was
// read so far (LoadFromFile reads into a fresh quiz for that reason).
// Warnings go to file.Warnings().
TLoadResult ReadQuiz(TLineReader& file, TQuiz& quiz);

// One message for a quiz read from a damaged file: what it holds and, one
// line each, what was left out ("Read 2 sets with 40 questions. Left out:").
std::string DamageReport(const TQuiz& quiz, const std::vector<std::string>& warnings);

}  // namespace sumcraft
