#include "dialogs/PrintOptionsDialog.h"

#include <QFrame>
#include <QPushButton>
#include <QScrollBar>

#include "generate/QuizVersions.h"
#include "render/Printers.h"
#include "settings/PgmSettings.h"
#include "widgets/DialogParts.h"
#include "widgets/FieldText.h"
#include "widgets/UiFonts.h"
#include "widgets/WizardMessages.h"

namespace sumcraft {

namespace {
constexpr int kScrollMinimum = 1;
constexpr int kScrollMaximum = 100;
constexpr const char* kLetterText = "Letter";
constexpr const char* kA4Text = "A4";
}  // namespace

TPaper PdfPaperSetting(const TPgmSettings* settings, const QLocale& locale) {
  if (settings != nullptr) {
    const std::string stored = settings->ReadString(kPrintSection, kPdfPaperKey, "");
    if (stored == kLetterText) return TPaper::Letter;
    if (stored == kA4Text) return TPaper::A4;
  }
  return PaperForLocale(locale);
}

TOKRightDlg::TOKRightDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Print Options"));
  setFont(ArialFont(13));
  setFixedSize(534, 262);

  Bevel1 = new QFrame(this);
  Bevel1->setFrameShape(QFrame::Box);
  Bevel1->setFrameShadow(QFrame::Sunken);
  Bevel1->setGeometry(8, 8, 518, 177);

  lfLabel1 = new TlfLabel(QStringLiteral("Select printer to use:"), this);
  lfLabel1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  lfLabel1->setGeometry(12, 26, 129, 16);
  cmbPrinters = new TlfComboBox(this);
  cmbPrinters->setGeometry(155, 23, 358, 24);

  lfLabel2 = new TlfLabel(QStringLiteral("Number of copies:"), this);
  lfLabel2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  lfLabel2->setGeometry(28, 56, 113, 16);
  txtCopies = new TlfInputField(this);
  txtCopies->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  txtCopies->SetKeystrokesAllowed(aPosIntegersOnly);
  txtCopies->SetHighlightOnEntry(true);
  txtCopies->setGeometry(155, 53, 46, 22);
  txtCopies->setText(QStringLiteral("1"));

  scrlCopies = new QScrollBar(Qt::Vertical, this);
  scrlCopies->setRange(kScrollMinimum, kScrollMaximum);
  scrlCopies->setValue(kScrollMaximum);
  scrlCopies->setFocusPolicy(Qt::NoFocus);
  scrlCopies->setGeometry(207, 53, 22, 22);

  lblVersions = new TlfLabel(QStringLiteral("Versions:"), this);
  lblVersions->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  lblVersions->setGeometry(28, 86, 113, 16);
  spnVersions = new QSpinBox(this);
  spnVersions->setRange(1, kMaxPrintVersions);
  spnVersions->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  spnVersions->setGeometry(155, 83, 74, 22);
  spnVersions->setAccessibleDescription(
      QStringLiteral("More than one: each version has new questions and its own answer key"));
  lblVersionsNote = new TlfLabel(QStringLiteral("Each with new questions, labelled A, B, ..."), this);
  lblVersionsNote->setGeometry(237, 86, 280, 16);

  chkTeachersKey = new TlfCheckbox(QStringLiteral("  Print answer key after quiz"), this);
  chkTeachersKey->setGeometry(155, 119, 230, 17);

  lblCopiesRefused = new TlfLabel(this);
  lblCopiesRefused->setGeometry(155, 150, 360, 16);
  QPalette warning = lblCopiesRefused->palette();
  warning.setColor(QPalette::WindowText, QColor(176, 0, 0));
  lblCopiesRefused->setPalette(warning);
  lblCopiesRefused->hide();

  lblPdfCopies = new TlfLabel(QStringLiteral("One PDF file for the quiz, one for the key"), this);
  lblPdfCopies->setGeometry(237, 56, 280, 16);
  lblPaper = new TlfLabel(QStringLiteral("Paper size:"), this);
  lblPaper->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  lblPaper->setGeometry(28, 153, 113, 16);
  cmbPaper = new TlfComboBox(this);
  cmbPaper->addItems({QStringLiteral("Letter (8.5 \u00D7 11 in)"), QStringLiteral("A4 (210 \u00D7 297 mm)")});
  cmbPaper->setGeometry(155, 150, 180, 22);
  lfLabel1->setBuddy(cmbPrinters);
  lfLabel2->setBuddy(txtCopies);
  lblPaper->setBuddy(cmbPaper);
  lblVersions->setBuddy(spnVersions);
  spnVersions->setAccessibleName(QStringLiteral("Versions"));
  for (QWidget* w : {static_cast<QWidget*>(lblPdfCopies), static_cast<QWidget*>(lblPaper),
                     static_cast<QWidget*>(cmbPaper)})
    w->hide();

  BitBtn1 = MakeDialogButton(this, QStringLiteral("OK"), QStyle::SP_DialogOkButton, QRect(278, 203, 115, 41));
  BitBtn2 = MakeDialogButton(this, QStringLiteral("Cancel"), QStyle::SP_DialogCancelButton, QRect(411, 203, 115, 41));
  for (QPushButton* button : {BitBtn1, BitBtn2}) button->setFont(ArialFont(16, true));
  BitBtn1->setDefault(true);

  setTabOrder(cmbPrinters, txtCopies);
  setTabOrder(txtCopies, spnVersions);
  setTabOrder(spnVersions, chkTeachersKey);
  setTabOrder(chkTeachersKey, cmbPaper);
  setTabOrder(cmbPaper, BitBtn1);
  setTabOrder(BitBtn1, BitBtn2);

  connect(cmbPrinters, &QComboBox::activated, this, &TOKRightDlg::cmbPrintersClick);
  connect(scrlCopies, &QAbstractSlider::actionTriggered, this, &TOKRightDlg::scrlCopiesScroll);
  connect(txtCopies, &TlfInputField::Exited, this, &TOKRightDlg::txtCopiesExit);
  connect(txtCopies, &TlfInputField::Changed, lblCopiesRefused, &QWidget::hide);
  // The state, not the click: a screen reader or switch access toggles the
  // box without clicking it.
  connect(chkTeachersKey, &QCheckBox::toggled, this, &TOKRightDlg::chkTeachersKeyClick);
  connect(BitBtn1, &QPushButton::clicked, this, &TOKRightDlg::OKBtnClick);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TOKRightDlg::Prepare() {
  const TPrinters& printers = TPrinters::Instance();
  cmbPrinters->clear();
  cmbPrinters->addItems(printers.Names());
  cmbPrinters->setCurrentIndex(printers.PrinterIndex());
  SetCopies(1);
  spnVersions->setValue(1);
  printKey_ = false;
  chkTeachersKey->setChecked(false);
  printerIndex_ = printers.PrinterIndex();
  printerName_ = cmbPrinters->currentText();
  copiesRefused_ = false;
  lblCopiesRefused->hide();
  // Without a settings file the choice stays as last made during the run.
  if (settings_ != nullptr || !paperShown_)
    cmbPaper->setCurrentIndex(PdfPaperSetting(settings_, QLocale()) == TPaper::A4 ? 1 : 0);
  paperShown_ = true;
  ShowPrinterOptions();
  // Each showing starts as the first did, wherever the last one left the
  // focus (a focused button is the default one while it has the focus).
  BitBtn1->setDefault(true);
  cmbPrinters->setFocus(Qt::OtherFocusReason);
}

void TOKRightDlg::SetCopies(int n) {
  copies_ = n < 0 ? 1 : n;
  settingCopies_ = true;
  txtCopies->setText(QString::number(Copies()));
  // 101 - Copies, held within the bar's range (no overflow for any count).
  const int position = copies_ > kScrollMaximum ? kScrollMinimum : kScrollMaximum + 1 - copies_;
  scrlCopies->setValue(position);
  settingCopies_ = false;
}

void TOKRightDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CenterOnScreen(this);
}

void TOKRightDlg::cmbPrintersClick(int index) {
  printerIndex_ = index;
  printerName_ = cmbPrinters->itemText(index);
  ShowPrinterOptions();
}

bool TOKRightDlg::PdfChosen() const {
  const TPrinters& printers = TPrinters::Instance();
  return printerIndex_ >= 0 && printerIndex_ == printers.IndexOf(&printers.Pdf());
}

void TOKRightDlg::ShowPrinterOptions() {
  const bool pdf = PdfChosen();
  // The count typed for a printer comes back when one is chosen again.
  SetCopies(copies_);
  txtCopies->setEnabled(!pdf);
  scrlCopies->setEnabled(!pdf);
  lblPdfCopies->setVisible(pdf);
  lblPaper->setVisible(pdf);
  cmbPaper->setVisible(pdf);
  if (pdf) {
    copiesRefused_ = false;
    lblCopiesRefused->hide();
  }
}

void TOKRightDlg::scrlCopiesScroll() {
  // During an action the slider position already holds where the bar goes,
  // also when it is at its end and does not move: an up click on a count
  // above 100 still gives 100.
  if (settingCopies_) return;
  SetCopies(kScrollMaximum - scrlCopies->sliderPosition() + kScrollMinimum);
}

void TOKRightDlg::txtCopiesExit() {
  QString text = TrimBlanks(txtCopies->text());
  if (text.isEmpty()) text = QStringLiteral("1");
  bool ok = false;
  const int n = text.toInt(&ok, 10);
  if (!ok) {
    copiesRefused_ = true;
    SetCopies(copies_);
    lblCopiesRefused->setText(QStringLiteral("\"%1\" is not a number of copies; the count stays %2.")
                                  .arg(text.left(12) + (text.size() > 12 ? QStringLiteral("...") : QString()))
                                  .arg(copies_));
    lblCopiesRefused->show();
    return;
  }
  copiesRefused_ = false;
  SetCopies(n);
}

void TOKRightDlg::chkTeachersKeyClick() { printKey_ = chkTeachersKey->isChecked(); }

void TOKRightDlg::OKBtnClick() {
  // A click takes the focus, so the field has been left by now; a program
  // that clicks OK while the field holds the focus gets its text read too.
  if (txtCopies->hasFocus()) txtCopiesExit();
  if (copiesRefused_) {
    copiesRefused_ = false;
    return;
  }
  if (PdfChosen() && settings_ != nullptr) {
    try {
      settings_->WriteString(kPrintSection, kPdfPaperKey, PdfPaper() == TPaper::A4 ? kA4Text : kLetterText);
    } catch (const SettingsWriteError& error) {
      // The paper still applies to this print; only remembering it failed.
      ShowWizardError(this, QString::fromLocal8Bit(error.what()));
    }
  }
  accept();
}

}  // namespace sumcraft
