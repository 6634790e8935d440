#include "wizard/ProblemOptionsTimeForm.h"

#include "widgets/lfLabel.h"
#include "widgets/lfRadioButton.h"
#include "wizard/OptionsFormParts.h"

namespace sumcraft {

TProblemOptionsTimeForm::TProblemOptionsTimeForm(TPgmSettings& settings, QWidget* parent)
    : TProblemOptionsForm(settings, parent) {
  SetInstructions(QStringLiteral("Click on the radio buttons to pick smallest"),
                  QStringLiteral("time interval for clock."));
  CreateExampleArea(QRect(440, 70, 345, 363), kExampleSize);

  lblNearest = MakeOptionsHeading(this, QStringLiteral("Tell time to nearest:"), 40, 96);
  optHour = MakeOptionsRadio(this, QStringLiteral("  hour"), 60, 126);
  optHalfHour = MakeOptionsRadio(this, QStringLiteral("  half-hour"), 60, 152);
  opt15Minutes = MakeOptionsRadio(this, QStringLiteral("  15 minutes"), 60, 178);
  opt5Minutes = MakeOptionsRadio(this, QStringLiteral("  5 minutes"), 60, 204);
  optMinute = MakeOptionsRadio(this, QStringLiteral("  minute"), 60, 230);
  opt15Minutes->setChecked(true);

  SetTabOrderToButtons({optHour, optHalfHour, opt15Minutes, opt5Minutes, optMinute});

  for (int interval = 0; interval <= 4; ++interval) {
    connect(RadioOf(interval), &QRadioButton::toggled, this, [this, interval](bool on) {
      if (on) ChangeAndUpdate([this, interval] { Options().FirstTermType = static_cast<std::uint8_t>(interval); });
    });
  }
}

TlfRadioButton* TProblemOptionsTimeForm::RadioOf(int interval) const {
  switch (interval) {
    case 0: return optHour;
    case 1: return optHalfHour;
    case 2: return opt15Minutes;
    case 3: return opt5Minutes;
    case 4: return optMinute;
    default: return nullptr;
  }
}

void TProblemOptionsTimeForm::DoLoadSettings(const TStoredOptions& stored) {
  const auto field = &TQOptions::FirstTermType;
  std::int32_t interval = stored.Integer(field);
  // A value without a radio button (5 and above, or below 0: a hand-edited
  // file) would show "15 minutes" while the clocks show something else, so
  // it becomes the default, "15 minutes".
  if (RadioOf(interval) == nullptr) interval = stored.Default(field);
  Options().FirstTermType = static_cast<std::uint8_t>(interval);
  RadioOf(interval)->setChecked(true);
}

}  // namespace sumcraft
