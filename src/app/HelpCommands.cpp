// The Help menu: the help topics, the update page and the About box.
#include <QUrl>

#include "app/HelpWindow.h"
#include "app/MainWindow.h"
#include "app/UserPrompts.h"
#include "dialogs/AboutBox.h"
#include "widgets/ProgramVersion.h"
#include "widgets/WebAddresses.h"

namespace sumcraft {

QString TMainWindow::UpdatePageAddress() {
  return QString::fromLatin1(kUpdatePageBase) + ShortVersionText() + QStringLiteral(".html");
}

void TMainWindow::ShowHelpTopic(const QString& topic) {
  Guarded(TFailedAction::Other, [&] { help_->ShowTopic(topic); });
}

void TMainWindow::CheckForUpdatesCommand() {
  Guarded(TFailedAction::Other, [&] { prompts_->OpenUrl(QUrl(UpdatePageAddress())); });
}

void TMainWindow::AboutCommand() {
  Guarded(TFailedAction::Other, [&] { prompts_->Exec(*aboutBox_); });
}

}  // namespace sumcraft
