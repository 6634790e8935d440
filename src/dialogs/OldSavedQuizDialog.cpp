#include "dialogs/OldSavedQuizDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "widgets/DialogParts.h"
#include "widgets/ProgramIcons.h"
#include "widgets/WebAddresses.h"

namespace sumcraft {

namespace {

constexpr int kTextLeft = 84;
constexpr int kTextWidth = 412;

TlfLabel* MakeParagraph(QWidget* parent, const QString& text, int y) {
  auto* label = new TlfLabel(text, parent);
  label->setWordWrap(true);
  label->setGeometry(kTextLeft, y, kTextWidth, label->heightForWidth(kTextWidth));
  return label;
}

}  // namespace

TOldSavedQuiz::TOldSavedQuiz(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Unable to open quiz file"));
  setFont(DialogFont());

  Image1 = MakePictureLabel(this, WarningPixmap(), 20, 20);
  lfLabel1 = MakeParagraph(
      this, QStringLiteral("The quiz you've tried to open was created in a version of Sumcraft older than 2.0.   "), 24);
  lfLabel2 = MakeParagraph(this,
                           QStringLiteral("Quiz files created in versions before 2.0 are no longer supported.  If "
                                          "you'd like to download some free quizzes that are compatible with the "
                                          "latest version of Sumcraft, please visit this site:"),
                           lfLabel1->geometry().bottom() + 14);
  lblSamplesLink = new TLinkLabel(QString::fromLatin1(kSampleQuizzesAddress), this);
  lblSamplesLink->move(kTextLeft, lfLabel2->geometry().bottom() + 14);
  lblSamplesLink->adjustSize();

  const int buttonTop = lblSamplesLink->geometry().bottom() + 24;
  cmdExit = MakeDialogButton(this, QStringLiteral("  Exit"), QStyle::SP_DialogCloseButton,
                             QRect(kTextLeft + kTextWidth - 115, buttonTop, 115, 41));
  cmdExit->setDefault(true);
  connect(cmdExit, &QPushButton::clicked, this, &QDialog::reject);
  setFixedSize(kTextLeft + kTextWidth + 20, buttonTop + 41 + 16);
}

}  // namespace sumcraft
