// Show answers: the page view shows the quiz laid out as its answer key
// prints, whichever control switches it, as a view state of the window.
#include <QCheckBox>
#include <QJsonDocument>

#include "MainWindowFixture.h"
#include "dialogs/PrintOptionsDialog.h"
#include "render/MetaReport.h"
#include "render/PrintQuiz.h"

namespace sumcraft::test {
namespace {

// Every page's drawing operations, as `sumcraft-cli layout` writes them.
std::vector<QByteArray> PagesJson(TQuiz& quiz) {
  std::vector<QByteArray> pages;
  const TMetaReport& store = QuizPages(quiz);
  for (int n = 1; n <= store.PageCount(); ++n)
    pages.push_back(QJsonDocument(store.PageOps(n)->ToJson()).toJson(QJsonDocument::Compact));
  return pages;
}

// The pages of the answer key as printing lays them out, from a copy.
std::vector<QByteArray> PrintedKeyPages(const TQuiz& quiz, TPrinterDevice& printer) {
  TQuiz copy;
  quiz.CopyTo(copy);
  TPrintOptions options;
  options.Copies = 0;
  options.PrintKey = true;
  options.Printer = &printer;
  options.RestoreLayout = false;
  PrintQuiz(copy, options);
  return PagesJson(copy);
}

using ShowAnswers = MainWindowTest;

TEST_F(ShowAnswers, TheViewIsThePrintedKeyUntilSwitchedOff) {
  ASSERT_TRUE(W().OpenQuizFile(QStringLiteral(SUMCRAFT_SAMPLES "/Money and time.qiz")));
  AddSet(120);
  W().Document().SaveAs(FilePath("checked.qiz"));
  const std::vector<QByteArray> plain = PagesJson(Q());
  const std::vector<QByteArray> key = PrintedKeyPages(Q(), *printer_);
  ASSERT_GE(plain.size(), 3u);
  ASSERT_NE(key, plain);
  const int steps = W().Document().History().count();

  // Printing the key too, from a dialog answered with OK.
  prompts_.OnExec = [](QDialog& dialog) {
    auto* options = qobject_cast<TOKRightDlg*>(&dialog);
    if (!options) return int(QDialog::Rejected);
    options->SetCopies(1);
    QTest::mouseClick(options->chkTeachersKey, Qt::LeftButton);
    return int(QDialog::Accepted);
  };

  const struct {
    const char* route;
    std::function<void(TMainWindow&)> toggle;
  } routes[] = {
      {"check box, mouse", [](TMainWindow& w) { QTest::mouseClick(w.chkShowAnswers, Qt::LeftButton); }},
      {"check box, space key",
       [](TMainWindow& w) {
         w.chkShowAnswers->setFocus();
         QTest::keyClick(w.chkShowAnswers, Qt::Key_Space);
       }},
      {"menu entry", [](TMainWindow& w) { w.actShowAnswers->trigger(); }},
      {"Ctrl+K", [](TMainWindow& w) { QTest::keyClick(&w, Qt::Key_K, Qt::ControlModifier); }},
  };
  for (const auto& r : routes) {
    SCOPED_TRACE(r.route);
    W().SetCurrentPage(2);
    W().RefreshView();
    const auto expectShown = [&](bool answers, int page) {
      EXPECT_EQ(W().chkShowAnswers->isChecked(), answers);
      EXPECT_EQ(W().actShowAnswers->isChecked(), answers);
      EXPECT_EQ(PagesJson(Q()) == key, answers);
      EXPECT_EQ(PagesJson(Q()) == plain, !answers);
      EXPECT_EQ(W().PageCount(), static_cast<int>(key.size()));
      EXPECT_EQ(W().CurrentPage(), page);
      // A view state: no step, nothing to save.
      EXPECT_FALSE(W().Document().Modified());
      EXPECT_EQ(W().Document().History().count(), steps);
      EXPECT_FALSE(W().ShowingWelcomePage());
    };

    r.toggle(W());
    expectShown(true, 2);
    W().NextPageCommand();
    W().SetZoom(150);
    expectShown(true, 3);
    const int jobs = printer_->JobCount();
    W().PrintCommand();
    EXPECT_EQ(printer_->JobCount(), jobs + 2);
    expectShown(true, 3);
    r.toggle(W());
    expectShown(false, 3);
  }
}

}  // namespace
}  // namespace sumcraft::test
