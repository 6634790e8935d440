#include "dialogs/PrinterRequiredDialog.h"

#include <QLabel>
#include <QPushButton>

#include "widgets/DialogParts.h"
#include "widgets/ProgramIcons.h"
#include "widgets/UiFonts.h"

namespace sumcraft {

namespace {

TlfLabel* MakeLine(QWidget* parent, const QString& text, int x, int y, const QFont& font) {
  auto* label = new TlfLabel(text, parent);
  label->setFont(font);
  label->move(x, y);
  label->adjustSize();
  return label;
}

}  // namespace

TPrinterRequiredDialog::TPrinterRequiredDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Default Printer Required"));
  setFont(DialogFont());
  setFixedSize(500, 287);

  Image1 = MakePictureLabel(this, PrinterWarningPixmap(), 24, 24);
  const QFont text = ArialFont(16);
  lfLabel1 = MakeLine(this, QStringLiteral("Sumcraft requires a default printer."), 96, 40, ArialFont(16, true));
  lfLabel2 = MakeLine(this, QStringLiteral("Your system does not appear to have a default printer defined, "), 24, 93,
                      text);
  lfLabel3 = MakeLine(this, QStringLiteral("so Sumcraft is going to shut down."), 24, 118, text);
  lfLabel4 = MakeLine(this, QStringLiteral("To correct this problem, install at least one Windows printer,"), 24, 165,
                      text);
  lfLabel5 = MakeLine(this, QStringLiteral("and select it as the default printer."), 24, 190, text);

  BitBtn1 = MakeDialogButton(this, QStringLiteral("  OK"), QStyle::SP_DialogOkButton, QRect(366, 232, 115, 41));
  BitBtn1->setDefault(true);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

void TPrinterRequiredDialog::reject() { accept(); }

void TPrinterRequiredDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CenterOnScreen(this);
}

}  // namespace sumcraft
