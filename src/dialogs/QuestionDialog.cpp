#include "dialogs/QuestionDialog.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "widgets/DialogParts.h"
#include "widgets/ProgramIcons.h"

namespace sumcraft {

namespace {
constexpr int kMargin = 20;
constexpr int kTextLeft = 88;
constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 36;
constexpr int kButtonGap = 10;
}  // namespace

TQuestionDialog::TQuestionDialog(const QString& caption, const QString& line1, const QString& line2, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(caption);
  setFont(DialogFont());
  Image1 = MakePictureLabel(this, QuestionPixmap(), kMargin, kMargin);
  lfLabel1 = new TlfLabel(line1, this);
  lfLabel1->move(kTextLeft, kMargin + 6);
  lfLabel1->adjustSize();
  lfLabel2 = new TlfLabel(line2, this);
  lfLabel2->move(kTextLeft, lfLabel1->geometry().bottom() + 8);
  lfLabel2->adjustSize();
}

QPushButton* TQuestionDialog::AddButton(const QString& text, QStyle::StandardPixmap picture, int result) {
  QPushButton* button = MakeDialogButton(this, text, picture, QRect(0, 0, kButtonWidth, kButtonHeight));
  connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
  buttons_.append(button);
  return button;
}

void TQuestionDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // (A button that had the focus is still the default one now, so the
  // dialog's own choice is kept apart.)
  QPushButton* start = defaultButton_ != nullptr ? defaultButton_ : buttons_.value(0);
  if (start == nullptr) return;
  start->setDefault(true);
  start->setFocus(Qt::OtherFocusReason);
}

void TQuestionDialog::SetDefaultButton(QPushButton* button) {
  defaultButton_ = button;
  button->setDefault(true);
}

void TQuestionDialog::FinishLayout() {
  const int rowWidth = static_cast<int>(buttons_.size()) * (kButtonWidth + kButtonGap) - kButtonGap;
  const int textRight = std::max(lfLabel1->geometry().right(), lfLabel2->geometry().right()) + 1;
  const int width = std::max(textRight + kMargin + 4, rowWidth + 2 * kMargin);
  const int top = std::max(lfLabel2->geometry().bottom(), Image1->geometry().bottom()) + 24;
  int x = width - kMargin - rowWidth;
  for (QPushButton* button : buttons_) {
    button->move(x, top);
    x += kButtonWidth + kButtonGap;
  }
  setFixedSize(width, top + kButtonHeight + kMargin - 4);
}

}  // namespace sumcraft
