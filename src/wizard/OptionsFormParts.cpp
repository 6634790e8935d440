#include "wizard/OptionsFormParts.h"

#include <algorithm>

#include "render/Fonts.h"
#include "widgets/UiFonts.h"
#include "widgets/lfCheckbox.h"
#include "widgets/lfComboBox.h"
#include "widgets/lfInputField.h"
#include "widgets/lfLabel.h"
#include "widgets/lfRadioButton.h"

namespace sumcraft {

namespace {
constexpr int kFontPixels = 13;
}

QFont SizeListFont() {
  EnsureBundledFonts();
  QFont font(BundledFamilyFor("Courier New"));
  font.setPixelSize(kFontPixels);
  font.setBold(true);
  font.setStyleHint(QFont::Monospace);
  return font;
}

TlfLabel* MakeOptionsHeading(QWidget* parent, const QString& text, int x, int y) {
  auto* label = new TlfLabel(text, parent);
  label->setFont(TahomaFont(kFontPixels, true));
  label->move(x, y);
  label->adjustSize();
  return label;
}

TlfLabel* MakeOptionsLabel(QWidget* parent, const QString& text, int x, int y) {
  auto* label = new TlfLabel(text, parent);
  label->move(x, y);
  label->adjustSize();
  return label;
}

TlfInputField* MakeOptionsTextBox(QWidget* parent, const QRect& geometry, int maxLength) {
  auto* box = new TlfInputField(parent);
  box->setGeometry(geometry);
  box->SetMaxLength(maxLength);
  box->SetKeystrokesAllowed(aAnyKey);
  box->SetHighlightOnEntry(true);
  // The dialogs read their boxes on "Next", so Enter may go on to it.
  box->SetEnterToWindow(true);
  return box;
}

TlfCheckbox* MakeOptionsCheckbox(QWidget* parent, const QString& text, int x, int y) {
  auto* box = new TlfCheckbox(text, parent);
  box->move(x, y);
  box->adjustSize();
  return box;
}

TlfRadioButton* MakeOptionsRadio(QWidget* parent, const QString& text, int x, int y) {
  auto* radio = new TlfRadioButton(text, parent);
  radio->move(x, y);
  radio->adjustSize();
  return radio;
}

TlfComboBox* MakeSizeList(QWidget* parent, const QStringList& items, const QRect& geometry) {
  auto* list = new TlfComboBox(parent);
  list->setFont(SizeListFont());
  list->addItems(items);
  list->setGeometry(geometry);
  list->setCurrentIndex(0);
  return list;
}

int ShowListItem(TlfComboBox* list, int index) {
  const int shown = list->count() == 0 ? -1 : std::clamp(index, 0, list->count() - 1);
  list->setCurrentIndex(shown);
  return shown;
}

QStringList TermSizeItems(int first, int count) {
  static const char* const kItems[] = {"1  (      x)", "2  (     xx)", "3  (    xxx)",
                                       "4  (  x,xxx)", "5  ( xx,xxx)", "6  (xxx,xxx)"};
  QStringList items;
  for (int digits = first; digits < first + count && digits <= 6; ++digits)
    if (digits >= 1) items << QString::fromLatin1(kItems[digits - 1]);
  return items;
}

}  // namespace sumcraft
