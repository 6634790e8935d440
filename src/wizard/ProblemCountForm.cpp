#include "wizard/ProblemCountForm.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>
#include <limits>
#include <optional>

#include "generate/Generate.h"
#include "quiz/QuestionSet.h"
#include "render/Layout.h"
#include "widgets/DialogParts.h"
#include "widgets/ProgramIcons.h"
#include "widgets/UiFonts.h"
#include "widgets/WizardMessages.h"
#include "widgets/lfCheckbox.h"
#include "widgets/lfInputField.h"
#include "widgets/lfLabel.h"
#include "generate/GenerateInSteps.h"
#include "wizard/WizardResult.h"

namespace sumcraft {

namespace {

constexpr int kWidth = kWizardWidth;
constexpr int kHeight = kWizardHeight;
constexpr QSize kPreviewSize(282, 365);
// At the right, over the buttons, as the examples of step 2 are.
constexpr QRect kPreviewBox(kWidth - 16 - 314, 38, 314, 383);

// A decimal integer within 32 bits: blanks before it, an optional sign, at
// least one digit and nothing after.
std::optional<int> ParseInteger(const QString& text) {
  qsizetype i = 0;
  while (i < text.size() && text[i] == QLatin1Char(' ')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
    negative = text[i] == QLatin1Char('-');
    ++i;
  }
  if (i == text.size()) return std::nullopt;
  long long value = 0;
  for (; i < text.size(); ++i) {
    const QChar ch = text[i];
    if (ch < QLatin1Char('0') || ch > QLatin1Char('9')) return std::nullopt;
    value = value * 10 + (ch.unicode() - u'0');
    if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min()) return std::nullopt;
  return static_cast<int>(value);
}

TlfLabel* MakeLabel(QWidget* parent, const QString& text, int x, int y, bool bold = false) {
  auto* label = new TlfLabel(text, parent);
  if (bold) label->setFont(TahomaFont(13, true));
  label->move(x, y);
  label->adjustSize();
  return label;
}

QToolButton* MakeArrow(QWidget* parent, Qt::ArrowType arrow, const QRect& geometry) {
  auto* button = new QToolButton(parent);
  button->setArrowType(arrow);
  button->setGeometry(geometry);
  // The field keeps the focus, so pressing an arrow does not count as
  // leaving it.
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

}  // namespace

TProblemCountForm::TProblemCountForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setWindowTitle(QStringLiteral("Question Add Wizard - Step 3 of 3"));
  setFont(DialogFont());
  setFixedSize(kWidth, kHeight);
  setModal(true);

  imgWizard = MakePictureLabel(this, ProgramPixmap(), 16, 16);
  lblInstructions1 = MakeLabel(this, QStringLiteral("Use the options below to set the number of"), 76, 20);
  lblInstructions2 = MakeLabel(this, QStringLiteral("problems in this question set, and the layout."), 76, 38);

  lblInputNumber = MakeLabel(this, QStringLiteral("Input number of problems to add in this set:"), 16, 96, true);
  lblNumberOfProblems = MakeLabel(this, QStringLiteral("# of problems:"), 36, 134);
  txtNumberOfQuestions = new TlfInputField(this);
  txtNumberOfQuestions->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  txtNumberOfQuestions->SetKeystrokesAllowed(aPosIntegersOnly);
  txtNumberOfQuestions->SetHighlightOnEntry(true);
  txtNumberOfQuestions->SetTrimText(false);
  txtNumberOfQuestions->setGeometry(140, 129, 80, 24);
  txtNumberOfQuestions->setText(QStringLiteral("10"));
  cmdScrollUp = MakeArrow(this, Qt::UpArrow, QRect(224, 121, 20, 20));
  cmdScrollDown = MakeArrow(this, Qt::DownArrow, QRect(224, 141, 20, 20));

  lblNewPage = MakeLabel(this, QStringLiteral("Specify whether this set always starts a new page:"), 16, 186, true);
  chkStartOnNewPage = new TlfCheckbox(QStringLiteral("  Always start section on new page"), this);
  chkStartOnNewPage->move(36, 214);
  chkStartOnNewPage->adjustSize();

  lblSpans = MakeLabel(this, QStringLiteral("Problem set spans page(s):"), 16, 270, true);
  lblPageNumbers = new TlfLabel(this);
  lblPageNumbers->setGeometry(16 + lblSpans->width() + 8, 270, 100, lblSpans->height());

  lblPreview = MakeLabel(this, QStringLiteral("Preview"), kPreviewBox.left(), 16, true);
  scrPreview = new QScrollArea(this);
  scrPreview->setGeometry(kPreviewBox);
  scrPreview->setAlignment(Qt::AlignCenter);
  preview_ = QImage(kPreviewSize, QImage::Format_RGB32);
  preview_.fill(Qt::white);
  imgQuiz = new QLabel;
  imgQuiz->setFixedSize(kPreviewSize);
  imgQuiz->setPixmap(QPixmap::fromImage(preview_));
  scrPreview->setWidget(imgQuiz);

  const int y = kHeight - 16 - 34;
  cmdCancel = MakeDialogButton(this, QStringLiteral("Cancel"), QStyle::SP_DialogCancelButton,
                               QRect(kWidth - 16 - 110, y, 110, 34));
  cmdFinish = MakeDialogButton(this, QStringLiteral("Finish"), QStyle::SP_DialogApplyButton,
                               QRect(kWidth - 16 - 232, y, 110, 34));
  cmdBack = MakeDialogButton(this, QStringLiteral("Back"), QStyle::SP_ArrowBack, QRect(kWidth - 16 - 354, y, 110, 34));
  // Enter is "Finish" wherever the focus is; "Finish" reads the count
  // field itself, so the field lets Enter through.
  for (QPushButton* button : {cmdBack, cmdFinish, cmdCancel}) button->setAutoDefault(false);
  cmdFinish->setDefault(true);
  txtNumberOfQuestions->SetEnterToWindow(true);
  txtNumberOfQuestions->setAccessibleName(QStringLiteral("Number of problems"));
  lblNumberOfProblems->setBuddy(txtNumberOfQuestions);
  cmdScrollUp->setAccessibleName(QStringLiteral("One more problem"));
  cmdScrollDown->setAccessibleName(QStringLiteral("One problem fewer"));

  tmrStartScroll = new QTimer(this);
  tmrStartScroll->setSingleShot(true);
  tmrStartScroll->setInterval(300);
  tmrScroll = new QTimer(this);
  tmrScroll->setInterval(100);

  setTabOrder(txtNumberOfQuestions, chkStartOnNewPage);
  setTabOrder(chkStartOnNewPage, cmdBack);
  setTabOrder(cmdBack, cmdFinish);
  setTabOrder(cmdFinish, cmdCancel);

  connect(txtNumberOfQuestions, &TlfInputField::Exited, this, &TProblemCountForm::txtNumberOfQuestionsExit);
  // The state, not the click: a screen reader or switch access toggles the
  // box without clicking it.
  connect(chkStartOnNewPage, &QAbstractButton::toggled, this, &TProblemCountForm::chkStartOnNewPageClick);
  connect(cmdScrollUp, &QAbstractButton::clicked, this, &TProblemCountForm::cmdScrollUpClick);
  connect(cmdScrollDown, &QAbstractButton::clicked, this, &TProblemCountForm::cmdScrollDownClick);
  connect(cmdScrollUp, &QAbstractButton::pressed, this, [this] { cmdScrollMouseDown(+1); });
  connect(cmdScrollDown, &QAbstractButton::pressed, this, [this] { cmdScrollMouseDown(-1); });
  connect(cmdScrollUp, &QAbstractButton::released, this, &TProblemCountForm::cmdScrollMouseUp);
  connect(cmdScrollDown, &QAbstractButton::released, this, &TProblemCountForm::cmdScrollMouseUp);
  connect(tmrStartScroll, &QTimer::timeout, this, &TProblemCountForm::tmrStartScrollTimer);
  connect(tmrScroll, &QTimer::timeout, this, &TProblemCountForm::tmrScrollTimer);
  connect(cmdFinish, &QPushButton::clicked, this, &TProblemCountForm::BitBtn1Click);
  connect(cmdBack, &QPushButton::clicked, this, [this] { done(wrBack); });
  connect(cmdCancel, &QPushButton::clicked, this, [this] { done(wrCancel); });
}

TProblemCountForm::~TProblemCountForm() = default;

void TProblemCountForm::SetQuestionSet(TQuestionSet& set) { set_ = &set; }

bool TProblemCountForm::ReadCount() {
  const QString text = txtNumberOfQuestions->text();
  const std::optional<int> n = ParseInteger(text);
  if (!n) {
    ShowWizardError(this, QStringLiteral("'%1' is not a valid integer value").arg(text));
    return false;
  }
  SetCount(*n);
  return true;
}

void TProblemCountForm::SetCount(int n) {
  count_ = n;
  txtNumberOfQuestions->setText(QString::number(n));
}

bool TProblemCountForm::Regenerate() {
  const int previous = count_;
  if (!ReadCount()) return false;
  if (set_ == nullptr) return false;
  if (count_ > kMaxCount) {
    ShowWizardError(this, QStringLiteral("A question set can hold at most %1 questions.").arg(kMaxCount));
    SetCount(previous);
    return false;
  }
  if (count_ < 1) {
    ShowWizardError(this, QStringLiteral("A question set needs at least one question."));
    SetCount(previous);
    return false;
  }
  if (count_ > kConfirmAbove && count_ != confirmedCount_) {
    if (!ConfirmWizard(this,
                       QStringLiteral("Generating %1 questions may take a while. Continue?").arg(count_))) {
      SetCount(previous);
      return false;
    }
    confirmedCount_ = count_;
  }
  if (!GenerateCount(count_)) {
    SetCount(previous);
    return false;
  }
  return true;
}

bool TProblemCountForm::GenerateCount(int count) {
  TQuestionSet& set = *set_;
  try {
    if (count <= kConfirmAbove) {
      Generate(set, count);
      return true;
    }
    QProgressDialog progress(QStringLiteral("Generating %1 questions...").arg(count), QStringLiteral("Cancel"), 0,
                             count, this);
    progress.setWindowTitle(QStringLiteral("Question Add Wizard"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setValue(0);
    return GenerateInSteps(set, count, kProgressEvery, [&progress](int done) {
      progress.setValue(done);  // a modal progress window processes events here
      QApplication::processEvents();
      return !progress.wasCanceled();
    });
  } catch (const std::exception& error) {
    ShowWizardError(this, QString::fromLocal8Bit(error.what()));
    return false;
  }
}

void TProblemCountForm::UpdatePreview() {
  if (set_ == nullptr) return;
  TQuestionSet& set = *set_;
  // A long set takes a while to lay out; say so while it happens.
  std::optional<QProgressDialog> busy;
  if (set.Count() > static_cast<std::size_t>(kConfirmAbove)) {
    busy.emplace(QStringLiteral("Laying out the pages..."), QString(), 0, 0, this);
    busy->setWindowTitle(QStringLiteral("Question Add Wizard"));
    busy->setCancelButton(nullptr);
    busy->setWindowModality(Qt::WindowModal);
    busy->setMinimumDuration(0);
    busy->setValue(0);
    QApplication::processEvents();
  }
  ++previewsDrawn_;
  TQuiz preview;
  quiz_.CopyTo(preview);
  set.Options.StartOnNewPage = chkStartOnNewPage->isChecked();
  preview.Sets.AddCopy(set);
  try {
    Layout(preview, true);
  } catch (const std::exception& error) {
    ClearPreview();
    ShowWizardError(this, QString::fromLocal8Bit(error.what()));
    return;
  }
  const TQuestionSet& added = preview.Sets.Item(preview.Sets.Count() - 1);
  preview_.fill(Qt::white);
  RenderPage(preview, added.FirstPage, preview_);
  ShowPreview();
  lblPageNumbers->setText(QStringLiteral("%1 to %2").arg(added.FirstPage).arg(added.LastPage));
}

void TProblemCountForm::ClearPreview() {
  preview_.fill(Qt::white);
  ShowPreview();
  lblPageNumbers->clear();
}

QString TProblemCountForm::PageNumbersText() const { return lblPageNumbers->text(); }

void TProblemCountForm::ShowPreview() { imgQuiz->setPixmap(QPixmap::fromImage(preview_)); }

void TProblemCountForm::txtNumberOfQuestionsExit() {
  // A click on "Finish" takes the focus first; reading the field here would
  // put the previous count back into it after refusing the one typed, and
  // Finish would then go on with that. Finish reads the field itself.
  if (cmdFinish->hasFocus()) return;
  if (Regenerate()) UpdatePreview();
}

void TProblemCountForm::chkStartOnNewPageClick() {
  if (Regenerate()) UpdatePreview();
}

void TProblemCountForm::cmdScrollUpClick() {
  if (count_ < kArrowMax) SetCount(count_ + 1);
  if (Regenerate()) UpdatePreview();
}

void TProblemCountForm::cmdScrollDownClick() {
  if (count_ > 1) SetCount(count_ - 1);
  if (Regenerate()) UpdatePreview();
}

void TProblemCountForm::cmdScrollMouseDown(int step) {
  scrollStep_ = step;
  tmrStartScroll->start();
}

void TProblemCountForm::cmdScrollMouseUp() {
  tmrScroll->stop();
  scrolling_ = false;
  tmrStartScroll->stop();
}

void TProblemCountForm::tmrStartScrollTimer() {
  tmrScroll->start();
  scrolling_ = true;
}

void TProblemCountForm::tmrScrollTimer() {
  if (scrollStep_ > 0) {
    if (count_ < kArrowMax) SetCount(count_ + 1);
  } else if (count_ > 1) {
    SetCount(count_ - 1);
  }
}

void TProblemCountForm::BitBtn1Click() {
  const int previous = count_;
  if (!ReadCount()) return;
  if (set_ == nullptr) return;
  if (set_->Count() != static_cast<std::size_t>(count_ < 0 ? 0 : count_)) {
    // Regenerate reads the field again; should it refuse the count, the
    // count from before "Finish" is the one to keep.
    count_ = previous;
    if (!Regenerate()) return;
  }
  done(wrNext);
}

void TProblemCountForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FocusCountField();
}

void TProblemCountForm::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  // Also on coming back from a message: the field is where a count that
  // did not parse gets mended.
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FocusCountField();
}

void TProblemCountForm::FocusCountField() {
  txtNumberOfQuestions->setFocus(Qt::ActiveWindowFocusReason);
  txtNumberOfQuestions->selectAll();
}

}  // namespace sumcraft
