#include "dialogs/ConfirmDeleteDialog.h"

#include <QPushButton>

namespace sumcraft {

TConfirmDeleteForm::TConfirmDeleteForm(QWidget* parent)
    : TQuestionDialog(QStringLiteral("Confirm question set delete"),
                      QStringLiteral("Are you sure you want to delete the selected question set?"),
                      QStringLiteral("(You can always click 'Undo' to reverse the deletion)"), parent) {
  cmdYes = AddButton(QStringLiteral("  Yes"), QStyle::SP_DialogYesButton, QDialog::Accepted);
  cmdNo = AddButton(QStringLiteral("    No"), QStyle::SP_DialogNoButton, QDialog::Rejected);
  FinishLayout();
}

}  // namespace sumcraft
