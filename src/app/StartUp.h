#pragma once
// The program's start, from the folders to the event loop.
#include <QString>
#include <QStringList>

namespace sumcraft {

// What the command line asked for.
struct TCommandLine {
  enum class TAction { Run, Help, Version, Error };
  TAction Action = TAction::Run;
  QString QuizFile;  // the one optional argument
  QString Error;     // for Error
};

// Reads the arguments after the program's name: none, or one quiz file;
// "--help" and "--version" are answered without a window.
TCommandLine ParseCommandLine(const QStringList& arguments);
QString UsageText();

// Runs Sumcraft in an existing application object: settings and data
// folder, default files, styles, random seed, templates, sample quizzes, the
// main window (with `quizFile` opened when given), the event loop. Answers
// the exit status.
int RunSumcraft(const QString& quizFile);

}  // namespace sumcraft
