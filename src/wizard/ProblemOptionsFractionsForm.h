#pragma once
// TProblemOptionsFractionsForm: the options of fraction sets (step 2 of the
// wizard), section FractionSettings. "All denominators alike" only matters
// to sums and differences, so it is shown only while one of them is chosen.
#include "quiz/ProblemType.h"
#include "wizard/ProblemOptionsForm.h"

namespace sumcraft {

class TlfCheckbox;
class TlfLabel;
class TlfRadioButton;

class TProblemOptionsFractionsForm : public TProblemOptionsForm {
  Q_OBJECT

public:
  static constexpr QSize kExampleSize{260, 241};

  TProblemOptionsFractionsForm(TPgmSettings& settings, QWidget* parent = nullptr);

  const TOptionsSection& Section() const override { return OptionsSection(ptFractions); }

  TlfLabel* lblProblemType;
  TlfRadioButton* optGeometricRegions;  // FractionType 0
  TlfRadioButton* optSets;              // 1
  TlfRadioButton* optAddition;          // 3
  TlfRadioButton* optSubtraction;       // 4
  TlfRadioButton* optComparisons;       // 5
  TlfCheckbox* chkAllDenominatorsAlike;

protected:
  void DoLoadSettings(const TStoredOptions& stored) override;

private:
  // The radio button of a FractionType, or nullptr (2 has none).
  TlfRadioButton* RadioOf(int fractionType) const;
  void ShowDenominatorsBox();
};

}  // namespace sumcraft
