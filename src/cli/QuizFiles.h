#pragma once
#include <stdexcept>
#include <string>
#include <vector>

#include "quiz/Quiz.h"

namespace sumcraft::cli {

// A failure the command reports on standard error (exit 1).
class CliError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// Reads a quiz as the program opens it. A missing or empty file, or one
// refused as older than 2.0, is a CliError; a value that does not parse a
// QuizFileError naming the file and the line. What a damaged file lost
// goes to warnings; without warnings it is reported on standard error and
// the command goes on with what was read.
TQuiz OpenQuiz(const std::string& path, std::vector<std::string>* warnings = nullptr);

// The message for a quiz read from a damaged file.
std::string DamagedMessage(const std::string& path, const TQuiz& quiz, const std::vector<std::string>& warnings);

// Writes the quiz to path as the program saves it (atomically); "-" writes
// it to standard output.
void SaveQuizAs(TQuiz& quiz, const std::string& path);

// Generates every set again, in quiz order, with its own options and its
// current question count, as "Re-create Quiz" does. The random state is
// the caller's. A set whose options admit no question is a CliError naming
// the set; the quiz may then hold the sets regenerated before it.
void RecreateQuiz(TQuiz& quiz, const std::string& path);

}  // namespace sumcraft::cli
