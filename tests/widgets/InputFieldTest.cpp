#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFont>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "WidgetTestSupport.h"
#include "widgets/QtPrinters.h"
#include "widgets/lfInputField.h"

namespace sumcraft {
namespace {

using test::ShowActive;

// A dialog with two fields and a default button, as the program's dialogs
// have them; `field` comes first in the tab order.
class InputFieldTest : public ::testing::Test {
protected:
  void SetUp() override {
    dialog_.resize(300, 120);
    field_ = new TlfInputField(&dialog_);
    field_->setGeometry(10, 10, 200, 24);
    other_ = new TlfInputField(&dialog_);
    other_->setGeometry(10, 44, 200, 24);
    okButton_ = new QPushButton(QStringLiteral("OK"), &dialog_);
    okButton_->setGeometry(10, 80, 80, 30);
    okButton_->setDefault(true);
    QObject::connect(okButton_, &QPushButton::clicked, &dialog_, &QDialog::accept);
    ASSERT_TRUE(ShowActive(dialog_));
    field_->setFocus(Qt::OtherFocusReason);
  }

  void Type(const QString& keys) { QTest::keyClicks(field_, keys); }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(field_, key, modifiers);
  }
  void Start(KeysAllowed mode, const QString& text, int caret) {
    field_->SetKeystrokesAllowed(mode);
    field_->setText(text);
    field_->setCursorPosition(caret);
  }

  QDialog dialog_;
  TlfInputField* field_ = nullptr;
  TlfInputField* other_ = nullptr;
  QPushButton* okButton_ = nullptr;
};

TEST_F(InputFieldTest, PositiveIntegersTakeDigitsOnlyAndBackspaceStillEmptiesTheField) {
  field_->SetKeystrokesAllowed(aPosIntegersOnly);
  Type(QStringLiteral("1a2-3."));
  EXPECT_EQ(field_->text(), QStringLiteral("123"));
  Key(Qt::Key_Backspace);
  EXPECT_EQ(field_->text(), QStringLiteral("12"));
  Key(Qt::Key_Backspace);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(field_->text(), QString());
  Type(QStringLiteral(" 7 "));
  EXPECT_EQ(field_->text(), QStringLiteral("7"));
}

TEST_F(InputFieldTest, AMinusIsTakenOnlyWithTheCaretAtTheStart) {
  field_->SetKeystrokesAllowed(aAnyInteger);
  Type(QStringLiteral("-5"));
  EXPECT_EQ(field_->text(), QStringLiteral("-5"));
  Type(QStringLiteral("-"));
  EXPECT_EQ(field_->text(), QStringLiteral("-5"));

  Start(aAnyInteger, QStringLiteral("5"), 1);
  Type(QStringLiteral("-"));
  EXPECT_EQ(field_->text(), QStringLiteral("5"));
  Key(Qt::Key_Home);
  Type(QStringLiteral("-"));
  EXPECT_EQ(field_->text(), QStringLiteral("-5"));
  // A second minus at the start is the field's business no more than the first.
  Key(Qt::Key_Home);
  Type(QStringLiteral("-"));
  EXPECT_EQ(field_->text(), QStringLiteral("--5"));
}

TEST_F(InputFieldTest, ASecondPointIsRefusedUnlessTheSelectionCoversTheFirst) {
  Start(aPosRealOnly, QStringLiteral("1.5"), 3);
  Type(QStringLiteral("."));
  EXPECT_EQ(field_->text(), QStringLiteral("1.5"));
  Type(QStringLiteral("-"));
  EXPECT_EQ(field_->text(), QStringLiteral("1.5"));

  field_->setSelection(2, 1);  // "5"
  Type(QStringLiteral("."));
  EXPECT_EQ(field_->text(), QStringLiteral("1.5"));

  field_->setSelection(1, 2);  // ".5"
  Type(QStringLiteral("."));
  EXPECT_EQ(field_->text(), QStringLiteral("1."));
  Type(QStringLiteral("25"));
  EXPECT_EQ(field_->text(), QStringLiteral("1.25"));
}

TEST_F(InputFieldTest, MoneyRefusesADigitBehindFourPlacesButNotBehindThree) {
  Start(aAnyMoney, QStringLiteral("12.3456"), 7);
  Type(QStringLiteral("7"));
  EXPECT_EQ(field_->text(), QStringLiteral("12.3456"));
  // Before the point and directly after it a digit always goes in.
  field_->setCursorPosition(0);
  Type(QStringLiteral("9"));
  field_->setCursorPosition(4);
  Type(QStringLiteral("0"));
  EXPECT_EQ(field_->text(), QStringLiteral("912.03456"));

  Start(aAnyMoney, QStringLiteral("12.345"), 6);
  Type(QStringLiteral("6"));
  EXPECT_EQ(field_->text(), QStringLiteral("12.3456"));
  field_->setCursorPosition(0);
  Type(QStringLiteral("-"));
  EXPECT_EQ(field_->text(), QStringLiteral("-12.3456"));

  Start(aPosMoneyOnly, QString(), 0);
  Type(QStringLiteral("-3.50a"));
  EXPECT_EQ(field_->text(), QStringLiteral("3.50"));
}

TEST_F(InputFieldTest, LettersNumbersAndFileNamesFilterTheirCharacters) {
  field_->SetKeystrokesAllowed(aLettersAndNumbers);
  Type(QStringLiteral("Ab 1_z-9"));
  EXPECT_EQ(field_->text(), QStringLiteral("Ab1z9"));

  Start(aValidFilenameOnly, QString(), 0);
  Type(QStringLiteral("a\"b*c/d:e<f>g?h\\i|j k.qiz"));
  EXPECT_EQ(field_->text(), QStringLiteral("abcdefghij k.qiz"));
}

TEST_F(InputFieldTest, EnterNeitherChangesTheTextNorReachesTheDialog) {
  field_->setText(QStringLiteral("ab"));
  QSignalSpy accepted(&dialog_, &QDialog::accepted);
  Key(Qt::Key_Return);
  Key(Qt::Key_Enter);
  EXPECT_EQ(field_->text(), QStringLiteral("ab"));
  EXPECT_EQ(accepted.count(), 0);
  EXPECT_TRUE(dialog_.isVisible());
  // Outside a field the default button still answers Enter.
  okButton_->setFocus();
  QTest::keyClick(okButton_, Qt::Key_Return);
  EXPECT_EQ(accepted.count(), 1);
}

TEST_F(InputFieldTest, EnterToWindowLetsTheDefaultButtonAnswer) {
  field_->SetEnterToWindow(true);
  field_->setText(QStringLiteral("ab"));
  QSignalSpy accepted(&dialog_, &QDialog::accepted);
  Key(Qt::Key_Return);
  EXPECT_EQ(field_->text(), QStringLiteral("ab"));
  EXPECT_EQ(accepted.count(), 1);
}

// A quiz file holds Windows-1252; anything else would print as "?".
TEST_F(InputFieldTest, CharactersOutsideTheQuizFilesCodePageAreRefused) {
  const struct {
    QString In, Kept;
  } cases[] = {
      {QStringLiteral("caf\u00E9 \u20AC5 \u201Cok\u201D"), QStringLiteral("caf\u00E9 \u20AC5 \u201Cok\u201D")},
      {QStringLiteral("a\u0105b\u4E2Dc"), QStringLiteral("abc")},
      {QStringLiteral("x") + QString::fromUcs4(U"\U0001F600") + QStringLiteral("y"), QStringLiteral("xy")},
  };
  for (const auto& c : cases) {
    Start(aAnyKey, QString(), 0);
    // One key event per character, as a keyboard layout sends them.
    for (char32_t ch : c.In.toUcs4()) {
      QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUcs4(&ch, 1));
      QApplication::sendEvent(field_, &key);
    }
    EXPECT_EQ(field_->text(), c.Kept) << "typed " << c.In.toStdString();
    Start(aAnyKey, QString(), 0);
    QGuiApplication::clipboard()->setText(c.In);
    field_->Paste();
    EXPECT_EQ(field_->text(), c.Kept) << "pasted " << c.In.toStdString();
  }
}

TEST_F(InputFieldTest, EscapeInAFieldReachesTheDialog) {
  QSignalSpy rejected(&dialog_, &QDialog::rejected);
  Key(Qt::Key_Escape);
  EXPECT_EQ(rejected.count(), 1);
}

TEST_F(InputFieldTest, TabAndClickSelectTheWholeTextWithHighlightOnEntry) {
  other_->SetHighlightOnEntry(true);
  other_->setText(QStringLiteral("hello"));
  QTest::keyClick(field_, Qt::Key_Tab);
  ASSERT_TRUE(other_->hasFocus());
  EXPECT_EQ(other_->selectedText(), QStringLiteral("hello"));

  field_->setFocus(Qt::OtherFocusReason);
  QTest::mouseClick(other_, Qt::LeftButton, Qt::NoModifier, QPoint(20, 12));
  ASSERT_TRUE(other_->hasFocus());
  EXPECT_EQ(other_->selectedText(), QStringLiteral("hello"));

  // A second click in the focused field only places the caret.
  QTest::mouseClick(other_, Qt::LeftButton, Qt::NoModifier, QPoint(20, 12));
  EXPECT_FALSE(other_->hasSelectedText());
}

TEST_F(InputFieldTest, AClickWithoutHighlightOnEntryOnlyPlacesTheCaret) {
  other_->setText(QStringLiteral("hello"));
  QTest::mouseClick(other_, Qt::LeftButton, Qt::NoModifier, QPoint(20, 12));
  ASSERT_TRUE(other_->hasFocus());
  EXPECT_FALSE(other_->hasSelectedText());
}

TEST_F(InputFieldTest, AutoSelectOffKeepsTabFromSelecting) {
  other_->setText(QStringLiteral("hello"));
  other_->SetAutoSelect(false);
  QTest::keyClick(field_, Qt::Key_Tab);
  ASSERT_TRUE(other_->hasFocus());
  EXPECT_FALSE(other_->hasSelectedText());
  EXPECT_EQ(other_->cursorPosition(), 5);
}

TEST_F(InputFieldTest, EnterAndExitAreReportedForMovesBetweenControlsOnly) {
  QSignalSpy entered(other_, &TlfInputField::Entered);
  QSignalSpy exited(other_, &TlfInputField::Exited);
  QTest::keyClick(field_, Qt::Key_Tab);
  EXPECT_EQ(entered.count(), 1);
  // The window losing and regaining activation is no exit.
  QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
  QApplication::sendEvent(other_, &out);
  QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
  QApplication::sendEvent(other_, &in);
  EXPECT_EQ(exited.count(), 0);
  EXPECT_EQ(entered.count(), 1);
  QTest::keyClick(other_, Qt::Key_Tab);
  EXPECT_EQ(exited.count(), 1);
}

TEST_F(InputFieldTest, TrimTextDropsBlanksOnExitBeforeTheExitHandlerRuns) {
  field_->SetTrimText(true);
  QString seenOnExit;
  QObject::connect(field_, &TlfInputField::Exited, field_, [&] { seenOnExit = field_->text(); });
  Type(QStringLiteral("  ab  "));
  QTest::keyClick(field_, Qt::Key_Tab);
  EXPECT_EQ(field_->text(), QStringLiteral("ab"));
  EXPECT_EQ(seenOnExit, QStringLiteral("ab"));

  other_->setText(QStringLiteral("  ab  "));
  QTest::keyClick(other_, Qt::Key_Tab);
  EXPECT_EQ(other_->text(), QStringLiteral("  ab  "));
}

TEST_F(InputFieldTest, TrimTextAlsoDropsControlCharacters) {
  field_->SetTrimText(true);
  field_->setText(QStringLiteral("\t x y \x01"));
  QTest::keyClick(field_, Qt::Key_Tab);
  EXPECT_EQ(field_->text(), QStringLiteral("x y"));
}

TEST_F(InputFieldTest, FormatStringReformatsANumberOnExitAndLeavesOtherText) {
  field_->SetFormatString(QStringLiteral("%.2f"));
  Type(QStringLiteral(" 3.14159"));
  QTest::keyClick(field_, Qt::Key_Tab);
  EXPECT_EQ(field_->text(), QStringLiteral("3.14"));

  field_->setFocus(Qt::OtherFocusReason);
  field_->setText(QStringLiteral("abc"));
  QTest::keyClick(field_, Qt::Key_Tab);
  EXPECT_EQ(field_->text(), QStringLiteral("abc"));

  EXPECT_THROW(field_->SetFormatString(QStringLiteral("%s")), std::invalid_argument);
  EXPECT_EQ(field_->FormatString(), QStringLiteral("%.2f"));
}

TEST_F(InputFieldTest, APasteOfTwoLinesKeepsTheFirst) {
  field_->setText(QStringLiteral("<>"));
  field_->setCursorPosition(1);
  QGuiApplication::clipboard()->setText(QStringLiteral("first line\r\nsecond line"));
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(field_->text(), QStringLiteral("<first line>"));

  QGuiApplication::clipboard()->setText(QStringLiteral("one\ntwo"));
  field_->selectAll();
  Key(Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(field_->text(), QStringLiteral("one"));
}

TEST_F(InputFieldTest, TextSetWithALineBreakIsCutBeforeItIsReported) {
  QStringList reported;
  QObject::connect(field_, &TlfInputField::Changed, field_, [&] { reported << field_->text(); });
  field_->setText(QStringLiteral("top\nbottom"));
  EXPECT_EQ(field_->text(), QStringLiteral("top"));
  EXPECT_EQ(reported, QStringList{QStringLiteral("top")});
}

TEST_F(InputFieldTest, APasteMeetsTheFilterAndTheMaximumLength) {
  Start(aPosIntegersOnly, QStringLiteral("7"), 1);
  QGuiApplication::clipboard()->setText(QStringLiteral("1,2a3\n45"));
  field_->Paste();
  EXPECT_EQ(field_->text(), QStringLiteral("7123"));

  Start(aAnyKey, QString(), 0);
  field_->SetMaxLength(5);
  QGuiApplication::clipboard()->setText(QStringLiteral("abcdefgh"));
  field_->Paste();
  EXPECT_EQ(field_->text(), QStringLiteral("abcde"));
  Type(QStringLiteral("x"));
  EXPECT_EQ(field_->text(), QStringLiteral("abcde"));
  field_->setSelection(0, 2);
  Type(QStringLiteral("XYZ"));
  EXPECT_EQ(field_->text(), QStringLiteral("XYcde"));
}

TEST_F(InputFieldTest, TheProgramMaySetALongerTextThanTheUserMayType) {
  field_->SetMaxLength(3);
  field_->setText(QStringLiteral("abcdef"));
  EXPECT_EQ(field_->text(), QStringLiteral("abcdef"));
  field_->end(false);
  Type(QStringLiteral("g"));
  EXPECT_EQ(field_->text(), QStringLiteral("abcdef"));
}

TEST_F(InputFieldTest, CharCaseConvertsTypedPastedAndSetText) {
  field_->SetCharCase(TlfInputField::ecUpperCase);
  Type(QStringLiteral("ab"));
  QGuiApplication::clipboard()->setText(QStringLiteral("cd"));
  field_->Paste();
  EXPECT_EQ(field_->text(), QStringLiteral("ABCD"));
  field_->setText(QStringLiteral("xYz"));
  EXPECT_EQ(field_->text(), QStringLiteral("XYZ"));
  field_->SetCharCase(TlfInputField::ecLowerCase);
  EXPECT_EQ(field_->text(), QStringLiteral("xyz"));
}

TEST_F(InputFieldTest, HeightIsCappedAtTwiceTheFontsPixelSize) {
  QFont font = field_->font();
  font.setPixelSize(19);
  field_->setFont(font);
  field_->setGeometry(10, 10, 200, 50);
  EXPECT_EQ(field_->height(), 38);
  field_->resize(200, 30);
  EXPECT_EQ(field_->height(), 30);
}

TEST_F(InputFieldTest, AutoSizeFitsTheHeightToANewFont) {
  QFont font = field_->font();
  font.setPixelSize(30);
  field_->setFont(font);
  const int big = field_->height();
  font.setPixelSize(12);
  field_->setFont(font);
  EXPECT_LT(field_->height(), big);
  EXPECT_LE(field_->height(), 24);

  field_->SetAutoSize(false);
  field_->resize(200, 20);
  font.setPixelSize(11);
  field_->setFont(font);
  EXPECT_EQ(field_->height(), 20);
}

TEST_F(InputFieldTest, AKeptSelectionSurvivesLeavingTheField) {
  field_->SetHideSelection(false);
  field_->setText(QStringLiteral("keep me"));
  field_->setSelection(0, 4);
  QTest::keyClick(field_, Qt::Key_Tab);
  ASSERT_FALSE(field_->hasFocus());
  EXPECT_EQ(field_->selectedText(), QStringLiteral("keep"));

  other_->setText(QStringLiteral("drop me"));
  other_->setFocus(Qt::OtherFocusReason);
  other_->setSelection(0, 4);
  QTest::keyClick(other_, Qt::Key_Tab);
  EXPECT_FALSE(other_->hasSelectedText());
}

TEST_F(InputFieldTest, PasswordCharMasksTheText) {
  field_->setText(QStringLiteral("secret"));
  field_->SetPasswordChar(QChar(u'#'));
  EXPECT_EQ(field_->displayText(), QStringLiteral("######"));
  EXPECT_EQ(field_->text(), QStringLiteral("secret"));
  field_->SetPasswordChar(QChar());
  EXPECT_EQ(field_->displayText(), QStringLiteral("secret"));
}

TEST_F(InputFieldTest, TheContextMenusPasteKeepsTheRulesToo) {
  field_->SetKeystrokesAllowed(aPosIntegersOnly);
  QGuiApplication::clipboard()->setText(QStringLiteral("4x5\n6"));
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), field_->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(field_, &event);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  QAction* paste = nullptr;
  for (QAction* action : menu->actions()) {
    if (action->text().startsWith(QLineEdit::tr("&Paste"))) paste = action;
  }
  ASSERT_NE(paste, nullptr);
  paste->trigger();
  menu->close();
  EXPECT_EQ(field_->text(), QStringLiteral("45"));
}

TEST_F(InputFieldTest, ComposedTextIsFilteredLikeTypedText) {
  field_->SetKeystrokesAllowed(aAnyInteger);
  QInputMethodEvent compose;
  compose.setCommitString(QStringLiteral("-1a2-"));
  QApplication::sendEvent(field_, &compose);
  EXPECT_EQ(field_->text(), QStringLiteral("-12"));
}

}  // namespace
}  // namespace sumcraft
