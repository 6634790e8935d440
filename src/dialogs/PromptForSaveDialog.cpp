#include "dialogs/PromptForSaveDialog.h"

#include <QPushButton>

namespace sumcraft {

TPromptForSave::TPromptForSave(QWidget* parent)
    : TQuestionDialog(QStringLiteral("Save first?"), QStringLiteral("The current quiz has been changed."),
                      QStringLiteral("Do you want to save it before you continue?"), parent) {
  cmdYes = AddButton(QStringLiteral("  Yes"), QStyle::SP_DialogYesButton, Yes);
  cmdNo = AddButton(QStringLiteral("    No"), QStyle::SP_DialogNoButton, No);
  cmdCancel = AddButton(QStringLiteral(" Cancel"), QStyle::SP_DialogCancelButton, Cancel);
  SetDefaultButton(cmdYes);
  FinishLayout();
}

}  // namespace sumcraft
