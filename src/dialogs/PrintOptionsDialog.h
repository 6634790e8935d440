#pragma once
// TOKRightDlg: the print options asked for by the Print command: printer,
// number of copies and whether the answer key follows; for "Save as PDF"
// the paper instead of the copies.
//
//   dialog.SetSettings(&settings);            // where the paper is remembered
//   dialog.Prepare();                         // before every showing
//   if (dialog.exec() == QDialog::Accepted) {
//     dialog.Copies(); dialog.PrintKey(); dialog.PrinterIndex(); dialog.PrinterName();
//     dialog.PdfPaper(); dialog.Versions();
//   }
//
// The number of copies comes from the field (any whole number typed; a
// negative one counts as 1) or from the small scroll bar beside it (1 to
// 100, up raises the count). With "Save as PDF" chosen the copies are
// disabled and a note beside them says that one file is written for the
// quiz and one for the key; the paper list shows instead, Letter or A4,
// first as the desktop's locale has it, then as last confirmed with OK.
// "Versions" (1 to 26, 1 at every showing) asks for that many versions of
// the quiz, each made again from its own seed.
#include <QDialog>
#include <QFrame>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QString>

#include "render/PdfPrinter.h"
#include "widgets/lfCheckbox.h"
#include "widgets/lfComboBox.h"
#include "widgets/lfInputField.h"
#include "widgets/lfLabel.h"

namespace sumcraft {

class TPgmSettings;

// The paper of "Save as PDF" as the settings file keeps it; without a
// (valid) entry, or without settings, PaperForLocale of `locale`.
TPaper PdfPaperSetting(const TPgmSettings* settings, const QLocale& locale);

class TOKRightDlg : public QDialog {
  Q_OBJECT

public:
  explicit TOKRightDlg(QWidget* parent = nullptr);

  // The printer list becomes the printers' names with the current printer
  // selected (TPrinters); one copy, no answer key; the focus on the list and
  // OK the default button. Does not re-read the system's printers: the
  // indexes stay those of TPrinters as the caller knows them.
  void Prepare();

  // The settings file the paper of "Save as PDF" is read from by Prepare
  // and written to by OK; nullptr keeps it for the run only.
  void SetSettings(TPgmSettings* settings) { settings_ = settings; }

  // Copies = n, or 1 when n is negative (0 stays 0); the field shows it and
  // the scroll bar goes to 101 - Copies, as far as its range allows.
  void SetCopies(int n);

  // 1 while "Save as PDF" is chosen: its copies would be the same file.
  int Copies() const { return PdfChosen() ? 1 : copies_; }
  bool PrintKey() const { return printKey_; }
  int PrinterIndex() const { return printerIndex_; }
  const QString& PrinterName() const { return printerName_; }
  TPaper PdfPaper() const { return cmbPaper->currentIndex() == 1 ? TPaper::A4 : TPaper::Letter; }
  int Versions() const { return spnVersions->value(); }
  bool PdfChosen() const;

  QFrame* Bevel1;
  TlfLabel* lfLabel1;
  TlfComboBox* cmbPrinters;
  TlfLabel* lfLabel2;
  TlfInputField* txtCopies;
  QScrollBar* scrlCopies;
  TlfLabel* lblVersions;
  QSpinBox* spnVersions;
  TlfLabel* lblVersionsNote;
  TlfCheckbox* chkTeachersKey;
  QPushButton* BitBtn1;  // OK
  QPushButton* BitBtn2;  // Cancel
  // Says why a typed count was refused; hidden otherwise.
  TlfLabel* lblCopiesRefused;
  // Shown only while "Save as PDF" is chosen.
  TlfLabel* lblPdfCopies;
  TlfLabel* lblPaper;
  TlfComboBox* cmbPaper;  // Letter, A4

protected:
  void showEvent(QShowEvent* event) override;

private:
  void cmbPrintersClick(int index);
  void scrlCopiesScroll();
  // Reads the field. A text that is no whole number within 32 bits (only
  // digits can be typed, so: too long a number) keeps the previous count and
  // says so in the dialog.
  void txtCopiesExit();
  void chkTeachersKeyClick();
  // Copies or paper, as the chosen printer takes them.
  void ShowPrinterOptions();
  // Closes with OK, unless the count just typed was refused: the first OK
  // then leaves the dialog open so that the message is seen.
  void OKBtnClick();

  int copies_ = 1;
  bool printKey_ = false;
  int printerIndex_ = -1;
  QString printerName_;
  bool copiesRefused_ = false;  // since the last exit of the field
  bool settingCopies_ = false;
  TPgmSettings* settings_ = nullptr;
  bool paperShown_ = false;
};

}  // namespace sumcraft
