#include "widgets/lfInputField.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFontInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QStyleFactory>
#include <stdexcept>

#include "render/CodePage1252.h"
#include "widgets/FieldText.h"

namespace sumcraft {

namespace {

// The focus moving between the controls of a window, as opposed to the
// window being deactivated or a popup opening and closing over it.
bool IsFocusMove(Qt::FocusReason reason) {
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
         reason != Qt::MenuBarFocusReason;
}

bool IsKeyboardEntry(Qt::FocusReason reason) {
  return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
}

// A key event whose text a line edit would insert.
bool InsertsText(const QKeyEvent& event) {
  const QString text = event.text();
  if (text.isEmpty()) return false;
  // A character beyond the 16-bit range comes as a surrogate pair.
  const char32_t first = text.size() > 1 && text.at(0).isHighSurrogate() && text.at(1).isLowSurrogate()
                             ? QChar::surrogateToUcs4(text.at(0), text.at(1))
                             : text.at(0).unicode();
  if (!QChar::isPrint(first)) return false;
  return !(event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
}

// Masks a field's text with a character of the program's choice.
class TPasswordCharStyle : public QProxyStyle {
public:
  explicit TPasswordCharStyle(QChar ch)
      : QProxyStyle(QStyleFactory::create(QApplication::style()->name())), ch_(ch) {}

  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_LineEdit_PasswordCharacter) return ch_.unicode();
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }

private:
  QChar ch_;
};

}  // namespace

TlfInputField::TlfInputField(QWidget* parent) : QLineEdit(parent) {
  // Text comes in by typing and pasting only, where the filter sees it.
  setAcceptDrops(false);
  connect(this, &QLineEdit::textChanged, this, &TlfInputField::OnTextChanged);
  FontChanged();
}

TlfInputField::~TlfInputField() = default;

void TlfInputField::SetAutoSize(bool on) {
  autoSize_ = on;
  FontChanged();
}

void TlfInputField::SetCharCase(TCharCase charCase) {
  charCase_ = charCase;
  const QString cased = WithCharCase(text());
  if (cased != text()) setText(cased);
}

void TlfInputField::SetPasswordChar(QChar ch) {
  if (ch == passwordChar_) return;
  passwordChar_ = ch;
  if (passwordStyle_ != nullptr) {
    setStyle(nullptr);
    delete passwordStyle_;
    passwordStyle_ = nullptr;
  }
  if (ch.isNull()) {
    setEchoMode(Normal);
    return;
  }
  passwordStyle_ = new TPasswordCharStyle(ch);
  passwordStyle_->setParent(this);
  setStyle(passwordStyle_);
  setEchoMode(Password);
}

void TlfInputField::SetFormatString(const QString& format) {
  if (!format.isEmpty() && !IsFloatFormat(format)) {
    throw std::invalid_argument("Not a format for one floating-point number: " + format.toStdString());
  }
  formatString_ = format;
}

void TlfInputField::Paste(QClipboard::Mode mode) {
  if (isReadOnly()) return;
  const QString clip = QGuiApplication::clipboard()->text(mode);
  if (clip.isEmpty()) {
    if (hasSelectedText()) del();
    return;
  }
  const QString insertion = Insertion(FirstLine(clip));
  if (!insertion.isEmpty()) insert(insertion);
}

QString TlfInputField::WithCharCase(const QString& text) const {
  switch (charCase_) {
    case ecUpperCase:
      return text.toUpper();
    case ecLowerCase:
      return text.toLower();
    case ecNormal:
      break;
  }
  return text;
}

QString TlfInputField::Insertion(const QString& typed) const {
  const int selLength = hasSelectedText() ? selectionLength() : 0;
  const int selStart = selLength > 0 ? selectionStart() : cursorPosition();
  QString result = keys_ == aAnyKey ? typed : AcceptedInsertion(keys_, text(), selStart, selLength, typed);
  result.removeIf([](QChar ch) { return !InCodePage1252(ch); });
  result = WithCharCase(result);
  if (maxLength_ > 0) {
    const qsizetype room = maxLength_ - (text().size() - selLength);
    result = room > 0 ? result.left(room) : QString();
  }
  return result;
}

void TlfInputField::OnTextChanged(const QString& text) {
  const QString allowed = WithCharCase(FirstLine(text));
  if (allowed != text) {
    setText(allowed);  // reported in its turn
    return;
  }
  emit Changed();
}

void TlfInputField::focusInEvent(QFocusEvent* event) {
  const bool hadSelection = hasSelectedText();
  QLineEdit::focusInEvent(event);
  if (!IsFocusMove(event->reason())) return;
  if (IsKeyboardEntry(event->reason()) && !autoSelect_ && !hadSelection && hasSelectedText()) {
    end(false);
  }
  emit Entered();
  // The handler may have sent the focus on.
  if (highlightOnEntry_ && hasFocus()) {
    selectAll();
    // The click that brought the focus goes on to place the caret, which
    // drops the selection: select again when the button is released.
    selectOnClick_ = event->reason() == Qt::MouseFocusReason;
  }
}

void TlfInputField::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection() &&
      rect().contains(event->position().toPoint())) {
    // Pasting the selection goes through the same rules as Ctrl+V.
    selectOnClick_ = false;
    Paste(QClipboard::Selection);
    event->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
  if (selectOnClick_ && event->button() == Qt::LeftButton && !hasSelectedText()) selectAll();
  selectOnClick_ = false;
}

void TlfInputField::focusOutEvent(QFocusEvent* event) {
  selectOnClick_ = false;
  if (!IsFocusMove(event->reason())) {
    QLineEdit::focusOutEvent(event);
    return;
  }
  ApplyExitRules();
  const int selLength = hasSelectedText() ? selectionLength() : 0;
  const int selStart = selectionStart();
  const bool caretAtStart = cursorPosition() == selStart;
  QLineEdit::focusOutEvent(event);
  if (!hideSelection_ && selLength > 0) {
    if (caretAtStart) {
      setSelection(selStart + selLength, -selLength);
    } else {
      setSelection(selStart, selLength);
    }
  }
  emit Exited();
}

void TlfInputField::ApplyExitRules() {
  QString result = text();
  if (trimText_) result = TrimBlanks(result);
  if (!formatString_.isEmpty()) {
    if (const auto value = ParseDecimal(result)) result = FormatFloat(formatString_, *value);
  }
  if (result != text()) setText(result);
}

void TlfInputField::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->setAccepted(!enterToWindow_);
    return;
  }
  if (event->matches(QKeySequence::Paste)) {
    Paste();
    event->accept();
    return;
  }
  if (!isReadOnly() && InsertsText(*event)) {
    const QString insertion = Insertion(event->text());
    if (insertion.isEmpty()) {
      event->accept();  // refused: neither the field nor the dialog sees it
      return;
    }
    if (insertion != event->text()) {
      QKeyEvent changed(event->type(), event->key(), event->modifiers(), insertion, event->isAutoRepeat(),
                        static_cast<quint16>(event->count()));
      QLineEdit::keyPressEvent(&changed);
      event->setAccepted(changed.isAccepted());
      return;
    }
  }
  QLineEdit::keyPressEvent(event);
}

void TlfInputField::inputMethodEvent(QInputMethodEvent* event) {
  const QString commit = event->commitString();
  if (commit.isEmpty() || isReadOnly()) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  const QString insertion = Insertion(FirstLine(commit));
  if (insertion == commit) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  QInputMethodEvent changed(event->preeditString(), event->attributes());
  changed.setCommitString(insertion, event->replacementStart(), event->replacementLength());
  QLineEdit::inputMethodEvent(&changed);
  event->setAccepted(changed.isAccepted());
}

void TlfInputField::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  // The line edit's own Paste entry would bypass the rules. Newer Qt names
  // it "edit-paste"; older Qt only gives it its (translated) text.
  const QString pasteText = QLineEdit::tr("&Paste");
  for (QAction* action : menu->actions()) {
    if (action->objectName() == QLatin1String("edit-paste") ||
        (action->objectName().isEmpty() && action->text().startsWith(pasteText))) {
      disconnect(action, &QAction::triggered, nullptr, nullptr);
      connect(action, &QAction::triggered, this, [this] { Paste(); });
    }
  }
  menu->popup(event->globalPos());
}

void TlfInputField::changeEvent(QEvent* event) {
  QLineEdit::changeEvent(event);
  if (event->type() == QEvent::FontChange) FontChanged();
}

void TlfInputField::FontChanged() {
  setMaximumHeight(2 * QFontInfo(font()).pixelSize());
  if (autoSize_) resize(width(), sizeHint().height());
}

}  // namespace sumcraft
