#pragma once
// TlfInputField: the program's one-line text field.
//
// A QLineEdit (for its alignment) with what every dialog of the program
// expects of its fields:
//  - typed characters are filtered by KeystrokesAllowed; pasted and composed
//    text meets the same rules, character by character;
//  - the text never holds more than one line: a paste keeps the first line
//    of the clipboard, and any other line break cuts the text there;
//  - Enter does nothing: it neither starts a line nor reaches the dialog, so
//    no default button fires while a field still has to be left (and its
//    Exited handler run). With EnterToWindow, for fields whose window reads
//    them itself when its default button is pressed, Enter goes on to the
//    window instead;
//  - characters a quiz file cannot hold (outside Windows-1252) are refused
//    like any other filtered key, so they never turn into "?" on paper;
//  - on entry (Tab, Backtab, a shortcut or a click) Entered is emitted and,
//    with HighlightOnEntry, the whole text selected;
//  - on exit TrimText and FormatString are applied, then Exited is emitted,
//    so the handler sees the final text.
// Entry and exit are moves of the focus between the controls of a window:
// the window losing or regaining activation, or a popup menu, is neither.
//
// MaxLength limits what the user can type or paste; text set by the program
// is kept whole (a title longer than the limit, read from a file, is not cut
// by showing it).
//
// The height of the field is capped at twice its font's pixel size; with
// AutoSize (on by default) it follows the font's natural field height when
// the font changes. Give a field its font before its geometry when the
// geometry is to stand.
#include <QClipboard>
#include <QLineEdit>
#include <QString>

#include "widgets/KeystrokeFilter.h"

class QProxyStyle;

namespace sumcraft {

class TlfInputField : public QLineEdit {
  Q_OBJECT

public:
  enum TCharCase { ecNormal, ecUpperCase, ecLowerCase };

  explicit TlfInputField(QWidget* parent = nullptr);
  ~TlfInputField() override;

  // Tab into the field selects its text (as any line edit does). Off: the
  // caret is put at the end instead.
  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool on) { autoSelect_ = on; }

  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool on);

  // Typed, pasted and program-set text is converted to the case.
  TCharCase CharCase() const { return charCase_; }
  void SetCharCase(TCharCase charCase);

  // A null QChar shows the text; any other character masks it.
  QChar PasswordChar() const { return passwordChar_; }
  void SetPasswordChar(QChar ch);

  // 0: no limit of the field's own.
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int length) { maxLength_ = length < 0 ? 0 : length; }

  const QString& TagText() const { return tagText_; }
  void SetTagText(const QString& text) { tagText_ = text; }

  // Empty, or a format for one double (IsFloatFormat, FieldText.h); throws
  // std::invalid_argument for anything else. On exit a text that parses as
  // a decimal number is replaced by the formatted number; any other text is
  // left as it is.
  const QString& FormatString() const { return formatString_; }
  void SetFormatString(const QString& format);

  bool HighlightOnEntry() const { return highlightOnEntry_; }
  void SetHighlightOnEntry(bool on) { highlightOnEntry_ = on; }

  KeysAllowed KeystrokesAllowed() const { return keys_; }
  void SetKeystrokesAllowed(KeysAllowed keys) { keys_ = keys; }

  bool TrimText() const { return trimText_; }
  void SetTrimText(bool on) { trimText_ = on; }

  // On (the default) the selection goes when the field is left; off, it
  // stays and stays visible.
  bool EnterToWindow() const { return enterToWindow_; }
  void SetEnterToWindow(bool on) { enterToWindow_ = on; }

  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool on) { hideSelection_ = on; }

  // What Ctrl+V, Shift+Insert, the context menu and (from the selection) a
  // middle click do: insert the first line of the clipboard's text, as far
  // as the filter and MaxLength let it in. Nothing when read-only.
  void Paste(QClipboard::Mode mode = QClipboard::Clipboard);

signals:
  // The focus came to the field from elsewhere in the window.
  void Entered();
  // The focus left for another control of the window; the text is final.
  void Exited();
  // The text changed, by the user or the program; never reported while it
  // holds a line break.
  void Changed();

protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void changeEvent(QEvent* event) override;

private:
  void OnTextChanged(const QString& text);
  QString WithCharCase(const QString& text) const;
  // The part of `typed` that may replace the selection (or go in at the
  // caret): filtered, case-converted and cut to the room MaxLength leaves.
  QString Insertion(const QString& typed) const;
  void ApplyExitRules();
  void FontChanged();

  bool autoSelect_ = true;
  bool autoSize_ = true;
  TCharCase charCase_ = ecNormal;
  QChar passwordChar_;
  QProxyStyle* passwordStyle_ = nullptr;
  int maxLength_ = 0;
  QString tagText_;
  QString formatString_;
  bool highlightOnEntry_ = false;
  KeysAllowed keys_ = aAnyKey;
  bool trimText_ = false;
  bool hideSelection_ = true;
  bool enterToWindow_ = false;
  bool selectOnClick_ = false;  // focus came by a click: select all on release
};

}  // namespace sumcraft
