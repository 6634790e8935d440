#include "wizard/ProblemOptionsMoneyForm.h"

#include <utility>

#include "widgets/lfCheckbox.h"
#include "widgets/lfLabel.h"
#include "wizard/OptionsFormParts.h"

namespace sumcraft {

TProblemOptionsMoneyForm::TProblemOptionsMoneyForm(TPgmSettings& settings, QWidget* parent)
    : TProblemOptionsForm(settings, parent) {
  SetInstructions(QStringLiteral("Click the options below to define the parameters of your questions.  "),
                  QStringLiteral("The effects of your settings can be seen in the Example window."));
  CreateExampleArea(QRect(290, 96, 505, 320), kExampleSize);

  lblCoins = MakeOptionsHeading(this, QStringLiteral("Check coins to include:"), 40, 96);
  chkQuarter = MakeOptionsCheckbox(this, QStringLiteral("  Quarter"), 60, 126);
  chkDime = MakeOptionsCheckbox(this, QStringLiteral("  Dime"), 60, 152);
  chkNickel = MakeOptionsCheckbox(this, QStringLiteral("  Nickel"), 60, 178);
  chkPenny = MakeOptionsCheckbox(this, QStringLiteral("  Penny"), 60, 204);
  chkAbove100 = MakeOptionsCheckbox(this, QStringLiteral("  Allow total to exceed $0.99"), 60, 246);
  for (TlfCheckbox* coin : {chkQuarter, chkDime, chkNickel, chkPenny}) coin->setChecked(true);

  SetTabOrderToButtons({chkQuarter, chkDime, chkNickel, chkPenny, chkAbove100});

  BindBit(chkPenny, kPenny);
  BindBit(chkNickel, kNickel);
  BindBit(chkDime, kDime);
  BindBit(chkQuarter, kQuarter);
  BindBit(chkAbove100, kAbove100);
}

void TProblemOptionsMoneyForm::BindBit(TlfCheckbox* box, std::int32_t bit) {
  connect(box, &QCheckBox::toggled, this, [this, bit](bool on) {
    ChangeAndUpdate([this, bit, on] {
      std::int32_t& coins = Options().CoinsToUse;
      coins = on ? (coins | bit) : (coins & ~bit);
    });
  });
}

void TProblemOptionsMoneyForm::DoLoadSettings(const TStoredOptions&) {
  const std::int32_t coins = Options().CoinsToUse;
  const std::pair<TlfCheckbox*, std::int32_t> boxes[] = {
      {chkPenny, kPenny}, {chkNickel, kNickel}, {chkDime, kDime}, {chkQuarter, kQuarter}, {chkAbove100, kAbove100}};
  for (const auto& [box, bit] : boxes) box->setChecked((coins & bit) != 0);
}

}  // namespace sumcraft
