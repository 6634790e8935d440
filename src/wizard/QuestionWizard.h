#pragma once
// TQuestionWizard: the three-step question-add wizard, run by the main
// window's "Add Questions" over its WorkingSet.
//
//   TQuestionWizard wizard(settings, mainWindow);   // once, at start-up
//   ...
//   if (wizard.Run(workingSet, quiz))               // Finish: the caller
//     document.AddSet(workingSet);                  // appends it (one step)
//                                                   // false: quiz untouched
//
// States: choose type (step 1) -> the options dialog of the chosen type
// (step 2) -> count (step 3) -> append. Next moves on, Back moves one step
// back (step 3 to the dialog of the chosen type, a dialog to step 1),
// Cancel or Escape ends the wizard at any step. Every entry into a dialog
// state loads that dialog from its settings section first; every entry into
// the count state empties the WorkingSet and generates it again.
//
// The wizard owns its windows (all created here, once) and deletes them
// with itself; they are children of `parent`. The first one shown is
// centred over it; every later one opens at the place of the one before,
// so that the steps, all of one size, do not jump. Every window
// keeps its controls' state from one run to the next.
#include <QPoint>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QDialog;
class QWidget;

namespace sumcraft {

class TPgmSettings;
class TProblemCountForm;
class TProblemOptionsForm;
class TProblemTypeForm;
class TQuestionSet;
class TQuiz;

class TQuestionWizard {
public:
  enum class TState { ChooseType, Options, Count, Append };

  TQuestionWizard(TPgmSettings& settings, QWidget* parent);
  ~TQuestionWizard();
  TQuestionWizard(const TQuestionWizard&) = delete;
  TQuestionWizard& operator=(const TQuestionWizard&) = delete;

  // Runs the wizard over workingSet. On Finish appends a copy of it to
  // quiz.Sets (AddCopy) and returns true; on Cancel returns false and the
  // quiz is unchanged. The WorkingSet keeps its options and questions either
  // way. The caller takes the undo snapshot before and, after true, marks
  // the quiz changed, lays it out and shows the new set.
  bool Run(TQuestionSet& workingSet, TQuiz& quiz);
  // The same without the append: true when the wizard reached the append
  // state ("Finish"), and the caller appends a copy of workingSet itself.
  // The quiz is only read (for step 3's preview).
  bool RunSteps(TQuestionSet& workingSet, const TQuiz& quiz);

  // Makes `form` the step-2 dialog of a problem type; the wizard owns it
  // from now on. One form may serve several types (addition and
  // subtraction); registering a type again replaces its dialog.
  void Register(std::uint8_t problemType, TProblemOptionsForm* form);

  TProblemTypeForm& TypeForm() { return *typeForm_; }
  TProblemCountForm& CountForm() { return *countForm_; }
  // The dialog of a type; nullptr when none is registered.
  TProblemOptionsForm* OptionsForm(std::uint8_t problemType) const;

  // How a step window is shown: by default dialog.exec(), whose result is a
  // TWizardResult. Tests put in a runner that shows the window, acts on it
  // (clicks, keys) and returns dialog.result().
  using TModalRunner = std::function<int(QDialog& dialog)>;
  void SetModalRunner(TModalRunner runner);

  // The states entered by the last Run, in order.
  const std::vector<TState>& Trace() const { return trace_; }

private:
  int ShowStep(QDialog& dialog);
  void Own(QDialog* dialog);

  TPgmSettings& settings_;
  TProblemTypeForm* typeForm_ = nullptr;
  TProblemCountForm* countForm_ = nullptr;
  std::map<std::uint8_t, TProblemOptionsForm*> optionsForms_;
  std::vector<QPointer<QDialog>> owned_;
  TModalRunner runner_;
  std::vector<TState> trace_;
  std::optional<QPoint> lastPlace_;
};

}  // namespace sumcraft
