#pragma once
// TConfirmDeleteForm: asks before the selected question set is deleted.
// exec() returns QDialog::Accepted for "  Yes" and QDialog::Rejected for
// "    No", Escape and the close box.
#include "dialogs/QuestionDialog.h"

namespace sumcraft {

class TConfirmDeleteForm : public TQuestionDialog {
  Q_OBJECT

public:
  explicit TConfirmDeleteForm(QWidget* parent = nullptr);

  // Shows the dialog modally; true for "  Yes".
  bool Ask() { return exec() == QDialog::Accepted; }

  QPushButton* cmdYes;  // "  Yes"
  QPushButton* cmdNo;   // "    No", also Escape
};

}  // namespace sumcraft
