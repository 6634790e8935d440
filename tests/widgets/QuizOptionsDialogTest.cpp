#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "WidgetTestSupport.h"
#include "dialogs/QuizOptionsDialog.h"
#include "quiz/Quiz.h"
#include "widgets/QtPrinters.h"

namespace sumcraft {
namespace {

using test::ExecWith;
using test::ShowActive;

// The ten print options of a quiz, for comparing quizzes.
struct TPrintOptions {
  std::string QuizTitle, FooterText;
  bool PrintQuizTitle, PrintStudentNameBlank, PrintTeacherNameBlank, PrintDateBlank, PrintClassNameBlank,
      PrintPageNumbers, SkipPrintFirstPageNumber, PrintFooterText;
  bool operator==(const TPrintOptions&) const = default;
};

TPrintOptions OptionsOf(const TQuiz& q) {
  return {q.QuizTitle,          q.FooterText,           q.PrintQuizTitle,   q.PrintStudentNameBlank,
          q.PrintTeacherNameBlank, q.PrintDateBlank,    q.PrintClassNameBlank, q.PrintPageNumbers,
          q.SkipPrintFirstPageNumber, q.PrintFooterText};
}

class QuizOptionsDialogTest : public ::testing::Test {
protected:
  void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(6, widget->height() / 2)); }

  TfrmQuizOptions dialog_;
  TQuiz quiz_;
};

TEST_F(QuizOptionsDialogTest, HasItsCaptionSizeAndTexts) {
  EXPECT_EQ(dialog_.windowTitle(), QStringLiteral("Set Quiz Options"));
  EXPECT_EQ(dialog_.size(), QSize(516, 411));
  EXPECT_EQ(dialog_.minimumSize(), dialog_.maximumSize());
  EXPECT_EQ(dialog_.lblHeaderOptions->text(), QStringLiteral("Page Header Options"));
  EXPECT_EQ(dialog_.lblFooterOptions->text(), QStringLiteral("Page Footer Options"));
  EXPECT_EQ(dialog_.chkPrintQuizTitle->text(), QStringLiteral("  Print quiz title"));
  EXPECT_EQ(dialog_.chkSkipPrintFirstPageNumber->text(), QStringLiteral("  Don't print page number on first page"));
  EXPECT_EQ(dialog_.cmdSave->text(), QStringLiteral("  Save"));
  EXPECT_EQ(dialog_.cmdCancel->text(), QStringLiteral("Cancel"));
  for (TlfInputField* field : {dialog_.txtQuizTitle, dialog_.txtFooterText}) {
    EXPECT_EQ(field->KeystrokesAllowed(), aAnyKey);
    EXPECT_TRUE(field->HighlightOnEntry());
    EXPECT_FALSE(field->TrimText());
    EXPECT_FALSE(field->HideSelection());
  }
}

TEST_F(QuizOptionsDialogTest, ANewQuizShowsItsDefaultsWithTheTitleAndFooterFieldsDisabled) {
  dialog_.SetQuiz(quiz_);
  EXPECT_FALSE(dialog_.chkPrintQuizTitle->isChecked());
  EXPECT_FALSE(dialog_.txtQuizTitle->isEnabled());
  EXPECT_TRUE(dialog_.chkPrintStudentNameBlank->isChecked());
  EXPECT_FALSE(dialog_.chkPrintTeacherNameBlank->isChecked());
  EXPECT_TRUE(dialog_.chkPrintDateBlank->isChecked());
  EXPECT_FALSE(dialog_.chkPrintClassNameBlank->isChecked());
  EXPECT_TRUE(dialog_.chkPrintPageNumbers->isChecked());
  EXPECT_TRUE(dialog_.chkSkipPrintFirstPageNumber->isChecked());
  EXPECT_TRUE(dialog_.chkSkipPrintFirstPageNumber->isEnabled());
  EXPECT_FALSE(dialog_.chkPrintFooterText->isChecked());
  EXPECT_FALSE(dialog_.txtFooterText->isEnabled());
}

TEST_F(QuizOptionsDialogTest, TheTitleTakesKeysOnlyOnceItsBoxIsChecked) {
  dialog_.SetQuiz(quiz_);
  ASSERT_TRUE(ShowActive(dialog_));
  dialog_.chkPrintQuizTitle->setFocus(Qt::OtherFocusReason);
  QTest::keyClicks(dialog_.txtQuizTitle, QStringLiteral("Test"));
  EXPECT_EQ(dialog_.txtQuizTitle->text(), QString());

  Click(dialog_.chkPrintQuizTitle);
  ASSERT_TRUE(dialog_.txtQuizTitle->isEnabled());
  QTest::keyClick(dialog_.chkPrintQuizTitle, Qt::Key_Tab);
  ASSERT_TRUE(dialog_.txtQuizTitle->hasFocus());
  QTest::keyClicks(dialog_.txtQuizTitle, QStringLiteral("Test"));
  EXPECT_EQ(dialog_.txtQuizTitle->text(), QStringLiteral("Test"));
}

TEST_F(QuizOptionsDialogTest, UncheckingPageNumbersDisablesButKeepsTheFirstPageBoxAndSaveStoresBoth) {
  dialog_.SetQuiz(quiz_);
  ASSERT_TRUE(ShowActive(dialog_));
  Click(dialog_.chkPrintPageNumbers);
  EXPECT_FALSE(dialog_.chkSkipPrintFirstPageNumber->isEnabled());
  EXPECT_TRUE(dialog_.chkSkipPrintFirstPageNumber->isChecked());
  Click(dialog_.chkPrintFooterText);
  EXPECT_TRUE(dialog_.txtFooterText->isEnabled());
  Click(dialog_.chkPrintFooterText);
  EXPECT_FALSE(dialog_.txtFooterText->isEnabled());

  Click(dialog_.cmdSave);
  EXPECT_EQ(dialog_.result(), QDialog::Accepted);
  EXPECT_FALSE(quiz_.PrintPageNumbers);
  EXPECT_TRUE(quiz_.SkipPrintFirstPageNumber);
}

TEST_F(QuizOptionsDialogTest, SaveWritesAllTenFieldsAlsoThoseOfDisabledControls) {
  quiz_.QuizTitle = "Old";
  quiz_.FooterText = "Old footer";
  dialog_.SetQuiz(quiz_);
  dialog_.txtQuizTitle->setText(QStringLiteral("Fractions \xe9t\xe9"));  // stays disabled
  dialog_.txtFooterText->setText(QStringLiteral("Name the parts"));     // stays disabled
  dialog_.chkPrintStudentNameBlank->setChecked(false);
  dialog_.chkPrintTeacherNameBlank->setChecked(true);
  dialog_.chkPrintDateBlank->setChecked(false);
  dialog_.chkPrintClassNameBlank->setChecked(true);
  dialog_.chkSkipPrintFirstPageNumber->setChecked(false);
  dialog_.chkPrintPageNumbers->setChecked(false);

  const int result = ExecWith(dialog_, [&] { dialog_.cmdSave->click(); });
  EXPECT_EQ(result, QDialog::Accepted);
  const TPrintOptions expected{"Fractions \xe9t\xe9", "Name the parts", false, false, true, false, true,
                               false,                 false,            false};
  EXPECT_EQ(OptionsOf(quiz_), expected);
}

TEST_F(QuizOptionsDialogTest, CancelEscapeAndTheCloseBoxLeaveTheQuizUntouched) {
  quiz_.QuizTitle = "Keep";
  quiz_.Modified = false;
  const TPrintOptions before = OptionsOf(quiz_);
  auto changeEverything = [&] {
    for (TlfCheckbox* box : dialog_.findChildren<TlfCheckbox*>()) box->click();
    dialog_.txtQuizTitle->setText(QStringLiteral("Changed"));
    dialog_.txtFooterText->setText(QStringLiteral("Changed"));
  };

  dialog_.SetQuiz(quiz_);
  EXPECT_EQ(ExecWith(dialog_, [&] { changeEverything(); dialog_.cmdCancel->click(); }), QDialog::Rejected);
  EXPECT_EQ(OptionsOf(quiz_), before);

  dialog_.SetQuiz(quiz_);
  EXPECT_EQ(ExecWith(dialog_,
                     [&] {
                       changeEverything();
                       dialog_.txtFooterText->setFocus();
                       QTest::keyClick(dialog_.txtFooterText, Qt::Key_Escape);
                     }),
            QDialog::Rejected);
  EXPECT_EQ(OptionsOf(quiz_), before);

  dialog_.SetQuiz(quiz_);
  EXPECT_EQ(ExecWith(dialog_, [&] { changeEverything(); dialog_.close(); }), QDialog::Rejected);
  EXPECT_EQ(OptionsOf(quiz_), before);
  EXPECT_FALSE(quiz_.Modified);
}

TEST_F(QuizOptionsDialogTest, NeitherTypingNorPastingGoesBeyondTheMaximumLengths) {
  quiz_.PrintQuizTitle = true;
  quiz_.PrintFooterText = true;
  dialog_.SetQuiz(quiz_);
  ASSERT_TRUE(ShowActive(dialog_));
  dialog_.txtQuizTitle->setFocus();
  QTest::keyClicks(dialog_.txtQuizTitle, QString(30, u'T'));
  EXPECT_EQ(dialog_.txtQuizTitle->text(), QString(25, u'T'));

  dialog_.txtFooterText->setFocus();
  QGuiApplication::clipboard()->setText(QString(70, u'F'));
  QTest::keyClick(dialog_.txtFooterText, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(dialog_.txtFooterText->text(), QString(60, u'F'));
}

TEST_F(QuizOptionsDialogTest, ALongerTitleFromAFileIsShownAndSavedWhole) {
  quiz_.QuizTitle = std::string(40, 'x');
  dialog_.SetQuiz(quiz_);
  EXPECT_EQ(dialog_.txtQuizTitle->text().size(), 40);
  dialog_.cmdSave->click();
  EXPECT_EQ(quiz_.QuizTitle, std::string(40, 'x'));
}

TEST_F(QuizOptionsDialogTest, AReusedDialogShowsTheQuizItIsGivenAndSavesIntoThatOne) {
  TQuiz first;
  first.QuizTitle = "First";
  first.PrintQuizTitle = true;
  first.PrintFooterText = true;
  first.PrintPageNumbers = false;
  dialog_.SetQuiz(first);
  dialog_.chkPrintClassNameBlank->setChecked(true);
  dialog_.cmdCancel->click();

  dialog_.SetQuiz(quiz_);
  EXPECT_EQ(dialog_.txtQuizTitle->text(), QString());
  EXPECT_FALSE(dialog_.chkPrintClassNameBlank->isChecked());
  EXPECT_FALSE(dialog_.txtQuizTitle->isEnabled());
  EXPECT_FALSE(dialog_.txtFooterText->isEnabled());
  EXPECT_TRUE(dialog_.chkSkipPrintFirstPageNumber->isEnabled());
  dialog_.chkPrintClassNameBlank->setChecked(true);
  dialog_.cmdSave->click();
  EXPECT_TRUE(quiz_.PrintClassNameBlank);
  EXPECT_FALSE(first.PrintClassNameBlank);
}

TEST_F(QuizOptionsDialogTest, TabGoesThroughTheControlsInTheirOrder) {
  quiz_.PrintQuizTitle = true;
  quiz_.PrintFooterText = true;
  dialog_.SetQuiz(quiz_);
  ASSERT_TRUE(ShowActive(dialog_));
  dialog_.chkPrintQuizTitle->setFocus();
  const QList<QWidget*> expected = {
      dialog_.txtQuizTitle,       dialog_.chkPrintStudentNameBlank,    dialog_.chkPrintTeacherNameBlank,
      dialog_.chkPrintDateBlank,  dialog_.chkPrintClassNameBlank,      dialog_.chkPrintPageNumbers,
      dialog_.chkSkipPrintFirstPageNumber, dialog_.chkPrintFooterText, dialog_.txtFooterText,
      dialog_.cmdSave,            dialog_.cmdCancel,                   dialog_.chkPrintQuizTitle};
  QList<QWidget*> visited;
  for (qsizetype i = 0; i < expected.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget();
  }
  EXPECT_EQ(visited, expected);
}

TEST_F(QuizOptionsDialogTest, TheTitleIsSelectedOnEntryAndStaysSelectedWhenLeft) {
  quiz_.QuizTitle = "Spelling";
  quiz_.PrintQuizTitle = true;
  dialog_.SetQuiz(quiz_);
  ASSERT_TRUE(ShowActive(dialog_));
  dialog_.chkPrintQuizTitle->setFocus();
  QTest::keyClick(dialog_.chkPrintQuizTitle, Qt::Key_Tab);
  EXPECT_EQ(dialog_.txtQuizTitle->selectedText(), QStringLiteral("Spelling"));
  QTest::keyClick(dialog_.txtQuizTitle, Qt::Key_Tab);
  EXPECT_EQ(dialog_.txtQuizTitle->selectedText(), QStringLiteral("Spelling"));
  // Blanks around the title are the user's.
  dialog_.txtQuizTitle->setText(QStringLiteral("  Spelling  "));
  dialog_.txtQuizTitle->setFocus();
  QTest::keyClick(dialog_.txtQuizTitle, Qt::Key_Tab);
  EXPECT_EQ(dialog_.txtQuizTitle->text(), QStringLiteral("  Spelling  "));
}

}  // namespace
}  // namespace sumcraft
