#pragma once
// Everything the main window asks of the user or hands to the desktop goes
// through here: modal dialogs, file dialogs, messages, web addresses. The
// program uses this class as it is; tests derive from it and answer without
// a modal loop (a test's Exec can drive the dialog with QTest and return
// its result).
#include <QString>
#include <QUrl>

class QDialog;
class QWidget;

namespace sumcraft {

struct TFileDialogSpec {
  QString Title;
  QString Filter;         // e.g. "Quiz files (*.qiz)"
  QString DefaultSuffix;  // added when the typed name has none
  QString Folder;         // where the dialog starts
  QString FileName;       // suggested name (save dialogs)
};

enum class TMessageKind { Information, Warning, Error };

class TUserPrompts {
public:
  virtual ~TUserPrompts() = default;

  // Shows the dialog modally; answers its result code.
  virtual int Exec(QDialog& dialog);

  // The chosen file, or an empty text when the dialog was cancelled. The
  // save dialog asks before replacing an existing file.
  virtual QString OpenFileName(QWidget* parent, const TFileDialogSpec& spec);
  virtual QString SaveFileName(QWidget* parent, const TFileDialogSpec& spec);

  virtual void Message(QWidget* parent, TMessageKind kind, const QString& title, const QString& text);

  // Hands the address to the system's browser.
  virtual void OpenUrl(const QUrl& address);
};

}  // namespace sumcraft
