#pragma once
// TQuestionDialog: the frame of the program's small yes/no questions: a
// question picture, two lines of text and a row of buttons at the bottom
// right, the dialog just large enough for them.
#include <QDialog>
#include <QLabel>
#include <QList>
#include <QPushButton>
#include <QStyle>

#include "widgets/lfLabel.h"

namespace sumcraft {

class TQuestionDialog : public QDialog {
  Q_OBJECT

public:
  QLabel* Image1;
  TlfLabel* lfLabel1;
  TlfLabel* lfLabel2;

protected:
  TQuestionDialog(const QString& caption, const QString& line1, const QString& line2, QWidget* parent);

  // A button of the bottom row, left to right in the order of the calls;
  // clicking it ends the dialog with `result`.
  QPushButton* AddButton(const QString& text, QStyle::StandardPixmap picture, int result);
  // The button Enter presses when the dialog opens.
  void SetDefaultButton(QPushButton* button);
  // Places the buttons and fixes the dialog's size; call after the last
  // AddButton.
  void FinishLayout();

  // Every showing starts on the default button (else the first one), not on
  // the button the focus was left on last time, so Enter always gives the
  // same answer.
  void showEvent(QShowEvent* event) override;

private:
  QList<QPushButton*> buttons_;
  QPushButton* defaultButton_ = nullptr;
};

}  // namespace sumcraft
