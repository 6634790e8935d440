#include "app/UserPrompts.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace sumcraft {

namespace {

QString RunFileDialog(QWidget* parent, const TFileDialogSpec& spec, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, spec.Title, spec.Folder, spec.Filter);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(spec.DefaultSuffix);
  dialog.setOption(QFileDialog::ReadOnly, false);
  dialog.setSizeGripEnabled(true);
  if (!spec.FileName.isEmpty()) dialog.selectFile(spec.FileName);
  if (dialog.exec() != QDialog::Accepted) return {};
  const QStringList chosen = dialog.selectedFiles();
  return chosen.isEmpty() ? QString() : chosen.front();
}

}  // namespace

int TUserPrompts::Exec(QDialog& dialog) { return dialog.exec(); }

QString TUserPrompts::OpenFileName(QWidget* parent, const TFileDialogSpec& spec) {
  return RunFileDialog(parent, spec, QFileDialog::AcceptOpen);
}

QString TUserPrompts::SaveFileName(QWidget* parent, const TFileDialogSpec& spec) {
  return RunFileDialog(parent, spec, QFileDialog::AcceptSave);
}

void TUserPrompts::Message(QWidget* parent, TMessageKind kind, const QString& title, const QString& text) {
  switch (kind) {
    case TMessageKind::Information:
      QMessageBox::information(parent, title, text);
      break;
    case TMessageKind::Warning:
      QMessageBox::warning(parent, title, text);
      break;
    case TMessageKind::Error:
      QMessageBox::critical(parent, title, text);
      break;
  }
}

void TUserPrompts::OpenUrl(const QUrl& address) { QDesktopServices::openUrl(address); }

}  // namespace sumcraft
