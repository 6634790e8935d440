// Step 3: the count field and its arrows, the new-page box, the preview
// and its page span, and what happens with counts that do not parse or
// would take long.
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>

#include "generate/Generate.h"
#include "generate/Random.h"
#include "quiz/ProblemType.h"
#include "quiz/Quiz.h"
#include "render/Layout.h"
#include "widgets/lfCheckbox.h"
#include "widgets/lfInputField.h"
#include "widgets/lfLabel.h"
#include "generate/GenerateInSteps.h"
#include "wizard/ProblemCountForm.h"
#include "wizard/WizardResult.h"
#include "WizardTestSupport.h"

namespace sumcraft {
namespace {

using test::Click;

bool SameQuestions(const TQuestionSet& a, const TQuestionSet& b) {
  if (a.Count() != b.Count()) return false;
  for (std::size_t i = 0; i < a.Count(); ++i)
    if (!a.Item(i).SameAs(b.Item(i))) return false;
  return true;
}

bool IsBlank(const QImage& image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != QColor(Qt::white).rgb()) return false;
  return true;
}

class CountFormTest : public test::WizardTest {
protected:
  // The wizard's entry into the count state.
  void Enter() {
    set_.Options.Operand = ptAddition;
    set_.Options.FirstTermType = 2;
    set_.Options.SecondTermType = 2;
    set_.Clear();
    form.SetQuestionSet(set_);
    form.ClearPreview();
    form.Regenerate();
    quiz_.CopyTo(form.OwnQuiz());
    form.UpdatePreview();
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  }
  void TypeCount(const QString& text) {
    form.txtNumberOfQuestions->setFocus();
    form.txtNumberOfQuestions->selectAll();
    QTest::keyClick(form.txtNumberOfQuestions, Qt::Key_Delete);
    QTest::keyClicks(form.txtNumberOfQuestions, text);
  }
  // Leaves the count field for the new-page box, as Tab does.
  void LeaveField() {
    form.chkStartOnNewPage->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
  }

  TQuiz quiz_;
  TProblemCountForm form;
};

TEST_F(CountFormTest, TheWindowAsItOpensTheFirstTime) {
  Enter();
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Question Add Wizard - Step 3 of 3"));
  EXPECT_EQ(form.txtNumberOfQuestions->text(), QStringLiteral("10"));
  EXPECT_EQ(form.Count(), 10);
  EXPECT_EQ(set_.Count(), 10u);
  EXPECT_FALSE(form.chkStartOnNewPage->isChecked());
  EXPECT_EQ(form.chkStartOnNewPage->text(), QStringLiteral("  Always start section on new page"));
  EXPECT_TRUE(form.txtNumberOfQuestions->alignment() & Qt::AlignRight);
  EXPECT_EQ(form.txtNumberOfQuestions->KeystrokesAllowed(), aPosIntegersOnly);
  EXPECT_TRUE(form.txtNumberOfQuestions->HighlightOnEntry());
  EXPECT_FALSE(form.txtNumberOfQuestions->TrimText());
  EXPECT_EQ(form.cmdScrollUp->size(), QSize(20, 20));
  EXPECT_EQ(form.cmdScrollDown->size(), QSize(20, 20));
  EXPECT_EQ(form.cmdScrollDown->y(), form.cmdScrollUp->y() + 20);
  EXPECT_EQ(form.scrPreview->size(), QSize(314, 383));
  EXPECT_EQ(form.imgQuiz->size(), QSize(282, 365));
  EXPECT_EQ(form.lblSpans->text(), QStringLiteral("Problem set spans page(s):"));
  EXPECT_EQ(form.PageNumbersText(), QStringLiteral("1 to 1"));
  EXPECT_FALSE(IsBlank(form.PreviewImage()));
  EXPECT_EQ(form.cmdFinish->text(), QStringLiteral("Finish"));
  // The count field has the focus, its text selected.
  EXPECT_EQ(QApplication::focusWidget(), form.txtNumberOfQuestions);
  EXPECT_EQ(form.txtNumberOfQuestions->selectedText(), QStringLiteral("10"));
}

TEST_F(CountFormTest, LeavingTheFieldGeneratesTheCountTyped) {
  Enter();
  TypeCount(QStringLiteral("12a-3"));
  EXPECT_EQ(form.txtNumberOfQuestions->text(), QStringLiteral("123"));
  const int previews = form.PreviewsDrawn();
  LeaveField();
  EXPECT_EQ(form.Count(), 123);
  EXPECT_EQ(set_.Count(), 123u);
  EXPECT_EQ(form.PreviewsDrawn(), previews + 1);
  EXPECT_TRUE(messages_.errors.isEmpty());
}

TEST_F(CountFormTest, ACountThatDoesNotParseIsReportedAndChangesNothing) {
  Enter();
  const TQuestionSet before = [&] {
    TQuestionSet copy;
    copy.Assign(set_);
    return copy;
  }();
  for (const QString& text : {QString(), QStringLiteral("99999999999")}) {
    TypeCount(text);
    LeaveField();
    ASSERT_EQ(messages_.errors.size(), 1) << text.toStdString();
    EXPECT_EQ(messages_.errors.takeFirst(), QStringLiteral("'%1' is not a valid integer value").arg(text));
    EXPECT_EQ(form.Count(), 10);
    EXPECT_TRUE(SameQuestions(set_, before));
  }
  // The arrows step from the count kept.
  Click(form.cmdScrollUp);
  EXPECT_EQ(form.Count(), 11);
  EXPECT_EQ(set_.Count(), 11u);
}

TEST_F(CountFormTest, TheArrowsStepWithinOneToAThousandAndAlwaysDrawANewSet) {
  Enter();
  Click(form.cmdScrollUp);
  EXPECT_EQ(form.txtNumberOfQuestions->text(), QStringLiteral("11"));
  EXPECT_EQ(set_.Count(), 11u);
  Click(form.cmdScrollDown);
  EXPECT_EQ(set_.Count(), 10u);

  form.SetCount(1000);
  form.Regenerate();
  std::uint32_t state = RandomState();
  int previews = form.PreviewsDrawn();
  Click(form.cmdScrollUp);
  EXPECT_EQ(form.Count(), 1000);
  EXPECT_EQ(set_.Count(), 1000u);
  EXPECT_NE(RandomState(), state);
  EXPECT_EQ(form.PreviewsDrawn(), previews + 1);

  form.SetCount(1);
  state = RandomState();
  previews = form.PreviewsDrawn();
  Click(form.cmdScrollDown);
  EXPECT_EQ(form.Count(), 1);
  EXPECT_EQ(set_.Count(), 1u);
  EXPECT_NE(RandomState(), state);
  EXPECT_EQ(form.PreviewsDrawn(), previews + 1);
  // A typed count need not keep to the arrows' limits.
  TypeCount(QStringLiteral("1500"));
  LeaveField();
  EXPECT_EQ(set_.Count(), 1500u);
  Click(form.cmdScrollUp);
  EXPECT_EQ(form.Count(), 1500);
}

TEST_F(CountFormTest, TheRepeatTimersChangeOnlyTheNumberShown) {
  Enter();
  EXPECT_EQ(form.tmrStartScroll->interval(), 300);
  EXPECT_TRUE(form.tmrStartScroll->isSingleShot());
  EXPECT_EQ(form.tmrScroll->interval(), 100);
  EXPECT_FALSE(form.tmrScroll->isSingleShot());

  form.cmdScrollMouseDown(+1);
  EXPECT_TRUE(form.tmrStartScroll->isActive());
  EXPECT_FALSE(form.Scrolling());
  form.tmrStartScrollTimer();
  EXPECT_TRUE(form.tmrScroll->isActive());
  EXPECT_TRUE(form.Scrolling());
  for (int i = 0; i < 5; ++i) form.tmrScrollTimer();
  EXPECT_EQ(form.Count(), 15);
  EXPECT_EQ(form.txtNumberOfQuestions->text(), QStringLiteral("15"));
  EXPECT_EQ(set_.Count(), 10u);
  form.cmdScrollMouseUp();
  EXPECT_FALSE(form.tmrScroll->isActive());
  EXPECT_FALSE(form.tmrStartScroll->isActive());
  EXPECT_FALSE(form.Scrolling());

  form.cmdScrollMouseDown(-1);
  form.tmrStartScrollTimer();
  form.SetCount(2);
  for (int i = 0; i < 3; ++i) form.tmrScrollTimer();
  EXPECT_EQ(form.Count(), 1);
  form.cmdScrollMouseUp();
  form.SetCount(999);
  form.cmdScrollMouseDown(+1);
  form.tmrStartScrollTimer();
  for (int i = 0; i < 3; ++i) form.tmrScrollTimer();
  EXPECT_EQ(form.Count(), 1000);
  form.cmdScrollMouseUp();
}

TEST_F(CountFormTest, HoldingAnArrowRepeatsAndGeneratesOnceOnRelease) {
  Enter();
  const int previews = form.PreviewsDrawn();
  QElapsedTimer held;
  held.start();
  QTest::mousePress(form.cmdScrollUp, Qt::LeftButton);
  QTest::qWait(150);
  if (held.elapsed() < 280) {
    EXPECT_EQ(form.Count(), 10) << "no repeat before 300 ms";
  }
  QTest::qWait(650);
  const int shown = form.Count();
  EXPECT_GE(shown, 12);
  EXPECT_EQ(set_.Count(), 10u);
  EXPECT_EQ(form.PreviewsDrawn(), previews);
  QTest::mouseRelease(form.cmdScrollUp, Qt::LeftButton);
  EXPECT_FALSE(form.Scrolling());
  EXPECT_EQ(form.Count(), shown + 1);
  EXPECT_EQ(set_.Count(), static_cast<std::size_t>(shown + 1));
  EXPECT_EQ(form.PreviewsDrawn(), previews + 1);
  QTest::qWait(250);
  EXPECT_EQ(form.Count(), shown + 1) << "the repeat stopped";
}

TEST_F(CountFormTest, TheNewPageBoxDrawsANewSetThatStartsOnANewPage) {
  TQuestionSet first;
  first.Options.Operand = ptAddition;
  Generate(first, 5);
  quiz_.Sets.AddCopy(first);
  Enter();
  EXPECT_EQ(form.PageNumbersText(), QStringLiteral("1 to 1"));
  const std::uint32_t state = RandomState();
  Click(form.chkStartOnNewPage);
  EXPECT_NE(RandomState(), state);
  EXPECT_TRUE(set_.Options.StartOnNewPage);
  EXPECT_EQ(form.PageNumbersText(), QStringLiteral("2 to 2"));
  Click(form.chkStartOnNewPage);
  EXPECT_FALSE(set_.Options.StartOnNewPage);
  EXPECT_EQ(form.PageNumbersText(), QStringLiteral("1 to 1"));
  // The window's own quiz is a copy: the current quiz is never touched.
  EXPECT_EQ(quiz_.Sets.Count(), 1u);
}

TEST_F(CountFormTest, ThePreviewShowsThePageWhereTheSetBeginsAndItsSpan) {
  TQuestionSet first;
  first.Options.Operand = ptMultiplication;
  first.Options.TimesTable.fill(7);
  Generate(first, 90);
  quiz_.Sets.AddCopy(first);
  Enter();
  TypeCount(QStringLiteral("150"));
  LeaveField();
  // The same layout done here: a copy of the quiz with the set appended,
  // answers shown.
  TQuiz expected;
  quiz_.CopyTo(expected);
  expected.Sets.AddCopy(set_);
  Layout(expected, true);
  const TQuestionSet& added = expected.Sets.Item(1);
  ASSERT_GT(added.LastPage, added.FirstPage);
  EXPECT_EQ(form.PageNumbersText(), QStringLiteral("%1 to %2").arg(added.FirstPage).arg(added.LastPage));
  QImage page(282, 365, QImage::Format_RGB32);
  page.fill(Qt::white);
  RenderPage(expected, added.FirstPage, page);
  EXPECT_TRUE(form.PreviewImage() == page);
  form.ClearPreview();
  EXPECT_TRUE(IsBlank(form.PreviewImage()));
  EXPECT_EQ(form.PageNumbersText(), QString());
}

TEST_F(CountFormTest, FinishMakesTheSetHoldTheCountTyped) {
  Enter();
  TypeCount(QStringLiteral("3"));
  Click(form.cmdFinish);
  EXPECT_EQ(form.result(), wrNext);
  EXPECT_EQ(set_.Count(), 3u);

  Enter();
  TypeCount(QStringLiteral("5000"));
  Click(form.cmdFinish);
  ASSERT_EQ(messages_.questions.size(), 1);
  EXPECT_EQ(messages_.questions[0], QStringLiteral("Generating 5000 questions may take a while. Continue?"));
  EXPECT_EQ(form.result(), wrNext);
  EXPECT_EQ(set_.Count(), 5000u);
}

TEST_F(CountFormTest, FinishWithACountThatDoesNotParseStaysOnTheStep) {
  Enter();
  const std::uint32_t state = RandomState();
  TypeCount(QString());
  form.setResult(-1);
  form.BitBtn1Click();
  EXPECT_EQ(messages_.errors.size(), 1);
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(form.result(), -1);
  EXPECT_EQ(set_.Count(), 10u);
  EXPECT_EQ(RandomState(), state);
}

TEST_F(CountFormTest, ALargeCountDeclinedKeepsThePreviousCountAndSet) {
  Enter();
  TQuestionSet before;
  before.Assign(set_);
  messages_.answer = false;
  TypeCount(QStringLiteral("2500"));
  LeaveField();
  EXPECT_EQ(messages_.questions.size(), 1);
  EXPECT_EQ(form.Count(), 10);
  EXPECT_EQ(form.txtNumberOfQuestions->text(), QStringLiteral("10"));
  EXPECT_TRUE(SameQuestions(set_, before));

  TypeCount(QStringLiteral("2500"));
  form.setResult(-1);
  form.BitBtn1Click();
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(form.result(), -1);
  EXPECT_EQ(form.Count(), 10);
  EXPECT_TRUE(SameQuestions(set_, before));

  // 2,000 itself is not asked about.
  TypeCount(QStringLiteral("2000"));
  LeaveField();
  EXPECT_EQ(messages_.questions.size(), 2);
  EXPECT_EQ(set_.Count(), 2000u);
}

TEST_F(CountFormTest, ALargeCountAgreedToIsNotAskedAgain) {
  Enter();
  TypeCount(QStringLiteral("2100"));
  LeaveField();
  EXPECT_EQ(set_.Count(), 2100u);
  Click(form.chkStartOnNewPage);
  EXPECT_EQ(messages_.questions.size(), 1);
  EXPECT_EQ(set_.Count(), 2100u);
}

TEST_F(CountFormTest, StoppingTheProgressKeepsThePreviousCountAndSet) {
  Enter();
  TQuestionSet before;
  before.Assign(set_);
  bool sawProgress = false;
  QTimer::singleShot(0, [&] {
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (auto* progress = qobject_cast<QProgressDialog*>(widget); progress != nullptr && progress->isVisible()) {
        sawProgress = true;
        progress->cancel();
      }
  });
  TypeCount(QStringLiteral("6000"));
  LeaveField();
  EXPECT_TRUE(sawProgress);
  EXPECT_EQ(form.Count(), 10);
  EXPECT_TRUE(SameQuestions(set_, before));
}

TEST_F(CountFormTest, CountsOutsideOneToTheLimitAreRefused) {
  for (int count : {0, TProblemCountForm::kMaxCount + 1}) {
    Enter();
    messages_.errors.clear();
    TypeCount(QString::number(count));
    LeaveField();
    ASSERT_EQ(messages_.errors.size(), 1) << count;
    EXPECT_TRUE(messages_.questions.isEmpty());
    EXPECT_EQ(form.Count(), 10);
    EXPECT_EQ(set_.Count(), 10u);
    // Enter in the field ("Finish") refuses it too and stays.
    TypeCount(QString::number(count));
    form.setResult(-1);
    QTest::keyClick(form.txtNumberOfQuestions, Qt::Key_Return);
    EXPECT_EQ(messages_.errors.size(), 2) << count;
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(set_.Count(), 10u);
    // So does a click on "Finish", which takes the focus from the field.
    TypeCount(QString::number(count));
    Click(form.cmdFinish);
    EXPECT_EQ(messages_.errors.size(), 3) << count;
    EXPECT_TRUE(form.isVisible()) << count;
    EXPECT_EQ(form.result(), -1) << count;
    EXPECT_EQ(set_.Count(), 10u);
  }
}

TEST_F(CountFormTest, BackAndCancelCloseWithTheirResults) {
  Enter();
  Click(form.cmdBack);
  EXPECT_EQ(form.result(), wrBack);
  Enter();
  QTest::keyClick(&form, Qt::Key_Escape);
  EXPECT_EQ(form.result(), wrCancel);
  Enter();
  Click(form.cmdCancel);
  EXPECT_EQ(form.result(), wrCancel);
}

// Generation in steps draws what one Generate call draws.
TEST(GenerateInStepsTest, DrawsExactlyWhatGenerateDraws) {
  for (std::uint8_t operand : {ptAddition, ptMultiplication, ptMoney, ptRounding, ptTables, ptGraphs}) {
    SCOPED_TRACE(operand);
    TQuestionSet a, b;
    a.Options.Operand = b.Options.Operand = operand;
    a.Options.FirstTermType = b.Options.FirstTermType = 1;
    a.Options.SecondTermType = b.Options.SecondTermType = 1;
    a.Options.TimesTable.fill(7);
    b.Options.TimesTable.fill(7);
    a.Options.CoinsToUse = b.Options.CoinsToUse = 15;
    SetRandomState(31);
    Generate(a, 700);
    SetRandomState(31);
    int calls = 0;
    EXPECT_TRUE(GenerateInSteps(b, 700, 100, [&](int) { return ++calls > 0; }));
    EXPECT_EQ(calls, 7);
    EXPECT_TRUE(SameQuestions(a, b));
    EXPECT_TRUE(a.Options == b.Options);
  }
}

TEST(GenerateInStepsTest, AStopLeavesTheSetAndItsDataAsTheyWere) {
  TQuestionSet set;
  set.Options.Operand = ptTables;
  Generate(set, 5);
  TQuestionSet before;
  before.Assign(set);
  EXPECT_FALSE(GenerateInSteps(set, 1000, 100, [](int done) { return done < 500; }));
  EXPECT_TRUE(SameQuestions(set, before));
  EXPECT_TRUE(set.Options == before.Options);
}

}  // namespace
}  // namespace sumcraft
