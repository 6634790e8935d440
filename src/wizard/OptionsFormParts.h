#pragma once
// Controls as the options dialogs place them: headings, labels, boxes,
// radio buttons and the term-size lists, whose items are shown in the bold
// fixed-pitch font ("Courier New" stand-in) so that their x columns line up.
#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>
#include <cstdint>

class QWidget;

namespace sumcraft {

class TlfCheckbox;
class TlfComboBox;
class TlfInputField;
class TlfLabel;
class TlfRadioButton;

// A list index or box value as the byte field of the options record it
// sets (the record keeps the low 8 bits).
inline std::uint8_t Byte(int value) { return static_cast<std::uint8_t>(value); }

// The size lists' font: the bundled mono face, bold.
QFont SizeListFont();

// A bold heading ("Size of terms:") at (x, y), sized to its text.
TlfLabel* MakeOptionsHeading(QWidget* parent, const QString& text, int x, int y);
// A plain label at (x, y), sized to its text.
TlfLabel* MakeOptionsLabel(QWidget* parent, const QString& text, int x, int y);
TlfCheckbox* MakeOptionsCheckbox(QWidget* parent, const QString& text, int x, int y);
TlfRadioButton* MakeOptionsRadio(QWidget* parent, const QString& text, int x, int y);
// A text box taking any key, at most maxLength characters, whose text is
// selected on entry.
TlfInputField* MakeOptionsTextBox(QWidget* parent, const QRect& geometry, int maxLength);
// A drop-down list of `items` in the size lists' font.
TlfComboBox* MakeSizeList(QWidget* parent, const QStringList& items, const QRect& geometry);

// Shows item `index` of a list, limited to the list's items; returns the
// index shown. Values out of range come only from hand-edited settings.
int ShowListItem(TlfComboBox* list, int index);

// The term-size items "1  (      x)" .. "6  (xxx,xxx)" (with thousands
// commas), `count` of them starting at `first` digits.
QStringList TermSizeItems(int first, int count);

}  // namespace sumcraft
