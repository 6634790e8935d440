#pragma once
// TAboutBox: the program's icon, name and version. The version is taken
// when the window is created.
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "widgets/lfLabel.h"

namespace sumcraft {

class TAboutBox : public QDialog {
  Q_OBJECT

public:
  explicit TAboutBox(QWidget* parent = nullptr);

  QFrame* Panel1;
  QLabel* ProgramIcon;
  TlfLabel* ProductName;
  TlfLabel* lblVersionCaption;  // "Version:"
  TlfLabel* Version;            // "2.0.0.0"
  TlfLabel* Comments;
  TlfLabel* Credits;            // the bundled fonts and their licences
  QPushButton* OKButton;        // "Ok", the default button

protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace sumcraft
