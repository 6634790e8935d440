// One level of undo and redo: the snapshots themselves, and the window's
// buttons through the commands that take snapshots and those that do not.
#include <QPushButton>

#include "MainWindowFixture.h"
#include "app/UndoRedo.h"

namespace sumcraft::test {
namespace {

TQuiz QuizWithSets(int sets, std::uint32_t seed) {
  TQuiz quiz;
  SetRandomState(seed);
  for (int i = 0; i < sets; ++i) {
    TQuestionSet set;
    set.Options = AdditionOptions();
    Generate(set, 6);
    quiz.Sets.Add(std::move(set));
  }
  return quiz;
}

TEST(UndoRedoSnapshots, StatesFollowTakeUndoAndRedo) {
  TUndoRedo undo;
  EXPECT_FALSE(undo.UndoEnabled());
  EXPECT_FALSE(undo.RedoEnabled());
  TQuiz quiz = QuizWithSets(1, 1);
  quiz.FileName = "a.qiz";
  EXPECT_FALSE(undo.Undo(quiz));  // nothing to undo yet
  EXPECT_EQ(quiz.Sets.Count(), 1u);

  undo.TakeUndoSnapshot(quiz);
  quiz.Sets.AddCopy(quiz.Sets.Item(0));
  quiz.FileName = "b.qiz";
  EXPECT_TRUE(undo.UndoEnabled());
  EXPECT_FALSE(undo.RedoEnabled());

  EXPECT_TRUE(undo.Undo(quiz));
  EXPECT_EQ(quiz.Sets.Count(), 1u);
  EXPECT_EQ(quiz.FileName, "a.qiz");  // the file name is part of a snapshot
  EXPECT_FALSE(undo.UndoEnabled());
  EXPECT_TRUE(undo.RedoEnabled());
  EXPECT_FALSE(undo.Undo(quiz));

  EXPECT_TRUE(undo.Redo(quiz));
  EXPECT_EQ(quiz.Sets.Count(), 2u);
  EXPECT_EQ(quiz.FileName, "b.qiz");
  EXPECT_TRUE(undo.UndoEnabled());
  EXPECT_FALSE(undo.RedoEnabled());
  EXPECT_FALSE(undo.Redo(quiz));

  EXPECT_TRUE(undo.Undo(quiz));
  EXPECT_EQ(quiz.Sets.Count(), 1u);
}

TEST(UndoRedoSnapshots, SnapshotsAreIndependentCopies) {
  TUndoRedo undo;
  TQuiz quiz = QuizWithSets(2, 2);
  const TQuizQuestion first = quiz.Sets.Item(0).Item(0);
  undo.TakeUndoSnapshot(quiz);
  const TQuiz* snapshot = &undo.UndoQuiz();
  Generate(quiz.Sets.Item(0), 6);
  EXPECT_EQ(undo.UndoQuiz().Sets.Item(0).Item(0).FirstTerm, first.FirstTerm);
  EXPECT_EQ(undo.UndoQuiz().Sets.Item(0).Item(0).SecondTerm, first.SecondTerm);
  undo.TakeUndoSnapshot(quiz);
  EXPECT_NE(&undo.UndoQuiz(), snapshot);  // a new object every time

  undo.ResetSnapshots();  // New: empty snapshots, states kept
  EXPECT_EQ(undo.UndoQuiz().Sets.Count(), 0u);
  EXPECT_TRUE(undo.UndoEnabled());
}

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
  EXPECT_TRUE(Q().Modified);
  EXPECT_FALSE(W().cmdUndo->isEnabled());
  EXPECT_TRUE(W().cmdRedo->isEnabled());
  EXPECT_EQ(W().actUndo->isEnabled(), W().cmdUndo->isEnabled());
  EXPECT_EQ(W().actRedo->isEnabled(), W().cmdRedo->isEnabled());
  // A changed empty quiz shows its page, not the welcome page.
  EXPECT_FALSE(W().ShowingWelcomePage());

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
  W().UndoCommand();  // disabled: nothing
  EXPECT_EQ(Q().Sets.Count(), 1u);
  prompts_.Answer("sumcraft::TConfirmDeleteForm", QDialog::Accepted);
  W().DeleteQuestionsCommand();
  EXPECT_EQ(W().SelectedSet(), -1);
  W().UndoCommand();
  EXPECT_EQ(W().SelectedSet(), -1);  // kept at none
}

TEST_F(UndoRedo, CancelledWizardStillTakesTheSnapshot) {
  AddSet(4);
  W().UndoCommand();
  ASSERT_TRUE(W().cmdRedo->isEnabled());
  wizardFinishes_ = false;
  const auto before = Terms(Q());
  Q().Modified = false;
  QTest::mouseClick(W().cmdAddQuestions, Qt::LeftButton);
  EXPECT_EQ(wizardRuns_, 2);
  EXPECT_EQ(Terms(Q()), before);
  EXPECT_FALSE(Q().Modified);
  EXPECT_TRUE(W().cmdUndo->isEnabled());
  EXPECT_FALSE(W().cmdRedo->isEnabled());
}

TEST_F(UndoRedo, NewAndOpenKeepTheButtonsAndUndoAfterOpenComesBackToTheOldQuiz) {
  AddSet(4);
  prompts_.SaveAnswers.push_back(FilePath("first.qiz"));
  W().SaveCommand();
  AddSet(5);  // the snapshot holds the one-set quiz, saved as first.qiz
  const auto oneSet = Terms(W().UndoQuiz());
  prompts_.SaveAnswers.push_back(FilePath("second.qiz"));
  W().SaveAsCommand();

  W().OpenQuizFile(FilePath("first.qiz"));
  EXPECT_TRUE(W().cmdUndo->isEnabled());
  EXPECT_FALSE(W().cmdRedo->isEnabled());
  W().UndoCommand();
  EXPECT_EQ(Terms(Q()), oneSet);
  EXPECT_EQ(Q().FileName, FilePath("first.qiz").toStdString());
  EXPECT_EQ(W().RedoQuiz().Sets.Count(), 1u);  // the opened quiz

  prompts_.Answer("sumcraft::TPromptForSave", 2);  // No
  W().NewCommand();
  EXPECT_FALSE(W().cmdUndo->isEnabled());
  EXPECT_TRUE(W().cmdRedo->isEnabled());
  EXPECT_EQ(W().RedoQuiz().Sets.Count(), 0u);  // replaced by an empty quiz
  W().RedoCommand();
  EXPECT_EQ(Q().Sets.Count(), 0u);
  EXPECT_TRUE(Q().Modified);
}

}  // namespace
}  // namespace sumcraft::test
