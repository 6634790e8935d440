#pragma once
// How a step of the question-add wizard ends. The values are the dialog
// result codes the step windows close with (QDialog::done), so that Escape
// and closing the window, which reject a dialog, end a step with Cancel.
namespace sumcraft {

enum TWizardResult : int {
  wrCancel = 0,  // "Cancel", Escape: the wizard ends, nothing is appended
  wrNext = 1,    // "Next" or "Finish"
  wrBack = 2,    // "Back"
};

// A dialog result code as a step result; anything unknown counts as Cancel.
inline TWizardResult ToWizardResult(int code) {
  return code == wrNext ? wrNext : code == wrBack ? wrBack : wrCancel;
}

}  // namespace sumcraft
