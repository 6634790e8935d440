#pragma once
// The few messages the wizard windows give: an error to acknowledge and a
// yes/no question. They go through one replaceable pair of functions so
// that tests can answer them without a modal message box.
//
//   ShowWizardError(this, "'12x' is not a valid integer value");
//   if (!ConfirmWizard(this, "Generating 5000 questions may take a while. Continue?")) ...
//
//   TWizardMessages saved = SetWizardMessages({record, alwaysYes});  // a test
//   ...
//   SetWizardMessages(saved);
#include <QString>
#include <functional>

class QWidget;

namespace sumcraft {

struct TWizardMessages {
  std::function<void(QWidget* parent, const QString& text)> Error;
  // true for "Yes".
  std::function<bool(QWidget* parent, const QString& text)> Confirm;
};

// Installs new handlers (an empty function restores the message box of its
// kind) and returns the ones in force before.
TWizardMessages SetWizardMessages(TWizardMessages messages);

void ShowWizardError(QWidget* parent, const QString& text);
bool ConfirmWizard(QWidget* parent, const QString& text);

}  // namespace sumcraft
