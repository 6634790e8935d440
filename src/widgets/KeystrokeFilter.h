#pragma once
// Which typed characters an input field accepts. Kept apart from the widget
// so that the rules can be checked without a window.
#include <QChar>
#include <QString>

namespace sumcraft {

// The values 0 to 8 are fixed: dialogs may store them.
enum KeysAllowed : int {
  aAnyKey = 0,
  aPosIntegersOnly = 1,
  aAnyInteger = 2,
  aPosRealOnly = 3,
  aAnyReal = 4,
  aPosMoneyOnly = 5,
  aAnyMoney = 6,
  aLettersAndNumbers = 7,
  aValidFilenameOnly = 8,
};

// Whether the character `ch`, typed into a field holding `text` whose
// selection starts at `selStart` and is `selLength` long (the caret at
// selStart when nothing is selected), is accepted. The typed character
// replaces the selection.
//
// Backspace and Tab pass in every mode. "-" is accepted only with the caret
// at the start (selStart 0). A "." is refused when the text has one already
// and the selection does not cover it. In the money modes a digit is refused
// when it would stand behind the first place after the point while four or
// more characters already follow the point.
bool KeyAccepted(KeysAllowed mode, const QString& text, int selStart, int selLength, QChar ch);

// The characters of `typed` that the field accepts when they arrive one after
// the other, each going where the previous accepted one left the caret; the
// first accepted character replaces the selection. Used for pasted and
// composed text, so that it meets the same rules as typing.
QString AcceptedInsertion(KeysAllowed mode, const QString& text, int selStart, int selLength,
                          const QString& typed);

}  // namespace sumcraft
