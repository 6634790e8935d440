#include "app/DataFolders.h"

#include <QDir>
#include <QStandardPaths>

namespace sumcraft {

namespace {

QString SumcraftFolderIn(QStandardPaths::StandardLocation location) {
  const QString folder = QStandardPaths::writableLocation(location) + QStringLiteral("/Sumcraft/");
  // A folder that cannot be made shows later, when a file in it is written.
  QDir().mkpath(folder);
  return folder;
}

}  // namespace

QString DataFolder() { return SumcraftFolderIn(QStandardPaths::GenericDataLocation); }

QString QuizFolder() { return SumcraftFolderIn(QStandardPaths::DocumentsLocation); }

}  // namespace sumcraft
