// How the window keeps up with a large quiz. Turning a page, zooming and
// selecting a set replay at most the one page shown and never lay the quiz
// out; a change lays out once. The times are printed for the record (they
// depend on the machine and the build, so they are not asserted).
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>

#include "MainWindowFixture.h"

namespace sumcraft::test {
namespace {

class Responsiveness : public MainWindowTest {
protected:
  // A quiz of many pages with pictures, tables and plain sums.
  void BuildLargeQuiz(int pagesWanted) {
    TQOptions money;
    money.Operand = ptMoney;
    money.CoinsToUse = 15;
    TQOptions clocks;
    clocks.Operand = ptTime;
    clocks.FirstTermType = 3;
    TQOptions fractions;
    fractions.Operand = ptFractions;
    TQOptions graph;
    graph.Operand = ptGraphs;
    graph.SecondTermType = 0;
    graph.IncrementStepSize = 1;
    const TQOptions kinds[] = {AdditionOptions(), money, clocks, fractions, graph, AdditionOptions(1)};
    for (int i = 0; W().PageCount() < pagesWanted; ++i) AddSet(24, kinds[i % 6]);
  }

  static double Ms(const QElapsedTimer& t) { return static_cast<double>(t.nsecsElapsed()) / 1e6; }

  static void Report(const char* what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    std::printf("  %-44s median %6.2f ms, max %6.2f ms (%zu runs)\n", what, times[times.size() / 2], times.back(),
                times.size());
  }

  // A command and the repaint of the picture it leads to.
  template <class F>
  double Timed(F&& command) {
    QElapsedTimer t;
    t.start();
    command();
    W().ScrollBox2->Picture()->repaint();
    return Ms(t);
  }
};

TEST_F(Responsiveness, PageTurnsZoomAndSelectionOnAFiftyPageQuiz) {
  BuildLargeQuiz(50);
  ASSERT_GE(W().PageCount(), 50);
  W().SetZoom(100);
  const std::uint64_t serial = W().LayoutSerial();
  W().SetCurrentPage(1);
  W().RefreshView();

  std::vector<double> firstVisits, reading, revisits, zooms, selections;
  for (int page = 2; page <= W().PageCount(); ++page) firstVisits.push_back(Timed([&] { W().NextPageCommand(); }));
  // As a teacher reads: a pause on each page lets the next one be drawn
  // ahead of time.
  W().SetCurrentPage(1);
  W().RefreshView();
  for (int page = 2; page <= 25; ++page) {
    QTest::qWait(60);
    reading.push_back(Timed([&] { W().NextPageCommand(); }));
  }
  for (int i = 0; i < 20; ++i) {
    revisits.push_back(Timed([&] { W().PreviousPageCommand(); }));
    revisits.push_back(Timed([&] { W().NextPageCommand(); }));
  }
  // Each zoom on another page, so that no page is kept at the new size,
  // once straight after the page turn and once after a pause.
  std::vector<double> zoomsAfterPause;
  for (int i = 0; i < 10; ++i) {
    W().SetCurrentPage(2 + 2 * i);
    W().RefreshView();
    zooms.push_back(Timed([&] { W().ZoomInCommand(); }));
    zooms.push_back(Timed([&] { W().ZoomOutCommand(); }));
    W().NextPageCommand();
    QTest::qWait(100);
    zoomsAfterPause.push_back(Timed([&] { W().ZoomInCommand(); }));
    QTest::qWait(100);
    zoomsAfterPause.push_back(Timed([&] { W().ZoomOutCommand(); }));
  }
  const int sets = static_cast<int>(Q().Sets.Count());
  for (int i = 0; i < 40; ++i) selections.push_back(Timed([&] { W().SelectSet(i % sets); }));

  std::printf("Redrawing a %d-page quiz at 75-150 %% zoom:\n", W().PageCount());
  Report("page turn, straight through", firstVisits);
  Report("page turn after a pause on the page", reading);
  Report("page turn to a page shown before", revisits);
  Report("zoom in / out, straight after a page turn", zooms);
  Report("zoom in / out after a pause on the page", zoomsAfterPause);
  Report("selecting a set", selections);
  EXPECT_EQ(W().LayoutSerial(), serial);  // none of these lays the quiz out
}

TEST_F(Responsiveness, ALayoutAfterAChangeOnAThousandQuestions) {
  AddSet(400);
  AddSet(300, AdditionOptions(1));
  TQOptions times;
  times.Operand = ptMultiplication;
  times.TimesTable.fill(7);
  AddSet(300, times);
  ASSERT_EQ(Q().QuestionCount(), 1000u);

  std::vector<double> layouts, deletes, undos;
  for (int i = 0; i < 10; ++i) {
    QElapsedTimer t;
    t.start();
    Layout(Q(), false);
    layouts.push_back(Ms(t));
  }
  prompts_.Answer("sumcraft::TConfirmDeleteForm", QDialog::Accepted);
  for (int i = 0; i < 5; ++i) {
    W().SelectSet(1);
    const std::uint64_t serial = W().LayoutSerial();
    deletes.push_back(Timed([&] { W().DeleteQuestionsCommand(); }));
    EXPECT_EQ(W().LayoutSerial(), serial + 1);  // one layout per change
    undos.push_back(Timed([&] { W().UndoCommand(); }));
  }
  std::printf("A quiz of %zu questions on %d pages:\n", Q().QuestionCount(), W().PageCount());
  Report("layout alone", layouts);
  Report("Delete Questions (snapshot, layout, redraw)", deletes);
  Report("Undo (copy back, layout, redraw)", undos);
}

}  // namespace
}  // namespace sumcraft::test
