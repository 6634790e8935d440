#pragma once
// TProblemOptionsRoundingForm: the options of rounding sets (step 2 of the
// wizard), section RoundingSettings. A single rounding question carries no
// instruction, so the example gets the line "Round term to the nearest ...:"
// written over it.
#include "quiz/ProblemType.h"
#include "wizard/ProblemOptionsForm.h"

namespace sumcraft {

class TlfComboBox;
class TlfLabel;

class TProblemOptionsRoundingForm : public TProblemOptionsForm {
  Q_OBJECT

public:
  static constexpr QSize kExampleSize{329, 153};
  static constexpr QPoint kCaptionAt{10, 6};
  static constexpr int kCaptionPoints = 12;

  TProblemOptionsRoundingForm(TPgmSettings& settings, QWidget* parent = nullptr);

  const TOptionsSection& Section() const override { return OptionsSection(ptRounding); }

  // The example, then the caption on top of it.
  void UpdateExample() override;
  // "Round term to the nearest " + the rounding list's text + ":".
  QString CaptionText() const;

  TlfLabel* lblRoundingOptions;
  TlfLabel* lblDigits;
  TlfComboBox* cmbFirstTermType;
  TlfLabel* lblRoundTo;
  TlfComboBox* cmbSecondTermType;

protected:
  void DoLoadSettings(const TStoredOptions& stored) override;
};

}  // namespace sumcraft
