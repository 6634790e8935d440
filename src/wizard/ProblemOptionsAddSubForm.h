#pragma once
// TProblemOptionsAddSubForm: the options of addition and subtraction sets
// (step 2 of the wizard), one dialog for both. The bound set's Operand
// chooses the settings section, AdditionSettings or SubtractionSettings.
//
// For subtraction the first term never has fewer digits than the second:
// a list changed against that rule is moved to the other's size, and a
// stored pair that breaks it (a hand-edited file) is shown corrected, the
// first term raised to the second's size.
#include "wizard/ProblemOptionsForm.h"

namespace sumcraft {

class TlfCheckbox;
class TlfComboBox;
class TlfLabel;
class TlfRadioButton;

class TProblemOptionsAddSubForm : public TProblemOptionsForm {
  Q_OBJECT

public:
  static constexpr QSize kExampleSize{297, 121};

  TProblemOptionsAddSubForm(TPgmSettings& settings, QWidget* parent = nullptr);

  const TOptionsSection& Section() const override;

  TlfLabel* lblSizeOfTerms;
  TlfLabel* lblFirstTerm;
  TlfComboBox* cmbFirstTermType;
  TlfLabel* lblSecondTerm;
  TlfComboBox* cmbSecondTermType;
  TlfLabel* lblRegrouping;
  TlfCheckbox* chkRegroupings;
  TlfLabel* lblOrientation;
  TlfRadioButton* optVertical;
  TlfRadioButton* optHorizontal;
  TlfCheckbox* chkUseZero;  // never shown; carries UseZero

protected:
  void DoLoadSettings(const TStoredOptions& stored) override;

private:
  bool IsSubtraction() const;
  void cmbFirstTermTypeChange();
  void cmbSecondTermTypeChange();
};

}  // namespace sumcraft
