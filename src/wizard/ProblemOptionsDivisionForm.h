#pragma once
// TProblemOptionsDivisionForm: the options of division sets (step 2 of the
// wizard), section DivisionSettings. Two tabs: the division tables to
// practise (TTimesTableGrid) and long division by the digits of dividend
// and divisor. The divisor always has fewer digits than the dividend: a
// list changed against that rule moves the other one.
#include "quiz/ProblemType.h"
#include "wizard/ProblemOptionsForm.h"

class QTabWidget;

namespace sumcraft {

class TTimesTableGrid;
class TlfCheckbox;
class TlfComboBox;
class TlfLabel;

class TProblemOptionsDivisionForm : public TProblemOptionsForm {
  Q_OBJECT

public:
  static constexpr QSize kExampleSize{250, 113};

  TProblemOptionsDivisionForm(TPgmSettings& settings, QWidget* parent = nullptr);

  const TOptionsSection& Section() const override { return OptionsSection(ptDivision); }

  // ReadTableBoxes, so that the options match the boxes, then the example.
  void UpdateExample() override;

  QTabWidget* tabType;  // "Division Tables", "Long Division"
  TTimesTableGrid* grdTimesTable;
  TlfLabel* lblDividend;
  TlfComboBox* cmdDividendType;  // item i: DividendType i + 1 (i + 2 digits)
  TlfLabel* lblDivisor;
  TlfComboBox* cmdDivisorType;  // item i: DivisorType i (i + 1 digits)
  TlfCheckbox* chkNoRemainders;

protected:
  void DoLoadSettings(const TStoredOptions& stored) override;
  // The grid keeps its ticks until read.
  void CollectOptions() override;

private:
  void cmdDividendTypeChange();
  void cmdDivisorTypeChange();
};

}  // namespace sumcraft
