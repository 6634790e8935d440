// The Print command: the options dialog, the jobs on the chosen printer,
// "Save as PDF" with its file dialog, and the screen's layout afterwards.
#include <QCheckBox>
#include <QFileInfo>
#include <QPushButton>
#include <QToolBar>
#include <regex>

#include "MainWindowFixture.h"
#include "dialogs/PrintOptionsDialog.h"
#include "render/PrintQuiz.h"
#ifdef SUMCRAFT_CLI
#include "cli/RunCli.h"
#endif

namespace sumcraft::test {
namespace {

class PrintCommand : public MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    // A second printer, different from the selected one.
    auto office = std::make_unique<TFakePrinter>();
    office->SetName(QStringLiteral("Office printer"));
    office->SetResolution(600, 600);
    office->SetPhysicalSize(5100, 6600);
    office->SetPrintableArea(100, 100, 4900, 6400);
    office_ = &static_cast<TFakePrinter&>(TPrinters::Instance().Install(std::move(office), false));
  }
  void TearDown() override {
    window_.reset();
    TPrinters::Instance().Uninstall(office_);
    MainWindowTest::TearDown();
  }

  // Answers the print options dialog as a user would: picks the printer,
  // types the copies, ticks the key, presses OK (or Cancel).
  void AnswerPrintDialog(const QString& printer, int copies, bool key, bool ok = true) {
    prompts_.OnExec = [=, this](QDialog& dialog) {
      auto* options = qobject_cast<TOKRightDlg*>(&dialog);
      if (!options) return int(QDialog::Rejected);
      dialog.show();
      ++dialogsShown_;
      EXPECT_EQ(options->Copies(), 1);  // fresh every time
      EXPECT_FALSE(options->chkTeachersKey->isChecked());
      const int index = options->cmbPrinters->findText(printer);
      EXPECT_GE(index, 0) << printer.toStdString();
      options->cmbPrinters->setCurrentIndex(index);
      options->cmbPrinters->activated(index);
      options->SetCopies(copies);
      if (paper_ >= 0) options->cmbPaper->setCurrentIndex(paper_);
      EXPECT_EQ(options->Versions(), 1);  // fresh every time
      options->spnVersions->setValue(versions_);
      if (key) QTest::mouseClick(options->chkTeachersKey, Qt::LeftButton);
      QTest::mouseClick(ok ? options->BitBtn1 : options->BitBtn2, Qt::LeftButton);
      return dialog.result();
    };
  }

  TFakePrinter* office_ = nullptr;
  int dialogsShown_ = 0;
  int paper_ = -1;  // the paper list's entry to choose; -1 leaves it
  int versions_ = 1;
};

TEST_F(PrintCommand, CopiesThenTheKeyOnTheChosenPrinter) {
  AddSet(150);
  const int pages = W().PageCount();
  AnswerPrintDialog(QStringLiteral("Office printer"), 3, true);
  QTest::mouseClick(W().ToolBar1->widgetForAction(W().actPrint), Qt::LeftButton);
  ASSERT_EQ(dialogsShown_, 1);
  ASSERT_EQ(office_->JobCount(), 4);
  EXPECT_EQ(printer_->JobCount(), 0);
  for (const TFakePrintJob& job : office_->Jobs()) {
    EXPECT_TRUE(job.Ended);
    EXPECT_FALSE(job.Aborted);
  }
  // Laid out on the office printer's paper: the page count may differ from
  // the screen's, but every job holds all pages of its layout.
  const int printed = static_cast<int>(office_->Jobs()[0].Pages.size());
  EXPECT_GE(printed, 1);
  EXPECT_EQ(office_->TotalPages(), 4 * printed);
  EXPECT_EQ(W().PrintSettings().Copies, 3);
  EXPECT_TRUE(W().PrintSettings().PrintKey);
  EXPECT_EQ(W().PrintSettings().PrinterName, QStringLiteral("Office printer"));
  EXPECT_EQ(W().PrintSettings().PrinterIndex, -1);

  // The screen is the selected printer's answer-free layout again.
  EXPECT_EQ(&QuizPages(Q()).Printer(), static_cast<TPrinterDevice*>(printer_));
  EXPECT_EQ(QuizPages(Q()).ResolutionX(), 300);
  EXPECT_EQ(W().PageCount(), pages);
  EXPECT_EQ(&CurrentPrinter(), static_cast<TPrinterDevice*>(printer_));
}

TEST_F(PrintCommand, NoCopiesWithTheKeyPrintsTheKeyAlone) {
  AddSet(10);
  AnswerPrintDialog(QStringLiteral("Classroom printer"), 0, true);
  W().PrintCommand();
  ASSERT_EQ(printer_->JobCount(), 1);
  EXPECT_EQ(W().PrintSettings().Copies, 0);
}

TEST_F(PrintCommand, CancelPrintsNothingButLaysOutAgain) {
  AddSet(10);
  const std::uint64_t serial = W().LayoutSerial();
  AnswerPrintDialog(QStringLiteral("Office printer"), 2, true, false);
  W().PrintCommand();
  EXPECT_EQ(office_->JobCount(), 0);
  EXPECT_EQ(printer_->JobCount(), 0);
  EXPECT_GT(W().LayoutSerial(), serial);
  EXPECT_FALSE(W().cmdRedo->isEnabled());
  EXPECT_TRUE(W().cmdUndo->isEnabled());  // from the add; printing takes no snapshot
}

TEST_F(PrintCommand, AFailingPrinterIsReportedAndTheScreenRestored) {
  AddSet(10);
  office_->SetFailBeginDoc(true);
  AnswerPrintDialog(QStringLiteral("Office printer"), 2, false);
  W().PrintCommand();
  ASSERT_EQ(prompts_.Messages.size(), 1u);
  EXPECT_EQ(prompts_.Messages[0].Kind, TMessageKind::Error);
  EXPECT_EQ(&QuizPages(Q()).Printer(), static_cast<TPrinterDevice*>(printer_));
  EXPECT_EQ(&CurrentPrinter(), static_cast<TPrinterDevice*>(printer_));
}

TEST_F(PrintCommand, SaveAsPdfAsksForTheFileAndWritesCopyAndKey) {
  AddSet(10);
  prompts_.SaveAnswers.push_back(FilePath("worksheet.pdf"));
  AnswerPrintDialog(TPrinters::Instance().Pdf().Name(), 1, true);
  W().PrintCommand();
  ASSERT_EQ(prompts_.SaveAsked.size(), 1u);
  EXPECT_EQ(prompts_.SaveAsked[0].DefaultSuffix, QStringLiteral("pdf"));
  EXPECT_EQ(prompts_.SaveAsked[0].FileName, QDir(Folder()).filePath(QStringLiteral("Quiz.pdf")));
  EXPECT_GT(QFileInfo(FilePath("worksheet.pdf")).size(), 1000);
  EXPECT_GT(QFileInfo(FilePath("worksheet-key.pdf")).size(), 1000);
  EXPECT_TRUE(prompts_.Messages.empty());

  // Cancelling the file dialog prints nothing.
  AnswerPrintDialog(TPrinters::Instance().Pdf().Name(), 1, false);
  W().PrintCommand();
  EXPECT_EQ(prompts_.SaveAsked.size(), 2u);
  EXPECT_EQ(prompts_.SaveAsked[1].FileName, FilePath("worksheet.pdf"));  // the last name
  EXPECT_FALSE(QFileInfo::exists(FilePath("worksheet-2.pdf")));
}

#ifdef SUMCRAFT_CLI
// The program's "Save as PDF" and "sumcraft-cli pdf" write the same bytes
// for the same quiz and paper, the quiz and its key alike; three copies
// still give one quiz file.
TEST_F(PrintCommand, SaveAsPdfWritesTheBytesOfTheCli) {
  AddSet(12);
  AddSet(6, [] {
    TQOptions o;
    o.Operand = ptMoney;
    o.CoinsToUse = 15;
    return o;
  }());
  Q().QuizTitle = "Coins \xD7 sums \xF7 \xA2";
  Q().PrintQuizTitle = true;
  Q().FileName = FilePath("coins.qiz").toStdString();
  ASSERT_TRUE(Q().SaveToFile());
  const struct {
    int paper;
    const char* name;
  } cases[] = {{0, "letter"}, {1, "a4"}};
  for (const auto& c : cases) {
    const QString chosen = FilePath((std::string("program-") + c.name + ".pdf").c_str());
    prompts_.SaveAnswers.push_back(chosen);
    paper_ = c.paper;
    AnswerPrintDialog(TPrinters::Instance().Pdf().Name(), 3, true);
    W().PrintCommand();
    ASSERT_TRUE(prompts_.Messages.empty()) << prompts_.Messages[0].Text.toStdString();
    EXPECT_FALSE(QFileInfo::exists(FilePath((std::string("program-") + c.name + "-2.pdf").c_str())));

    const std::string cliQuiz = home_.File(std::string("cli-") + c.name + ".pdf");
    const std::string cliKey = home_.File(std::string("cli-") + c.name + "-key.pdf");
    const test::CliResult cli = test::RunCli(
        {"pdf", Q().FileName, "-o", cliQuiz, "--key", cliKey, "--paper", c.name}, home_.Path().string());
    ASSERT_EQ(cli.status, 0) << cli.err;
    const std::string program = chosen.toStdString();
    EXPECT_EQ(ReadBytes(program), ReadBytes(cliQuiz)) << c.name;
    EXPECT_EQ(ReadBytes(program.substr(0, program.size() - 4) + "-key.pdf"), ReadBytes(cliKey)) << c.name;
    EXPECT_GT(ReadBytes(cliQuiz).size(), 1000u);
  }
  TPrinters::Instance().Pdf().SetPaper(TPaper::Letter);
}
#endif

// Three versions: on a printer each version's copies and then its key, named
// after the title and the version; on "Save as PDF" one file of quizzes and
// one of keys whatever the copies. The quiz, its history and its modified
// mark stay as they were.
TEST_F(PrintCommand, VersionsPrintInOrderAndLeaveTheQuizAlone) {
  AddSet(30);
  Q().QuizTitle = "Week 3";
  const auto before = Terms(Q());
  const int steps = W().Document().History().count();
  const bool modified = Q().Modified;
  versions_ = 3;
  paper_ = 0;  // Letter, as the command-line tool's default

  AnswerPrintDialog(QStringLiteral("Office printer"), 2, true);
  W().PrintCommand();
  std::vector<QString> titles;
  for (const TFakePrintJob& job : office_->Jobs()) titles.push_back(job.Title);
  std::vector<QString> expected;
  for (const char* v : {"A", "B", "C"}) {
    const QString version = QStringLiteral("Week 3 - Version ") + QLatin1String(v);
    expected.insert(expected.end(), {version, version, version + QStringLiteral(" - Answer Key")});
  }
  EXPECT_EQ(titles, expected);

  prompts_.SaveAnswers.push_back(FilePath("class/worksheet.pdf"));
  QDir().mkpath(FilePath("class"));
  AnswerPrintDialog(TPrinters::Instance().Pdf().Name(), 4, true);
  W().PrintCommand();
  ASSERT_TRUE(prompts_.Messages.empty()) << prompts_.Messages[0].Text.toStdString();
  EXPECT_EQ(QDir(FilePath("class")).entryList(QDir::Files),
            QStringList({QStringLiteral("worksheet-key.pdf"), QStringLiteral("worksheet.pdf")}));
  const std::string quizzes = ReadBytes(FilePath("class/worksheet.pdf").toStdString());
  const std::string keys = ReadBytes(FilePath("class/worksheet-key.pdf").toStdString());
  for (const char* v : {"(Version A)", "(Version B)", "(Version C)"}) EXPECT_NE(quizzes.find(v), std::string::npos) << v;
  EXPECT_EQ(quizzes.find("seed"), std::string::npos);

  EXPECT_EQ(Terms(Q()), before);
  EXPECT_EQ(W().Document().History().count(), steps);
  EXPECT_EQ(Q().Modified, modified);

#ifdef SUMCRAFT_CLI
  // The key names each version's seed, and the command-line tool makes that
  // version again: its key's pages are those in the program's file.
  std::smatch seed;
  ASSERT_TRUE(std::regex_search(keys, seed, std::regex("Version B, seed (\\d+)")));
  Q().FileName = FilePath("week3.qiz").toStdString();
  ASSERT_TRUE(Q().SaveToFile());
  const std::string cliKey = home_.File("cli-key.pdf");
  const test::CliResult cli = test::RunCli({"pdf", Q().FileName, "--recreate", "--seed", seed[1].str(), "--label",
                                            "B", "-o", home_.File("cli.pdf"), "--key", cliKey},
                                           home_.Path().string());
  ASSERT_EQ(cli.status, 0) << cli.err;
  const std::string single = ReadBytes(cliKey);
  int pages = 0;
  for (std::size_t at = single.find("stream\n"); at != std::string::npos; at = single.find("stream\n", at + 1)) {
    if (at >= 3 && single.compare(at - 3, 3, "end") == 0) continue;
    const std::size_t end = single.find("endstream", at);
    const std::string content = single.substr(at + 7, end - at - 7);
    if (content.find("BT\n") == std::string::npos) continue;
    ++pages;
    EXPECT_NE(keys.find(content), std::string::npos) << "page " << pages;
  }
  EXPECT_GT(pages, 0);
#endif
}

TEST_F(PrintCommand, WithoutPrintersTheWindowRefusesToStart) {
  window_.reset();
  TMainWindowSetup setup;
  setup.Prompts = &prompts_;
  setup.QuizFolder = Folder();
  setup.PrinterCount = [] { return 0; };
  TMainWindow refused(setup);
  EXPECT_FALSE(refused.Created());
  EXPECT_EQ(prompts_.CountShown("sumcraft::TPrinterRequiredDialog"), 1);
}

}  // namespace
}  // namespace sumcraft::test
