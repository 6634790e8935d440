#pragma once
// TPrinterRequiredDialog: shown at start-up when there is no printer at all;
// the program ends after it. (The built-in PDF printer is always there, so
// in practice this needs a broken printer list.)
#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "widgets/lfLabel.h"

namespace sumcraft {

class TPrinterRequiredDialog : public QDialog {
  Q_OBJECT

public:
  explicit TPrinterRequiredDialog(QWidget* parent = nullptr);

  QLabel* Image1;
  TlfLabel* lfLabel1;
  TlfLabel* lfLabel2;
  TlfLabel* lfLabel3;
  TlfLabel* lfLabel4;
  TlfLabel* lfLabel5;
  QPushButton* BitBtn1;  // "  OK": default button, and Escape presses it too

public slots:
  // Escape and the close box end the dialog as its one button does.
  void reject() override;

protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace sumcraft
