#include "widgets/WizardMessages.h"

#include <QMessageBox>
#include <utility>

namespace sumcraft {

namespace {

TWizardMessages& Installed() {
  static TWizardMessages messages;
  return messages;
}

}  // namespace

TWizardMessages SetWizardMessages(TWizardMessages messages) { return std::exchange(Installed(), std::move(messages)); }

void ShowWizardError(QWidget* parent, const QString& text) {
  if (Installed().Error) {
    Installed().Error(parent, text);
    return;
  }
  QMessageBox::critical(parent, QStringLiteral("Sumcraft"), text);
}

bool ConfirmWizard(QWidget* parent, const QString& text) {
  if (Installed().Confirm) return Installed().Confirm(parent, text);
  return QMessageBox::question(parent, QStringLiteral("Sumcraft"), text, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace sumcraft
