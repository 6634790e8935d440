#include "wizard/ProblemTypeForm.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "quiz/QuestionSet.h"
#include "widgets/DialogParts.h"
#include "widgets/ProgramIcons.h"
#include "widgets/lfLabel.h"
#include "widgets/lfRadioButton.h"
#include "wizard/WizardResult.h"

namespace sumcraft {

namespace {

constexpr int kWidth = kWizardWidth;
constexpr int kHeight = kWizardHeight;
constexpr int kButtonY = kHeight - 16 - 34;
constexpr int kColumnX[3] = {20, 200, 400};
constexpr int kRowY0 = 28;
constexpr int kRowStep = 30;

struct TTypeChoice {
  const char* Caption;
  std::uint8_t Code;
  int Column;
  int Row;
};

// In tab order.
constexpr TTypeChoice kChoices[11] = {
    {" Addition", ptAddition, 0, 0},        {" Subtraction", ptSubtraction, 0, 1},
    {" Multiplication", ptMultiplication, 0, 2}, {" Division", ptDivision, 0, 3},
    {" Comparisons (>, <, =)", ptComparison, 1, 0}, {" Money", ptMoney, 1, 1},
    {" Fractions", ptFractions, 1, 2},       {" Telling Time", ptTime, 1, 3},
    {" Rounding", ptRounding, 2, 0},         {" Tables", ptTables, 2, 1},
    {" Graphs", ptGraphs, 2, 2},
};

}  // namespace

TProblemTypeForm::TProblemTypeForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setWindowTitle(QStringLiteral("Question Add Wizard - Step 1 of 3"));
  setFont(DialogFont());
  setFixedSize(kWidth, kHeight);
  setModal(true);

  imgWizard = MakePictureLabel(this, ProgramPixmap(), 16, 16);
  lblInstructions1 =
      new TlfLabel(QStringLiteral("Select the problem type to add by clicking one of the radio buttons."), this);
  lblInstructions1->setGeometry(80, 20, 500, 18);
  lblInstructions2 =
      new TlfLabel(QStringLiteral("Click the 'Next' button to set the options for your chosen problem type."), this);
  lblInstructions2->setGeometry(80, 40, 500, 18);

  grpProblemType = new QGroupBox(QStringLiteral("Problem type"), this);
  grpProblemType->setGeometry(16, 80, kWidth - 32, 152);
  for (std::size_t i = 0; i < std::size(kChoices); ++i) {
    const TTypeChoice& choice = kChoices[i];
    auto* radio = new TlfRadioButton(QString::fromLatin1(choice.Caption), grpProblemType);
    radio->move(kColumnX[choice.Column], kRowY0 + choice.Row * kRowStep);
    radio->adjustSize();
    radios_[i] = {radio, choice.Code};
    const std::uint8_t code = choice.Code;
    connect(radio, &QRadioButton::toggled, this, [this, code](bool on) {
      if (on) TypeChecked(code);
    });
  }
  optAddition = radios_[0].first;
  optSubtraction = radios_[1].first;
  optMultiplication = radios_[2].first;
  optDivision = radios_[3].first;
  optComparison = radios_[4].first;
  optMoney = radios_[5].first;
  optFractions = radios_[6].first;
  optTime = radios_[7].first;
  optRounding = radios_[8].first;
  optTables = radios_[9].first;
  optGraphs = radios_[10].first;
  optAddition->setChecked(true);

  // Where steps 2 and 3 have their "Next" and "Cancel".
  cmdNext = MakeDialogButton(this, QStringLiteral("Next"), QStyle::SP_ArrowForward,
                             QRect(kWidth - 16 - 232, kButtonY, 110, 34));
  cmdCancel = MakeDialogButton(this, QStringLiteral("Cancel"), QStyle::SP_DialogCancelButton,
                               QRect(kWidth - 16 - 110, kButtonY, 110, 34));
  // Enter is "Next" wherever the focus is.
  for (QPushButton* button : {cmdNext, cmdCancel}) button->setAutoDefault(false);
  cmdNext->setDefault(true);
  connect(cmdNext, &QPushButton::clicked, this, [this] { done(wrNext); });
  connect(cmdCancel, &QPushButton::clicked, this, [this] { done(wrCancel); });

  QWidget* previous = nullptr;
  for (auto& [radio, code] : radios_) {
    if (previous != nullptr) setTabOrder(previous, radio);
    previous = radio;
  }
  setTabOrder(previous, cmdNext);
  setTabOrder(cmdNext, cmdCancel);
}

void TProblemTypeForm::SetQuestionSet(TQuestionSet& set) {
  set_ = &set;
  set.Options.Operand = chosenType_;
}

TlfRadioButton* TProblemTypeForm::RadioFor(std::uint8_t type) const {
  for (const auto& [radio, code] : radios_)
    if (code == type) return radio;
  return nullptr;
}

void TProblemTypeForm::TypeChecked(std::uint8_t type) {
  chosenType_ = type;
  if (set_ != nullptr) set_->Options.Operand = type;
}

}  // namespace sumcraft
