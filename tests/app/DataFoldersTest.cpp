#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/DataFolders.h"
#include "app/DefaultFiles.h"
#include "support/TempFolder.h"

namespace sumcraft {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

// Points the user's folders into a temporary home for the test's duration.
class FoldersTest : public ::testing::Test {
protected:
  void SetUp() override {
    Set("HOME", home_.Path().string());
    Set("XDG_DATA_HOME", home_.File("data"));
    Set("XDG_CONFIG_HOME", home_.File("config"));  // no user-dirs file: documents are ~/Documents
  }
  void TearDown() override {
    // Latest first, so a variable set twice gets its first value back.
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
      if (it->second) ::setenv(it->first.c_str(), it->second->c_str(), 1);
      else ::unsetenv(it->first.c_str());
    }
  }
  void Set(const std::string& name, const std::optional<std::string>& value) {
    const char* old = std::getenv(name.c_str());
    saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
    if (value) ::setenv(name.c_str(), value->c_str(), 1);
    else ::unsetenv(name.c_str());
  }

  TempFolder home_;
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST_F(FoldersTest, DataAndQuizFoldersLieInTheUsersFoldersAndAreCreated) {
  const QString data = DataFolder();
  EXPECT_EQ(data.toStdString(), home_.File("data") + "/Sumcraft/");
  EXPECT_TRUE(fs::is_directory(data.toStdString()));

  const QString quizzes = QuizFolder();
  EXPECT_EQ(quizzes.toStdString(), home_.File("Documents") + "/Sumcraft/");
  EXPECT_TRUE(fs::is_directory(quizzes.toStdString()));
  EXPECT_EQ(QuizFolder(), quizzes);  // a second call finds it
}

TEST_F(FoldersTest, WithoutHomeTheFoldersLieInTheAccountsHome) {
  const passwd* account = ::getpwuid(::getuid());
  ASSERT_NE(account, nullptr);
  const QString accountHome = QDir::cleanPath(QString::fromLocal8Bit(account->pw_dir));
  Set("XDG_DATA_HOME", std::nullopt);
  const std::pair<std::optional<std::string>, QString> cases[] = {
      {std::nullopt, accountHome},
      {"", accountHome},
      {home_.Path().string(), QString::fromStdString(home_.Path().string())},  // a home that is set stays
  };
  for (const auto& [home, expected] : cases) {
    Set("HOME", home);
    FindHomeFolder();
    EXPECT_EQ(QDir::homePath(), expected) << home.value_or("(unset)");
    EXPECT_EQ(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation), expected + "/.local/share");
  }
}

class DefaultFilesTest : public ::testing::Test {
protected:
  QString Folder() const { return QString::fromStdString(folder_.Path().string()); }
  std::string Installed(const std::string& name) const { return folder_.File(name); }
  TempFolder folder_;
};

TEST_F(DefaultFilesTest, EveryShippedFileIsCopiedWhenMissing) {
  const QStringList names = DefaultFileNames();
  EXPECT_TRUE(names.contains("TableTemplates.tdf"));
  EXPECT_TRUE(InstallDefaultFiles(Folder()).isEmpty());
  for (const QString& name : names) {
    const std::string source = SUMCRAFT_DEFAULTS "/" + name.toStdString();
    EXPECT_EQ(ReadBytes(Installed(name.toStdString())), ReadBytes(source)) << name.toStdString();
  }
  // Nothing but the files themselves is left behind.
  EXPECT_EQ(QDir(Folder()).entryList(QDir::Files | QDir::Hidden), names);
}

TEST_F(DefaultFilesTest, AFileThatExistsIsNeverReplaced) {
  WriteBytes(Installed("TableTemplates.tdf"), "my own templates");
  EXPECT_TRUE(InstallDefaultFiles(Folder()).isEmpty());
  EXPECT_EQ(ReadBytes(Installed("TableTemplates.tdf")), "my own templates");
  EXPECT_TRUE(InstallDefaultFiles(Folder()).isEmpty());
  EXPECT_EQ(ReadBytes(Installed("TableTemplates.tdf")), "my own templates");
}

TEST_F(DefaultFilesTest, AFolderThatCannotBeWrittenIsReportedPerFile) {
  WriteBytes(folder_.File("not a folder"), "x");
  const QStringList problems = InstallDefaultFiles(QString::fromStdString(folder_.File("not a folder")));
  ASSERT_EQ(problems.size(), DefaultFileNames().size());
  EXPECT_TRUE(problems.front().startsWith("Unable to write to ")) << problems.front().toStdString();
}

}  // namespace
}  // namespace sumcraft
