#include "wizard/ProblemOptionsTableDataForm.h"

#include <QPalette>
#include <algorithm>

#include "generate/AnswerText.h"
#include "generate/Generators.h"
#include "generate/TableDefs.h"
#include "render/CodePage1252.h"
#include "widgets/lfComboBox.h"
#include "widgets/lfInputField.h"
#include "widgets/lfLabel.h"
#include "wizard/OptionsFormParts.h"
#include "wizard/TemplateChoice.h"

namespace sumcraft {

namespace {

// Windows' sky blue: the boxes that only show values.
const QColor kSkyBlue(166, 202, 240);

}  // namespace

TProblemOptionsTableDataForm::TProblemOptionsTableDataForm(TPgmSettings& settings, QWidget* parent)
    : TProblemOptionsForm(settings, parent) {
  SetInstructions(QStringLiteral("Click the options below to set the text of the problem directions,"),
                  QStringLiteral("then set the size and rounding of the table data itself."));

  lblDirections = MakeOptionsHeading(
      this, QStringLiteral("Select options to determine the text of the problem directions:"), 40, 80);
  lblSentence = MakeOptionsLabel(this, QStringLiteral("The table to the right"), 60, 110);
  cmbType = new TlfComboBox(this);
  cmbType->addItems(DataTypeItems());
  cmbType->setGeometry(206, 105, 170, 26);
  cmbType->setCurrentIndex(0);
  cmbItem = new TlfComboBox(this);
  cmbItem->setGeometry(382, 105, 180, 26);
  txtPredicate = MakeOptionsTextBox(this, QRect(568, 106, 233, 24), kPredicateLength);

  lblNumbers = MakeOptionsHeading(this, QStringLiteral("Set options for the numbers in the table:"), 40, 150);
  lblDigits = MakeOptionsLabel(this, QStringLiteral("# of digits in table data:"), 60, 180);
  cmbFirstTermType = MakeSizeList(this, TermSizeItems(2, 5), QRect(224, 175, 150, 26));
  lblRoundTo = MakeOptionsLabel(this, QStringLiteral("Round to nearest:"), 60, 214);
  cmbSecondTermType = MakeSizeList(
      this,
      {QStringLiteral("1 (no rounding)"), QStringLiteral("10"), QStringLiteral("100"), QStringLiteral("1,000"),
       QStringLiteral("10,000"), QStringLiteral("100,000")},
      QRect(224, 209, 150, 26));

  lblCaptions = MakeOptionsHeading(this, QStringLiteral("Change table captions and names below:"), 40, 252);
  constexpr int kNameX = 60, kNameWidth = 130, kDataX = 194, kDataWidth = 110;
  constexpr int kRow0 = 278, kRowStep = 28, kBoxHeight = 24;
  txtCaptionHead = MakeOptionsTextBox(this, QRect(kNameX, kRow0, kNameWidth, kBoxHeight), kNameLength);
  txtDataHead = MakeOptionsTextBox(this, QRect(kDataX, kRow0, kDataWidth, kBoxHeight), kNameLength);
  for (int row = 0; row < 4; ++row) {
    const int y = kRow0 + (row + 1) * kRowStep;
    txtCaption[row] = MakeOptionsTextBox(this, QRect(kNameX, y, kNameWidth, kBoxHeight), kNameLength);
    TlfInputField* number = MakeOptionsTextBox(this, QRect(kDataX, y, kDataWidth, kBoxHeight), 0);
    number->setReadOnly(true);
    number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Tab passes them by; a click lands in the row's name box instead.
    number->setFocusPolicy(Qt::ClickFocus);
    QPalette palette = number->palette();
    palette.setColor(QPalette::Base, kSkyBlue);
    number->setPalette(palette);
    txtData[row] = number;
    TlfInputField* name = txtCaption[row];
    connect(number, &TlfInputField::Entered, this, [name] { name->setFocus(Qt::OtherFocusReason); },
            Qt::QueuedConnection);
  }

  CreateExampleArea(QRect(420, 150, 385, 222), kExampleSize);

  // The sentence's parts and the table's boxes have no label of their own.
  cmbType->setAccessibleName(QStringLiteral("Table holds"));
  cmbItem->setAccessibleName(QStringLiteral("Items"));
  txtPredicate->setAccessibleName(QStringLiteral("Rest of the sentence"));
  lblDigits->setBuddy(cmbFirstTermType);
  lblRoundTo->setBuddy(cmbSecondTermType);
  txtCaptionHead->setAccessibleName(QStringLiteral("Caption of the names column"));
  txtDataHead->setAccessibleName(QStringLiteral("Caption of the numbers column"));
  for (int row = 0; row < 4; ++row) {
    txtCaption[row]->setAccessibleName(QStringLiteral("Name in row %1").arg(row + 1));
    txtData[row]->setAccessibleName(QStringLiteral("Number in row %1").arg(row + 1));
  }

  SetTabOrderToButtons({cmbType, cmbItem, txtPredicate, cmbFirstTermType, cmbSecondTermType, txtCaptionHead,
                        txtDataHead, txtCaption[0], txtCaption[1], txtCaption[2], txtCaption[3]});

  connect(cmbType, &QComboBox::activated, this, [this](int item) {
    FillTemplateList(DataTypeOfItem(item));
    ApplyTemplate();
  });
  connect(cmbItem, &QComboBox::activated, this, [this] { ApplyTemplate(); });
  connect(cmbFirstTermType, &QComboBox::activated, this, [this] { cmbFirstTermTypeChange(); });
  connect(cmbSecondTermType, &QComboBox::activated, this, [this] { cmbSecondTermTypeChange(); });
  for (TlfInputField* box : {txtPredicate, txtCaptionHead, txtDataHead, txtCaption[0], txtCaption[1],
                             txtCaption[2], txtCaption[3]})
    connect(box, &TlfInputField::Exited, this, [this] { ReadTextBoxes(); });
}

void TProblemOptionsTableDataForm::FillTemplateList(std::uint8_t dataType) {
  Options().TableDataType = dataType;
  FillTemplateItems(cmbItem, dataType);
}

void TProblemOptionsTableDataForm::ApplyTemplate() {
  TQOptions& o = Options();
  txtPredicate->clear();
  txtPredicate->setText(CopyTemplate(FindTemplate(cmbItem->currentText()), o, false));
  txtCaptionHead->setText(FromCp1252(o.TableItemName));
  txtDataHead->setText(FromCp1252(o.TableDataCaption));
  for (int row = 0; row < 4; ++row) txtCaption[row]->setText(FromCp1252(o.TableNames[row]));
  RefreshTableData();
}

void TProblemOptionsTableDataForm::CopyTextBoxes() {
  TQOptions& o = Options();
  for (int row = 0; row < 4; ++row) o.TableNames[row] = ToCp1252(txtCaption[row]->text());
  o.TableItemName = ToCp1252(txtCaptionHead->text());
  o.TableDataCaption = ToCp1252(txtDataHead->text());
  o.ActionPredicate = ToCp1252(txtPredicate->text());
}

void TProblemOptionsTableDataForm::ReadTextBoxes() {
  if (!HasQuestionSet()) return;
  CopyTextBoxes();
  RefreshTableData();
}

void TProblemOptionsTableDataForm::RefreshTableData() {
  if (!HasQuestionSet()) return;
  TQOptions& o = Options();
  GenerateTableData(o);
  for (int row = 0; row < 4; ++row) txtData[row]->setText(QString::fromStdString(FormatThousands(o.TableData[row])));
  // While loading, the numbers are set; the showing that follows draws.
  if (!Loading()) TProblemOptionsForm::UpdateExample();
}

void TProblemOptionsTableDataForm::UpdateExample() { RefreshTableData(); }

void TProblemOptionsTableDataForm::WriteSizes() {
  Options().FirstTermType = Byte(cmbFirstTermType->currentIndex() + 1);
  Options().SecondTermType = Byte(cmbSecondTermType->currentIndex());
}

void TProblemOptionsTableDataForm::cmbFirstTermTypeChange() {
  if (Loading()) return;
  // Shorter numbers: the rounding goes one place below their leading digit.
  if (cmbFirstTermType->currentIndex() + 1 < cmbSecondTermType->currentIndex())
    cmbSecondTermType->setCurrentIndex(cmbFirstTermType->currentIndex());
  WriteSizes();
  RefreshTableData();
}

void TProblemOptionsTableDataForm::cmbSecondTermTypeChange() {
  if (Loading()) return;
  // Rounding beyond the leading digit: the largest place allowed.
  if (cmbFirstTermType->currentIndex() + 1 < cmbSecondTermType->currentIndex())
    cmbSecondTermType->setCurrentIndex(cmbFirstTermType->currentIndex() + 1);
  WriteSizes();
  RefreshTableData();
}

void TProblemOptionsTableDataForm::DoLoadSettings(const TStoredOptions& stored) {
  const std::int32_t digits = stored.Integer(&TQOptions::FirstTermType);
  ShowListItem(cmbFirstTermType, digits > 0 ? digits - 1 : 0);
  ShowListItem(cmbSecondTermType, stored.Integer(&TQOptions::SecondTermType));
  // A stored pair against the rule (a hand-edited file) would round every
  // number to 0; it is shown corrected, with the largest place allowed.
  if (cmbFirstTermType->currentIndex() + 1 < cmbSecondTermType->currentIndex())
    cmbSecondTermType->setCurrentIndex(cmbFirstTermType->currentIndex() + 1);
  WriteSizes();
  FillTemplateList(DataTypeOfItem(cmbType->currentIndex()));
  ApplyTemplate();
}

void TProblemOptionsTableDataForm::cmdNextClick() {
  // The boxes as they stand; the set draws its own numbers in step 3.
  if (HasQuestionSet()) CopyTextBoxes();
  TProblemOptionsForm::cmdNextClick();
}

}  // namespace sumcraft
