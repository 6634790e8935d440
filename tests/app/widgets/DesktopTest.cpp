// Open Recent, a dropped quiz file and the window's place: what the window
// keeps in the settings file and how it opens files it is handed.
#include <QAction>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "MainWindowFixture.h"
#include "dialogs/PromptForSaveDialog.h"

namespace sumcraft::test {
namespace {

class Desktop : public MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    settings_ = std::make_unique<TPgmSettings>(home_.File("settings"));
    Reopen();
  }

  void Reopen() {
    window_.reset();
    CreateWindow();
  }

  // A saved quiz of one set under name.
  QString SavedQuiz(const char* name) {
    prompts_.Answer("sumcraft::TPromptForSave", TPromptForSave::No);
    W().NewCommand();
    AddSet(3);
    prompts_.SaveAnswers.push_back(FilePath(name));
    W().SaveAsCommand();
    return FilePath(name);
  }

  QStringList MenuFiles() {
    QStringList entries;
    for (QAction* action : W().mnuOpenRecent->actions()) entries << action->text();
    return entries;
  }

  // Sends a drag of urls and, when it is taken, the drop; whether it was taken.
  bool Drop(const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&W(), &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&W(), &drop);
    return true;
  }
};

TEST_F(Desktop, OpenRecentKeepsTheLastTenFilesLatestFirstAcrossRuns) {
  std::vector<QString> files;
  for (int i = 0; i < 12; ++i) files.push_back(SavedQuiz(("q" + std::to_string(i) + ".qiz").c_str()));
  prompts_.Answer("sumcraft::TPromptForSave", TPromptForSave::No);
  W().OpenQuizFile(files[5]);  // opened again: to the top, not twice

  Reopen();
  const QStringList expected{files[5], files[11], files[10], files[9], files[8],
                             files[7], files[6],  files[4],  files[3],  files[2]};
  EXPECT_EQ(W().RecentFiles(), expected);
  const QStringList entries = MenuFiles();
  ASSERT_EQ(entries.size(), 10);
  EXPECT_TRUE(entries[0].startsWith(QStringLiteral("&1 ")) && entries[0].endsWith(QStringLiteral("q5.qiz")));
  EXPECT_TRUE(entries[9].startsWith(QStringLiteral("1&0 ")));

  // An entry opens its file, asking first about a changed quiz.
  AddSet(2);
  prompts_.Answer("sumcraft::TPromptForSave", TPromptForSave::Cancel);
  W().mnuOpenRecent->actions()[3]->trigger();
  EXPECT_TRUE(W().Document().FileName().isEmpty());
  prompts_.Answer("sumcraft::TPromptForSave", TPromptForSave::No);
  W().mnuOpenRecent->actions()[3]->trigger();
  EXPECT_EQ(W().Document().FileName(), files[9]);
  EXPECT_EQ(W().RecentFiles().front(), files[9]);
}

TEST_F(Desktop, AVanishedRecentFileIsReportedAndLeavesTheList) {
  const QString kept = SavedQuiz("kept.qiz");
  const QString gone = SavedQuiz("gone.qiz");
  QFile::remove(gone);
  W().mnuOpenRecent->actions()[0]->trigger();
  ASSERT_FALSE(prompts_.Messages.empty());
  EXPECT_TRUE(prompts_.Messages.back().Text.contains(QStringLiteral("gone.qiz")));
  EXPECT_EQ(W().RecentFiles(), QStringList{kept});
  Reopen();
  EXPECT_EQ(W().RecentFiles(), QStringList{kept});
}

TEST_F(Desktop, ADroppedQuizFileOpensAfterAskingToSave) {
  const QString file = SavedQuiz("dropped.qiz");
  prompts_.Answer("sumcraft::TPromptForSave", TPromptForSave::No);
  W().NewCommand();
  AddSet(2);
  AddSet(2);
  const QString text = FilePath("notes.txt");
  WriteBytes(text.toStdString(), "x");
  struct Case {
    QList<QUrl> urls;
    int answer;
    bool taken;
    std::size_t sets;  // afterwards
  };
  const Case cases[] = {
      {{QUrl::fromLocalFile(text)}, TPromptForSave::No, false, 2},
      {{QUrl::fromLocalFile(file), QUrl::fromLocalFile(file)}, TPromptForSave::No, false, 2},
      {{QUrl(QStringLiteral("https://example.org/a.qiz"))}, TPromptForSave::No, false, 2},
      {{QUrl::fromLocalFile(file)}, TPromptForSave::Cancel, true, 2},
      {{QUrl::fromLocalFile(file)}, TPromptForSave::No, true, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.urls.first().toString().toStdString());
    const int asked = prompts_.CountShown("sumcraft::TPromptForSave");
    prompts_.Answer("sumcraft::TPromptForSave", c.answer);
    EXPECT_EQ(Drop(c.urls), c.taken);
    EXPECT_EQ(prompts_.CountShown("sumcraft::TPromptForSave"), asked + (c.taken ? 1 : 0));
    EXPECT_EQ(Q().Sets.Count(), c.sets);
  }
  EXPECT_EQ(W().Document().FileName(), file);
}

TEST_F(Desktop, TheWindowOpensWithTheSizeItWasClosedWith) {
  W().resize(900, 640);
  W().close();
  Reopen();
  EXPECT_TRUE(W().PlaceRestored());
  EXPECT_EQ(W().size(), QSize(900, 640));
}

}  // namespace
}  // namespace sumcraft::test
