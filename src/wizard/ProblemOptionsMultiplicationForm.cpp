#include "wizard/ProblemOptionsMultiplicationForm.h"

#include <QTabWidget>

#include "widgets/lfCheckbox.h"
#include "widgets/lfComboBox.h"
#include "widgets/lfLabel.h"
#include "widgets/lfRadioButton.h"
#include "wizard/OptionsFormParts.h"
#include "wizard/TimesTableGrid.h"

namespace sumcraft {

TProblemOptionsMultiplicationForm::TProblemOptionsMultiplicationForm(TPgmSettings& settings, QWidget* parent)
    : TProblemOptionsForm(settings, parent) {
  SetInstructions(QStringLiteral("Click on the tabs to pick problem type."),
                  QStringLiteral("Changes will affect the example to the right."));
  CreateExampleArea(QRect(531, 16, 272, 159), kExampleSize);

  tabType = new QTabWidget(this);
  tabType->setGeometry(16, 80, 506, 292);
  grdTimesTable = new TTimesTableGrid;
  tabType->addTab(grdTimesTable, QStringLiteral("Multiplication Tables"));
  auto* openEnded = new QWidget;
  lblFirstTerm = MakeOptionsLabel(openEnded, QStringLiteral("Number of digits for first term:"), 20, 30);
  cmbFirstTermType = MakeSizeList(openEnded, TermSizeItems(1, 3), QRect(250, 25, 150, 26));
  lblSecondTerm = MakeOptionsLabel(openEnded, QStringLiteral("Number of digits for second term:"), 20, 70);
  cmbSecondTermType = MakeSizeList(openEnded, TermSizeItems(1, 3), QRect(250, 65, 150, 26));
  lblFirstTerm->setBuddy(cmbFirstTermType);
  lblSecondTerm->setBuddy(cmbSecondTermType);
  tabType->addTab(openEnded, QStringLiteral("Open-ended Multiplication"));

  lblOrientation = MakeOptionsHeading(this, QStringLiteral("Orientation:"), 20, 384);
  optVertical = MakeOptionsRadio(this, QStringLiteral("  Vertical"), 40, 408);
  optHorizontal = MakeOptionsRadio(this, QStringLiteral("  Horizontal"), 40, 432);
  optVertical->setChecked(true);

  SetTabOrderToButtons({tabType, grdTimesTable->Master(1), cmbFirstTermType, cmbSecondTermType, optVertical,
                        optHorizontal});

  connect(tabType, &QTabWidget::currentChanged, this,
          [this](int index) { ChangeAndUpdate([this, index] { Options().MultiplicationType = Byte(index); }); });
  connect(cmbFirstTermType, &QComboBox::activated, this,
          [this](int index) { ChangeAndUpdate([this, index] { Options().FirstTermType = Byte(index); }); });
  connect(cmbSecondTermType, &QComboBox::activated, this,
          [this](int index) { ChangeAndUpdate([this, index] { Options().SecondTermType = Byte(index); }); });
  connect(grdTimesTable, &TTimesTableGrid::Changed, this, [this] {
    if (!Loading()) UpdateExample();
  });
  // The orientation is written and shown even while loading.
  connect(optVertical, &QRadioButton::toggled, this, [this](bool on) {
    if (!on || !HasQuestionSet()) return;
    Options().Orientation = 0;
    UpdateExample();
  });
  connect(optHorizontal, &QRadioButton::toggled, this, [this](bool on) {
    if (!on || !HasQuestionSet()) return;
    Options().Orientation = 1;
    UpdateExample();
  });
}

void TProblemOptionsMultiplicationForm::UpdateExample() {
  if (!HasQuestionSet()) return;
  grdTimesTable->ReadTableBoxes(Options().TimesTable);
  TProblemOptionsForm::UpdateExample();
}

void TProblemOptionsMultiplicationForm::DoLoadSettings(const TStoredOptions& stored) {
  TQOptions& o = Options();
  const std::int32_t first = stored.Integer(&TQOptions::FirstTermType);
  const std::int32_t second = stored.Integer(&TQOptions::SecondTermType);
  o.MultiplicationType = stored.Integer(&TQOptions::MultiplicationType) != 0 ? 1 : 0;
  const std::int32_t orientation = stored.Integer(&TQOptions::Orientation);

  // Sizes beyond the lists (hand-edited files) are shown and used as the
  // nearest size the list offers.
  o.FirstTermType = Byte(ShowListItem(cmbFirstTermType, first));
  o.SecondTermType = Byte(ShowListItem(cmbSecondTermType, second));
  tabType->setCurrentIndex(o.MultiplicationType);
  for (int factor = 1; factor <= TTimesTableGrid::kFactors; ++factor)
    grdTimesTable->ShowTableRow(factor, o.TimesTable[static_cast<std::size_t>(factor - 1)]);
  o.Orientation = orientation != 0 ? 1 : 0;
  if (orientation != 0) optHorizontal->setChecked(true);
  else optVertical->setChecked(true);
}

void TProblemOptionsMultiplicationForm::CollectOptions() { grdTimesTable->ReadTableBoxes(Options().TimesTable); }

}  // namespace sumcraft
