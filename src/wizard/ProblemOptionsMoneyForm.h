#pragma once
// TProblemOptionsMoneyForm: the options of money sets (step 2 of the
// wizard), section MoneySettings. The five boxes share one bit mask,
// CoinsToUse; bits without a box (from the file) are kept as they are.
#include "quiz/ProblemType.h"
#include "wizard/ProblemOptionsForm.h"

namespace sumcraft {

class TlfCheckbox;
class TlfLabel;

class TProblemOptionsMoneyForm : public TProblemOptionsForm {
  Q_OBJECT

public:
  static constexpr QSize kExampleSize{600, 400};

  static constexpr std::int32_t kPenny = 1;
  static constexpr std::int32_t kNickel = 2;
  static constexpr std::int32_t kDime = 4;
  static constexpr std::int32_t kQuarter = 8;
  static constexpr std::int32_t kAbove100 = 128;

  TProblemOptionsMoneyForm(TPgmSettings& settings, QWidget* parent = nullptr);

  const TOptionsSection& Section() const override { return OptionsSection(ptMoney); }

  TlfLabel* lblCoins;
  TlfCheckbox* chkQuarter;
  TlfCheckbox* chkDime;
  TlfCheckbox* chkNickel;
  TlfCheckbox* chkPenny;
  TlfCheckbox* chkAbove100;

protected:
  void DoLoadSettings(const TStoredOptions& stored) override;

private:
  void BindBit(TlfCheckbox* box, std::int32_t bit);
};

}  // namespace sumcraft
