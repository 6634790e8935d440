#pragma once
// A main window for tests: offscreen, its folders in a temporary home, a
// fake printer selected, a fixed screen resolution, and every question the
// window asks answered by the test (TScriptedPrompts) instead of a modal
// loop.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTest>
#include <cstdlib>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/MainWindow.h"
#include "app/PageView.h"
#include "app/UserPrompts.h"
#include "generate/Generate.h"
#include "generate/Random.h"
#include "quiz/Quiz.h"
#include "render/FakePrinter.h"
#include "render/Layout.h"
#include "render/Printers.h"
#include "settings/PgmSettings.h"
#include "support/TempFolder.h"

namespace sumcraft::test {

// Answers the main window's questions from what the test queued, and notes
// every question asked.
class TScriptedPrompts : public TUserPrompts {
public:
  // Called for every modal dialog; answers its result. Without a handler
  // every dialog is cancelled (QDialog::Rejected).
  std::function<int(QDialog&)> OnExec;
  std::vector<QString> Shown;  // class names of the dialogs shown, in order

  std::deque<QString> OpenAnswers;  // next answers of the open dialog; empty = cancel
  std::deque<QString> SaveAnswers;  // next answers of the save dialogs; empty = cancel
  std::vector<TFileDialogSpec> OpenAsked;
  std::vector<TFileDialogSpec> SaveAsked;

  struct TShownMessage {
    TMessageKind Kind;
    QString Title;
    QString Text;
  };
  std::vector<TShownMessage> Messages;
  std::vector<QUrl> OpenedUrls;

  int Exec(QDialog& dialog) override {
    Shown.push_back(QString::fromLatin1(dialog.metaObject()->className()));
    return OnExec ? OnExec(dialog) : QDialog::Rejected;
  }
  QString OpenFileName(QWidget*, const TFileDialogSpec& spec) override {
    OpenAsked.push_back(spec);
    return Next(OpenAnswers);
  }
  QString SaveFileName(QWidget*, const TFileDialogSpec& spec) override {
    SaveAsked.push_back(spec);
    return Next(SaveAnswers);
  }
  void Message(QWidget*, TMessageKind kind, const QString& title, const QString& text) override {
    Messages.push_back({kind, title, text});
  }
  void OpenUrl(const QUrl& address) override { OpenedUrls.push_back(address); }

  int CountShown(const char* className) const {
    return static_cast<int>(std::count(Shown.begin(), Shown.end(), QString::fromLatin1(className)));
  }

  // Answers dialogs of one class with a fixed result, others with Rejected.
  void Answer(const char* className, int result) {
    OnExec = [className, result](QDialog& dialog) {
      return QString::fromLatin1(dialog.metaObject()->className()) == QLatin1String(className) ? result
                                                                                                : int(QDialog::Rejected);
    };
  }

private:
  static QString Next(std::deque<QString>& answers) {
    if (answers.empty()) return {};
    QString answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

// Options of an addition set of two-digit numbers; `orientation` 1 puts
// each question on one line.
inline TQOptions AdditionOptions(int orientation = 0) {
  TQOptions o;
  o.Operand = ptAddition;
  o.FirstTermType = 1;
  o.SecondTermType = 1;
  o.Regrouping = true;
  o.Orientation = static_cast<std::uint8_t>(orientation);
  return o;
}

class MainWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    SetEnv("HOME", home_.Path().string());
    SetEnv("XDG_DATA_HOME", home_.File("data"));
    SetEnv("XDG_CONFIG_HOME", home_.File("config"));
    auto fake = std::make_unique<TFakePrinter>();
    fake->SetName(QStringLiteral("Classroom printer"));
    printer_ = &static_cast<TFakePrinter&>(TPrinters::Instance().Install(std::move(fake)));
    SetRandomState(12345);
    CreateWindow();
  }

  void TearDown() override {
    window_.reset();
    TPrinters::Instance().Uninstall(printer_);
    for (const auto& [name, value] : savedEnv_) {
      if (value) ::setenv(name.c_str(), value->c_str(), 1);
      else ::unsetenv(name.c_str());
    }
  }

  void CreateWindow() {
    TMainWindowSetup setup;
    setup.Prompts = &prompts_;
    setup.QuizFolder = Folder();
    setup.Settings = settings_.get();
    window_ = std::make_unique<TMainWindow>(setup);
    window_->SetScreenDpi(96, 96);
    // A wizard that "finishes" with the options and count the test set.
    window_->SetAddQuestionsWizard([this](QWidget*, TQuestionSet& working, const TQuiz&) {
      ++wizardRuns_;
      if (!wizardFinishes_) return false;
      working.Options = nextOptions_;
      Generate(working, nextCount_);
      return true;
    });
    window_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  }

  TMainWindow& W() { return *window_; }
  TQuiz& Q() { return window_->Quiz(); }
  QString Folder() const { return QString::fromStdString(home_.Path().string()); }
  QString FilePath(const char* name) const { return QString::fromStdString(home_.File(name)); }

  // Runs Add Questions with the test's wizard, which finishes with a set of
  // `count` questions.
  void AddSet(int count, const TQOptions& options = AdditionOptions()) {
    nextOptions_ = options;
    nextCount_ = count;
    wizardFinishes_ = true;
    W().AddQuestionsCommand();
  }

  // Questions of every set, for comparing quizzes.
  static std::vector<std::vector<std::pair<int, int>>> Terms(const TQuiz& quiz) {
    std::vector<std::vector<std::pair<int, int>>> result;
    for (const TQuestionSet& set : quiz.Sets) {
      auto& terms = result.emplace_back();
      for (const TQuizQuestion& q : set.Questions()) terms.emplace_back(q.FirstTerm, q.SecondTerm);
    }
    return result;
  }

  // The centre of a page-unit height in picture pixels.
  int PictureY(int pageY) const {
    const TMetaReport& pages = *LaidOutPages(window_->Quiz());
    const double scale = static_cast<double>(window_->PictureSize().height()) /
                         (pages.PhysicalPageSize().height() - 2 * pages.OffsetY());
    return static_cast<int>(pageY * scale + 0.5);
  }

  void ClickPicture(int x, int y) {
    QTest::mouseClick(window_->ScrollBox2->Picture(), Qt::LeftButton, {}, QPoint(x, y));
  }

  void SetEnv(const std::string& name, const std::string& value) {
    const char* old = std::getenv(name.c_str());
    savedEnv_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
    ::setenv(name.c_str(), value.c_str(), 1);
  }

  TempFolder home_;
  TScriptedPrompts prompts_;
  TFakePrinter* printer_ = nullptr;
  // The program settings the next CreateWindow hands on; none by default.
  std::unique_ptr<TPgmSettings> settings_;
  std::unique_ptr<TMainWindow> window_;
  TQOptions nextOptions_ = AdditionOptions();
  int nextCount_ = 10;
  bool wizardFinishes_ = true;
  int wizardRuns_ = 0;
  std::vector<std::pair<std::string, std::optional<std::string>>> savedEnv_;
};

}  // namespace sumcraft::test
