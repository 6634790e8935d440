#include "wizard/ProblemOptionsAddSubForm.h"

#include "quiz/ProblemType.h"
#include "widgets/lfCheckbox.h"
#include "widgets/lfComboBox.h"
#include "widgets/lfLabel.h"
#include "widgets/lfRadioButton.h"
#include "wizard/OptionsFormParts.h"

namespace sumcraft {

TProblemOptionsAddSubForm::TProblemOptionsAddSubForm(TPgmSettings& settings, QWidget* parent)
    : TProblemOptionsForm(settings, parent) {
  SetInstructions(QStringLiteral("Click the options below to define the parameters of your questions.  "),
                  QStringLiteral("The effects of your settings can be seen in the Example window."));
  CreateExampleArea(QRect(456, 96, 337, 185), kExampleSize);

  lblSizeOfTerms = MakeOptionsHeading(this, QStringLiteral("Size of terms:"), 40, 96);
  lblFirstTerm = MakeOptionsLabel(this, QStringLiteral("Digits for first term:"), 60, 130);
  cmbFirstTermType = MakeSizeList(this, TermSizeItems(1, 6), QRect(224, 125, 150, 26));
  lblSecondTerm = MakeOptionsLabel(this, QStringLiteral("Digits for second term:"), 60, 166);
  cmbSecondTermType = MakeSizeList(this, TermSizeItems(1, 6), QRect(224, 161, 150, 26));

  lblFirstTerm->setBuddy(cmbFirstTermType);
  lblSecondTerm->setBuddy(cmbSecondTermType);

  lblRegrouping = MakeOptionsHeading(this, QStringLiteral("Regrouping:"), 40, 214);
  chkRegroupings = MakeOptionsCheckbox(this, QStringLiteral("  Allow regrouping (carry and borrow)"), 60, 240);

  lblOrientation = MakeOptionsHeading(this, QStringLiteral("Orientation:"), 40, 286);
  optVertical = MakeOptionsRadio(this, QStringLiteral("  Vertical"), 60, 312);
  optHorizontal = MakeOptionsRadio(this, QStringLiteral("  Horizontal"), 60, 338);
  optVertical->setChecked(true);

  chkUseZero = MakeOptionsCheckbox(this, QStringLiteral("  Allow problems that add or subtract zero (0)."), 60, 380);
  chkUseZero->hide();

  SetTabOrderToButtons({cmbFirstTermType, cmbSecondTermType, chkRegroupings, optVertical, optHorizontal});

  connect(cmbFirstTermType, &QComboBox::activated, this, [this] { cmbFirstTermTypeChange(); });
  connect(cmbSecondTermType, &QComboBox::activated, this, [this] { cmbSecondTermTypeChange(); });
  connect(chkRegroupings, &QCheckBox::toggled, this,
          [this](bool on) { ChangeAndUpdate([this, on] { Options().Regrouping = on; }); });
  connect(optVertical, &QRadioButton::toggled, this, [this](bool on) {
    if (on) ChangeAndUpdate([this] { Options().Orientation = 0; });
  });
  connect(optHorizontal, &QRadioButton::toggled, this, [this](bool on) {
    if (on) ChangeAndUpdate([this] { Options().Orientation = 1; });
  });
}

bool TProblemOptionsAddSubForm::IsSubtraction() const {
  return HasQuestionSet() && Options().Operand != ptAddition;
}

const TOptionsSection& TProblemOptionsAddSubForm::Section() const {
  return OptionsSection(IsSubtraction() ? ptSubtraction : ptAddition);
}

void TProblemOptionsAddSubForm::cmbFirstTermTypeChange() {
  ChangeAndUpdate([this] {
    if (IsSubtraction() && cmbFirstTermType->currentIndex() < cmbSecondTermType->currentIndex())
      cmbFirstTermType->setCurrentIndex(cmbSecondTermType->currentIndex());
    Options().FirstTermType = Byte(cmbFirstTermType->currentIndex());
  });
}

void TProblemOptionsAddSubForm::cmbSecondTermTypeChange() {
  ChangeAndUpdate([this] {
    if (IsSubtraction() && cmbSecondTermType->currentIndex() > cmbFirstTermType->currentIndex())
      cmbSecondTermType->setCurrentIndex(cmbFirstTermType->currentIndex());
    Options().SecondTermType = Byte(cmbSecondTermType->currentIndex());
  });
}

void TProblemOptionsAddSubForm::DoLoadSettings(const TStoredOptions& stored) {
  TQOptions& o = Options();
  o.FirstTermType = Byte(ShowListItem(cmbFirstTermType, stored.Integer(&TQOptions::FirstTermType)));
  o.SecondTermType = Byte(ShowListItem(cmbSecondTermType, stored.Integer(&TQOptions::SecondTermType)));
  o.Orientation = stored.Integer(&TQOptions::Orientation) != 0 ? 1 : 0;
  // A subtraction needs a first term at least as long as the second; a
  // stored pair against that rule would admit no question at all.
  if (IsSubtraction() && o.FirstTermType < o.SecondTermType)
    o.FirstTermType = Byte(ShowListItem(cmbFirstTermType, o.SecondTermType));
  chkRegroupings->setChecked(o.Regrouping);
  chkUseZero->setChecked(o.UseZero);
  if (o.Orientation != 0) optHorizontal->setChecked(true);
  else optVertical->setChecked(true);
}

}  // namespace sumcraft
