// Undo and redo as the window shows them: its buttons, keys and menu
// entries, the selection and the page after a step. The history itself is
// the document's (tests/document).
#include <QLabel>
#include <QPushButton>

#include "MainWindowFixture.h"

namespace sumcraft::test {
namespace {

using UndoRedo = MainWindowTest;

TEST_F(UndoRedo, AddUndoRedoUndo) {
  EXPECT_FALSE(W().cmdUndo->isEnabled());
  EXPECT_FALSE(W().cmdRedo->isEnabled());
  AddSet(8);
  EXPECT_TRUE(W().cmdUndo->isEnabled());
  EXPECT_FALSE(W().cmdRedo->isEnabled());
  const auto added = Terms(Q());

  QTest::mouseClick(W().cmdUndo, Qt::LeftButton);
  EXPECT_EQ(Q().Sets.Count(), 0u);
  // Back at the quiz as it was: unchanged, so the welcome page again.
  EXPECT_FALSE(Q().Modified);
  EXPECT_FALSE(W().lblQuizFilename->text().startsWith(QLatin1Char('*')));
  EXPECT_TRUE(W().ShowingWelcomePage());
  EXPECT_FALSE(W().cmdUndo->isEnabled());
  EXPECT_TRUE(W().cmdRedo->isEnabled());
  EXPECT_EQ(W().actUndo->isEnabled(), W().cmdUndo->isEnabled());
  EXPECT_EQ(W().actRedo->isEnabled(), W().cmdRedo->isEnabled());

  QTest::mouseClick(W().cmdRedo, Qt::LeftButton);
  EXPECT_EQ(Terms(Q()), added);
  EXPECT_TRUE(W().cmdUndo->isEnabled());
  EXPECT_FALSE(W().cmdRedo->isEnabled());

  W().UndoCommand();
  EXPECT_EQ(Q().Sets.Count(), 0u);
}

TEST_F(UndoRedo, KeyboardUndoAndRedo) {
  AddSet(8);
  W().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&W()));
  QTest::keyClick(&W(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Q().Sets.Count(), 0u);
  QTest::keyClick(&W(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(Q().Sets.Count(), 1u);
  QTest::keyClick(&W(), Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(&W(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Q().Sets.Count(), 1u);
  // Disabled: the key does nothing.
  QTest::keyClick(&W(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(Q().Sets.Count(), 1u);
  EXPECT_TRUE(W().cmdUndo->isEnabled());
}

TEST_F(UndoRedo, AChangeAfterUndoDisablesRedo) {
  AddSet(5);
  AddSet(6);
  W().UndoCommand();
  ASSERT_TRUE(W().cmdRedo->isEnabled());
  prompts_.Answer("sumcraft::TConfirmDeleteForm", QDialog::Accepted);
  W().SelectSet(0);
  W().DeleteQuestionsCommand();
  EXPECT_FALSE(W().cmdRedo->isEnabled());
  EXPECT_TRUE(W().cmdUndo->isEnabled());
}

TEST_F(UndoRedo, UndoDeleteBringsTheSetBackInItsPlace) {
  AddSet(4);
  AddSet(5);
  AddSet(6);
  const auto before = Terms(Q());
  prompts_.Answer("sumcraft::TConfirmDeleteForm", QDialog::Accepted);
  W().SelectSet(1);
  W().DeleteQuestionsCommand();
  ASSERT_EQ(Q().Sets.Count(), 2u);
  W().UndoCommand();
  EXPECT_EQ(Terms(Q()), before);
  EXPECT_EQ(W().SelectedSet(), 1);
}

TEST_F(UndoRedo, TheSelectionIsLimitedToTheRestoredSets) {
  AddSet(4);
  AddSet(5);
  ASSERT_EQ(W().SelectedSet(), 1);
  W().UndoCommand();  // back to one set
  EXPECT_EQ(W().SelectedSet(), 0);
  W().UndoCommand();  // back to none
  EXPECT_EQ(W().SelectedSet(), -1);
  W().RedoCommand();  // the set that comes back is selected
  EXPECT_EQ(W().SelectedSet(), 0);
}

TEST_F(UndoRedo, TheEntriesNameTheStepsAndThreeUndosGoBackThree) {
  AddSet(4);
  W().SelectSet(0);
  W().RecreateSectionCommand();
  prompts_.Answer("sumcraft::TConfirmDeleteForm", QDialog::Accepted);
  W().DeleteQuestionsCommand();
  struct Step {
    const char* undo;
    const char* redo;
    std::size_t sets;
  };
  // After each further Undo.
  const Step steps[] = {{"Undo Re-create Section", "Redo Delete Questions", 1},
                        {"Undo Add Questions", "Redo Re-create Section", 1},
                        {"Undo", "Redo Add Questions", 0}};
  EXPECT_EQ(W().actUndo->text(), QStringLiteral("Undo Delete Questions"));
  for (const Step& step : steps) {
    SCOPED_TRACE(step.undo);
    QTest::mouseClick(W().cmdUndo, Qt::LeftButton);
    EXPECT_EQ(Q().Sets.Count(), step.sets);
    EXPECT_EQ(W().actUndo->text(), QString::fromLatin1(step.undo));
    EXPECT_EQ(W().actRedo->text(), QString::fromLatin1(step.redo));
    EXPECT_EQ(W().cmdUndo->accessibleName(), W().actUndo->text());
    EXPECT_TRUE(W().cmdRedo->toolTip().startsWith(W().actRedo->text()));
  }
  for (int i = 0; i < 3; ++i) W().RedoCommand();
  EXPECT_EQ(Q().Sets.Count(), 0u);
  EXPECT_EQ(W().actUndo->text(), QStringLiteral("Undo Delete Questions"));
}

TEST_F(UndoRedo, ACancelledWizardLeavesTheHistory) {
  AddSet(4);
  W().UndoCommand();
  ASSERT_TRUE(W().cmdRedo->isEnabled());
  wizardFinishes_ = false;
  QTest::mouseClick(W().cmdAddQuestions, Qt::LeftButton);
  EXPECT_EQ(wizardRuns_, 2);
  EXPECT_EQ(Q().Sets.Count(), 0u);
  EXPECT_FALSE(W().cmdUndo->isEnabled());
  EXPECT_TRUE(W().cmdRedo->isEnabled());
}

TEST_F(UndoRedo, NewAndOpenStartAFreshHistory) {
  AddSet(4);
  prompts_.SaveAnswers.push_back(FilePath("first.qiz"));
  W().SaveCommand();
  AddSet(5);
  prompts_.Answer("sumcraft::TPromptForSave", 2);  // No
  W().OpenQuizFile(FilePath("first.qiz"));
  EXPECT_FALSE(W().cmdUndo->isEnabled());
  EXPECT_FALSE(W().cmdRedo->isEnabled());
  AddSet(5);
  W().NewCommand();
  EXPECT_FALSE(W().cmdUndo->isEnabled());
  EXPECT_EQ(W().actUndo->text(), QStringLiteral("Undo"));
}

}  // namespace
}  // namespace sumcraft::test
