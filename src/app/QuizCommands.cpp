// The commands that change or store the current quiz: New, Open, Save,
// Save As, Exit, Add Questions, Delete Questions, Re-create Section,
// Re-create Quiz, Set Quiz Options, Undo and Redo.
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <climits>

#include "app/MainWindow.h"
#include "app/PageView.h"
#include "app/UserPrompts.h"
#include "generate/Generate.h"
#include "quiz/QuizFile.h"
#include "render/CodePage1252.h"
#include "render/Layout.h"
#include "wizard/ConfirmDeleteDialog.h"
#include "wizard/OldSavedQuizDialog.h"
#include "wizard/PromptForSaveDialog.h"
#include "wizard/QuizOptionsDialog.h"

namespace sumcraft {

namespace {

const QString kQuizFilter = QStringLiteral("Quiz files (*.qiz)");
const QString kQuizSuffix = QStringLiteral("qiz");

int QuestionCountOf(const TQuestionSet& set) {
  // A count beyond int comes from no file that fits in memory; the bound
  // keeps the conversion defined.
  return static_cast<int>(std::min<std::size_t>(set.Count(), INT_MAX));
}

}  // namespace

// ---------------------------------------------------------------------------
// Shared operations

bool TMainWindow::AskToSave() {
  if (!quiz_->Modified) return true;
  const int answer = prompts_->Exec(*promptForSave_);
  if (answer == TPromptForSave::Yes) return SaveQuiz();
  return answer == TPromptForSave::No;
}

bool TMainWindow::SaveToFile() {
  try {
    return quiz_->SaveToFile();
  } catch (const std::exception& error) {
    ShowFailure(TFailedAction::SaveQuiz, error);
    return false;
  }
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
  const std::string previous = quiz_->FileName;
  quiz_->FileName = QuizPathBytes(chosen);
  ShowFileName();
  if (SaveToFile()) return true;
  quiz_->FileName = previous;
  ShowFileName();
  return false;
}

bool TMainWindow::SaveQuiz() {
  if (!quiz_->FileName.empty()) {
    ShowFileName();
    return SaveToFile();
  }
  return SaveWithDialog(CleanFileName(FromCp1252(quiz_->QuizTitle)));
}

bool TMainWindow::SaveQuizAs() { return SaveWithDialog(lastSaveName_); }

QString TMainWindow::CleanFileName(const QString& text) {
  QString result = text;
  for (QChar c : QStringLiteral("<>:\"\\/|?*")) result.remove(c);
  return result;
}

void TMainWindow::ResetQuiz() {
  quiz_ = std::make_unique<TQuiz>();
  LayOutQuiz();
  undoRedo_.ResetSnapshots();
  pageCount_ = QuizPages(*quiz_).PageCount();
  lblPageCount->setText(QString::number(pageCount_));
  lblQuestionCount->setText(QStringLiteral("0"));
  selectedSet_ = -1;
  quiz_->Modified = false;
  ShowFileName();
  SetCurrentPage(1);
}

void TMainWindow::TakeUndoSnapshot() {
  undoRedo_.TakeUndoSnapshot(*quiz_);
  ShowUndoState();
}

void TMainWindow::ShowUndoState() {
  cmdUndo->setEnabled(undoRedo_.UndoEnabled());
  cmdRedo->setEnabled(undoRedo_.RedoEnabled());
  actUndo->setEnabled(undoRedo_.UndoEnabled());
  actRedo->setEnabled(undoRedo_.RedoEnabled());
}

// ---------------------------------------------------------------------------
// File commands

void TMainWindow::NewCommand() {
  Guarded(TFailedAction::Other, [&] {
    if (!AskToSave()) return;
    ResetQuiz();
    ShowBlankPage();
    ShowWelcomePage();
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
    // The quiz as it was, to go back to should the file fail after reading
    // (a set that cannot be laid out).
    TQuiz before;
    quiz_->CopyTo(before);
    const bool wasModified = quiz_->Modified;

    quiz_->FileName = QuizPathBytes(fullPath);
    TLoadResult result = TLoadResult::Missing;
    std::vector<std::string> lost;
    try {
      result = quiz_->LoadFromFile(&lost);
    } catch (...) {
      quiz_->FileName = before.FileName;
      throw;
    }
    if (result != TLoadResult::Loaded) {
      quiz_->FileName = before.FileName;
      if (result == TLoadResult::TooOld) {
        prompts_->Exec(*oldSavedQuiz_);
      } else if (result == TLoadResult::Empty) {
        prompts_->Message(this, TMessageKind::Error, FailureTitle(TFailedAction::OpenQuiz),
                          QStringLiteral("The file %1 is empty: there is no quiz in it.")
                              .arg(QDir::toNativeSeparators(fullPath)));
      } else {
        prompts_->Message(this, TMessageKind::Error, FailureTitle(TFailedAction::OpenQuiz),
                          QStringLiteral("There is no quiz file %1.").arg(QDir::toNativeSeparators(fullPath)));
      }
      return;
    }

    TLayoutResult layout;
    try {
      ++layoutSerial_;
      layout = Layout(*quiz_, false);
    } catch (...) {
      before.CopyTo(*quiz_);
      quiz_->Modified = wasModified;
      LayOutQuiz();
      RefreshView();
      throw;
    }
    pageCount_ = QuizPages(*quiz_).PageCount();
    lblPageCount->setText(QString::number(pageCount_));
    lblQuestionCount->setText(QString::number(quiz_->QuestionCount()));
    quiz_->Modified = false;
    // A damaged file is shown for what it held but not tied to the window:
    // the next Save asks where, so the original, which holds more, stays.
    if (!lost.empty()) quiz_->FileName.clear();
    ShowFileName();
    SetCurrentPage(1);
    RefreshView();
    opened = true;

    if (!lost.empty()) {
      prompts_->Message(
          this, TMessageKind::Warning, QStringLiteral("The quiz file is damaged"),
          QStringLiteral("The quiz file %1 is damaged; only part of it could be read.\n\n%2\n\n"
                         "The quiz is shown as read. It is not tied to the damaged file: Save asks "
                         "where to save it, so the file itself stays as it is.")
              .arg(QDir::toNativeSeparators(fullPath), QString::fromStdString(DamageReport(*quiz_, lost))));
    }

    if (!layout.Problems.empty()) {
      QStringList lines;
      for (const std::string& problem : layout.Problems) {
        if (lines.size() == 10) {
          lines << QStringLiteral("(and %1 more)").arg(layout.Problems.size() - 10);
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

void TMainWindow::AfterSave() {
  LayOutQuiz();
  pageCount_ = QuizPages(*quiz_).PageCount();
  lblPageCount->setText(QString::number(pageCount_));
  RefreshView();
}

void TMainWindow::SaveCommand() {
  Guarded(TFailedAction::SaveQuiz, [&] {
    if (SaveQuiz()) AfterSave();
  });
}

void TMainWindow::SaveAsCommand() {
  Guarded(TFailedAction::SaveQuiz, [&] {
    SaveQuizAs();
    AfterSave();
  });
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
    TakeUndoSnapshot();
    if (addQuestionsWizard_(this, *workingSet_, *quiz_)) AppendWorkingSet();
    else RefreshView();
  });
}

void TMainWindow::AppendWorkingSet() {
  quiz_->Sets.AddCopy(*workingSet_);
  quiz_->Modified = true;
  LayOutQuiz();
  pageCount_ = QuizPages(*quiz_).PageCount();
  SetCurrentPage(pageCount_);
  selectedSet_ = static_cast<int>(quiz_->Sets.Count()) - 1;
  RefreshView();
}

void TMainWindow::DeleteQuestionsCommand() {
  Guarded(TFailedAction::Other, [&] {
    if (selectedSet_ < 0 || selectedSet_ >= static_cast<int>(quiz_->Sets.Count())) return;
    if (prompts_->Exec(*confirmDelete_) != QDialog::Accepted) return;
    TakeUndoSnapshot();
    quiz_->Sets.Delete(static_cast<std::size_t>(selectedSet_));
    LayOutQuiz();
    pageCount_ = QuizPages(*quiz_).PageCount();
    lblPageCount->setText(QString::number(pageCount_));
    quiz_->Modified = true;
    RefreshView();
  });
}

void TMainWindow::RecreateSectionCommand() {
  Guarded(TFailedAction::Other, [&] {
    TakeUndoSnapshot();
    if (selectedSet_ < 0 || selectedSet_ >= static_cast<int>(quiz_->Sets.Count())) return;
    TQuestionSet& set = quiz_->Sets.Item(static_cast<std::size_t>(selectedSet_));
    // Generation keeps the set's questions when it fails.
    Generate(set, QuestionCountOf(set));
    LayOutQuiz();
    quiz_->Modified = true;
    RefreshView();
  });
}

void TMainWindow::RecreateQuizCommand() {
  Guarded(TFailedAction::Other, [&] {
    TakeUndoSnapshot();
    // Generated on a copy, so that a set that fails leaves the whole quiz
    // as it was rather than half new.
    TQuiz renewed;
    quiz_->CopyTo(renewed);
    for (TQuestionSet& set : renewed.Sets) Generate(set, QuestionCountOf(set));
    renewed.CopyTo(*quiz_);
    LayOutQuiz();
    quiz_->Modified = true;
    RefreshView();
  });
}

void TMainWindow::SetQuizOptionsCommand() {
  Guarded(TFailedAction::Other, [&] {
    TakeUndoSnapshot();
    quizOptions_->SetQuiz(*quiz_);
    quizOptions_->chkPrintQuizTitle->setFocus();
    if (prompts_->Exec(*quizOptions_) != QDialog::Rejected) {
      LayOutQuiz();
      quiz_->Modified = true;
    }
    RefreshView();
  });
}

void TMainWindow::UndoCommand() {
  Guarded(TFailedAction::Other, [&] {
    if (!undoRedo_.Undo(*quiz_)) return;
    ShowUndoState();
    LayOutQuiz();
    quiz_->Modified = true;
    RefreshView();
  });
}

void TMainWindow::RedoCommand() {
  Guarded(TFailedAction::Other, [&] {
    if (!undoRedo_.Redo(*quiz_)) return;
    ShowUndoState();
    LayOutQuiz();
    quiz_->Modified = true;
    RefreshView();
  });
}

}  // namespace sumcraft
