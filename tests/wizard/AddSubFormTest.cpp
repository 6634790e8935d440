// The options dialog frame (binding, loading, saving on Next only, the
// example) on the addition and subtraction dialog, driven as a user does.
#include <QLabel>
#include <QPushButton>

#include "generate/Random.h"
#include "quiz/ProblemType.h"
#include "widgets/lfCheckbox.h"
#include "widgets/lfComboBox.h"
#include "widgets/lfLabel.h"
#include "widgets/lfRadioButton.h"
#include "wizard/ProblemOptionsAddSubForm.h"
#include "wizard/WizardResult.h"
#include "WizardTestSupport.h"

namespace sumcraft {
namespace {

using test::ChooseItem;
using test::Click;

class AddSubFormTest : public test::WizardTest {
protected:
  // The wizard's entry into the dialog state: bind, load, show.
  void Enter(std::uint8_t operand) {
    set_.Options.Operand = operand;
    form.SetQuestionSet(set_);
    form.LoadSettings();
    form.show();
    QApplication::processEvents();
  }
  TProblemOptionsAddSubForm form{*settings_};
};

TEST_F(AddSubFormTest, TheWindowOfEveryOptionsDialog) {
  Enter(ptAddition);
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Question Add Wizard - Step 2 of 3"));
  EXPECT_EQ(form.size(), QSize(819, 492));
  EXPECT_EQ(form.minimumSize(), form.maximumSize());
  EXPECT_FALSE(form.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_EQ(form.cmdBack->text(), QStringLiteral("Back"));
  EXPECT_EQ(form.cmdNext->text(), QStringLiteral("Next"));
  EXPECT_EQ(form.cmdCancel->text(), QStringLiteral("Cancel"));
  EXPECT_LT(form.cmdBack->x(), form.cmdNext->x());
  EXPECT_LT(form.cmdNext->x(), form.cmdCancel->x());
  EXPECT_GT(form.cmdCancel->geometry().right(), 700);
  EXPECT_GT(form.cmdCancel->y(), 400);
  EXPECT_EQ(form.imgWizard->pixmap().size(), QSize(48, 48));
  ASSERT_NE(form.lblExample, nullptr);
  EXPECT_EQ(form.lblExample->text(), QStringLiteral("Example:"));
  ASSERT_NE(form.pnlExample, nullptr);
  EXPECT_EQ(form.imgQuiz->size(), QSize(297, 121));
  EXPECT_EQ(form.ExampleImage().size(), QSize(297, 121));
  EXPECT_EQ(form.lblInstructions1->text(),
            QStringLiteral("Click the options below to define the parameters of your questions.  "));
  EXPECT_EQ(form.lblInstructions2->text(),
            QStringLiteral("The effects of your settings can be seen in the Example window."));
  EXPECT_FALSE(form.chkUseZero->isVisible());
  EXPECT_EQ(form.cmbFirstTermType->count(), 6);
  EXPECT_EQ(form.cmbFirstTermType->itemText(3), QStringLiteral("4  (  x,xxx)"));
  EXPECT_EQ(form.cmbSecondTermType->itemText(5), QStringLiteral("6  (xxx,xxx)"));
  EXPECT_TRUE(form.cmbFirstTermType->font().bold());
  EXPECT_TRUE(QFontInfo(form.cmbFirstTermType->font()).fixedPitch());
}

TEST_F(AddSubFormTest, AnEmptySettingsFileGivesTheDefaultsAndNextWritesAllFiveKeys) {
  for (std::uint8_t operand : {ptAddition, ptSubtraction}) {
    SCOPED_TRACE(operand);
    set_.Options.FirstTermType = 4;
    set_.Options.Regrouping = true;
    set_.Options.UseZero = true;
    set_.Options.Orientation = 1;
    Enter(operand);
    EXPECT_EQ(form.cmbFirstTermType->currentIndex(), 0);
    EXPECT_EQ(form.cmbSecondTermType->currentIndex(), 0);
    EXPECT_FALSE(form.chkRegroupings->isChecked());
    EXPECT_TRUE(form.optVertical->isChecked());
    EXPECT_FALSE(form.chkUseZero->isChecked());
    const TQOptions& o = set_.Options;
    EXPECT_EQ(o.FirstTermType, 0);
    EXPECT_EQ(o.SecondTermType, 0);
    EXPECT_FALSE(o.Regrouping);
    EXPECT_FALSE(o.UseZero);
    EXPECT_EQ(o.Orientation, 0);
    EXPECT_EQ(o.Operand, operand);
    Click(form.cmdNext);
    EXPECT_EQ(form.result(), wrNext);
    EXPECT_FALSE(form.isVisible());
  }
  EXPECT_EQ(SettingsText(),
            "[AdditionSettings]\nFirstTermType=0\nSecondTermType=0\nRegrouping=0\nUseZero=0\nOrientation=0\n\n"
            "[SubtractionSettings]\nFirstTermType=0\nSecondTermType=0\nRegrouping=0\nUseZero=0\nOrientation=0\n");
}

TEST_F(AddSubFormTest, EachControlWritesItsFieldAndNextStoresWhatIsShown) {
  Enter(ptAddition);
  ChooseItem(form.cmbFirstTermType, 0);
  ChooseItem(form.cmbSecondTermType, 5);  // addition: the lists are independent
  Click(form.chkRegroupings);
  Click(form.optHorizontal);
  const TQOptions& o = set_.Options;
  EXPECT_EQ(o.FirstTermType, 0);
  EXPECT_EQ(o.SecondTermType, 5);
  EXPECT_TRUE(o.Regrouping);
  EXPECT_EQ(o.Orientation, 1);
  Click(form.optVertical);
  EXPECT_EQ(o.Orientation, 0);
  Click(form.optHorizontal);
  Click(form.cmdNext);
  EXPECT_EQ(SettingsText(),
            "[AdditionSettings]\nFirstTermType=0\nSecondTermType=5\nRegrouping=1\nUseZero=0\nOrientation=1\n");
}

TEST_F(AddSubFormTest, SubtractionKeepsTheFirstTermAtLeastAsLongAsTheSecond) {
  WriteSettings("[SubtractionSettings]\nFirstTermType=3\nSecondTermType=0\n");
  Enter(ptSubtraction);
  ChooseItem(form.cmbSecondTermType, 1);  // 2 digits under 4: kept
  EXPECT_EQ(form.cmbSecondTermType->currentIndex(), 1);
  EXPECT_EQ(set_.Options.SecondTermType, 1);
  ChooseItem(form.cmbSecondTermType, 4);  // 5 digits over 4: back to 4
  EXPECT_EQ(form.cmbSecondTermType->currentIndex(), 3);
  EXPECT_EQ(set_.Options.SecondTermType, 3);
  EXPECT_EQ(form.cmbFirstTermType->currentIndex(), 3);

  ChooseItem(form.cmbSecondTermType, 2);  // 3 digits
  ChooseItem(form.cmbFirstTermType, 0);   // 1 digit under 3: up to 3
  EXPECT_EQ(form.cmbFirstTermType->currentIndex(), 2);
  EXPECT_EQ(set_.Options.FirstTermType, 2);
  Click(form.cmdNext);
  EXPECT_EQ(settings_->ReadInteger("SubtractionSettings", "FirstTermType", -1), 2);
  EXPECT_EQ(settings_->ReadInteger("SubtractionSettings", "SecondTermType", -1), 2);
}

TEST_F(AddSubFormTest, AdditionAcceptsASecondTermLongerThanTheFirst) {
  Enter(ptAddition);
  ChooseItem(form.cmbSecondTermType, 5);
  ChooseItem(form.cmbFirstTermType, 0);
  EXPECT_EQ(set_.Options.FirstTermType, 0);
  EXPECT_EQ(set_.Options.SecondTermType, 5);
  EXPECT_EQ(form.cmbFirstTermType->currentIndex(), 0);
}

TEST_F(AddSubFormTest, AStoredSubtractionPairAgainstTheRuleOpensCorrected) {
  WriteSettings("[SubtractionSettings]\nFirstTermType=1\nSecondTermType=4\n");
  Enter(ptSubtraction);
  EXPECT_EQ(form.cmbFirstTermType->currentIndex(), 4);
  EXPECT_EQ(form.cmbSecondTermType->currentIndex(), 4);
  EXPECT_EQ(set_.Options.FirstTermType, 4);
  // The example is a question, not an error.
  EXPECT_GT(form.ExamplesDrawn(), 0);
  Click(form.cmdNext);
  EXPECT_EQ(settings_->ReadInteger("SubtractionSettings", "FirstTermType", -1), 4);
}

TEST_F(AddSubFormTest, HandEditedValuesBeyondTheControlsAreShownAsTheNearestTheyOffer) {
  WriteSettings("[AdditionSettings]\nFirstTermType=9\nSecondTermType=-3\nOrientation=7\nUseZero=1\nRegrouping=abc\n");
  Enter(ptAddition);
  EXPECT_EQ(form.cmbFirstTermType->currentIndex(), 5);
  EXPECT_EQ(form.cmbSecondTermType->currentIndex(), 0);
  EXPECT_EQ(set_.Options.FirstTermType, 5);
  EXPECT_EQ(set_.Options.SecondTermType, 0);
  EXPECT_TRUE(form.optHorizontal->isChecked());
  EXPECT_EQ(set_.Options.Orientation, 1);
  EXPECT_FALSE(set_.Options.Regrouping);
  // The hidden box carries UseZero through to the next save.
  EXPECT_TRUE(form.chkUseZero->isChecked());
  EXPECT_TRUE(set_.Options.UseZero);
  Click(form.cmdNext);
  EXPECT_TRUE(settings_->ReadBool("AdditionSettings", "UseZero", false));
}

TEST_F(AddSubFormTest, AdditionAndSubtractionKeepTheirOwnSections) {
  Enter(ptAddition);
  ChooseItem(form.cmbFirstTermType, 5);
  Click(form.chkRegroupings);
  Click(form.cmdNext);
  Enter(ptSubtraction);
  EXPECT_EQ(form.cmbFirstTermType->currentIndex(), 0);
  EXPECT_FALSE(form.chkRegroupings->isChecked());
  ChooseItem(form.cmbFirstTermType, 2);
  Click(form.optHorizontal);
  Click(form.cmdNext);
  Enter(ptAddition);
  EXPECT_EQ(form.cmbFirstTermType->currentIndex(), 5);
  EXPECT_TRUE(form.chkRegroupings->isChecked());
  EXPECT_TRUE(form.optVertical->isChecked());
  EXPECT_EQ(settings_->ReadInteger("SubtractionSettings", "Orientation", -1), 1);
  EXPECT_EQ(settings_->ReadInteger("AdditionSettings", "Orientation", -1), 0);
}

TEST_F(AddSubFormTest, BackCancelAndEscapeSaveNothingAndTheNextEntryForgetsTheChanges) {
  Enter(ptAddition);
  ChooseItem(form.cmbFirstTermType, 3);
  Click(form.cmdBack);
  EXPECT_EQ(form.result(), wrBack);
  EXPECT_FALSE(form.isVisible());
  Enter(ptAddition);
  EXPECT_EQ(form.cmbFirstTermType->currentIndex(), 0);
  Click(form.chkRegroupings);
  Click(form.cmdCancel);
  EXPECT_EQ(form.result(), wrCancel);
  Enter(ptAddition);
  EXPECT_FALSE(form.chkRegroupings->isChecked());
  Click(form.optHorizontal);
  QTest::keyClick(&form, Qt::Key_Escape);
  EXPECT_EQ(form.result(), wrCancel);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(SettingsText(), "");
}

TEST_F(AddSubFormTest, EnterFromAListIsNext) {
  Enter(ptAddition);
  form.cmbFirstTermType->setFocus();
  QTest::keyClick(form.cmbFirstTermType, Qt::Key_Return);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.result(), wrNext);
  EXPECT_NE(SettingsText(), "");
}

TEST_F(AddSubFormTest, EveryChangeAndEveryShowingDrawsANewExampleButLoadingDrawsNone) {
  set_.Options.Operand = ptAddition;
  form.SetQuestionSet(set_);
  WriteSettings("[AdditionSettings]\nFirstTermType=2\nSecondTermType=1\nRegrouping=1\nOrientation=1\n");
  form.LoadSettings();
  EXPECT_EQ(form.ExamplesDrawn(), 0);
  EXPECT_FALSE(form.Loading());
  SetRandomState(1);
  form.show();
  QApplication::processEvents();
  int drawn = form.ExamplesDrawn();
  EXPECT_GE(drawn, 1);
  const QImage shown = form.ExampleImage().copy();
  EXPECT_NE(RandomState(), 1u);

  auto expectNewExample = [&](const char* what) {
    SCOPED_TRACE(what);
    EXPECT_EQ(form.ExamplesDrawn(), drawn + 1);
    drawn = form.ExamplesDrawn();
  };
  ChooseItem(form.cmbFirstTermType, 4);
  expectNewExample("first list");
  ChooseItem(form.cmbSecondTermType, 0);
  expectNewExample("second list");
  Click(form.chkRegroupings);
  expectNewExample("regrouping");
  Click(form.optVertical);
  expectNewExample("orientation");
  EXPECT_FALSE(form.ExampleImage() == shown);

  // Shown again after Back: a new example.
  Click(form.cmdBack);
  drawn = form.ExamplesDrawn();
  form.LoadSettings();
  EXPECT_EQ(form.ExamplesDrawn(), drawn);
  form.show();
  QApplication::processEvents();
  EXPECT_GT(form.ExamplesDrawn(), drawn);
}

TEST_F(AddSubFormTest, TheExampleFollowsTheOptionsItShows) {
  Enter(ptAddition);
  ChooseItem(form.cmbFirstTermType, 5);
  ChooseItem(form.cmbSecondTermType, 5);
  // Six-digit terms with separators and a seven-digit sum fill far more of
  // the example than one-digit terms.
  auto inkWidth = [this] {
    const QImage& image = form.ExampleImage();
    int minX = image.width(), maxX = -1;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (qGray(image.pixel(x, y)) < 128) minX = std::min(minX, x), maxX = std::max(maxX, x);
    return maxX - minX;
  };
  const int wide = inkWidth();
  ChooseItem(form.cmbFirstTermType, 0);
  ChooseItem(form.cmbSecondTermType, 0);
  EXPECT_GT(wide, 2 * inkWidth());
}

TEST_F(AddSubFormTest, ASettingsFileThatCannotBeWrittenIsReportedAndTheWizardGoesOn) {
  test::WriteBytes(folder_.File("blocker"), "a file where the data folder should be");
  TPgmSettings broken(folder_.File("blocker/data"));
  TProblemOptionsAddSubForm dialog(broken);
  set_.Options.Operand = ptAddition;
  dialog.SetQuestionSet(set_);
  dialog.LoadSettings();
  dialog.show();
  Click(dialog.cmdNext);
  ASSERT_EQ(messages_.errors.size(), 1);
  EXPECT_TRUE(messages_.errors[0].startsWith(QStringLiteral("Unable to write to ")));
  EXPECT_EQ(dialog.result(), wrNext);
}

}  // namespace
}  // namespace sumcraft
