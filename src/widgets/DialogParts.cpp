#include "widgets/DialogParts.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

#include "widgets/UiFonts.h"

namespace sumcraft {

namespace {
constexpr int kDialogFontPixels = 13;
}

QFont DialogFont() { return TahomaFont(kDialogFontPixels); }
QFont HeadingFont() { return ArialFont(14, true); }

QPushButton* MakeDialogButton(QWidget* parent, const QString& text, QStyle::StandardPixmap picture,
                              const QRect& geometry) {
  auto* button = new QPushButton(text, parent);
  button->setIcon(button->style()->standardIcon(picture, nullptr, button));
  button->setGeometry(geometry);
  return button;
}

QLabel* MakePictureLabel(QWidget* parent, const QPixmap& picture, int x, int y) {
  auto* label = new QLabel(parent);
  label->setPixmap(picture);
  label->setGeometry(x, y, picture.width(), picture.height());
  return label;
}

void CenterOnScreen(QWidget* window) {
  QScreen* screen = window->screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  QRect frame = window->frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window->move(frame.topLeft());
}

}  // namespace sumcraft
