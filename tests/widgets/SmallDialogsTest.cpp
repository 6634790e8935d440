#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QEnterEvent>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>

#include "WidgetTestSupport.h"
#include "dialogs/AboutBox.h"
#include "dialogs/ConfirmDeleteDialog.h"
#include "dialogs/OldSavedQuizDialog.h"
#include "dialogs/PrinterRequiredDialog.h"
#include "dialogs/PromptForSaveDialog.h"
#include "widgets/ProgramVersion.h"
#include "widgets/QtPrinters.h"
#include "widgets/WebAddresses.h"

namespace sumcraft {
namespace {

using test::ExecWith;

void PressKey(QDialog& dialog, Qt::Key key) {
  QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &dialog;
  QTest::keyClick(target, key);
}

TEST(PromptForSaveTest, AnswersYesNoOrCancel) {
  TPromptForSave prompt;
  EXPECT_EQ(prompt.windowTitle(), QStringLiteral("Save first?"));
  EXPECT_EQ(prompt.lfLabel1->text(), QStringLiteral("The current quiz has been changed."));
  EXPECT_EQ(prompt.lfLabel2->text(), QStringLiteral("Do you want to save it before you continue?"));
  EXPECT_EQ(prompt.cmdYes->text(), QStringLiteral("  Yes"));
  EXPECT_EQ(prompt.cmdNo->text(), QStringLiteral("    No"));
  EXPECT_EQ(prompt.cmdCancel->text(), QStringLiteral(" Cancel"));
  EXPECT_TRUE(prompt.cmdYes->isDefault());

  EXPECT_EQ(ExecWith(prompt, [&] { prompt.cmdYes->click(); }), TPromptForSave::Yes);
  EXPECT_EQ(ExecWith(prompt, [&] { prompt.cmdNo->click(); }), TPromptForSave::No);
  EXPECT_EQ(ExecWith(prompt, [&] { prompt.cmdCancel->click(); }), TPromptForSave::Cancel);
  EXPECT_EQ(ExecWith(prompt, [&] { PressKey(prompt, Qt::Key_Escape); }), TPromptForSave::Cancel);
  EXPECT_EQ(ExecWith(prompt, [&] { prompt.close(); }), TPromptForSave::Cancel);
  // Enter means the default answer, also after the last use left the focus
  // on another button.
  EXPECT_EQ(ExecWith(prompt,
                     [&] {
                       prompt.cmdNo->setFocus();
                       PressKey(prompt, Qt::Key_Space);
                     }),
            TPromptForSave::No);
  EXPECT_EQ(ExecWith(prompt, [&] { PressKey(prompt, Qt::Key_Return); }), TPromptForSave::Yes);
}

TEST(PromptForSaveTest, TheDialogIsLargeEnoughForItsTextsAndButtons) {
  TPromptForSave prompt;
  const QRect inside = prompt.rect();
  for (QWidget* child : prompt.findChildren<QWidget*>()) {
    EXPECT_TRUE(inside.contains(child->geometry())) << child->metaObject()->className();
  }
  EXPECT_LE(prompt.lfLabel2->sizeHint().width(), prompt.lfLabel2->width());
  EXPECT_FALSE(prompt.cmdYes->geometry().intersects(prompt.cmdNo->geometry()));
  EXPECT_FALSE(prompt.cmdNo->geometry().intersects(prompt.cmdCancel->geometry()));
  EXPECT_EQ(prompt.minimumSize(), prompt.maximumSize());
}

TEST(ConfirmDeleteFormTest, YesConfirmsAndNoOrEscapeDoNot) {
  TConfirmDeleteForm confirm;
  EXPECT_EQ(confirm.windowTitle(), QStringLiteral("Confirm question set delete"));
  EXPECT_EQ(confirm.lfLabel1->text(), QStringLiteral("Are you sure you want to delete the selected question set?"));
  EXPECT_EQ(confirm.lfLabel2->text(), QStringLiteral("(You can always click 'Undo' to reverse the deletion)"));
  EXPECT_EQ(confirm.cmdYes->text(), QStringLiteral("  Yes"));
  EXPECT_EQ(confirm.cmdNo->text(), QStringLiteral("    No"));

  EXPECT_EQ(ExecWith(confirm, [&] { confirm.cmdYes->click(); }), QDialog::Accepted);
  EXPECT_EQ(ExecWith(confirm, [&] { confirm.cmdNo->click(); }), QDialog::Rejected);
  EXPECT_EQ(ExecWith(confirm, [&] { PressKey(confirm, Qt::Key_Escape); }), QDialog::Rejected);
}

// Catches the addresses handed to the browser.
class UrlCatcher : public QObject {
  Q_OBJECT
public:
  QList<QUrl> Opened;
public slots:
  void Open(const QUrl& url) { Opened << url; }
};

TEST(OldSavedQuizTest, ShowsItsTextsAndALinkThatOpensTheSamplesPage) {
  TOldSavedQuiz dialog;
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Unable to open quiz file"));
  EXPECT_EQ(dialog.lfLabel1->text(),
            QStringLiteral("The quiz you've tried to open was created in a version of Sumcraft older than 2.0.   "));
  EXPECT_TRUE(dialog.lfLabel2->text().startsWith(QStringLiteral("Quiz files created in versions before 2.0 are no "
                                                                "longer supported.  If you'd like")));
  EXPECT_TRUE(dialog.lfLabel2->text().endsWith(QStringLiteral("please visit this site:")));
  EXPECT_EQ(dialog.lblSamplesLink->text(), QString::fromLatin1(kSampleQuizzesAddress));
  EXPECT_EQ(dialog.cmdExit->text(), QStringLiteral("  Exit"));

  UrlCatcher catcher;
  QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "Open");
  TLinkLabel* link = dialog.lblSamplesLink;
  EXPECT_EQ(link->palette().color(QPalette::WindowText), TLinkLabel::LinkColor());
  QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
  QApplication::sendEvent(link, &enter);
  EXPECT_EQ(link->palette().color(QPalette::WindowText), TLinkLabel::HoverColor());
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(link, &leave);
  EXPECT_EQ(link->palette().color(QPalette::WindowText), TLinkLabel::LinkColor());

  dialog.show();
  QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, QPoint(5, link->height() / 2));
  QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
  ASSERT_EQ(catcher.Opened.size(), 1);
  EXPECT_EQ(catcher.Opened.front(), QUrl(QString::fromLatin1(kSampleQuizzesAddress)));
  EXPECT_TRUE(dialog.isVisible());  // the link does not close the dialog
  dialog.hide();

  EXPECT_EQ(ExecWith(dialog, [&] { PressKey(dialog, Qt::Key_Escape); }), QDialog::Rejected);
  EXPECT_EQ(ExecWith(dialog, [&] { dialog.cmdExit->click(); }), QDialog::Rejected);
}

TEST(PrinterRequiredDialogTest, KeepsItsTextsAndPlacesAndEndsWithOkEvenOnEscape) {
  TPrinterRequiredDialog dialog;
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Default Printer Required"));
  EXPECT_EQ(dialog.size(), QSize(500, 287));
  EXPECT_EQ(dialog.Image1->geometry(), QRect(24, 24, 48, 48));
  EXPECT_EQ(dialog.lfLabel1->pos(), QPoint(96, 40));
  EXPECT_EQ(dialog.lfLabel1->text(), QStringLiteral("Sumcraft requires a default printer."));
  EXPECT_TRUE(dialog.lfLabel1->font().bold());
  EXPECT_EQ(dialog.lfLabel2->pos(), QPoint(24, 93));
  EXPECT_EQ(dialog.lfLabel2->text(),
            QStringLiteral("Your system does not appear to have a default printer defined, "));
  EXPECT_EQ(dialog.lfLabel3->pos(), QPoint(24, 118));
  EXPECT_EQ(dialog.lfLabel3->text(), QStringLiteral("so Sumcraft is going to shut down."));
  EXPECT_EQ(dialog.lfLabel4->pos(), QPoint(24, 165));
  EXPECT_EQ(dialog.lfLabel4->text(), QStringLiteral("To correct this problem, install at least one Windows printer,"));
  EXPECT_EQ(dialog.lfLabel5->pos(), QPoint(24, 190));
  EXPECT_EQ(dialog.lfLabel5->text(), QStringLiteral("and select it as the default printer."));
  EXPECT_EQ(dialog.BitBtn1->geometry(), QRect(366, 232, 115, 41));
  EXPECT_EQ(dialog.BitBtn1->text(), QStringLiteral("  OK"));
  EXPECT_TRUE(dialog.BitBtn1->isDefault());
  for (TlfLabel* label : {dialog.lfLabel1, dialog.lfLabel2, dialog.lfLabel3, dialog.lfLabel4, dialog.lfLabel5}) {
    EXPECT_LE(label->geometry().right(), dialog.width()) << label->text().toStdString();
  }

  EXPECT_EQ(ExecWith(dialog, [&] { PressKey(dialog, Qt::Key_Escape); }), QDialog::Accepted);
  EXPECT_EQ(ExecWith(dialog, [&] { dialog.BitBtn1->click(); }), QDialog::Accepted);
}

TEST(AboutBoxTest, ShowsTheProjectVersionInFourParts) {
  TAboutBox about;
  EXPECT_EQ(about.windowTitle(), QStringLiteral("About"));
  EXPECT_EQ(about.size(), QSize(427, 346));
  EXPECT_EQ(about.ProductName->text(), QStringLiteral("Sumcraft"));
  EXPECT_EQ(about.lblVersionCaption->text(), QStringLiteral("Version:"));
  EXPECT_EQ(about.Version->text(), QStringLiteral(SUMCRAFT_PROJECT_VERSION));
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+\\.\\d+$")).match(about.Version->text()).hasMatch());
  EXPECT_TRUE(about.Version->text().startsWith(ShortVersionText() + u'.'));
  EXPECT_EQ(about.ProgramIcon->size(), QSize(48, 48));
  EXPECT_FALSE(about.ProgramIcon->pixmap().isNull());
  EXPECT_EQ(about.OKButton->text(), QStringLiteral("Ok"));
  EXPECT_TRUE(about.OKButton->isDefault());
  EXPECT_EQ(ExecWith(about, [&] { about.OKButton->click(); }), QDialog::Accepted);
}

}  // namespace
}  // namespace sumcraft

#include "SmallDialogsTest.moc"
