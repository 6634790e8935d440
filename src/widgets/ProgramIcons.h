#pragma once
// The pictures the program ships (resources/icons), 48 by 48 pixels.
#include <QIcon>
#include <QPixmap>

namespace sumcraft {

QPixmap ProgramPixmap();         // the program's icon
QIcon ProgramIcon();             // the same, for window icons
QPixmap PrinterWarningPixmap();  // no printer installed
QPixmap QuestionPixmap();        // a yes/no question
QPixmap WarningPixmap();         // something went wrong

}  // namespace sumcraft
