#pragma once
// TOldSavedQuiz: a quiz file from a version before 2.0 was refused. Offers
// the address of the maker's sample quizzes; "  Exit" (or Escape) closes.
#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "widgets/LinkLabel.h"
#include "widgets/lfLabel.h"

namespace sumcraft {

class TOldSavedQuiz : public QDialog {
  Q_OBJECT

public:
  explicit TOldSavedQuiz(QWidget* parent = nullptr);

  QLabel* Image1;
  TlfLabel* lfLabel1;
  TlfLabel* lfLabel2;
  TLinkLabel* lblSamplesLink;
  QPushButton* cmdExit;
};

}  // namespace sumcraft
