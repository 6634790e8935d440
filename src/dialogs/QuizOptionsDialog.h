#pragma once
// TfrmQuizOptions: the quiz-wide print options of the current quiz (title,
// header blanks, page numbers, footer).
//
//   dialog.SetQuiz(quiz);                    // loads every control
//   dialog.chkPrintQuizTitle->setFocus();
//   if (dialog.exec() == QDialog::Accepted)  // "  Save": all ten fields written
//     ...                                    // Rejected: the quiz is untouched
//
// Created once and reused: SetQuiz must be called before every showing (the
// dialog keeps a pointer to the quiz, which it does not own).
#include <QDialog>
#include <QPushButton>

#include "widgets/lfCheckbox.h"
#include "widgets/lfInputField.h"
#include "widgets/lfLabel.h"

namespace sumcraft {

class TQuiz;

class TfrmQuizOptions : public QDialog {
  Q_OBJECT

public:
  explicit TfrmQuizOptions(QWidget* parent = nullptr);

  // Keeps the quiz and shows its options; then the enabling rules.
  void SetQuiz(TQuiz& quiz);

  // In tab order.
  TlfLabel* lblHeaderOptions;
  TlfCheckbox* chkPrintQuizTitle;
  TlfInputField* txtQuizTitle;
  TlfCheckbox* chkPrintStudentNameBlank;
  TlfCheckbox* chkPrintTeacherNameBlank;
  TlfCheckbox* chkPrintDateBlank;
  TlfCheckbox* chkPrintClassNameBlank;
  TlfLabel* lblFooterOptions;
  TlfCheckbox* chkPrintPageNumbers;
  TlfCheckbox* chkSkipPrintFirstPageNumber;
  TlfCheckbox* chkPrintFooterText;
  TlfInputField* txtFooterText;
  QPushButton* cmdSave;
  QPushButton* cmdCancel;

  static constexpr int kTitleMaxLength = 25;
  static constexpr int kFooterMaxLength = 60;

private:
  // Each controlled control is enabled exactly while its box is checked;
  // its value is kept either way.
  void ApplyEnablingRules();
  void cmdSaveClick();

  TQuiz* quiz_ = nullptr;
};

}  // namespace sumcraft
