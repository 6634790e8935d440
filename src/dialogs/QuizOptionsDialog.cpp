#include "dialogs/QuizOptionsDialog.h"

#include <QFrame>
#include <QPushButton>

#include "quiz/Quiz.h"
#include "render/CodePage1252.h"
#include "widgets/DialogParts.h"

namespace sumcraft {

namespace {

TlfLabel* MakeHeading(QWidget* parent, const QString& text, int y) {
  auto* heading = new TlfLabel(text, parent);
  heading->setFont(HeadingFont());
  heading->move(16, y);
  heading->adjustSize();
  auto* rule = new QFrame(parent);
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  rule->setGeometry(16, y + heading->height() + 2, 484, 2);
  return heading;
}

TlfCheckbox* MakeBox(QWidget* parent, const QString& text, int x, int y) {
  auto* box = new TlfCheckbox(text, parent);
  box->move(x, y);
  box->adjustSize();
  return box;
}

TlfInputField* MakeTextField(QWidget* parent, int maxLength, const QRect& geometry) {
  auto* field = new TlfInputField(parent);
  field->SetMaxLength(maxLength);
  field->SetKeystrokesAllowed(aAnyKey);
  field->SetHighlightOnEntry(true);
  field->SetTrimText(false);
  field->SetHideSelection(false);
  field->setGeometry(geometry);
  return field;
}

}  // namespace

TfrmQuizOptions::TfrmQuizOptions(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Set Quiz Options"));
  setFont(DialogFont());
  setFixedSize(516, 411);

  lblHeaderOptions = MakeHeading(this, QStringLiteral("Page Header Options"), 14);
  chkPrintQuizTitle = MakeBox(this, QStringLiteral("  Print quiz title"), 32, 48);
  txtQuizTitle = MakeTextField(this, kTitleMaxLength, QRect(56, 76, 260, 24));
  chkPrintStudentNameBlank = MakeBox(this, QStringLiteral("  Print blank for student name"), 32, 116);
  chkPrintTeacherNameBlank = MakeBox(this, QStringLiteral("  Print blank for teacher name"), 32, 144);
  chkPrintDateBlank = MakeBox(this, QStringLiteral("  Print blank for date"), 280, 116);
  chkPrintClassNameBlank = MakeBox(this, QStringLiteral("  Print blank for class name"), 280, 144);

  lblFooterOptions = MakeHeading(this, QStringLiteral("Page Footer Options"), 190);
  chkPrintPageNumbers = MakeBox(this, QStringLiteral("  Print page numbers"), 32, 224);
  chkSkipPrintFirstPageNumber = MakeBox(this, QStringLiteral("  Don't print page number on first page"), 56, 252);
  chkPrintFooterText = MakeBox(this, QStringLiteral("  Print footer text"), 32, 286);
  txtFooterText = MakeTextField(this, kFooterMaxLength, QRect(56, 314, 444, 24));

  // Each field is named by the box that switches it on.
  txtQuizTitle->setAccessibleName(QStringLiteral("Quiz title"));
  txtFooterText->setAccessibleName(QStringLiteral("Footer text"));

  auto* rule = new QFrame(this);
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  rule->setGeometry(16, 344, 484, 2);
  cmdSave = MakeDialogButton(this, QStringLiteral("  Save"), QStyle::SP_DialogSaveButton, QRect(258, 356, 115, 41));
  cmdCancel = MakeDialogButton(this, QStringLiteral("Cancel"), QStyle::SP_DialogCancelButton, QRect(385, 356, 115, 41));
  cmdSave->setAutoDefault(false);
  cmdCancel->setAutoDefault(false);

  QWidget* order[] = {chkPrintQuizTitle,        txtQuizTitle,         chkPrintStudentNameBlank,
                      chkPrintTeacherNameBlank, chkPrintDateBlank,    chkPrintClassNameBlank,
                      chkPrintPageNumbers,      chkSkipPrintFirstPageNumber, chkPrintFooterText,
                      txtFooterText,            cmdSave,              cmdCancel};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  connect(chkPrintQuizTitle, &QCheckBox::toggled, this, &TfrmQuizOptions::ApplyEnablingRules);
  connect(chkPrintPageNumbers, &QCheckBox::toggled, this, &TfrmQuizOptions::ApplyEnablingRules);
  connect(chkPrintFooterText, &QCheckBox::toggled, this, &TfrmQuizOptions::ApplyEnablingRules);
  connect(cmdSave, &QPushButton::clicked, this, &TfrmQuizOptions::cmdSaveClick);
  connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmQuizOptions::SetQuiz(TQuiz& quiz) {
  quiz_ = &quiz;
  chkPrintQuizTitle->setChecked(quiz.PrintQuizTitle);
  txtQuizTitle->setText(FromCp1252(quiz.QuizTitle));
  chkPrintStudentNameBlank->setChecked(quiz.PrintStudentNameBlank);
  chkPrintTeacherNameBlank->setChecked(quiz.PrintTeacherNameBlank);
  chkPrintDateBlank->setChecked(quiz.PrintDateBlank);
  chkPrintClassNameBlank->setChecked(quiz.PrintClassNameBlank);
  chkPrintPageNumbers->setChecked(quiz.PrintPageNumbers);
  chkSkipPrintFirstPageNumber->setChecked(quiz.SkipPrintFirstPageNumber);
  chkPrintFooterText->setChecked(quiz.PrintFooterText);
  txtFooterText->setText(FromCp1252(quiz.FooterText));
  ApplyEnablingRules();
}

void TfrmQuizOptions::ApplyEnablingRules() {
  txtQuizTitle->setEnabled(chkPrintQuizTitle->isChecked());
  chkSkipPrintFirstPageNumber->setEnabled(chkPrintPageNumbers->isChecked());
  txtFooterText->setEnabled(chkPrintFooterText->isChecked());
}

void TfrmQuizOptions::cmdSaveClick() {
  if (quiz_ != nullptr) {
    TQuiz& quiz = *quiz_;
    quiz.QuizTitle = ToCp1252(txtQuizTitle->text());
    quiz.PrintStudentNameBlank = chkPrintStudentNameBlank->isChecked();
    quiz.PrintTeacherNameBlank = chkPrintTeacherNameBlank->isChecked();
    quiz.PrintDateBlank = chkPrintDateBlank->isChecked();
    quiz.PrintClassNameBlank = chkPrintClassNameBlank->isChecked();
    quiz.PrintQuizTitle = chkPrintQuizTitle->isChecked();
    quiz.PrintPageNumbers = chkPrintPageNumbers->isChecked();
    quiz.SkipPrintFirstPageNumber = chkSkipPrintFirstPageNumber->isChecked();
    quiz.PrintFooterText = chkPrintFooterText->isChecked();
    quiz.FooterText = ToCp1252(txtFooterText->text());
  }
  accept();
}

}  // namespace sumcraft
