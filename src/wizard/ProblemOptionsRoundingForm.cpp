#include "wizard/ProblemOptionsRoundingForm.h"

#include <QPainter>

#include "widgets/lfComboBox.h"
#include "widgets/lfLabel.h"
#include "wizard/OptionsFormParts.h"

namespace sumcraft {

namespace {

// The list item of a stored code counted from 1 (a hand-edited value may be
// any 32-bit number).
int ItemOfCode(std::int32_t code) { return code > 0 ? code - 1 : -1; }

}  // namespace

TProblemOptionsRoundingForm::TProblemOptionsRoundingForm(TPgmSettings& settings, QWidget* parent)
    : TProblemOptionsForm(settings, parent) {
  SetInstructions(QStringLiteral("Click the options below to define the parameters of your questions.  "),
                  QStringLiteral("The effects of your settings can be seen in the Example window."));
  CreateExampleArea(QRect(440, 96, 353, 185), kExampleSize);

  lblRoundingOptions = MakeOptionsHeading(this, QStringLiteral("Rounding Term Options:"), 40, 96);
  lblDigits = MakeOptionsLabel(this, QStringLiteral("Number of digits in term to be rounded:"), 60, 130);
  cmbFirstTermType = MakeSizeList(this, TermSizeItems(2, 5), QRect(60, 152, 150, 26));
  lblDigits->setBuddy(cmbFirstTermType);
  lblRoundTo = MakeOptionsLabel(this, QStringLiteral("Round to the nearest:"), 60, 196);
  cmbSecondTermType = MakeSizeList(
      this,
      {QStringLiteral("10"), QStringLiteral("100"), QStringLiteral("1,000"), QStringLiteral("10,000"),
       QStringLiteral("100,000")},
      QRect(60, 218, 150, 26));
  lblRoundTo->setBuddy(cmbSecondTermType);

  SetTabOrderToButtons({cmbFirstTermType, cmbSecondTermType});

  // The two lists are independent: a 2-digit term may be rounded to 100,000.
  connect(cmbFirstTermType, &QComboBox::activated, this,
          [this](int item) { ChangeAndUpdate([this, item] { Options().FirstTermType = Byte(item + 1); }); });
  connect(cmbSecondTermType, &QComboBox::activated, this,
          [this](int item) { ChangeAndUpdate([this, item] { Options().SecondTermType = Byte(item + 1); }); });
}

QString TProblemOptionsRoundingForm::CaptionText() const {
  return QStringLiteral("Round term to the nearest ") + cmbSecondTermType->currentText() + QStringLiteral(":");
}

void TProblemOptionsRoundingForm::UpdateExample() {
  TProblemOptionsForm::UpdateExample();
  if (!HasQuestionSet() || ExampleImage().isNull()) return;
  QPainter painter(&ExampleImage());
  QFont captionFont = font();
  captionFont.setPointSize(kCaptionPoints);
  painter.setFont(captionFont);
  painter.setPen(Qt::black);
  const QFontMetrics metrics(captionFont, &ExampleImage());
  painter.drawText(kCaptionAt.x(), kCaptionAt.y() + metrics.ascent(), CaptionText());
  painter.end();
  ShowExample();
}

void TProblemOptionsRoundingForm::DoLoadSettings(const TStoredOptions& stored) {
  TQOptions& o = Options();
  o.FirstTermType = Byte(ShowListItem(cmbFirstTermType, ItemOfCode(stored.Integer(&TQOptions::FirstTermType))) + 1);
  o.SecondTermType =
      Byte(ShowListItem(cmbSecondTermType, ItemOfCode(stored.Integer(&TQOptions::SecondTermType))) + 1);
}

}  // namespace sumcraft
