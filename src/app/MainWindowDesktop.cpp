// What a desktop program is expected to do beyond its commands: Open Recent,
// a quiz file dropped on the window, and the window's size and place kept
// between runs. Both lists live in the settings file.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "app/MainWindow.h"
#include "settings/PgmSettings.h"

namespace sumcraft {

namespace {

constexpr const char* kRecentSection = "RecentFiles";
constexpr const char* kRecentKey = "Files";
constexpr const char* kWindowSection = "MainWindow";
constexpr const char* kGeometryKey = "Geometry";
constexpr char kRecentSeparator = '|';

// One value holds the whole list, so that remembering a file writes the
// settings file once. Each path is percent-encoded where it could break the
// list or the line ("|", "%", line breaks, non-ASCII bytes); "/" and
// blanks stay readable.
std::string RecentText(const QStringList& files) {
  QByteArrayList parts;
  for (const QString& file : files) parts << QUrl::toPercentEncoding(file, "/ ");
  return parts.join(kRecentSeparator).toStdString();
}

QStringList RecentList(const std::string& text) {
  QStringList files;
  for (const QByteArray& part : QByteArray::fromStdString(text).split(kRecentSeparator)) {
    const QString file = QUrl::fromPercentEncoding(part);
    if (!file.isEmpty() && !files.contains(file)) files << file;
  }
  return files;
}

// The one local .qiz file among what is dragged; empty if there is none or
// more than one.
QString DroppedQuizFile(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) return {};
  const QUrl url = data->urls().first();
  if (!url.isLocalFile()) return {};
  const QString path = url.toLocalFile();
  return QFileInfo(path).suffix().compare(QStringLiteral("qiz"), Qt::CaseInsensitive) == 0 ? path : QString();
}

}  // namespace

// ---------------------------------------------------------------------------
// Open Recent

void TMainWindow::CreateRecentMenu(QMenu* quizMenu) {
  mnuOpenRecent = quizMenu->addMenu(QStringLiteral("Open &Recent"));
  if (settings_) recentFiles_ = RecentList(settings_->ReadString(kRecentSection, kRecentKey, ""));
  while (recentFiles_.size() > kRecentFileCount) recentFiles_.removeLast();
  ShowRecentFiles();
  setAcceptDrops(true);
}

void TMainWindow::ShowRecentFiles() {
  mnuOpenRecent->clear();
  for (int i = 0; i < recentFiles_.size(); ++i) {
    const QString& file = recentFiles_[i];
    // "&1" to "&9", then "1&0": each entry has its key.
    const QString number = i < 9 ? QStringLiteral("&%1").arg(i + 1) : QStringLiteral("1&0");
    QString shown = QDir::toNativeSeparators(file);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    QAction* action = mnuOpenRecent->addAction(QStringLiteral("%1 %2").arg(number, shown));
    connect(action, &QAction::triggered, this, [this, file] { OpenRecentFile(file); });
  }
  mnuOpenRecent->setEnabled(!recentFiles_.isEmpty());
}

void TMainWindow::RememberRecentFile(const QString& path) {
  const QString file = QFileInfo(path).absoluteFilePath();
  QStringList files = recentFiles_;
  files.removeAll(file);
  files.prepend(file);
  while (files.size() > kRecentFileCount) files.removeLast();
  if (files == recentFiles_) return;
  recentFiles_ = files;
  ShowRecentFiles();
  if (!settings_) return;
  try {
    settings_->WriteString(kRecentSection, kRecentKey, RecentText(recentFiles_));
  } catch (const SettingsWriteError&) {
    // The list is a convenience: this run keeps it in memory, and the quiz
    // the user works on is not at stake.
  }
}

void TMainWindow::OpenRecentFile(const QString& path) {
  Guarded(TFailedAction::OpenQuiz, [&] {
    if (!AskToSave()) return;
    if (OpenQuizFile(path) || QFileInfo::exists(path)) return;
    // A file that is gone leaves the list once the user has been told.
    recentFiles_.removeAll(path);
    ShowRecentFiles();
    if (settings_) {
      try {
        settings_->WriteString(kRecentSection, kRecentKey, RecentText(recentFiles_));
      } catch (const SettingsWriteError&) {
      }
    }
  });
}

// ---------------------------------------------------------------------------
// Dropped files

void TMainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedQuizFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
  else event->ignore();
}

void TMainWindow::dropEvent(QDropEvent* event) {
  const QString path = DroppedQuizFile(event->mimeData());
  if (path.isEmpty()) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  Guarded(TFailedAction::OpenQuiz, [&] {
    if (AskToSave()) OpenQuizFile(path);
  });
}

// ---------------------------------------------------------------------------
// The window's size and place

void TMainWindow::RestoreWindowPlace() {
  if (!settings_) return;
  const std::string saved = settings_->ReadString(kWindowSection, kGeometryKey, "");
  if (!saved.empty()) placeRestored_ = restoreGeometry(QByteArray::fromBase64(QByteArray::fromStdString(saved)));
}

void TMainWindow::RememberWindowPlace() {
  if (!settings_) return;
  try {
    settings_->WriteString(kWindowSection, kGeometryKey, saveGeometry().toBase64().toStdString());
  } catch (const SettingsWriteError&) {
    // The next run opens at the default size: nothing else is lost.
  }
}

}  // namespace sumcraft
