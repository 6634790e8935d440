// The page view: selecting a set by a click and framing it, turning pages,
// scrolling to the frame, the welcome page, and redrawing without laying
// out again.
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>

#include "MainWindowFixture.h"
#include "app/PageImageCache.h"
#include "app/WelcomePage.h"

namespace sumcraft::test {
namespace {

using PageView = MainWindowTest;

QRgb Xor(QRgb a, QRgb b) { return qRgb(qRed(a) ^ qRed(b), qGreen(a) ^ qGreen(b), qBlue(a) ^ qBlue(b)); }

TEST_F(PageView, ClickingASetSelectsAndFramesIt) {
  for (int i = 0; i < 3; ++i) AddSet(5);
  W().SetCurrentPage(1);
  W().RefreshView();
  for (const TQuestionSet& set : Q().Sets) ASSERT_EQ(set.LastPage, 1);
  ASSERT_EQ(W().SelectedSet(), 2);  // the last set added

  const TQuestionSet& second = Q().Sets.Item(1);
  ClickPicture(W().PictureSize().width() / 2, PictureY((second.StartY + second.EndY) / 2));
  EXPECT_EQ(W().SelectedSet(), 1);

  // The frame is XORed onto the page in green: white becomes (255, 127, 255).
  const QRect frame = W().SelectionFrame();
  ASSERT_FALSE(frame.isNull());
  EXPECT_LE(frame.top(), PictureY(second.StartY));
  EXPECT_GE(frame.bottom(), PictureY(second.EndY) - 1);
  const double ratio = W().devicePixelRatioF();
  const QImage& picture = W().PictureImage();
  const QPoint onEdge(static_cast<int>(frame.left() * ratio), static_cast<int>(frame.center().y() * ratio));
  EXPECT_EQ(picture.pixel(onEdge) & 0xFFFFFF, Xor(qRgb(255, 255, 255), qRgb(0, 128, 0)) & 0xFFFFFF);
  // Inside the frame, away from its edges, the page is untouched.
  const QPoint inside(static_cast<int>((frame.left() + 6) * ratio), static_cast<int>(frame.center().y() * ratio));
  EXPECT_EQ(picture.pixel(inside) & 0xFFFFFF, 0xFFFFFFu);

  // The horizontal position plays no part.
  ClickPicture(3, PictureY((Q().Sets.Item(0).StartY + Q().Sets.Item(0).EndY) / 2));
  EXPECT_EQ(W().SelectedSet(), 0);
}

TEST_F(PageView, ClickingWhereNoSetIsKeepsTheSelection) {
  for (int i = 0; i < 3; ++i) AddSet(5);
  W().SelectSet(1);
  const TQuestionSet& last = Q().Sets.Item(2);
  ClickPicture(W().PictureSize().width() / 2, PictureY(last.EndY + 150));
  EXPECT_EQ(W().SelectedSet(), 1);
  ClickPicture(W().PictureSize().width() / 2, PictureY(Q().Sets.Item(0).StartY) - 15);  // the header
  EXPECT_EQ(W().SelectedSet(), 1);
}

TEST_F(PageView, PagesTurnWithinTheQuiz) {
  AddSet(150);
  ASSERT_GE(W().PageCount(), 3);
  // A new set shows its last page.
  EXPECT_EQ(W().CurrentPage(), W().PageCount());
  EXPECT_EQ(W().lblCurrentPage->text(), QString::number(W().PageCount()));
  EXPECT_EQ(W().lblPageCount->text(), QString::number(W().PageCount()));

  QTest::mouseClick(W().cmdNextPage, Qt::LeftButton);
  EXPECT_EQ(W().CurrentPage(), W().PageCount());  // the last page stays
  W().SetCurrentPage(0);
  EXPECT_EQ(W().CurrentPage(), W().PageCount());  // below 1: no change
  W().SetCurrentPage(1000);
  EXPECT_EQ(W().CurrentPage(), W().PageCount());

  W().SetCurrentPage(1);
  W().RefreshView();
  QTest::keyClick(W().ScrollBox2, Qt::Key_PageDown);
  EXPECT_EQ(W().CurrentPage(), 2);
  QTest::keyClick(W().ScrollBox2, Qt::Key_PageUp);
  QTest::keyClick(W().ScrollBox2, Qt::Key_PageUp);
  EXPECT_EQ(W().CurrentPage(), 1);
  QTest::mouseClick(W().cmdPreviousPage, Qt::LeftButton);
  EXPECT_EQ(W().CurrentPage(), 1);
}

TEST_F(PageView, TheFramedSetScrollsIntoView) {
  for (int i = 0; i < 3; ++i) AddSet(5);
  W().SetZoom(200);
  QScrollBar* bar = W().ScrollBox2->verticalScrollBar();
  W().SelectSet(2);
  const QRect frame = W().SelectionFrame();
  ASSERT_GT(frame.bottom() + TPageView::kPictureTop, W().ScrollBox2->VisibleHeight());
  EXPECT_GT(bar->value(), 0);
  // The frame's bottom edge is just inside the view.
  const int edgeInView = frame.bottom() + TPageView::kPictureTop - bar->value();
  EXPECT_LE(edgeInView, W().ScrollBox2->VisibleHeight());
  EXPECT_GE(edgeInView, W().ScrollBox2->VisibleHeight() - 12);

  // With the whole page in view the frame is visible: back to the top.
  W().FitPage();
  W().SelectSet(2);
  EXPECT_EQ(bar->value(), 0);
}

TEST_F(PageView, TheWelcomePageShowsOnlyForAnUntouchedEmptyQuiz) {
  EXPECT_TRUE(W().ShowingWelcomePage());
  EXPECT_EQ(W().lblQuizFilename->text(), QStringLiteral("<new quiz>"));
  EXPECT_EQ(W().lblQuestionCount->text(), QStringLiteral("0"));

  AddSet(4);
  EXPECT_FALSE(W().ShowingWelcomePage());
  EXPECT_EQ(W().lblQuestionCount->text(), QStringLiteral("4"));
  EXPECT_EQ(W().lblQuizFilename->text(), QStringLiteral("* <new quiz>"));

  // Deleting the one set leaves a changed, empty quiz: its first page, with
  // header and footer only, is shown instead of the welcome page.
  prompts_.Answer("sumcraft::TConfirmDeleteForm", QDialog::Accepted);
  W().DeleteQuestionsCommand();
  EXPECT_EQ(Q().Sets.Count(), 0u);
  EXPECT_EQ(W().SelectedSet(), -1);
  EXPECT_FALSE(W().ShowingWelcomePage());
  EXPECT_EQ(W().PageCount(), 1);
  EXPECT_EQ(W().CurrentPage(), 1);

  prompts_.Answer("sumcraft::TPromptForSave", 2);  // "No": drop the changes
  W().NewCommand();
  EXPECT_TRUE(W().ShowingWelcomePage());
  EXPECT_EQ(W().lblQuizFilename->text(), QStringLiteral("<new quiz>"));
}

TEST_F(PageView, TurningPagesSelectingAndZoomingNeverLayOutAgain) {
  AddSet(150);
  const std::uint64_t serial = W().LayoutSerial();
  W().SetCurrentPage(1);
  W().RefreshView();
  const std::uint64_t renders = W().PageCache().Renders();
  W().NextPageCommand();
  EXPECT_EQ(W().PageCache().Renders(), renders + 1);
  W().PreviousPageCommand();  // page 1 again, kept
  EXPECT_EQ(W().PageCache().Renders(), renders + 1);
  ClickPicture(20, PictureY(Q().Sets.Item(0).StartY + 30));
  W().SelectSet(-1);
  EXPECT_EQ(W().PageCache().Renders(), renders + 1);
  W().SetZoom(75);
  EXPECT_EQ(W().PageCache().Renders(), renders + 2);  // the new size
  EXPECT_EQ(W().LayoutSerial(), serial);

  // A change lays out again; the kept pages of the old layout are not used.
  W().RecreateQuizCommand();
  EXPECT_GT(W().LayoutSerial(), serial);
  EXPECT_EQ(W().PageCache().Renders(), renders + 3);
}

TEST(PageImageCache, KeepsTheRecentPagesOfOneLayout) {
  TQuiz quiz;
  TQuestionSet set;
  set.Options = AdditionOptions();
  SetRandomState(7);
  Generate(set, 120);
  quiz.Sets.Add(std::move(set));
  Layout(quiz, false);
  ASSERT_GE(QuizPages(quiz).PageCount(), 2);

  TPageImageCache cache(2);
  const QImage first = cache.Page(quiz, 1, 1, QSize(200, 260));
  EXPECT_EQ(first.size(), QSize(200, 260));
  EXPECT_EQ(first.pixel(0, 0) & 0xFFFFFF, 0u);  // the page frame
  cache.Page(quiz, 1, 2, QSize(200, 260));
  cache.Page(quiz, 1, 1, QSize(200, 260));
  EXPECT_EQ(cache.Renders(), 2u);
  cache.Page(quiz, 1, 1, QSize(100, 130));  // another size
  cache.Page(quiz, 1, 2, QSize(200, 260));  // dropped: capacity 2
  EXPECT_EQ(cache.Renders(), 4u);
  cache.Page(quiz, 2, 2, QSize(200, 260));  // a new layout
  EXPECT_EQ(cache.Renders(), 5u);
  EXPECT_EQ(cache.Size(), 1u);
}

}  // namespace
}  // namespace sumcraft::test

namespace sumcraft::test {
namespace {

// The welcome page: framed, the heading in its teal, and every line of
// text wrapped inside the right margin of 50 pixels, at any picture width.
TEST(WelcomePage, HeadingAndWrappedSteps) {
  for (int width : {420, 600, 816}) {
    QImage image(width, 1000, QImage::Format_RGB32);
    DrawWelcomePage(image, 96);
    EXPECT_EQ(image.pixel(0, 500) & 0xFFFFFF, 0u) << width;         // the frame
    EXPECT_EQ(image.pixel(1, 500) & 0xFFFFFF, 0xFFFFFFu) << width;  // white inside
    int teal = 0, inkInMargin = 0, inkBelowHeading = 0;
    for (int y = 2; y < image.height() - 2; ++y) {
      for (int x = 2; x < width - 2; ++x) {
        const QRgb p = image.pixel(x, y);
        if (p == qRgb(0, 128, 128)) ++teal;
        const bool ink = qGray(p) < 200;
        if (ink && x > width - 48) ++inkInMargin;
        if (ink && y > 80) ++inkBelowHeading;
      }
    }
    EXPECT_GT(teal, 20) << width;
    EXPECT_EQ(inkInMargin, 0) << width;
    EXPECT_GT(inkBelowHeading, 1000) << width;
  }
  EXPECT_EQ(WelcomeStep(0), "");
  EXPECT_TRUE(WelcomeStep(8).starts_with("You can always reverse"));
}

}  // namespace
}  // namespace sumcraft::test
