#pragma once
// TProblemOptionsComparisonForm: the options of comparison sets (step 2 of
// the wizard), section CompareSettings. Both numbers compared have the
// same number of digits, so the one list writes both term sizes.
#include "quiz/ProblemType.h"
#include "wizard/ProblemOptionsForm.h"

namespace sumcraft {

class TlfComboBox;
class TlfLabel;
class TlfRadioButton;

class TProblemOptionsComparisonForm : public TProblemOptionsForm {
  Q_OBJECT

public:
  static constexpr QSize kExampleSize{345, 153};

  TProblemOptionsComparisonForm(TPgmSettings& settings, QWidget* parent = nullptr);

  const TOptionsSection& Section() const override { return OptionsSection(ptComparison); }

  TlfLabel* lblTermSize;
  TlfLabel* lblDigits;
  TlfComboBox* cmbFirstTermType;
  TlfLabel* lblDisplayOptions;
  TlfRadioButton* optComparisonSymbols;
  TlfRadioButton* optComparisonText;

protected:
  void DoLoadSettings(const TStoredOptions& stored) override;
};

}  // namespace sumcraft
