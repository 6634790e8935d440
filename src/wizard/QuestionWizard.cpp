#include "wizard/QuestionWizard.h"

#include <QDialog>

#include "quiz/ProblemType.h"
#include "quiz/QuestionSet.h"
#include "quiz/Quiz.h"
#include "widgets/WizardMessages.h"
#include "wizard/ProblemCountForm.h"
#include "wizard/ProblemOptionsAddSubForm.h"
#include "wizard/ProblemOptionsComparisonForm.h"
#include "wizard/ProblemOptionsDivisionForm.h"
#include "wizard/ProblemOptionsForm.h"
#include "wizard/ProblemOptionsFractionsForm.h"
#include "wizard/ProblemOptionsGraphForm.h"
#include "wizard/ProblemOptionsMoneyForm.h"
#include "wizard/ProblemOptionsMultiplicationForm.h"
#include "wizard/ProblemOptionsRoundingForm.h"
#include "wizard/ProblemOptionsTableDataForm.h"
#include "wizard/ProblemOptionsTimeForm.h"
#include "wizard/ProblemTypeForm.h"
#include "wizard/WizardResult.h"

namespace sumcraft {

TQuestionWizard::TQuestionWizard(TPgmSettings& settings, QWidget* parent) : settings_(settings) {
  typeForm_ = new TProblemTypeForm(parent);
  Own(typeForm_);
  countForm_ = new TProblemCountForm(parent);
  Own(countForm_);

  // The step-2 dialogs, one per problem type.
  auto* addSub = new TProblemOptionsAddSubForm(settings, parent);
  Register(ptAddition, addSub);
  Register(ptSubtraction, addSub);
  Register(ptMultiplication, new TProblemOptionsMultiplicationForm(settings, parent));
  Register(ptDivision, new TProblemOptionsDivisionForm(settings, parent));
  Register(ptComparison, new TProblemOptionsComparisonForm(settings, parent));
  Register(ptMoney, new TProblemOptionsMoneyForm(settings, parent));
  Register(ptFractions, new TProblemOptionsFractionsForm(settings, parent));
  Register(ptTime, new TProblemOptionsTimeForm(settings, parent));
  Register(ptRounding, new TProblemOptionsRoundingForm(settings, parent));
  Register(ptTables, new TProblemOptionsTableDataForm(settings, parent));
  Register(ptGraphs, new TProblemOptionsGraphForm(settings, parent));
}

TQuestionWizard::~TQuestionWizard() {
  for (QPointer<QDialog>& dialog : owned_) delete dialog.data();
}

void TQuestionWizard::Own(QDialog* dialog) {
  for (const QPointer<QDialog>& owned : owned_)
    if (owned.data() == dialog) return;
  owned_.emplace_back(dialog);
}

void TQuestionWizard::Register(std::uint8_t problemType, TProblemOptionsForm* form) {
  Own(form);
  optionsForms_[problemType] = form;
}

TProblemOptionsForm* TQuestionWizard::OptionsForm(std::uint8_t problemType) const {
  const auto found = optionsForms_.find(problemType);
  return found == optionsForms_.end() ? nullptr : found->second;
}

void TQuestionWizard::SetModalRunner(TModalRunner runner) { runner_ = std::move(runner); }

int TQuestionWizard::ShowStep(QDialog& dialog) {
  // Each step opens where the last one was, wherever the user moved it.
  if (lastPlace_) dialog.move(*lastPlace_);
  const int result = runner_ ? runner_(dialog) : dialog.exec();
  lastPlace_ = dialog.pos();
  return result;
}

bool TQuestionWizard::Run(TQuestionSet& workingSet, TQuiz& quiz) {
  if (!RunSteps(workingSet, quiz)) return false;
  // The append state.
  quiz.Sets.AddCopy(workingSet);
  return true;
}

bool TQuestionWizard::RunSteps(TQuestionSet& workingSet, const TQuiz& quiz) {
  trace_.clear();
  TState state = TState::ChooseType;
  for (;;) {
    trace_.push_back(state);
    switch (state) {
      case TState::ChooseType: {
        typeForm_->SetQuestionSet(workingSet);
        // There is no Back from the first step; only Next goes on.
        if (ToWizardResult(ShowStep(*typeForm_)) != wrNext) return false;
        state = TState::Options;
        break;
      }
      case TState::Options: {
        TProblemOptionsForm* form = OptionsForm(typeForm_->ChosenType());
        if (form == nullptr) {
          ShowWizardError(typeForm_, QStringLiteral("There are no options for this problem type."));
          state = TState::ChooseType;
          break;
        }
        form->SetQuestionSet(workingSet);
        form->LoadSettings();
        const TWizardResult result = ToWizardResult(ShowStep(*form));
        if (result == wrCancel) return false;
        state = result == wrNext ? TState::Count : TState::ChooseType;
        break;
      }
      case TState::Count: {
        workingSet.Clear();
        countForm_->SetQuestionSet(workingSet);
        countForm_->ClearPreview();
        countForm_->Regenerate();
        quiz.CopyTo(countForm_->OwnQuiz());
        countForm_->UpdatePreview();
        const TWizardResult result = ToWizardResult(ShowStep(*countForm_));
        if (result == wrCancel) return false;
        state = result == wrNext ? TState::Append : TState::Options;
        break;
      }
      case TState::Append:
        return true;
    }
  }
}

}  // namespace sumcraft
