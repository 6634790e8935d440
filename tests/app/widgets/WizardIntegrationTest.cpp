// Add Questions with the program's own question-add wizard: the main
// window's part of the road (snapshot, append, layout, selection).
#include <QLabel>
#include <QPushButton>

#include "MainWindowFixture.h"
#include "settings/PgmSettings.h"
#include "wizard/QuestionWizard.h"
#include "wizard/WizardResult.h"

namespace sumcraft::test {
namespace {

class QuestionWizard : public MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    settings_ = std::make_unique<TPgmSettings>(home_.File("data") + "/Sumcraft/");
    wizard_ = std::make_unique<TQuestionWizard>(*settings_, &W());
    W().SetAddQuestionsWizard([this](QWidget*, TQuestionSet& workingSet, const TQuiz& quiz) {
      return wizard_->RunSteps(workingSet, quiz);
    });
  }
  void TearDown() override {
    wizard_.reset();
    MainWindowTest::TearDown();
  }

  std::unique_ptr<TPgmSettings> settings_;
  std::unique_ptr<TQuestionWizard> wizard_;
};

TEST_F(QuestionWizard, NextThroughEveryStepAppendsTheSetAndShowsIt) {
  wizard_->SetModalRunner([](QDialog&) { return int(wrNext); });
  QTest::mouseClick(W().cmdAddQuestions, Qt::LeftButton);
  EXPECT_EQ(wizard_->Trace().size(), 4u);
  ASSERT_EQ(Q().Sets.Count(), 1u);
  EXPECT_EQ(Q().Sets.Item(0).Options.Operand, ptAddition);  // the first run's type
  EXPECT_EQ(Q().Sets.Item(0).Count(), 10u);                // and count
  EXPECT_TRUE(Q().Modified);
  EXPECT_EQ(W().SelectedSet(), 0);
  EXPECT_EQ(W().CurrentPage(), W().PageCount());
  EXPECT_TRUE(W().cmdUndo->isEnabled());
  EXPECT_EQ(W().lblQuestionCount->text(), QStringLiteral("10"));

  // The working set stays the window's: the quiz holds a copy.
  W().WorkingSet().Clear();
  EXPECT_EQ(Q().Sets.Item(0).Count(), 10u);
}

TEST_F(QuestionWizard, CancelInTheFirstStepChangesNothingNotEvenTheHistory) {
  wizard_->SetModalRunner([](QDialog&) { return int(wrCancel); });
  W().AddQuestionsCommand();
  EXPECT_EQ(Q().Sets.Count(), 0u);
  EXPECT_FALSE(Q().Modified);
  EXPECT_TRUE(W().ShowingWelcomePage());
  EXPECT_FALSE(W().cmdUndo->isEnabled());
  EXPECT_FALSE(W().cmdRedo->isEnabled());
}

}  // namespace
}  // namespace sumcraft::test
