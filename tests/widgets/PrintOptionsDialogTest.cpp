#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "WidgetTestSupport.h"
#include "dialogs/PrintOptionsDialog.h"
#include "render/FakePrinter.h"
#include "render/Printers.h"
#include "settings/PgmSettings.h"
#include "support/TempFolder.h"
#include "widgets/QtPrinters.h"

namespace sumcraft {
namespace {

using test::ExecWith;
using test::ShowActive;

class PrintOptionsDialogTest : public ::testing::Test {
protected:
  void SetUp() override {
    TPrinters& printers = TPrinters::Instance();
    auto fake = std::make_unique<TFakePrinter>();
    fake->SetName(QStringLiteral("Classroom Laser"));
    fake_ = &printers.Install(std::move(fake), /*select=*/false);
    dialog_.Prepare();
    // Copies are a real printer's ("Save as PDF" may be the selected one).
    Choose(*fake_);
  }
  void TearDown() override { TPrinters::Instance().Uninstall(fake_); }

  // Leaves the copies field the way a user does: Tab to the next control.
  void TypeCopies(const QString& keys) {
    dialog_.txtCopies->setFocus(Qt::OtherFocusReason);
    dialog_.txtCopies->selectAll();
    QTest::keyClicks(dialog_.txtCopies, keys);
    QTest::keyClick(dialog_.txtCopies, Qt::Key_Tab);
  }
  void Scroll(QAbstractSlider::SliderAction action) { dialog_.scrlCopies->triggerAction(action); }
  void Choose(const TPrinterDevice& printer) {
    const int index = TPrinters::Instance().IndexOf(&printer);
    dialog_.cmbPrinters->setCurrentIndex(index);
    emit dialog_.cmbPrinters->activated(index);
  }

  TPrinterDevice* fake_ = nullptr;
  TOKRightDlg dialog_;
};

TEST_F(PrintOptionsDialogTest, HasItsCaptionSizeAndControlsWhereTheyBelong) {
  EXPECT_EQ(dialog_.windowTitle(), QStringLiteral("Print Options"));
  EXPECT_EQ(dialog_.size(), QSize(534, 262));  // a row taller for the versions
  EXPECT_EQ(dialog_.cmbPrinters->geometry(), QRect(155, 23, 358, 24));
  EXPECT_EQ(dialog_.txtCopies->geometry(), QRect(155, 53, 46, 22));
  EXPECT_EQ(dialog_.scrlCopies->geometry(), QRect(207, 53, 22, 22));
  EXPECT_EQ(dialog_.BitBtn1->geometry(), QRect(278, 203, 115, 41));
  EXPECT_EQ(dialog_.BitBtn2->geometry(), QRect(411, 203, 115, 41));
  EXPECT_EQ(dialog_.lfLabel1->text(), QStringLiteral("Select printer to use:"));
  EXPECT_EQ(dialog_.lfLabel2->text(), QStringLiteral("Number of copies:"));
  EXPECT_EQ(dialog_.chkTeachersKey->text(), QStringLiteral("  Print answer key after quiz"));
  EXPECT_TRUE(dialog_.BitBtn1->isDefault());
  EXPECT_EQ(dialog_.scrlCopies->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(dialog_.txtCopies->KeystrokesAllowed(), aPosIntegersOnly);
  EXPECT_TRUE(dialog_.txtCopies->HighlightOnEntry());
  // The labels' texts fit.
  for (QLabel* label : {static_cast<QLabel*>(dialog_.lfLabel1), static_cast<QLabel*>(dialog_.lfLabel2),
                        static_cast<QLabel*>(dialog_.lblVersions), static_cast<QLabel*>(dialog_.lblVersionsNote)}) {
    EXPECT_LE(label->sizeHint().width(), label->width()) << label->text().toStdString();
  }
}

TEST_F(PrintOptionsDialogTest, PrepareListsThePrintersWithTheCurrentOneAndStartsAfresh) {
  const TPrinters& printers = TPrinters::Instance();
  dialog_.Prepare();
  EXPECT_EQ(dialog_.cmbPrinters->count(), printers.Count());
  EXPECT_EQ(dialog_.cmbPrinters->currentIndex(), printers.PrinterIndex());
  EXPECT_EQ(dialog_.PrinterIndex(), printers.PrinterIndex());
  EXPECT_EQ(dialog_.PrinterName(), printers.Current().Name());
  EXPECT_EQ(dialog_.Copies(), 1);
  EXPECT_EQ(dialog_.txtCopies->text(), QStringLiteral("1"));
  EXPECT_EQ(dialog_.scrlCopies->value(), 100);
  EXPECT_FALSE(dialog_.PrintKey());

  dialog_.SetCopies(5);
  dialog_.chkTeachersKey->click();
  EXPECT_TRUE(dialog_.PrintKey());
  dialog_.Prepare();
  EXPECT_EQ(dialog_.Copies(), 1);
  EXPECT_FALSE(dialog_.PrintKey());
  EXPECT_FALSE(dialog_.chkTeachersKey->isChecked());
}

TEST_F(PrintOptionsDialogTest, ChoosingAPrinterTakesItsIndexAndName) {
  const int index = TPrinters::Instance().IndexOf(fake_);
  ASSERT_GE(index, 0);
  ASSERT_TRUE(ShowActive(dialog_));
  dialog_.cmbPrinters->setFocus();
  dialog_.cmbPrinters->setCurrentIndex(0);
  while (dialog_.cmbPrinters->currentIndex() < index) QTest::keyClick(dialog_.cmbPrinters, Qt::Key_Down);
  EXPECT_EQ(dialog_.PrinterIndex(), index);
  EXPECT_EQ(dialog_.PrinterName(), QStringLiteral("Classroom Laser"));
  // Choosing changes no selection of the program's printers.
  EXPECT_NE(TPrinters::Instance().PrinterIndex(), index);
}

TEST_F(PrintOptionsDialogTest, SetCopiesKeepsZeroTurnsNegativesIntoOneAndMovesTheBar) {
  dialog_.SetCopies(0);
  EXPECT_EQ(dialog_.Copies(), 0);
  EXPECT_EQ(dialog_.txtCopies->text(), QStringLiteral("0"));
  EXPECT_EQ(dialog_.scrlCopies->value(), 100);
  dialog_.SetCopies(-7);
  EXPECT_EQ(dialog_.Copies(), 1);
  EXPECT_EQ(dialog_.txtCopies->text(), QStringLiteral("1"));
  dialog_.SetCopies(40);
  EXPECT_EQ(dialog_.scrlCopies->value(), 61);
  dialog_.SetCopies(250);
  EXPECT_EQ(dialog_.txtCopies->text(), QStringLiteral("250"));
  EXPECT_EQ(dialog_.scrlCopies->value(), 1);
  dialog_.SetCopies(2147483647);
  EXPECT_EQ(dialog_.scrlCopies->value(), 1);
}

TEST_F(PrintOptionsDialogTest, TheScrollBarCountsUpwardsBetweenOneAndAHundred) {
  Scroll(QAbstractSlider::SliderSingleStepSub);  // the up arrow
  EXPECT_EQ(dialog_.Copies(), 2);
  EXPECT_EQ(dialog_.txtCopies->text(), QStringLiteral("2"));
  Scroll(QAbstractSlider::SliderSingleStepAdd);
  Scroll(QAbstractSlider::SliderSingleStepAdd);  // already at the bottom
  EXPECT_EQ(dialog_.Copies(), 1);
  Scroll(QAbstractSlider::SliderToMinimum);  // the top
  EXPECT_EQ(dialog_.Copies(), 100);
  EXPECT_EQ(dialog_.txtCopies->text(), QStringLiteral("100"));

  // Above a hundred the bar sits at its top; the up arrow still gives 100.
  dialog_.SetCopies(250);
  Scroll(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(dialog_.Copies(), 100);
  dialog_.SetCopies(0);
  Scroll(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(dialog_.Copies(), 1);
}

TEST_F(PrintOptionsDialogTest, ATypedCountIsTakenWhenTheFieldIsLeftWithoutAnUpperLimit) {
  ASSERT_TRUE(ShowActive(dialog_));
  TypeCopies(QStringLiteral("250"));
  EXPECT_EQ(dialog_.Copies(), 250);
  EXPECT_EQ(dialog_.scrlCopies->value(), 1);
  TypeCopies(QStringLiteral("0"));
  EXPECT_EQ(dialog_.Copies(), 0);
  TypeCopies(QStringLiteral("007"));
  EXPECT_EQ(dialog_.Copies(), 7);
  EXPECT_EQ(dialog_.txtCopies->text(), QStringLiteral("7"));
  // An emptied field counts one copy.
  dialog_.txtCopies->setFocus(Qt::OtherFocusReason);
  dialog_.txtCopies->selectAll();
  QTest::keyClick(dialog_.txtCopies, Qt::Key_Delete);
  QTest::keyClick(dialog_.txtCopies, Qt::Key_Tab);
  EXPECT_EQ(dialog_.Copies(), 1);
  EXPECT_EQ(dialog_.txtCopies->text(), QStringLiteral("1"));
  EXPECT_FALSE(dialog_.lblCopiesRefused->isVisible());
}

TEST_F(PrintOptionsDialogTest, ACountTooLargeForANumberKeepsThePreviousOneAndSaysSo) {
  ASSERT_TRUE(ShowActive(dialog_));
  TypeCopies(QStringLiteral("12"));
  TypeCopies(QStringLiteral("99999999999"));
  EXPECT_EQ(dialog_.Copies(), 12);
  EXPECT_EQ(dialog_.txtCopies->text(), QStringLiteral("12"));
  EXPECT_TRUE(dialog_.lblCopiesRefused->isVisible());
  EXPECT_TRUE(dialog_.lblCopiesRefused->text().contains(QStringLiteral("99999999999")));

  // The first OK leaves the dialog open so that the message is read; the
  // next one closes it with the count shown.
  QTest::mouseClick(dialog_.BitBtn1, Qt::LeftButton);
  EXPECT_TRUE(dialog_.isVisible());
  QTest::mouseClick(dialog_.BitBtn1, Qt::LeftButton);
  EXPECT_FALSE(dialog_.isVisible());
  EXPECT_EQ(dialog_.result(), QDialog::Accepted);
  EXPECT_EQ(dialog_.Copies(), 12);
}

TEST_F(PrintOptionsDialogTest, OkTakesACountStillBeingTyped) {
  const int result = ExecWith(dialog_, [&] {
    dialog_.txtCopies->setFocus(Qt::OtherFocusReason);
    dialog_.txtCopies->selectAll();
    QTest::keyClicks(dialog_.txtCopies, QStringLiteral("3"));
    dialog_.BitBtn1->click();  // the program's click takes no focus
  });
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_EQ(dialog_.Copies(), 3);
}

TEST_F(PrintOptionsDialogTest, EscapeAndCancelCloseWithCancel) {
  EXPECT_EQ(ExecWith(dialog_, [&] { QTest::keyClick(&dialog_, Qt::Key_Escape); }), QDialog::Rejected);
  EXPECT_EQ(ExecWith(dialog_,
                     [&] {
                       dialog_.BitBtn2->setFocus();
                       QTest::keyClick(dialog_.BitBtn2, Qt::Key_Return);
                     }),
            QDialog::Rejected);
  // Prepared again, Enter means OK whichever button had the focus last.
  dialog_.Prepare();
  EXPECT_EQ(ExecWith(dialog_,
                     [&] {
                       EXPECT_EQ(QApplication::focusWidget(), dialog_.cmbPrinters);
                       QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                     }),
            QDialog::Accepted);
}

// "Save as PDF" writes one file, so it takes no copies: they are disabled
// with a note, and the paper is asked for instead; another printer brings
// the count back.
TEST_F(PrintOptionsDialogTest, SaveAsPdfTakesThePaperInsteadOfCopies) {
  dialog_.SetCopies(3);
  const struct {
    const TPrinterDevice* printer;
    bool pdf;
    int copies;
  } cases[] = {{&TPrinters::Instance().Pdf(), true, 1}, {fake_, false, 3}, {&TPrinters::Instance().Pdf(), true, 1}};
  for (const auto& c : cases) {
    Choose(*c.printer);
    EXPECT_EQ(dialog_.PdfChosen(), c.pdf);
    EXPECT_EQ(dialog_.txtCopies->isEnabled(), !c.pdf);
    EXPECT_EQ(dialog_.scrlCopies->isEnabled(), !c.pdf);
    EXPECT_EQ(dialog_.lblPdfCopies->isHidden(), !c.pdf);
    EXPECT_EQ(dialog_.cmbPaper->isHidden(), !c.pdf);
    EXPECT_EQ(dialog_.Copies(), c.copies);
    EXPECT_EQ(dialog_.txtCopies->text(), QString::number(c.copies));
  }
}

// The first paper follows the desktop's locale; the one confirmed with OK
// is kept in the settings file and shown from then on, whatever the locale.
TEST_F(PrintOptionsDialogTest, ThePdfPaperFollowsTheLocaleUntilChosenAndIsRemembered) {
  const QLocale before;
  test::TempFolder folder;
  TPgmSettings settings(folder.Path().string());
  dialog_.SetSettings(&settings);
  const struct {
    const char* locale;
    TPaper paper;
  } cases[] = {{"en_US", TPaper::Letter}, {"de_DE", TPaper::A4}, {"fr_CA", TPaper::Letter}};
  for (const auto& c : cases) {
    QLocale::setDefault(QLocale(QString::fromLatin1(c.locale)));
    dialog_.Prepare();
    EXPECT_EQ(dialog_.PdfPaper(), c.paper) << c.locale;
  }
  EXPECT_EQ(ExecWith(dialog_,
                     [&] {
                       Choose(TPrinters::Instance().Pdf());
                       dialog_.cmbPaper->setCurrentIndex(1);
                       dialog_.BitBtn1->click();
                     }),
            QDialog::Accepted);
  EXPECT_EQ(settings.ReadString(kPrintSection, kPdfPaperKey, ""), "A4");
  QLocale::setDefault(QLocale(QStringLiteral("en_US")));
  dialog_.Prepare();
  EXPECT_EQ(dialog_.PdfPaper(), TPaper::A4);
  QLocale::setDefault(before);
  dialog_.SetSettings(nullptr);
}

}  // namespace
}  // namespace sumcraft
