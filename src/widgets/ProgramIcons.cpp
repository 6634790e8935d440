#include "widgets/ProgramIcons.h"

#include <QString>

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitWidgetResourcesOnce() { Q_INIT_RESOURCE(widget_resources); }

namespace sumcraft {

namespace {

QPixmap ShippedPixmap(const char* name) {
  static const bool registered = [] {
    InitWidgetResourcesOnce();
    return true;
  }();
  (void)registered;
  return QPixmap(QStringLiteral(":/sumcraft/icons/") + QLatin1String(name));
}

}  // namespace

QPixmap ProgramPixmap() { return ShippedPixmap("sumcraft-48.png"); }
QIcon ProgramIcon() { return QIcon(ProgramPixmap()); }
QPixmap PrinterWarningPixmap() { return ShippedPixmap("printer-warning-48.png"); }
QPixmap QuestionPixmap() { return ShippedPixmap("question-48.png"); }
QPixmap WarningPixmap() { return ShippedPixmap("warning-48.png"); }

}  // namespace sumcraft
