#pragma once
// TProblemOptionsTimeForm: the options of clock sets (step 2 of the
// wizard), section TimeSettings: the smallest interval the clocks show.
#include "quiz/ProblemType.h"
#include "wizard/ProblemOptionsForm.h"

namespace sumcraft {

class TlfLabel;
class TlfRadioButton;

class TProblemOptionsTimeForm : public TProblemOptionsForm {
  Q_OBJECT

public:
  static constexpr QSize kExampleSize{321, 337};

  TProblemOptionsTimeForm(TPgmSettings& settings, QWidget* parent = nullptr);

  const TOptionsSection& Section() const override { return OptionsSection(ptTime); }

  TlfLabel* lblNearest;
  TlfRadioButton* optHour;        // FirstTermType 0
  TlfRadioButton* optHalfHour;    // 1
  TlfRadioButton* opt15Minutes;   // 2
  TlfRadioButton* opt5Minutes;    // 3
  TlfRadioButton* optMinute;      // 4

protected:
  void DoLoadSettings(const TStoredOptions& stored) override;

private:
  TlfRadioButton* RadioOf(int interval) const;
};

}  // namespace sumcraft
