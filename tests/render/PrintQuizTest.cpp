// The print run: copies, answer key, the screen's layout afterwards, and
// failures, on fake printers; the files of "Save as PDF" jobs.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "generate/AnswerText.h"
#include "generate/Generate.h"
#include "generate/Random.h"
#include "render/FakePrinter.h"
#include "render/Layout.h"
#include "render/MetaReport.h"
#include "render/PdfPrinter.h"
#include "render/Printers.h"
#include "render/PrintQuiz.h"
#include "render/ReportFormats.h"

namespace sumcraft {
namespace {

using TKind = TPrintJob::TKind;

class PrintQuizTest : public testing::Test {
protected:
  void SetUp() override {
    ReportFormats().LoadDefaults();
    // The selected printer, whose layout the screen shows: Letter at 600 dpi.
    auto screen = std::make_unique<TFakePrinter>();
    screen->SetName("Screen printer");
    screen->SetResolution(600, 600);
    screen->SetPhysicalSize(5100, 6600);
    screen->SetPrintableArea(100, 100, 4900, 6400);
    screen_ = static_cast<TFakePrinter*>(&TPrinters::Instance().Install(std::move(screen), true));
    // The printer chosen for printing: A4 at 300 dpi, not selected.
    auto chosen = std::make_unique<TFakePrinter>();
    chosen->SetName("Chosen printer");
    chosen->SetPhysicalSize(2480, 3508);
    chosen->SetPrintableArea(50, 50, 2380, 3408);
    chosen_ = static_cast<TFakePrinter*>(&TPrinters::Instance().Install(std::move(chosen), false));

    SetRandomState(99);
    for (const std::uint8_t operand : {ptAddition, ptMoney, ptTime}) {
      TQuestionSet set;
      set.Options.Operand = operand;
      set.Options.FirstTermType = 2;
      set.Options.SecondTermType = 2;
      set.Options.CoinsToUse = 15;
      Generate(set, 12);
      quiz_.Sets.Add(std::move(set));
    }
    Layout(quiz_, false);
  }

  void TearDown() override {
    // The quiz's pages must not outlive the printers they measured on.
    quiz_ = TQuiz();
    TPrinters::Instance().Uninstall(chosen_);
    TPrinters::Instance().Uninstall(screen_);
  }

  TMetaReport& Pages() { return QuizPages(quiz_); }
  std::string MoneyAnswer() { return AnswerText(quiz_.Sets.Item(1).Item(0), quiz_.Sets.Item(1).Options); }
  bool PagesShow(const std::string& text) {
    for (int n = 1; n <= Pages().PageCount(); ++n)
      if (Pages().PageOps(n)->FindText(text)) return true;
    return false;
  }
  // The store holds the screen's layout: the selected printer's measures
  // and no answers.
  void ExpectScreenLayout() {
    EXPECT_EQ(&Pages().Printer(), screen_);
    EXPECT_EQ(Pages().ResolutionX(), 600);
    EXPECT_EQ(Pages().PrintableWidth(), 4900);
    EXPECT_FALSE(Pages().Closed());
    EXPECT_FALSE(PagesShow(MoneyAnswer()));
    EXPECT_GT(Pages().PageCount(), 0);
  }

  TQuiz quiz_;
  TFakePrinter* screen_ = nullptr;
  TFakePrinter* chosen_ = nullptr;
};

TEST_F(PrintQuizTest, CopiesThenTheKeyEachOneJobOnTheChosenPrinter) {
  TPrintOptions options;
  options.Copies = 3;
  options.PrintKey = true;
  options.Printer = chosen_;
  std::vector<TPrintJob> announced;
  options.BeforeJob = [&](TPrinterDevice& printer, const TPrintJob& job) {
    EXPECT_EQ(&printer, chosen_);
    EXPECT_FALSE(printer.IsPrinting());
    announced.push_back(job);
  };
  const TPrintReport report = PrintQuiz(quiz_, options);

  ASSERT_EQ(chosen_->JobCount(), 4);
  EXPECT_EQ(screen_->JobCount(), 0);
  ASSERT_EQ(report.Jobs.size(), 4u);
  ASSERT_EQ(announced.size(), 4u);
  const TKind kinds[] = {TKind::QuizCopy, TKind::QuizCopy, TKind::QuizCopy, TKind::AnswerKey};
  const int copies[] = {1, 2, 3, 0};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(report.Jobs[i].Job.Kind, kinds[i]) << i;
    EXPECT_EQ(report.Jobs[i].Job.Copy, copies[i]) << i;
    EXPECT_EQ(announced[i].Kind, kinds[i]) << i;
    const TFakePrintJob& job = chosen_->Jobs()[i];
    EXPECT_TRUE(job.Ended);
    EXPECT_FALSE(job.Aborted);
    EXPECT_EQ(static_cast<int>(job.Pages.size()), report.Jobs[i].Pages) << i;
    // An untitled, unsaved quiz: the queue still shows a name.
    EXPECT_EQ(job.Title, i < 3 ? QStringLiteral("Quiz") : QStringLiteral("Quiz - Answer Key")) << i;
  }
  // The pages were measured on the chosen A4 printer: more than one page,
  // every job the same length, the key drawn differently from the copies.
  const int pages = report.Jobs[0].Pages;
  EXPECT_GE(pages, 2);
  for (const TPrintedJob& j : report.Jobs) EXPECT_EQ(j.Pages, pages);
  EXPECT_EQ(report.TotalPages(), 4 * pages);
  EXPECT_EQ(chosen_->TotalPages(), 4 * pages);
  EXPECT_EQ(chosen_->Jobs()[0].Pages[0], chosen_->Jobs()[2].Pages[0]);
  EXPECT_NE(chosen_->Jobs()[0].Pages[0], chosen_->Jobs()[3].Pages[0]);
  EXPECT_TRUE(report.Problems.empty());

  ExpectScreenLayout();
}

TEST_F(PrintQuizTest, NoCopiesWithTheKeyPrintsTheKeyAlone) {
  TPrintOptions options;
  options.Copies = 0;
  options.PrintKey = true;
  options.Printer = chosen_;
  const TPrintReport report = PrintQuiz(quiz_, options);
  ASSERT_EQ(chosen_->JobCount(), 1);
  ASSERT_EQ(report.Jobs.size(), 1u);
  EXPECT_EQ(report.Jobs[0].Job.Kind, TKind::AnswerKey);
  ExpectScreenLayout();

  options.PrintKey = false;
  EXPECT_TRUE(PrintQuiz(quiz_, options).Jobs.empty());
  options.Copies = -4;
  EXPECT_TRUE(PrintQuiz(quiz_, options).Jobs.empty());
  EXPECT_EQ(chosen_->JobCount(), 1);
  ExpectScreenLayout();
}

TEST_F(PrintQuizTest, WithoutAChosenPrinterTheSelectedOnePrints) {
  TPrintOptions options;
  options.Copies = 2;
  PrintQuiz(quiz_, options);
  EXPECT_EQ(screen_->JobCount(), 2);
  EXPECT_EQ(chosen_->JobCount(), 0);
  ExpectScreenLayout();
}

TEST_F(PrintQuizTest, APrinterFailureEndsTheRunAndTheScreenLayoutIsRestored) {
  chosen_->SetFailNewPageAt(2);
  TPrintOptions options;
  options.Copies = 3;
  options.PrintKey = true;
  options.Printer = chosen_;
  EXPECT_THROW(PrintQuiz(quiz_, options), TPrintError);
  // The first job broke off; no later job was started.
  ASSERT_EQ(chosen_->JobCount(), 1);
  EXPECT_EQ(chosen_->Jobs()[0].Pages.size(), 2u);
  EXPECT_FALSE(chosen_->IsPrinting());
  ExpectScreenLayout();

  chosen_->SetFailNewPageAt(0);
  chosen_->SetFailBeginDoc(true);
  EXPECT_THROW(PrintQuiz(quiz_, options), TPrintError);
  EXPECT_EQ(chosen_->JobCount(), 1);
  ExpectScreenLayout();
}

TEST_F(PrintQuizTest, AFailureDuringTheKeyNeverLeavesTheKeyOnScreen) {
  TPrintOptions options;
  options.Copies = 1;
  options.PrintKey = true;
  options.Printer = chosen_;
  options.BeforeJob = [](TPrinterDevice&, const TPrintJob& job) {
    if (job.Kind == TKind::AnswerKey) throw TPrintError("No file for the key.");
  };
  EXPECT_THROW(PrintQuiz(quiz_, options), TPrintError);
  EXPECT_EQ(chosen_->JobCount(), 1);
  ExpectScreenLayout();
}

TEST_F(PrintQuizTest, AJobLeftRunningIsAbandonedFirst) {
  chosen_->BeginDoc("stale");
  TPrintOptions options;
  options.Printer = chosen_;
  PrintQuiz(quiz_, options);
  ASSERT_EQ(chosen_->JobCount(), 2);
  EXPECT_TRUE(chosen_->Jobs()[0].Aborted);
  EXPECT_TRUE(chosen_->Jobs()[1].Ended);
}

TEST_F(PrintQuizTest, UndrawableQuestionsAreReportedOnce) {
  TQuestionSet set;
  set.Options.Operand = ptFractions;
  set.Options.FractionType = 1;
  Generate(set, 2);
  set.Item(0).SecondTerm = 40;
  quiz_.Sets.Add(std::move(set));
  TPrintOptions options;
  options.PrintKey = true;
  options.Printer = chosen_;
  const TPrintReport report = PrintQuiz(quiz_, options);
  ASSERT_EQ(report.Problems.size(), 1u);
  EXPECT_TRUE(report.Problems[0].starts_with("Question 37: ")) << report.Problems[0];
  EXPECT_EQ(chosen_->JobCount(), 2);
}

TEST(PdfJobFileNameTest, TheQuizIsTheChosenFileAndTheKeyIsNamedAfterIt) {
  const auto name = [](const char* chosen, TKind kind) {
    return PdfJobFileName(QString::fromUtf8(chosen), TPrintJob{kind, kind == TKind::QuizCopy ? 1 : 0}).toStdString();
  };
  EXPECT_EQ(name("/q/week.pdf", TKind::QuizCopy), "/q/week.pdf");
  EXPECT_EQ(name("/q/week.pdf", TKind::AnswerKey), "/q/week-key.pdf");
  EXPECT_EQ(name("/q/week.PDF", TKind::AnswerKey), "/q/week-key.pdf");
  EXPECT_EQ(name("/q/week", TKind::AnswerKey), "/q/week-key.pdf");
  EXPECT_EQ(name("/q/week", TKind::QuizCopy), "/q/week");
  EXPECT_EQ(name("/q.d/week.v2.pdf", TKind::AnswerKey), "/q.d/week.v2-key.pdf");
}

// "Save as PDF" writes one file for the quiz and one for the key, however
// many copies are asked for, each titled after the quiz.
TEST(PdfPrintTest, OneFileForTheQuizAndOneForTheKeyWhateverTheCopies) {
  ReportFormats().LoadDefaults();
  const struct {
    int copies;
    bool key;
    QStringList files;
  } cases[] = {{1, false, {"week.pdf"}},
               {3, false, {"week.pdf"}},
               {1, true, {"week-key.pdf", "week.pdf"}},
               {3, true, {"week-key.pdf", "week.pdf"}},
               {0, true, {"week-key.pdf"}}};
  for (const auto& c : cases) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TPdfPrinter pdf;
    pdf.SetResolution(150);
    TQuiz quiz;
    quiz.QuizTitle = "Clocks \xF7 week 2";
    SetRandomState(5);
    TQuestionSet set;
    set.Options.Operand = ptTime;
    Generate(set, 4);
    quiz.Sets.Add(std::move(set));
    TPrintOptions options;
    options.Copies = c.copies;
    options.PrintKey = c.key;
    options.Printer = &pdf;
    options.RestoreLayout = false;
    options.BeforeJob = PdfJobFiles(dir.filePath("week.pdf"));
    const TPrintReport report = PrintQuiz(quiz, options);
    EXPECT_EQ(static_cast<int>(report.Jobs.size()), c.files.size()) << c.copies << c.key;
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files, QDir::Name), c.files) << c.copies << c.key;
    for (const QString& name : c.files) {
      QFile file(dir.filePath(name));
      ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
      const QByteArray bytes = file.readAll();
      const QString title = name.contains("key") ? QString::fromUtf8("Clocks \xC3\xB7 week 2 - Answer Key")
                                                 : QString::fromUtf8("Clocks \xC3\xB7 week 2");
      QByteArray utf16 = "/Title <FEFF";
      for (const QChar ch : title) utf16 += QByteArray::number(ch.unicode(), 16).rightJustified(4, '0').toUpper();
      EXPECT_TRUE(bytes.contains(utf16 + ">")) << name.toStdString();
    }
  }
}

}  // namespace
}  // namespace sumcraft
