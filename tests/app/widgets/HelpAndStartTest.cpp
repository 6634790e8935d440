// Help, web addresses, sample quizzes, and the start of the program
// (display check, command line).
#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <map>

#include "MainWindowFixture.h"
#include "app/DisplayCheck.h"
#include "app/HelpWindow.h"
#include "app/SampleQuizzes.h"
#include "app/StartUp.h"
#include "widgets/WebAddresses.h"

namespace sumcraft::test {
namespace {

using Help = MainWindowTest;

TEST_F(Help, TheThreeTopicsOpenInTheHelpWindow) {
  for (const QString& topic : {kQuickStartTopic, kContentsTopic, kUserInterfaceTopic}) {
    W().ShowHelpTopic(topic);
    THelpWindow* help = W().HelpWindow();
    ASSERT_TRUE(help->isVisible());
    const QString text = help->Browser()->toPlainText();
    EXPECT_FALSE(text.contains(QStringLiteral("not found"))) << topic.toStdString();
    EXPECT_GT(text.size(), 800) << topic.toStdString();
    // Addresses are filled in from the one list of them.
    EXPECT_FALSE(text.contains(QLatin1Char('{'))) << topic.toStdString();
  }
  W().ShowHelpTopic(kContentsTopic);
  EXPECT_TRUE(W().HelpWindow()->Browser()->toHtml().contains(QString::fromLatin1(kSampleQuizzesAddress)));
  EXPECT_TRUE(W().actQuickStart->shortcuts().contains(QKeySequence(Qt::Key_F1)));
}

TEST_F(Help, LinksStayInTheWindowOrGoToTheBrowser) {
  W().ShowHelpTopic(kQuickStartTopic);
  THelpBrowser* browser = W().HelpWindow()->Browser();
  browser->anchorClicked(QUrl(QStringLiteral("Table_of_Contents.html")));
  EXPECT_EQ(browser->source(), HelpTopicUrl(kContentsTopic));
  EXPECT_TRUE(prompts_.OpenedUrls.empty());
  browser->anchorClicked(QUrl(QString::fromLatin1(kSampleQuizzesAddress)));
  ASSERT_EQ(prompts_.OpenedUrls.size(), 1u);
  EXPECT_EQ(prompts_.OpenedUrls[0], QUrl(QString::fromLatin1(kSampleQuizzesAddress)));

  W().ShowHelpTopic(QStringLiteral("No_Such_Topic"));
  EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("not found")));
}

TEST_F(Help, UpdatesAndAbout) {
  W().actCheckForUpdates->trigger();
  ASSERT_EQ(prompts_.OpenedUrls.size(), 1u);
  EXPECT_EQ(prompts_.OpenedUrls[0].toString(), QString::fromLatin1(kUpdatePageBase) + QStringLiteral("2.0.0.html"));
  W().actAbout->trigger();
  EXPECT_EQ(prompts_.CountShown("sumcraft::TAboutBox"), 1);
  EXPECT_EQ(W().windowTitle(), QStringLiteral("Sumcraft 2.0.0"));
}

TEST(SampleQuizzes, EveryShippedSampleOpensWithQuestions) {
  const QStringList names = SampleQuizNames();
  EXPECT_GE(names.size(), 5);
  for (const QString& name : names) {
    TempFolder folder;
    const std::string path = folder.File("sample.qiz");
    QFile::copy(QStringLiteral(":/samples/") + name, QString::fromStdString(path));
    TQuiz quiz;
    quiz.FileName = path;
    ASSERT_EQ(quiz.LoadFromFile(), TLoadResult::Loaded) << name.toStdString();
    EXPECT_GE(quiz.Sets.Count(), 2u) << name.toStdString();
    EXPECT_GT(quiz.QuestionCount(), 10u) << name.toStdString();
    EXPECT_FALSE(quiz.QuizTitle.empty());
    const TLayoutResult layout = Layout(quiz, false);
    EXPECT_TRUE(layout.Problems.empty()) << name.toStdString();
  }
}

TEST(SampleQuizzes, InstalledOnceAndNeverOverwritten) {
  TempFolder quizzes, data;
  const QString quizFolder = QString::fromStdString(quizzes.Path().string());
  const QString dataFolder = QString::fromStdString(data.Path().string());
  const QStringList names = SampleQuizNames();
  ASSERT_FALSE(names.isEmpty());
  WriteBytes(quizzes.File(names[0].toStdString()), "my own quiz");

  EXPECT_TRUE(InstallSampleQuizzes(quizFolder, dataFolder).isEmpty());
  EXPECT_EQ(ReadBytes(quizzes.File(names[0].toStdString())), "my own quiz");
  for (const QString& name : names.mid(1)) EXPECT_TRUE(QFileInfo::exists(QDir(quizFolder).filePath(name)));

  // Deleted by the user: it stays deleted.
  QFile::remove(QDir(quizFolder).filePath(names[1]));
  EXPECT_TRUE(InstallSampleQuizzes(quizFolder, dataFolder).isEmpty());
  EXPECT_FALSE(QFileInfo::exists(QDir(quizFolder).filePath(names[1])));
}

TEST(SampleQuizzes, AFolderThatCannotBeWrittenIsReported) {
  TempFolder data;
  WriteBytes(data.File("not a folder"), "x");
  const QStringList problems = InstallSampleQuizzes(QString::fromStdString(data.File("not a folder")),
                                                    QString::fromStdString(data.Path().string()));
  EXPECT_EQ(problems.size(), SampleQuizNames().size());
  // Not noted as done: the next start tries again.
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(data.File(kSamplesInstalledNote.toStdString()))));
}

TEST(Start, ADisplayIsNeeded) {
  auto env = [](std::map<std::string, std::string> values) {
    return [values](const char* name) -> const char* {
      const auto it = values.find(name);
      return it == values.end() ? nullptr : it->second.c_str();
    };
  };
  EXPECT_NE(MissingDisplayMessage(env({})), "");
  EXPECT_NE(MissingDisplayMessage(env({{"DISPLAY", ""}})), "");
  EXPECT_EQ(MissingDisplayMessage(env({{"DISPLAY", ":0"}})), "");
  EXPECT_EQ(MissingDisplayMessage(env({{"WAYLAND_DISPLAY", "wayland-0"}})), "");
  EXPECT_EQ(MissingDisplayMessage(env({{"QT_QPA_PLATFORM", "offscreen"}})), "");
}

TEST(Start, TheCommandLineTakesOneQuizFile) {
  EXPECT_EQ(ParseCommandLine({}).Action, TCommandLine::TAction::Run);
  const TCommandLine one = ParseCommandLine({QStringLiteral("week 3.qiz")});
  EXPECT_EQ(one.Action, TCommandLine::TAction::Run);
  EXPECT_EQ(one.QuizFile, QStringLiteral("week 3.qiz"));
  EXPECT_EQ(ParseCommandLine({QStringLiteral("a.qiz"), QStringLiteral("b.qiz")}).Action,
            TCommandLine::TAction::Error);
  EXPECT_EQ(ParseCommandLine({QStringLiteral("--help")}).Action, TCommandLine::TAction::Help);
  EXPECT_EQ(ParseCommandLine({QStringLiteral("--version")}).Action, TCommandLine::TAction::Version);
  EXPECT_EQ(ParseCommandLine({QStringLiteral("--zoom")}).Action, TCommandLine::TAction::Error);
}

}  // namespace
}  // namespace sumcraft::test
