#pragma once
// TProblemOptionsTimeForm: the options of clock sets (step 2 of the
// wizard), section TimeSettings: the smallest interval the clocks show.
#include "wizard/ProblemOptionsForm.h"

namespace sumcraft {

class TlfLabel;
class TlfRadioButton;

class TProblemOptionsTimeForm : public TProblemOptionsForm {
  Q_OBJECT

public:
  static constexpr QSize kExampleSize{321, 337};
  // "  15 minutes": the start choice, and what a stored value without a
  // radio button is corrected to.
  static constexpr std::uint8_t kDefaultInterval = 2;

  TProblemOptionsTimeForm(TPgmSettings& settings, QWidget* parent = nullptr);

  std::string SectionName() const override { return "TimeSettings"; }

  TlfLabel* lblNearest;
  TlfRadioButton* optHour;        // FirstTermType 0
  TlfRadioButton* optHalfHour;    // 1
  TlfRadioButton* opt15Minutes;   // 2
  TlfRadioButton* opt5Minutes;    // 3
  TlfRadioButton* optMinute;      // 4

protected:
  void DoLoadSettings() override;
  void DoSaveSettings() override;

private:
  TlfRadioButton* RadioOf(int interval) const;
};

}  // namespace sumcraft
