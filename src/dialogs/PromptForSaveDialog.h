#pragma once
// TPromptForSave: "Save first?" before a command would drop a changed quiz.
//
//   switch (prompt.Ask()) {          // or static_cast<Answer>(prompt.exec())
//     case TPromptForSave::Yes:    ... save, go on only when saved
//     case TPromptForSave::No:     ... go on
//     case TPromptForSave::Cancel: ... stop (also Escape and the close box)
//   }
#include "dialogs/QuestionDialog.h"

namespace sumcraft {

class TPromptForSave : public TQuestionDialog {
  Q_OBJECT

public:
  // The values exec() returns; Cancel is QDialog::Rejected.
  enum Answer { Cancel = QDialog::Rejected, Yes = QDialog::Accepted, No = 2 };

  explicit TPromptForSave(QWidget* parent = nullptr);

  // Shows the dialog modally and answers.
  Answer Ask() { return static_cast<Answer>(exec()); }

  QPushButton* cmdYes;     // "  Yes", the default button
  QPushButton* cmdNo;      // "    No"
  QPushButton* cmdCancel;  // " Cancel", also Escape
};

}  // namespace sumcraft
