#include "wizard/ProblemOptionsDivisionForm.h"

#include <QTabWidget>

#include "widgets/lfCheckbox.h"
#include "widgets/lfComboBox.h"
#include "widgets/lfLabel.h"
#include "wizard/OptionsFormParts.h"
#include "wizard/TimesTableGrid.h"

namespace sumcraft {

TProblemOptionsDivisionForm::TProblemOptionsDivisionForm(TPgmSettings& settings, QWidget* parent)
    : TProblemOptionsForm(settings, parent) {
  SetInstructions(QStringLiteral("Click on the tabs to pick problem type."),
                  QStringLiteral("Changes will affect the example to the right."));
  CreateExampleArea(QRect(531, 16, 272, 159), kExampleSize);

  tabType = new QTabWidget(this);
  tabType->setGeometry(16, 80, 506, 292);
  grdTimesTable = new TTimesTableGrid;
  tabType->addTab(grdTimesTable, QStringLiteral("Division Tables"));
  auto* longDivision = new QWidget;
  lblDividend = MakeOptionsLabel(longDivision, QStringLiteral("Number of digits for dividend:"), 20, 30);
  cmdDividendType = MakeSizeList(longDivision,
                                 {QStringLiteral("2  (     xx)"), QStringLiteral("3  (    xxx)"),
                                  QStringLiteral("4  (  xxxx)"), QStringLiteral("5  ( xxxxx)"),
                                  QStringLiteral("6  (xxxxxx)")},
                                 QRect(250, 25, 150, 26));
  lblDivisor = MakeOptionsLabel(longDivision, QStringLiteral("Number of digits for divisor:"), 20, 70);
  cmdDivisorType = MakeSizeList(longDivision,
                                {QStringLiteral("1  (      x)"), QStringLiteral("2  (     xx)"),
                                 QStringLiteral("3  (    xxx)"), QStringLiteral("4  (  xxxx)")},
                                QRect(250, 65, 150, 26));
  lblDividend->setBuddy(cmdDividendType);
  lblDivisor->setBuddy(cmdDivisorType);
  chkNoRemainders = MakeOptionsCheckbox(longDivision, QStringLiteral(" Even division only (no remainders)"), 20, 116);
  tabType->addTab(longDivision, QStringLiteral("Long Division"));

  SetTabOrderToButtons({tabType, grdTimesTable->Master(1), cmdDividendType, cmdDivisorType, chkNoRemainders});

  connect(tabType, &QTabWidget::currentChanged, this,
          [this](int index) { ChangeAndUpdate([this, index] { Options().DivisionType = Byte(index); }); });
  connect(cmdDividendType, &QComboBox::activated, this, [this] { cmdDividendTypeChange(); });
  connect(cmdDivisorType, &QComboBox::activated, this, [this] { cmdDivisorTypeChange(); });
  connect(chkNoRemainders, &QCheckBox::toggled, this,
          [this](bool on) { ChangeAndUpdate([this, on] { Options().AllowRemainders = !on; }); });
  connect(grdTimesTable, &TTimesTableGrid::Changed, this, [this] {
    if (!Loading()) UpdateExample();
  });
}

void TProblemOptionsDivisionForm::UpdateExample() {
  if (!HasQuestionSet()) return;
  grdTimesTable->ReadTableBoxes(Options().TimesTable);
  TProblemOptionsForm::UpdateExample();
}

void TProblemOptionsDivisionForm::cmdDividendTypeChange() {
  ChangeAndUpdate([this] {
    TQOptions& o = Options();
    const int index = cmdDividendType->currentIndex();
    o.DividendType = Byte(index + 1);
    if (o.DivisorType >= o.DividendType) {
      // The divisor gets one digit fewer than the dividend.
      o.DivisorType = Byte(ShowListItem(cmdDivisorType, index));
    }
  });
}

void TProblemOptionsDivisionForm::cmdDivisorTypeChange() {
  ChangeAndUpdate([this] {
    TQOptions& o = Options();
    const int index = cmdDivisorType->currentIndex();
    o.DivisorType = Byte(index);
    if (o.DivisorType >= o.DividendType) {
      // The dividend gets one digit more than the divisor.
      o.DividendType = Byte(ShowListItem(cmdDividendType, index) + 1);
    }
  });
}

void TProblemOptionsDivisionForm::DoLoadSettings(const TStoredOptions& stored) {
  TQOptions& o = Options();
  std::int32_t dividend = stored.Integer(&TQOptions::DividendType);
  const std::int32_t divisor = stored.Integer(&TQOptions::DivisorType);
  o.DivisionType = stored.Integer(&TQOptions::DivisionType) != 0 ? 1 : 0;

  // Sizes beyond the lists (hand-edited files) are shown and used as the
  // nearest size the list offers.
  o.DivisorType = Byte(ShowListItem(cmdDivisorType, divisor));
  // A one-digit dividend, which the list cannot show, and a dividend no
  // longer than the divisor both become one digit longer than the divisor.
  if (dividend <= o.DivisorType) dividend = o.DivisorType + 1;
  o.DividendType = Byte(ShowListItem(cmdDividendType, dividend - 1) + 1);
  tabType->setCurrentIndex(o.DivisionType);
  chkNoRemainders->setChecked(!o.AllowRemainders);
  for (int factor = 1; factor <= TTimesTableGrid::kFactors; ++factor)
    grdTimesTable->ShowTableRow(factor, o.TimesTable[static_cast<std::size_t>(factor - 1)]);
}

void TProblemOptionsDivisionForm::CollectOptions() { grdTimesTable->ReadTableBoxes(Options().TimesTable); }

}  // namespace sumcraft
