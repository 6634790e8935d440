#include "dialogs/AboutBox.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "widgets/DialogParts.h"
#include "widgets/ProgramIcons.h"
#include "widgets/ProgramVersion.h"
#include "widgets/UiFonts.h"

namespace sumcraft {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About"));
  setFont(DialogFont());
  setFixedSize(427, 346);

  Panel1 = new QFrame(this);
  Panel1->setFrameShape(QFrame::StyledPanel);
  Panel1->setFrameShadow(QFrame::Sunken);
  Panel1->setGeometry(8, 8, 411, 273);

  ProgramIcon = MakePictureLabel(this, ProgramPixmap(), 28, 28);

  ProductName = new TlfLabel(QStringLiteral("Sumcraft"), this);
  ProductName->setFont(ArialFont(24, true));
  ProductName->move(96, 30);
  ProductName->adjustSize();

  lblVersionCaption = new TlfLabel(QStringLiteral("Version:"), this);
  lblVersionCaption->move(96, 68);
  lblVersionCaption->adjustSize();
  Version = new TlfLabel(FileVersionText(), this);
  Version->move(lblVersionCaption->geometry().right() + 7, 68);
  Version->adjustSize();
  Version->setTextInteractionFlags(Qt::TextSelectableByMouse);

  Comments = new TlfLabel(QStringLiteral("Printable mathematics worksheets for teachers: add sets of questions of "
                                         "eleven kinds, print as many copies as the class needs, and an answer key."),
                          this);
  Comments->setWordWrap(true);
  Comments->setGeometry(28, 116, 371, Comments->heightForWidth(371));

  Credits = new TlfLabel(QStringLiteral("The fonts that come with it: Liberation Sans and Liberation Mono (GNU GPL "
                                        "version 2 with the font exception) and Wine's Tahoma (GNU LGPL version "
                                        "2.1 or later)."),
                         this);
  Credits->setWordWrap(true);
  Credits->setGeometry(28, Comments->geometry().bottom() + 16, 371, Credits->heightForWidth(371));

  OKButton = MakeDialogButton(this, QStringLiteral("Ok"), QStyle::SP_DialogOkButton, QRect(156, 293, 115, 41));
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CenterOnScreen(this);
}

}  // namespace sumcraft
