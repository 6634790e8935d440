#include "wizard/ProblemOptionsFractionsForm.h"

#include "widgets/lfCheckbox.h"
#include "widgets/lfLabel.h"
#include "widgets/lfRadioButton.h"
#include "wizard/OptionsFormParts.h"

namespace sumcraft {

TProblemOptionsFractionsForm::TProblemOptionsFractionsForm(TPgmSettings& settings, QWidget* parent)
    : TProblemOptionsForm(settings, parent) {
  SetInstructions(QStringLiteral("Click the options below to define the parameters of your questions.  "),
                  QStringLiteral("The effects of your settings can be seen in the Example window."));
  CreateExampleArea(QRect(480, 96, 300, 290), kExampleSize);

  lblProblemType = MakeOptionsHeading(this, QStringLiteral("Select problem type:"), 40, 96);
  optGeometricRegions =
      MakeOptionsRadio(this, QStringLiteral("  Identify fraction from a geometric region"), 60, 126);
  optSets = MakeOptionsRadio(this, QStringLiteral("  Fraction from a set"), 60, 152);
  optAddition = MakeOptionsRadio(this, QStringLiteral("  Fraction addition"), 60, 178);
  optSubtraction = MakeOptionsRadio(this, QStringLiteral("  Fraction subtraction"), 60, 204);
  optComparisons = MakeOptionsRadio(this, QStringLiteral("  Fraction comparisons"), 60, 230);
  chkAllDenominatorsAlike = MakeOptionsCheckbox(this, QStringLiteral("  All denominators alike"), 84, 262);
  optGeometricRegions->setChecked(true);
  chkAllDenominatorsAlike->setChecked(true);
  chkAllDenominatorsAlike->hide();

  SetTabOrderToButtons(
      {optGeometricRegions, optSets, optAddition, optSubtraction, optComparisons, chkAllDenominatorsAlike});

  for (int type : {0, 1, 3, 4, 5}) {
    connect(RadioOf(type), &QRadioButton::toggled, this, [this, type](bool on) {
      if (!on) return;
      // The box follows the choice on screen, loading included.
      ShowDenominatorsBox();
      ChangeAndUpdate([this, type] { Options().FractionType = static_cast<std::uint8_t>(type); });
    });
  }
  connect(chkAllDenominatorsAlike, &QCheckBox::toggled, this,
          [this](bool on) { ChangeAndUpdate([this, on] { Options().AllDenominatorsAlike = on; }); });
}

TlfRadioButton* TProblemOptionsFractionsForm::RadioOf(int fractionType) const {
  switch (fractionType) {
    case 0: return optGeometricRegions;
    case 1: return optSets;
    case 3: return optAddition;
    case 4: return optSubtraction;
    case 5: return optComparisons;
    default: return nullptr;
  }
}

void TProblemOptionsFractionsForm::ShowDenominatorsBox() {
  chkAllDenominatorsAlike->setVisible(optAddition->isChecked() || optSubtraction->isChecked());
}

void TProblemOptionsFractionsForm::DoLoadSettings(const TStoredOptions& stored) {
  const TQOptions& o = Options();
  const std::int32_t type = stored.Integer(&TQOptions::FractionType);
  // A type without a radio button leaves the choice on screen as it was.
  if (TlfRadioButton* radio = RadioOf(type)) radio->setChecked(true);
  chkAllDenominatorsAlike->setChecked(o.AllDenominatorsAlike);
  ShowDenominatorsBox();
}

}  // namespace sumcraft
