#pragma once
// Pieces the small dialogs share: their fonts and buttons, and placing a
// window in the middle of the screen.
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QStyle>

class QLabel;
class QPixmap;

namespace sumcraft {

// The three windows of the question-add wizard share one size, so that
// going from step to step does not make the window jump.
inline constexpr int kWizardWidth = 819;
inline constexpr int kWizardHeight = 492;

// The dialogs' own font: the "Tahoma" stand-in at 13 pixels.
QFont DialogFont();
// Headings inside a dialog: the "Arial" stand-in, bold, 14 pixels (the
// "Tahoma" stand-in's bold face is hardly bolder than its regular one).
QFont HeadingFont();

// A push button with a picture from the style, at a fixed place.
QPushButton* MakeDialogButton(QWidget* parent, const QString& text, QStyle::StandardPixmap picture,
                              const QRect& geometry);

// A picture in a label of its own size at (x, y).
QLabel* MakePictureLabel(QWidget* parent, const QPixmap& picture, int x, int y);

// Moves a top-level window to the middle of the screen it is on (the
// primary screen when it is on none yet).
void CenterOnScreen(QWidget* window);

}  // namespace sumcraft
