#pragma once
// The messages with which a command that failed reaches the user. Every
// command of the main window runs guarded: an error ends the command, and
// the user sees what went wrong and with which file; nothing is lost.
#include <QString>
#include <exception>

namespace sumcraft {

enum class TFailedAction {
  OpenQuiz,   // reading a quiz file
  SaveQuiz,   // writing a quiz file
  Print,      // laying out or printing
  Other,      // any other command
};

// Title and text of the message for `error` raised by `action`. Quiz file
// errors name the file (and, when reading, the line).
QString FailureTitle(TFailedAction action);
QString FailureMessage(TFailedAction action, const std::exception& error);

// A quiz file name as the quiz keeps it (the file system's bytes) and back.
std::string QuizPathBytes(const QString& path);
QString QuizPathText(const std::string& bytes);

}  // namespace sumcraft
