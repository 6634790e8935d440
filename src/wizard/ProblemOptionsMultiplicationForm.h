#pragma once
// TProblemOptionsMultiplicationForm: the options of multiplication sets
// (step 2 of the wizard), section MultiplySettings. Two tabs: the times
// tables to practise (TTimesTableGrid) and open-ended multiplication by
// the digits of each term; the orientation applies to both.
#include "quiz/ProblemType.h"
#include "wizard/ProblemOptionsForm.h"

class QTabWidget;

namespace sumcraft {

class TTimesTableGrid;
class TlfComboBox;
class TlfLabel;
class TlfRadioButton;

class TProblemOptionsMultiplicationForm : public TProblemOptionsForm {
  Q_OBJECT

public:
  static constexpr QSize kExampleSize{250, 113};

  TProblemOptionsMultiplicationForm(TPgmSettings& settings, QWidget* parent = nullptr);

  const TOptionsSection& Section() const override { return OptionsSection(ptMultiplication); }

  // ReadTableBoxes, so that the options match the boxes, then the example.
  void UpdateExample() override;

  QTabWidget* tabType;  // "Multiplication Tables", "Open-ended Multiplication"
  TTimesTableGrid* grdTimesTable;
  TlfLabel* lblFirstTerm;
  TlfComboBox* cmbFirstTermType;
  TlfLabel* lblSecondTerm;
  TlfComboBox* cmbSecondTermType;
  TlfLabel* lblOrientation;
  TlfRadioButton* optVertical;
  TlfRadioButton* optHorizontal;

protected:
  void DoLoadSettings(const TStoredOptions& stored) override;
  // The grid keeps its ticks until read.
  void CollectOptions() override;
};

}  // namespace sumcraft
