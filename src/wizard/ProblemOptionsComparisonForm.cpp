#include "wizard/ProblemOptionsComparisonForm.h"

#include <algorithm>

#include "widgets/lfComboBox.h"
#include "widgets/lfLabel.h"
#include "widgets/lfRadioButton.h"
#include "wizard/OptionsFormParts.h"

namespace sumcraft {

namespace {

// Digit-count codes run from 0 (one digit) to 5 (six digits).
std::uint8_t DigitCode(int value) { return static_cast<std::uint8_t>(std::clamp(value, 0, 5)); }

}  // namespace

TProblemOptionsComparisonForm::TProblemOptionsComparisonForm(TPgmSettings& settings, QWidget* parent)
    : TProblemOptionsForm(settings, parent) {
  SetInstructions(QStringLiteral("Click the options below to define the parameters of your questions.  "),
                  QStringLiteral("The effects of your settings can be seen in the Example window."));
  CreateExampleArea(QRect(440, 96, 361, 185), kExampleSize);

  lblTermSize = MakeOptionsHeading(this, QStringLiteral("Term size:"), 40, 96);
  lblDigits = MakeOptionsLabel(this, QStringLiteral("# of digits in terms:"), 60, 130);
  cmbFirstTermType = MakeSizeList(this, TermSizeItems(1, 3), QRect(224, 125, 150, 26));

  lblDigits->setBuddy(cmbFirstTermType);
  lblDisplayOptions = MakeOptionsHeading(this, QStringLiteral("Display options"), 40, 186);
  optComparisonSymbols = MakeOptionsRadio(this, QStringLiteral("  Display comparison symbols (>, <, =)"), 60, 212);
  optComparisonText = MakeOptionsRadio(this, QStringLiteral("  Display comparison text"), 60, 238);
  optComparisonSymbols->setChecked(true);

  SetTabOrderToButtons({cmbFirstTermType, optComparisonSymbols, optComparisonText});

  connect(cmbFirstTermType, &QComboBox::activated, this, [this](int item) {
    ChangeAndUpdate([this, item] {
      Options().FirstTermType = DigitCode(item);
      Options().SecondTermType = DigitCode(item);
    });
  });
  connect(optComparisonSymbols, &QRadioButton::toggled, this, [this](bool on) {
    if (on) ChangeAndUpdate([this] { Options().ComparisonSymbolType = 1; });
  });
  connect(optComparisonText, &QRadioButton::toggled, this, [this](bool on) {
    if (on) ChangeAndUpdate([this] { Options().ComparisonSymbolType = 0; });
  });
}

void TProblemOptionsComparisonForm::DoLoadSettings(const TStoredOptions& stored) {
  TQOptions& o = Options();
  o.FirstTermType = DigitCode(ShowListItem(cmbFirstTermType, stored.Integer(&TQOptions::FirstTermType)));
  o.SecondTermType = DigitCode(stored.Integer(&TQOptions::SecondTermType));
  const std::int32_t symbols = stored.Integer(&TQOptions::ComparisonSymbolType);
  // Any other stored value leaves the choice on screen as it was.
  if (symbols == 0) optComparisonText->setChecked(true);
  else if (symbols == 1) optComparisonSymbols->setChecked(true);
}

}  // namespace sumcraft
