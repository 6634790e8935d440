// The commands that change or store the current quiz: New, Open, Save,
// Save As, Exit, Add Questions, Delete Questions, Re-create Section,
// Re-create Quiz, Set Quiz Options, Undo and Redo. Each asks the user what
// it needs and hands the change to the document; the redraw follows the
// document's Changed signal (DocumentChanged).
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

#include "app/MainWindow.h"
#include "app/PageView.h"
#include "app/UserPrompts.h"
#include "dialogs/ConfirmDeleteDialog.h"
#include "dialogs/OldSavedQuizDialog.h"
#include "dialogs/PromptForSaveDialog.h"
#include "dialogs/QuizOptionsDialog.h"
#include "quiz/QuizFile.h"
#include "render/CodePage1252.h"

namespace sumcraft {

namespace {

const QString kQuizFilter = QStringLiteral("Quiz files (*.qiz)");
const QString kQuizSuffix = QStringLiteral("qiz");

}  // namespace

// ---------------------------------------------------------------------------
// Shared operations

bool TMainWindow::AskToSave() {
  if (!Quiz().Modified) return true;
  const int answer = prompts_->Exec(*promptForSave_);
  if (answer == TPromptForSave::Yes) return SaveQuiz();
  return answer == TPromptForSave::No;
}

bool TMainWindow::SaveWithDialog(const QString& suggestedName) {
  TFileDialogSpec spec;
  spec.Title = QStringLiteral("Save Quiz File As:");
  spec.Filter = kQuizFilter;
  spec.DefaultSuffix = kQuizSuffix;
  spec.Folder = quizFolder_;
  spec.FileName = suggestedName;
  const QString chosen = prompts_->SaveFileName(this, spec);
  if (chosen.isEmpty()) return false;
  lastSaveName_ = chosen;
  // A save that fails leaves the quiz with the file it had, so that the
  // next Save asks again instead of aiming at a file never written.
  try {
    document_->SaveAs(chosen);
  } catch (const std::exception& error) {
    ShowFailure(TFailedAction::SaveQuiz, error);
    return false;
  }
  RememberRecentFile(chosen);
  return true;
}

bool TMainWindow::SaveQuiz() {
  if (Quiz().FileName.empty()) return SaveWithDialog(CleanFileName(FromCp1252(Quiz().QuizTitle)));
  try {
    document_->Save();
  } catch (const std::exception& error) {
    ShowFailure(TFailedAction::SaveQuiz, error);
    return false;
  }
  return true;
}

bool TMainWindow::SaveQuizAs() { return SaveWithDialog(lastSaveName_); }

QString TMainWindow::CleanFileName(const QString& text) {
  QString result = text;
  for (QChar c : QStringLiteral("<>:\"\\/|?*")) result.remove(c);
  return result;
}

// ---------------------------------------------------------------------------
// File commands

void TMainWindow::NewCommand() {
  Guarded(TFailedAction::Other, [&] {
    if (!AskToSave()) return;
    document_->New();
    ScrollBox2->ScrollToTopLeft();
  });
}

void TMainWindow::OpenCommand() {
  Guarded(TFailedAction::OpenQuiz, [&] {
    if (!AskToSave()) return;
    TFileDialogSpec spec;
    spec.Title = QStringLiteral("Select a quiz file to open:");
    spec.Filter = QStringLiteral("Quiz Files (*.qiz)");
    spec.DefaultSuffix = kQuizSuffix;
    spec.Folder = quizFolder_;
    const QString chosen = prompts_->OpenFileName(this, spec);
    if (chosen.isEmpty()) return;
    OpenQuizFile(chosen);
  });
}

bool TMainWindow::OpenQuizFile(const QString& path) {
  bool opened = false;
  Guarded(TFailedAction::OpenQuiz, [&] {
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    // The document keeps the quiz it has unless the file is read and laid
    // out whole.
    const TOpenResult result = document_->Open(fullPath);
    if (result.Result != TLoadResult::Loaded) {
      if (result.Result == TLoadResult::TooOld) {
        prompts_->Exec(*oldSavedQuiz_);
      } else if (result.Result == TLoadResult::Empty) {
        prompts_->Message(this, TMessageKind::Error, FailureTitle(TFailedAction::OpenQuiz),
                          QStringLiteral("The file %1 is empty: there is no quiz in it.")
                              .arg(QDir::toNativeSeparators(fullPath)));
      } else {
        prompts_->Message(this, TMessageKind::Error, FailureTitle(TFailedAction::OpenQuiz),
                          QStringLiteral("There is no quiz file %1.").arg(QDir::toNativeSeparators(fullPath)));
      }
      return;
    }
    opened = true;
    if (result.Lost.empty()) RememberRecentFile(fullPath);

    if (!result.Lost.empty()) {
      prompts_->Message(
          this, TMessageKind::Warning, QStringLiteral("The quiz file is damaged"),
          QStringLiteral("The quiz file %1 is damaged; only part of it could be read.\n\n%2\n\n"
                         "The quiz is shown as read. It is not tied to the damaged file: Save asks "
                         "where to save it, so the file itself stays as it is.")
              .arg(QDir::toNativeSeparators(fullPath), QString::fromStdString(DamageReport(Quiz(), result.Lost))));
    }

    if (!result.Problems.empty()) {
      QStringList lines;
      for (const std::string& problem : result.Problems) {
        if (lines.size() == 10) {
          lines << QStringLiteral("(and %1 more)").arg(result.Problems.size() - 10);
          break;
        }
        lines << QString::fromStdString(problem);
      }
      prompts_->Message(this, TMessageKind::Warning, QStringLiteral("Some questions cannot be shown"),
                        QStringLiteral("The quiz %1 was opened, but some of its questions hold values that cannot "
                                       "be drawn; they show a note on the page instead:\n\n%2\n\nRe-create their "
                                       "sections to replace them.")
                            .arg(QDir::toNativeSeparators(fullPath), lines.join(QLatin1Char('\n'))));
    }
  });
  return opened;
}

void TMainWindow::SaveCommand() {
  Guarded(TFailedAction::SaveQuiz, [&] { SaveQuiz(); });
}

void TMainWindow::SaveAsCommand() {
  Guarded(TFailedAction::SaveQuiz, [&] { SaveQuizAs(); });
}

void TMainWindow::ExitCommand() {
  Guarded(TFailedAction::Other, [&] {
    if (!AskToSave()) return;
    exiting_ = true;
    close();
  });
}

// ---------------------------------------------------------------------------
// Editing commands

void TMainWindow::AddQuestionsCommand() {
  Guarded(TFailedAction::Other, [&] {
    if (!addQuestionsWizard_) {
      prompts_->Message(this, TMessageKind::Information, QStringLiteral("Add Questions"),
                        QStringLiteral("Adding questions comes with the question wizard."));
      return;
    }
    if (addQuestionsWizard_(this, *workingSet_, Quiz())) document_->AddSet(*workingSet_);
    else RefreshView();
  });
}

void TMainWindow::DeleteQuestionsCommand() {
  Guarded(TFailedAction::Other, [&] {
    if (selectedSet_ < 0 || selectedSet_ >= document_->SetCount()) return;
    if (prompts_->Exec(*confirmDelete_) != QDialog::Accepted) return;
    document_->DeleteSet(selectedSet_);
  });
}

void TMainWindow::RecreateSectionCommand() {
  Guarded(TFailedAction::Other, [&] {
    if (selectedSet_ < 0 || selectedSet_ >= document_->SetCount()) return;
    document_->RecreateSet(selectedSet_);
  });
}

void TMainWindow::RecreateQuizCommand() {
  Guarded(TFailedAction::Other, [&] { document_->RecreateQuiz(); });
}

void TMainWindow::SetQuizOptionsCommand() {
  Guarded(TFailedAction::Other, [&] {
    // The dialog works on a quiz of its own, holding only the options; the
    // document takes what it confirms as one step.
    TQuiz options;
    TQuizPrintOptions::Of(Quiz()).ApplyTo(options);
    quizOptions_->SetQuiz(options);
    quizOptions_->chkPrintQuizTitle->setFocus();
    if (prompts_->Exec(*quizOptions_) != QDialog::Rejected) document_->SetPrintOptions(TQuizPrintOptions::Of(options));
    else RefreshView();
  });
}

void TMainWindow::UndoCommand() {
  Guarded(TFailedAction::Other, [&] { document_->Undo(); });
}

void TMainWindow::RedoCommand() {
  Guarded(TFailedAction::Other, [&] { document_->Redo(); });
}

}  // namespace sumcraft
