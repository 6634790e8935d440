// The quiz commands: New, Open, Save, Save As, Exit and closing, Delete,
// Re-create, Set Quiz Options, Add Questions without a wizard.
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "MainWindowFixture.h"
#include "dialogs/ConfirmDeleteDialog.h"
#include "dialogs/PromptForSaveDialog.h"
#include "dialogs/QuizOptionsDialog.h"
#include "render/CodePage1252.h"

namespace sumcraft::test {
namespace {

constexpr const char* kPrompt = "sumcraft::TPromptForSave";
constexpr const char* kConfirmDelete = "sumcraft::TConfirmDeleteForm";

using QuizCommands = MainWindowTest;

std::string FileText(const QString& path) { return ReadBytes(path.toStdString()); }

// ---- Save prompts and closing

TEST_F(QuizCommands, ExitOnAChangedQuizCancelledInTheSaveDialogKeepsRunning) {
  AddSet(5);
  prompts_.Answer(kPrompt, TPromptForSave::Yes);  // "Yes", then the save dialog is cancelled
  W().ExitCommand();
  EXPECT_TRUE(W().isVisible());
  EXPECT_TRUE(Q().Modified);
  EXPECT_FALSE(W().Exiting());
  EXPECT_EQ(prompts_.SaveAsked.size(), 1u);

  prompts_.Answer(kPrompt, QDialog::Rejected);  // Cancel
  W().ExitCommand();
  EXPECT_TRUE(W().isVisible());
}

TEST_F(QuizCommands, ExitAsksOnceAndClosingAfterItDoesNotAskAgain) {
  AddSet(5);
  prompts_.Answer(kPrompt, TPromptForSave::No);
  W().ExitCommand();
  EXPECT_FALSE(W().isVisible());
  EXPECT_TRUE(W().Exiting());
  EXPECT_EQ(prompts_.CountShown(kPrompt), 1);
  W().close();  // the desktop closing it once more
  EXPECT_EQ(prompts_.CountShown(kPrompt), 1);
}

TEST_F(QuizCommands, ClosingTheWindowAsksForAChangedQuizOnly) {
  prompts_.Answer(kPrompt, QDialog::Rejected);
  W().close();  // unchanged: no question
  EXPECT_EQ(prompts_.CountShown(kPrompt), 0);
  EXPECT_FALSE(W().isVisible());

  W().show();
  AddSet(3);
  EXPECT_FALSE(W().close());  // Cancel refuses
  EXPECT_TRUE(W().isVisible());
  prompts_.Answer(kPrompt, TPromptForSave::Yes);
  prompts_.SaveAnswers.push_back(FilePath("closing.qiz"));
  EXPECT_TRUE(W().close());  // saved, so it may close
  EXPECT_TRUE(QFile::exists(FilePath("closing.qiz")));
  EXPECT_FALSE(Q().Modified);
}

TEST_F(QuizCommands, SaveSuggestsTheCleanedTitleThenWritesToTheKnownFile) {
  AddSet(5);
  Q().QuizTitle = "Week 3: a/b? <sums>";
  prompts_.SaveAnswers.push_back(FilePath("week3.qiz"));
  W().SaveCommand();
  ASSERT_EQ(prompts_.SaveAsked.size(), 1u);
  EXPECT_EQ(prompts_.SaveAsked[0].FileName, QStringLiteral("Week 3 ab sums"));
  EXPECT_EQ(prompts_.SaveAsked[0].Title, QStringLiteral("Save Quiz File As:"));
  EXPECT_EQ(prompts_.SaveAsked[0].DefaultSuffix, QStringLiteral("qiz"));
  EXPECT_EQ(prompts_.SaveAsked[0].Folder, Folder());
  EXPECT_FALSE(Q().Modified);
  EXPECT_EQ(W().lblQuizFilename->text(), QStringLiteral("~/week3.qiz"));  // home as "~"

  // Known file: no dialog.
  W().RecreateQuizCommand();
  EXPECT_EQ(W().lblQuizFilename->text(), QStringLiteral("* ~/week3.qiz"));
  W().SaveCommand();
  EXPECT_EQ(prompts_.SaveAsked.size(), 1u);
  TQuiz reread;
  reread.FileName = FilePath("week3.qiz").toStdString();
  ASSERT_EQ(reread.LoadFromFile(), TLoadResult::Loaded);
  EXPECT_EQ(Terms(reread), Terms(Q()));

  EXPECT_EQ(TMainWindow::CleanFileName(QStringLiteral("<>:\"\\/|?*")), QString());
  EXPECT_EQ(TMainWindow::CleanFileName(QString()), QString());
}

TEST_F(QuizCommands, SaveAsAlwaysAsksAndKeepsTheLastName) {
  AddSet(5);
  prompts_.SaveAnswers.push_back(FilePath("one.qiz"));
  W().SaveAsCommand();
  prompts_.SaveAnswers.push_back(FilePath("two.qiz"));
  W().SaveAsCommand();
  ASSERT_EQ(prompts_.SaveAsked.size(), 2u);
  EXPECT_EQ(prompts_.SaveAsked[1].FileName, FilePath("one.qiz"));
  EXPECT_EQ(Q().FileName, FilePath("two.qiz").toStdString());
  EXPECT_EQ(FileText(FilePath("one.qiz")), FileText(FilePath("two.qiz")));
  W().SaveAsCommand();  // cancelled: nothing changes
  EXPECT_EQ(Q().FileName, FilePath("two.qiz").toStdString());

  // Outside the home folder the whole path shows.
  TempFolder elsewhere;
  const QString outside = QString::fromStdString(elsewhere.File("three.qiz"));
  prompts_.SaveAnswers.push_back(outside);
  W().SaveAsCommand();
  EXPECT_EQ(W().lblQuizFilename->text(), QDir::toNativeSeparators(outside));
}

TEST_F(QuizCommands, AFailedSaveSaysWhichFileAndKeepsTheChanges) {
  AddSet(5);
  const QString impossible = FilePath("no such folder/quiz.qiz");
  prompts_.SaveAnswers.push_back(impossible);
  W().SaveCommand();
  ASSERT_EQ(prompts_.Messages.size(), 1u);
  EXPECT_EQ(prompts_.Messages[0].Kind, TMessageKind::Error);
  EXPECT_TRUE(prompts_.Messages[0].Text.contains(impossible)) << prompts_.Messages[0].Text.toStdString();
  EXPECT_TRUE(Q().Modified);
  // The quiz does not point at the file it could not write: Save asks again.
  EXPECT_TRUE(Q().FileName.empty());
  EXPECT_EQ(W().lblQuizFilename->text(), QStringLiteral("* <new quiz>"));
  prompts_.SaveAnswers.push_back(FilePath("fine.qiz"));
  W().SaveCommand();
  EXPECT_EQ(prompts_.SaveAsked.size(), 2u);
  EXPECT_FALSE(Q().Modified);
}

// ---- Open

TEST_F(QuizCommands, OpenShowsPageOneAndKeepsTheSelectionWithinTheSets) {
  AddSet(5);
  AddSet(5);
  prompts_.SaveAnswers.push_back(FilePath("two sets.qiz"));
  W().SaveCommand();
  for (int i = 0; i < 3; ++i) AddSet(60);
  ASSERT_EQ(W().SelectedSet(), 4);

  prompts_.Answer(kPrompt, TPromptForSave::No);
  prompts_.OpenAnswers.push_back(FilePath("two sets.qiz"));
  W().OpenCommand();
  ASSERT_EQ(prompts_.OpenAsked.size(), 1u);
  EXPECT_EQ(prompts_.OpenAsked[0].Title, QStringLiteral("Select a quiz file to open:"));
  EXPECT_EQ(prompts_.OpenAsked[0].Folder, Folder());
  EXPECT_EQ(Q().Sets.Count(), 2u);
  EXPECT_EQ(W().CurrentPage(), 1);
  EXPECT_EQ(W().SelectedSet(), 1);
  EXPECT_FALSE(Q().Modified);
  EXPECT_EQ(W().lblQuizFilename->text(), QStringLiteral("~/two sets.qiz"));
  EXPECT_EQ(W().lblQuestionCount->text(), QStringLiteral("10"));
}

TEST_F(QuizCommands, AnOldFileIsRefusedAndNothingChanges) {
  AddSet(5);
  const auto before = Terms(Q());
  WriteBytes(FilePath("old.qiz").toStdString(), "1.5\r\nQUIZTITLE=Old\r\n");
  prompts_.Answer(kPrompt, TPromptForSave::No);
  prompts_.OpenAnswers.push_back(FilePath("old.qiz"));
  W().OpenCommand();
  EXPECT_EQ(prompts_.CountShown("sumcraft::TOldSavedQuiz"), 1);
  EXPECT_EQ(Terms(Q()), before);
  EXPECT_TRUE(Q().FileName.empty());
  EXPECT_TRUE(Q().Modified);
  EXPECT_EQ(W().lblQuizFilename->text(), QStringLiteral("* <new quiz>"));
}

TEST_F(QuizCommands, AnUnreadableFileIsReportedWithItsNameAndLine) {
  AddSet(5);
  const auto before = Terms(Q());
  WriteBytes(FilePath("bad.qiz").toStdString(),
             "2.0.0.\r\nBEGIN QUESTIONSET\r\nBEGIN QUESTION\r\nFIRSTTERM=twelve\r\nEND QUESTION\r\n");
  EXPECT_FALSE(W().OpenQuizFile(FilePath("bad.qiz")));
  ASSERT_EQ(prompts_.Messages.size(), 1u);
  const QString text = prompts_.Messages[0].Text;
  EXPECT_TRUE(text.contains(FilePath("bad.qiz"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("line 4"))) << text.toStdString();
  EXPECT_EQ(Terms(Q()), before);
  EXPECT_TRUE(Q().FileName.empty());

  EXPECT_FALSE(W().OpenQuizFile(FilePath("missing.qiz")));
  ASSERT_EQ(prompts_.Messages.size(), 2u);
  EXPECT_TRUE(prompts_.Messages[1].Text.contains(FilePath("missing.qiz")));
}

TEST_F(QuizCommands, ADamagedFileOpensWithAWarningAndSaveAsksWhere) {
  AddSet(5);
  AddSet(5);
  prompts_.SaveAnswers.push_back(FilePath("whole.qiz"));
  W().SaveCommand();
  const std::string whole = ReadBytes(FilePath("whole.qiz").toStdString());
  const std::string cut = whole.substr(0, whole.size() - 40);  // ends inside the last question
  WriteBytes(FilePath("cut.qiz").toStdString(), cut);
  WriteBytes(FilePath("empty.qiz").toStdString(), "");

  EXPECT_FALSE(W().OpenQuizFile(FilePath("empty.qiz")));
  ASSERT_EQ(prompts_.Messages.size(), 1u);
  EXPECT_TRUE(prompts_.Messages[0].Text.contains(QStringLiteral("is empty"))) << prompts_.Messages[0].Text.toStdString();
  EXPECT_EQ(Q().FileName, FilePath("whole.qiz").toStdString());

  EXPECT_TRUE(W().OpenQuizFile(FilePath("cut.qiz")));
  ASSERT_EQ(prompts_.Messages.size(), 2u);
  EXPECT_EQ(prompts_.Messages[1].Kind, TMessageKind::Warning);
  const QString text = prompts_.Messages[1].Text;
  EXPECT_TRUE(text.contains(FilePath("cut.qiz")) && text.contains(QStringLiteral("Read 2 question sets with 10 questions")) &&
              text.contains(QStringLiteral("the file ends inside a question")))
      << text.toStdString();
  EXPECT_EQ(Q().QuestionCount(), 10u);
  EXPECT_TRUE(Q().FileName.empty());
  EXPECT_EQ(W().lblQuizFilename->text(), QStringLiteral("<new quiz>"));

  prompts_.SaveAnswers.push_back(FilePath("rescued.qiz"));
  W().SaveCommand();
  ASSERT_EQ(prompts_.SaveAsked.size(), 2u) << "Save asks where";
  EXPECT_EQ(ReadBytes(FilePath("cut.qiz").toStdString()), cut);
}

// ---- New

TEST_F(QuizCommands, NewAsksForAChangedQuizAndStartsEmpty) {
  AddSet(5);
  prompts_.Answer(kPrompt, QDialog::Rejected);
  W().NewCommand();
  EXPECT_EQ(Q().Sets.Count(), 1u);
  prompts_.Answer(kPrompt, TPromptForSave::No);
  W().NewCommand();
  EXPECT_EQ(Q().Sets.Count(), 0u);
  EXPECT_FALSE(Q().Modified);
  EXPECT_EQ(W().SelectedSet(), -1);
  EXPECT_EQ(W().CurrentPage(), 1);
  EXPECT_EQ(W().lblQuestionCount->text(), QStringLiteral("0"));
}

// ---- Delete and re-create

TEST_F(QuizCommands, DeleteAsksAndTheNewLastSetIsSelected) {
  AddSet(4);
  AddSet(5);
  AddSet(6);
  ASSERT_EQ(W().SelectedSet(), 2);
  prompts_.Answer(kConfirmDelete, QDialog::Rejected);
  W().DeleteQuestionsCommand();
  EXPECT_EQ(Q().Sets.Count(), 3u);

  prompts_.Answer(kConfirmDelete, QDialog::Accepted);
  QTest::mouseClick(W().cmdDeleteQuestions, Qt::LeftButton);
  ASSERT_EQ(Q().Sets.Count(), 2u);
  EXPECT_EQ(W().SelectedSet(), 1);
  EXPECT_EQ(Q().Sets.Item(1).Count(), 5u);
  EXPECT_TRUE(Q().Modified);
}

TEST_F(QuizCommands, DeleteWithoutASelectionAsksNothing) {
  AddSet(4);
  W().SelectSet(-1);
  prompts_.Answer(kConfirmDelete, QDialog::Accepted);
  const bool undoBefore = W().cmdUndo->isEnabled();
  W().DeleteQuestionsCommand();
  EXPECT_EQ(prompts_.CountShown(kConfirmDelete), 0);
  EXPECT_EQ(Q().Sets.Count(), 1u);
  EXPECT_EQ(W().cmdUndo->isEnabled(), undoBefore);
}

TEST_F(QuizCommands, RecreateSectionRenewsOnlyTheSelectedSet) {
  AddSet(20);
  AddSet(20);
  W().SelectSet(0);
  const auto before = Terms(Q());
  Q().Modified = false;
  QTest::mouseClick(W().cmdRecreateSection, Qt::LeftButton);
  const auto after = Terms(Q());
  EXPECT_NE(after[0], before[0]);
  EXPECT_EQ(after[1], before[1]);
  EXPECT_EQ(after[0].size(), before[0].size());
  EXPECT_TRUE(Q().Modified);

  // Without a selection nothing changes and no step is made: Redo stays.
  W().UndoCommand();
  W().SelectSet(-1);
  Q().Modified = false;
  W().RecreateSectionCommand();
  EXPECT_EQ(Terms(Q()), before);
  EXPECT_FALSE(Q().Modified);
  EXPECT_TRUE(W().cmdRedo->isEnabled());
}

TEST_F(QuizCommands, RecreateQuizRenewsEverySetWithItsCount) {
  AddSet(20);
  AddSet(7, AdditionOptions(1));
  const auto before = Terms(Q());
  QTest::mouseClick(W().cmdRecreateQuiz, Qt::LeftButton);
  const auto after = Terms(Q());
  ASSERT_EQ(after.size(), 2u);
  EXPECT_NE(after[0], before[0]);
  EXPECT_NE(after[1], before[1]);
  EXPECT_EQ(after[1].size(), 7u);
  EXPECT_EQ(Q().Sets.Item(1).Options.Orientation, 1);
}

// ---- Add Questions

TEST_F(QuizCommands, AddQuestionsWithoutAWizardSaysSoAndChangesNothing) {
  window_->SetAddQuestionsWizard({});
  W().AddQuestionsCommand();
  ASSERT_EQ(prompts_.Messages.size(), 1u);
  EXPECT_EQ(prompts_.Messages[0].Text, QStringLiteral("Adding questions comes with the question wizard."));
  EXPECT_FALSE(W().cmdUndo->isEnabled());
  EXPECT_EQ(Q().Sets.Count(), 0u);
}

TEST_F(QuizCommands, AFinishedWizardAppendsACopyOfTheWorkingSet) {
  AddSet(12);
  ASSERT_EQ(Q().Sets.Count(), 1u);
  EXPECT_EQ(Q().Sets.Item(0).Count(), 12u);
  // The working set stays the window's own.
  W().WorkingSet().Clear();
  EXPECT_EQ(Q().Sets.Item(0).Count(), 12u);
  EXPECT_EQ(W().SelectedSet(), 0);
  EXPECT_TRUE(Q().Modified);
}

// ---- Set Quiz Options

TEST_F(QuizCommands, QuizOptionsThroughTheCommandFollowTheEnablingRules) {
  AddSet(5);
  bool checked = false;
  prompts_.OnExec = [&](QDialog& dialog) {
    auto* options = qobject_cast<TfrmQuizOptions*>(&dialog);
    if (!options) return int(QDialog::Rejected);
    dialog.show();
    // A new quiz's defaults: no title printed, so the title cannot be typed.
    EXPECT_FALSE(options->chkPrintQuizTitle->isChecked());
    EXPECT_FALSE(options->txtQuizTitle->isEnabled());
    EXPECT_TRUE(options->chkPrintPageNumbers->isChecked());
    EXPECT_TRUE(options->chkSkipPrintFirstPageNumber->isEnabled());
    EXPECT_FALSE(options->txtFooterText->isEnabled());

    QTest::mouseClick(options->chkPrintQuizTitle, Qt::LeftButton);
    EXPECT_TRUE(options->txtQuizTitle->isEnabled());
    options->txtQuizTitle->setFocus();
    QTest::keyClicks(options->txtQuizTitle, QStringLiteral("Spring test"));
    QTest::mouseClick(options->chkPrintPageNumbers, Qt::LeftButton);
    EXPECT_FALSE(options->chkSkipPrintFirstPageNumber->isEnabled());
    EXPECT_TRUE(options->chkSkipPrintFirstPageNumber->isChecked());
    QTest::mouseClick(options->chkPrintFooterText, Qt::LeftButton);
    EXPECT_TRUE(options->txtFooterText->isEnabled());
    checked = true;
    QTest::mouseClick(options->cmdSave, Qt::LeftButton);
    return dialog.result();
  };
  Q().Modified = false;
  const std::uint64_t serial = W().LayoutSerial();
  QTest::mouseClick(W().BitBtn4, Qt::LeftButton);
  ASSERT_TRUE(checked);
  EXPECT_EQ(Q().QuizTitle, "Spring test");
  EXPECT_TRUE(Q().PrintQuizTitle);
  EXPECT_FALSE(Q().PrintPageNumbers);
  EXPECT_TRUE(Q().SkipPrintFirstPageNumber);
  EXPECT_TRUE(Q().PrintFooterText);
  EXPECT_TRUE(Q().Modified);
  EXPECT_GT(W().LayoutSerial(), serial);
  // The title is on the page now.
  EXPECT_NE(LaidOutPages(Q())->PageOps(1)->FindText("Spring test"), nullptr);

  // Undo brings every option back.
  W().UndoCommand();
  EXPECT_EQ(Q().QuizTitle, "");
  EXPECT_FALSE(Q().PrintQuizTitle);
  EXPECT_TRUE(Q().PrintPageNumbers);
  EXPECT_FALSE(Q().PrintFooterText);
}

TEST_F(QuizCommands, CancelledQuizOptionsLeaveTheQuizAndTheHistory) {
  AddSet(5);
  W().UndoCommand();
  W().RedoCommand();
  W().SaveAsCommand();  // cancelled
  Q().Modified = false;
  prompts_.OnExec = [](QDialog& dialog) {
    auto* options = qobject_cast<TfrmQuizOptions*>(&dialog);
    if (!options) return int(QDialog::Rejected);
    dialog.show();
    QTest::mouseClick(options->chkPrintQuizTitle, Qt::LeftButton);
    QTest::mouseClick(options->chkPrintDateBlank, Qt::LeftButton);
    QTest::mouseClick(options->cmdCancel, Qt::LeftButton);
    return dialog.result();
  };
  const std::uint64_t serial = W().LayoutSerial();
  W().SetQuizOptionsCommand();
  EXPECT_FALSE(Q().PrintQuizTitle);
  EXPECT_TRUE(Q().PrintDateBlank);
  EXPECT_FALSE(Q().Modified);
  EXPECT_EQ(W().LayoutSerial(), serial);
  EXPECT_TRUE(W().cmdUndo->isEnabled());
  EXPECT_FALSE(W().cmdRedo->isEnabled());
}

}  // namespace
}  // namespace sumcraft::test
