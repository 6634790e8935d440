#include "wizard/ProblemOptionsForm.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <stdexcept>

#include "quiz/QuestionSet.h"
#include "render/CodePage1252.h"
#include "settings/PgmSettings.h"
#include "widgets/DialogParts.h"
#include "widgets/ProgramIcons.h"
#include "widgets/UiFonts.h"
#include "widgets/WizardMessages.h"
#include "widgets/lfLabel.h"
#include "wizard/DrawExample.h"
#include "wizard/WizardResult.h"

namespace sumcraft {

namespace {

constexpr int kButtonWidth = 110;
constexpr int kButtonHeight = 34;
constexpr int kButtonGap = 12;
constexpr int kMargin = 16;
constexpr int kHeadingHeight = 20;

// Restores the Loading flag however DoLoadSettings ends.
class TLoadingGuard {
public:
  explicit TLoadingGuard(bool& flag) : flag_(flag) { flag_ = true; }
  ~TLoadingGuard() { flag_ = false; }
  TLoadingGuard(const TLoadingGuard&) = delete;
  TLoadingGuard& operator=(const TLoadingGuard&) = delete;

private:
  bool& flag_;
};

}  // namespace

TProblemOptionsForm::TProblemOptionsForm(TPgmSettings& settings, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), settings_(settings) {
  setWindowTitle(QStringLiteral("Question Add Wizard - Step 2 of 3"));
  setFont(DialogFont());
  setFixedSize(kClientWidth, kClientHeight);
  setModal(true);

  imgWizard = MakePictureLabel(this, ProgramPixmap(), kMargin, kMargin);
  lblInstructions1 = new TlfLabel(this);
  lblInstructions1->setGeometry(80, 20, 600, 18);
  lblInstructions2 = new TlfLabel(this);
  lblInstructions2->setGeometry(80, 40, 600, 18);

  const int y = kClientHeight - kMargin - kButtonHeight;
  const int right = kClientWidth - kMargin;
  cmdCancel = MakeDialogButton(this, QStringLiteral("Cancel"), QStyle::SP_DialogCancelButton,
                               QRect(right - kButtonWidth, y, kButtonWidth, kButtonHeight));
  cmdNext = MakeDialogButton(this, QStringLiteral("Next"), QStyle::SP_ArrowForward,
                             QRect(right - 2 * kButtonWidth - kButtonGap, y, kButtonWidth, kButtonHeight));
  cmdBack = MakeDialogButton(this, QStringLiteral("Back"), QStyle::SP_ArrowBack,
                             QRect(right - 3 * kButtonWidth - 2 * kButtonGap, y, kButtonWidth, kButtonHeight));
  // Enter is "Next" wherever the focus is; no button takes the default
  // over by getting the focus.
  for (QPushButton* button : {cmdBack, cmdNext, cmdCancel}) button->setAutoDefault(false);
  cmdNext->setDefault(true);
  connect(cmdNext, &QPushButton::clicked, this, &TProblemOptionsForm::cmdNextClick);
  connect(cmdBack, &QPushButton::clicked, this, &TProblemOptionsForm::cmdBackClick);
  connect(cmdCancel, &QPushButton::clicked, this, &TProblemOptionsForm::cmdCancelClick);
}

TProblemOptionsForm::~TProblemOptionsForm() = default;

void TProblemOptionsForm::SetQuestionSet(TQuestionSet& set) { set_ = &set; }

TQOptions& TProblemOptionsForm::Options() {
  if (set_ == nullptr) throw std::logic_error("Options dialog used before SetQuestionSet");
  return set_->Options;
}

const TQOptions& TProblemOptionsForm::Options() const {
  if (set_ == nullptr) throw std::logic_error("Options dialog used before SetQuestionSet");
  return set_->Options;
}

std::string TProblemOptionsForm::SectionName() const { return std::string(Section().Name); }

void TProblemOptionsForm::LoadSettings() {
  TLoadingGuard guard(loading_);
  const TStoredOptions stored = ReadOptions(settings_, Section());
  stored.ApplyTo(Options());
  DoLoadSettings(stored);
}

void TProblemOptionsForm::SaveSettings() {
  try {
    CollectOptions();
    WriteOptions(settings_, Section(), Options());
  } catch (const SettingsWriteError& error) {
    ShowWizardError(this, QString::fromLocal8Bit(error.what()));
  }
}

void TProblemOptionsForm::UpdateExample() {
  if (set_ == nullptr || example_.isNull()) return;
  ++examplesDrawn_;
  try {
    DrawExample(set_->Options, example_, this);
  } catch (const std::exception& error) {
    // Options that admit no question come only from a hand-edited settings
    // file; say so where the example would be instead of interrupting.
    example_.fill(Qt::white);
    QPainter painter(&example_);
    painter.setFont(font());
    painter.setPen(Qt::darkRed);
    painter.drawText(example_.rect().adjusted(6, 6, -6, -6), Qt::AlignCenter | Qt::TextWordWrap,
                     FromCp1252(error.what()));
  }
  ShowExample();
}

void TProblemOptionsForm::ShowExample() {
  if (imgQuiz != nullptr) imgQuiz->setPixmap(QPixmap::fromImage(example_));
}

void TProblemOptionsForm::cmdNextClick() {
  SaveSettings();
  done(wrNext);
}

void TProblemOptionsForm::cmdBackClick() { done(wrBack); }

void TProblemOptionsForm::cmdCancelClick() { done(wrCancel); }

void TProblemOptionsForm::SetInstructions(const QString& line1, const QString& line2) {
  lblInstructions1->setText(line1);
  lblInstructions2->setText(line2);
}

void TProblemOptionsForm::CreateExampleArea(const QRect& area, const QSize& imageSize, bool heading) {
  QRect box = area;
  if (heading) {
    lblExample = new TlfLabel(QStringLiteral("Example:"), this);
    lblExample->setFont(TahomaFont(13, true));
    lblExample->setGeometry(area.left(), area.top(), area.width(), kHeadingHeight);
    box.setTop(area.top() + kHeadingHeight + 2);
  }
  example_ = QImage(imageSize, QImage::Format_RGB32);
  example_.fill(Qt::white);
  imgQuiz = new QLabel;
  imgQuiz->setFixedSize(imageSize);
  imgQuiz->setPixmap(QPixmap::fromImage(example_));

  if (imageSize.width() <= box.width() - 2 && imageSize.height() <= box.height() - 2) {
    pnlExample = new QFrame(this);
    pnlExample->setGeometry(box);
    pnlExample->setFrameShape(QFrame::Box);
    pnlExample->setAutoFillBackground(true);
    QPalette palette = pnlExample->palette();
    palette.setColor(QPalette::Window, Qt::white);
    pnlExample->setPalette(palette);
    imgQuiz->setParent(pnlExample);
    imgQuiz->move((box.width() - imageSize.width()) / 2, (box.height() - imageSize.height()) / 2);
  } else {
    scrExample = new QScrollArea(this);
    scrExample->setGeometry(box);
    scrExample->setBackgroundRole(QPalette::Base);
    scrExample->setWidget(imgQuiz);
  }
}

void TProblemOptionsForm::ChangeAndUpdate(const std::function<void()>& write) {
  if (loading_) return;
  write();
  UpdateExample();
}

void TProblemOptionsForm::SetTabOrderToButtons(std::initializer_list<QWidget*> controls) {
  firstControl_ = controls.size() == 0 ? nullptr : *controls.begin();
  QWidget* previous = nullptr;
  for (QWidget* control : controls) {
    if (previous != nullptr) setTabOrder(previous, control);
    previous = control;
  }
  for (QWidget* button : {static_cast<QWidget*>(cmdBack), static_cast<QWidget*>(cmdNext),
                          static_cast<QWidget*>(cmdCancel)}) {
    if (previous != nullptr) setTabOrder(previous, button);
    previous = button;
  }
}

void TProblemOptionsForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Left to itself the focus may rest on a hidden control, where Space
  // would act unseen.
  QWidget* first = firstControl_ != nullptr ? firstControl_ : cmdNext;
  for (QWidget* w = first;; w = w->nextInFocusChain()) {
    if (w->isVisibleTo(this) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && w->window() == this) {
      w->setFocus(Qt::ActiveWindowFocusReason);
      break;
    }
    if (w->nextInFocusChain() == first) break;
  }
  UpdateExample();
  drawnForShow_ = true;
}

void TProblemOptionsForm::hideEvent(QHideEvent* event) {
  drawnForShow_ = false;
  QDialog::hideEvent(event);
}

void TProblemOptionsForm::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::ActivationChange || !isActiveWindow()) return;
  if (drawnForShow_) {
    drawnForShow_ = false;
    return;
  }
  UpdateExample();
}

}  // namespace sumcraft
