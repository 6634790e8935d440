// The zoom rules of the page view: the list's picks, the picture sizes, and
// the zoom as the window shows it.
#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>

#include "MainWindowFixture.h"
#include "app/Zoom.h"

namespace sumcraft::test {
namespace {

TEST(ZoomRules, ButtonsStepThroughTheListedPercentages) {
  const QStringList& list = ZoomEntries();
  EXPECT_EQ(ListedPercentages(list), (std::vector<int>{50, 66, 75, 100, 150, 200}));
  EXPECT_EQ(ZoomInPercent(45, list), 50);
  EXPECT_EQ(ZoomInPercent(66, list), 75);
  EXPECT_EQ(ZoomInPercent(83, list), 100);
  EXPECT_EQ(ZoomInPercent(200, list), 200);
  EXPECT_EQ(ZoomInPercent(250, list), 250);
  EXPECT_EQ(ZoomOutPercent(50, list), 50);
  EXPECT_EQ(ZoomOutPercent(60, list), 50);
  EXPECT_EQ(ZoomOutPercent(100, list), 75);
  EXPECT_EQ(ZoomOutPercent(30, list), 30);
}

TEST(ZoomRules, EntriesAndTypedText) {
  EXPECT_EQ(EntryPercent(QStringLiteral("150 %"), 80), 150);
  EXPECT_EQ(EntryPercent(QStringLiteral("Fit"), 80), 80);  // no blank: the current zoom
  EXPECT_EQ(TypedZoomPercent(QStringLiteral("120")), 120);
  EXPECT_EQ(TypedZoomPercent(QStringLiteral(" 120 % ")), 120);
  EXPECT_EQ(TypedZoomPercent(QStringLiteral("5000")), kMaxTypedZoom);
  EXPECT_EQ(TypedZoomPercent(QStringLiteral("99999999999999999999")), kMaxTypedZoom);
  EXPECT_EQ(TypedZoomPercent(QStringLiteral("1")), kMinTypedZoom);
  EXPECT_FALSE(TypedZoomPercent(QStringLiteral("abc")));
  EXPECT_FALSE(TypedZoomPercent(QStringLiteral("-50")));
  EXPECT_FALSE(TypedZoomPercent(QStringLiteral("%")));
}

TEST(ZoomRules, PictureSizesRoundHalvesToEven) {
  const TPaperMeasure letter{2550, 3300, 300, 300};  // 8.5 x 11 inches
  EXPECT_EQ(PictureSizeForZoom(100, letter, 96, 96), QSize(816, 1056));
  // 8.5 * 0.45 * 96 = 367.2; 11 * 0.45 * 96 = 475.2
  EXPECT_EQ(PictureSizeForZoom(45, letter, 96, 96), QSize(367, 475));
  EXPECT_EQ(ZoomPercentOf(367, letter, 96), 45);
  EXPECT_EQ(ZoomPercentOf(816, letter, 96), 100);
  // Paper 2 inches wide at 100 dpi: a picture of 5 pixels is 2.5 %, of 7 is 3.5 %.
  EXPECT_EQ(ZoomPercentOf(5, TPaperMeasure{200, 200, 100, 100}, 100), 2);
  EXPECT_EQ(ZoomPercentOf(7, TPaperMeasure{200, 200, 100, 100}, 100), 4);
  EXPECT_EQ(ZoomPercentOf(0, TPaperMeasure{0, 0, 0, 0}, 96), 100);  // no paper: no division by zero
}

TEST(ZoomRules, FitAndPlace) {
  EXPECT_EQ(FitWidthSize(QSize(780, 1009), 736), QSize(700, 906));  // 700 * 1009 / 780 = 905.5
  EXPECT_EQ(FitPageSize(QSize(700, 906), 636), QSize(464, 600));     // 600 / (906 / 700) = 463.6
  EXPECT_EQ(PictureLeft(800, 780), 18);   // less than 36 wider
  EXPECT_EQ(PictureLeft(815, 780), 18);
  EXPECT_EQ(PictureLeft(816, 780), 9);    // (816 - 780 - 18) / 2
  EXPECT_EQ(PictureLeft(1000, 701), 140); // 281 / 2 rounded down
  EXPECT_EQ(BoundedPictureSize(QSize(-5, 20)).width(), kMinPictureSide);
  EXPECT_LE(BoundedPictureSize(QSize(100000, 200000)).height(), kMaxPictureSide);
}

using WindowZoom = MainWindowTest;

TEST_F(WindowZoom, ZoomButtonsFollowTheListFromTheCurrentZoom) {
  W().SetZoom(45);
  EXPECT_EQ(W().ZoomPercent(), 45);
  EXPECT_EQ(W().PictureSize(), QSize(367, 475));
  QTest::mouseClick(W().cmdZoomIn, Qt::LeftButton);
  EXPECT_EQ(W().ZoomPercent(), 50);
  EXPECT_EQ(W().PictureSize().width(), 408);

  W().SetZoom(200);
  W().ZoomInCommand();
  EXPECT_EQ(W().ZoomPercent(), 200);

  W().SetZoom(50);
  QTest::mouseClick(W().cmdZoomOut, Qt::LeftButton);
  EXPECT_EQ(W().ZoomPercent(), 50);
  W().SetZoom(60);
  W().ZoomOutCommand();
  EXPECT_EQ(W().ZoomPercent(), 50);
}

TEST_F(WindowZoom, ChoosingEntriesAndTheShownZoom) {
  W().cmbZoomPct->activated(3);  // "100 %"
  EXPECT_EQ(W().ZoomPercent(), 100);
  EXPECT_EQ(W().PictureSize(), QSize(816, 1056));
  // The zoom is written by its timer; a slow (instrumented) build may need longer.
  EXPECT_TRUE(QTest::qWaitFor([&] { return W().cmbZoomPct->currentText() == QStringLiteral("100 %"); }, 5000))
      << W().cmbZoomPct->currentText().toStdString();

  W().cmbZoomPct->activated(ZoomEntries().indexOf(kFitWidthEntry));
  EXPECT_EQ(W().PictureSize().width(), W().ScrollBox2->BoxWidth() - 36);
  W().cmbZoomPct->activated(ZoomEntries().indexOf(kFitPageEntry));
  EXPECT_EQ(W().PictureSize().height(), W().ScrollBox2->BoxHeight() - 36);
  const QString shown = QStringLiteral("%1 %").arg(W().ZoomPercent());
  EXPECT_TRUE(QTest::qWaitFor([&] { return W().cmbZoomPct->currentText() == shown; }, 5000))
      << W().cmbZoomPct->currentText().toStdString() << " instead of " << shown.toStdString();

  // A typed zoom, confirmed with Enter.
  W().cmbZoomPct->setEditText(QStringLiteral("120"));
  QTest::keyClick(W().cmbZoomPct->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(W().ZoomPercent(), 120);
}

TEST_F(WindowZoom, KeyboardZoomAndTheWelcomePageAtEveryZoom) {
  W().SetZoom(75);
  W().actZoomIn->trigger();
  EXPECT_EQ(W().ZoomPercent(), 100);
  W().actZoomOut->trigger();
  W().actZoomOut->trigger();
  EXPECT_EQ(W().ZoomPercent(), 66);
  // The welcome page is drawn again at the new size.
  EXPECT_TRUE(W().ShowingWelcomePage());
  EXPECT_EQ(W().PictureImage().size(), W().PictureSize() * W().devicePixelRatioF());
  EXPECT_TRUE(W().actZoomIn->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Equal)));
  EXPECT_TRUE(W().actZoomOut->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Minus)));
}

}  // namespace
}  // namespace sumcraft::test
