#include "widgets/KeystrokeFilter.h"

namespace sumcraft {

namespace {

constexpr char16_t kBackspace = 8;
constexpr char16_t kTab = 9;

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsAsciiLetter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }

bool MinusAccepted(int selStart) { return selStart == 0; }

bool PointAccepted(const QString& text, int selStart, int selLength) {
  if (!text.contains(u'.')) return true;
  return text.mid(selStart, selLength).contains(u'.');
}

// A money amount keeps its digits close to the point: behind the first
// place after the point, a digit is refused once four characters follow it.
bool MoneyDigitAccepted(const QString& text, int selStart) {
  const qsizetype point = text.indexOf(u'.');
  if (point < 0) return true;
  const bool pastFirstPlace = selStart > point + 1;
  const bool fourAfterPoint = text.size() - (point + 1) >= 4;
  return !(pastFirstPlace && fourAfterPoint);
}

bool ForbiddenInFileName(char16_t c) {
  switch (c) {
    case u'"': case u'*': case u'/': case u':': case u'<':
    case u'>': case u'?': case u'\\': case u'|':
      return true;
    default:
      return false;
  }
}

}  // namespace

bool KeyAccepted(KeysAllowed mode, const QString& text, int selStart, int selLength, QChar ch) {
  const char16_t c = ch.unicode();
  if (c == kBackspace || c == kTab) return true;
  switch (mode) {
    case aAnyKey:
      return true;
    case aPosIntegersOnly:
      return IsDigit(c);
    case aAnyInteger:
      return IsDigit(c) || (c == u'-' && MinusAccepted(selStart));
    case aPosRealOnly:
      return IsDigit(c) || (c == u'.' && PointAccepted(text, selStart, selLength));
    case aAnyReal:
      return IsDigit(c) || (c == u'.' && PointAccepted(text, selStart, selLength)) ||
             (c == u'-' && MinusAccepted(selStart));
    case aPosMoneyOnly:
    case aAnyMoney:
      if (IsDigit(c)) return MoneyDigitAccepted(text, selStart);
      if (c == u'.') return PointAccepted(text, selStart, selLength);
      return mode == aAnyMoney && c == u'-' && MinusAccepted(selStart);
    case aLettersAndNumbers:
      return IsDigit(c) || IsAsciiLetter(c);
    case aValidFilenameOnly:
      return !ForbiddenInFileName(c);
  }
  return false;
}

QString AcceptedInsertion(KeysAllowed mode, const QString& text, int selStart, int selLength,
                          const QString& typed) {
  QString accepted;
  QString current = text;
  int caret = selStart;
  int selection = selLength;
  // Backspace and Tab pass the filter as editing keys; inserted as text
  // they would only spoil a number or a name.
  const bool editingKeysAreText = mode == aAnyKey || mode == aValidFilenameOnly;
  for (const QChar ch : typed) {
    if (!editingKeysAreText && (ch.unicode() == kBackspace || ch.unicode() == kTab)) continue;
    if (!KeyAccepted(mode, current, caret, selection, ch)) continue;
    current.replace(caret, selection, ch);
    ++caret;
    selection = 0;
    accepted.append(ch);
  }
  return accepted;
}

}  // namespace sumcraft
