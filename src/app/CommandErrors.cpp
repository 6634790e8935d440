#include "app/CommandErrors.h"

#include <QFile>
#include <new>

#include "quiz/QuizFileError.h"

namespace sumcraft {

QString FailureTitle(TFailedAction action) {
  switch (action) {
    case TFailedAction::OpenQuiz:
      return QStringLiteral("Unable to open quiz file");
    case TFailedAction::SaveQuiz:
      return QStringLiteral("Unable to save quiz file");
    case TFailedAction::Print:
      return QStringLiteral("Unable to print");
    case TFailedAction::Other:
      break;
  }
  return QStringLiteral("Sumcraft");
}

QString FailureMessage(TFailedAction action, const std::exception& error) {
  if (dynamic_cast<const std::bad_alloc*>(&error))
    return QStringLiteral("There is not enough memory to finish this command. Nothing has been changed.");
  const QString what = QString::fromStdString(error.what());
  const bool fileError = dynamic_cast<const QuizFileError*>(&error) != nullptr;
  switch (action) {
    case TFailedAction::OpenQuiz:
      return QStringLiteral("The quiz file could not be read:\n\n%1\n\nThe quiz you were working on has not been "
                            "changed.")
          .arg(what);
    case TFailedAction::SaveQuiz:
      return QStringLiteral("The quiz could not be saved:\n\n%1\n\n%2")
          .arg(what, fileError ? QStringLiteral("Any earlier copy of the file is unchanged, and the quiz is still "
                                                "marked as changed. Try saving it somewhere else with "
                                                "\"Save As...\".")
                               : QStringLiteral("The quiz is still marked as changed."));
    case TFailedAction::Print:
      return QStringLiteral("The quiz could not be printed:\n\n%1").arg(what);
    case TFailedAction::Other:
      break;
  }
  return QStringLiteral("The command could not be finished:\n\n%1").arg(what);
}

std::string QuizPathBytes(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString QuizPathText(const std::string& bytes) { return QFile::decodeName(QByteArray::fromStdString(bytes)); }

}  // namespace sumcraft
