#include "app/DefaultFiles.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace sumcraft {

namespace {

const QString kResourceFolder = QStringLiteral(":/default-files");

QString InstallOne(const QString& name, const QString& folder) {
  const QString target = QDir(folder).filePath(name);
  if (QFileInfo::exists(target) || QFileInfo(target).isSymLink()) return {};

  QFile source(kResourceFolder + QLatin1Char('/') + name);
  if (!source.open(QIODevice::ReadOnly)) return QStringLiteral("Unable to read the default %1").arg(name);
  const QByteArray contents = source.readAll();

  QTemporaryFile temporary(QDir(folder).filePath(QStringLiteral(".%1.XXXXXX").arg(name)));
  if (!temporary.open() || temporary.write(contents) != contents.size() || !temporary.flush() ||
      ::fsync(temporary.handle()) != 0)
    return QStringLiteral("Unable to write to %1").arg(target);
  temporary.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                           QFileDevice::ReadOther);
  // Renaming never replaces a file that appeared in the meantime.
  if (!temporary.rename(target)) {
    if (QFileInfo::exists(target)) return {};
    return QStringLiteral("Unable to write to %1").arg(target);
  }
  temporary.setAutoRemove(false);
  return {};
}

}  // namespace

QStringList DefaultFileNames() { return QDir(kResourceFolder).entryList(QDir::Files, QDir::Name); }

QStringList InstallDefaultFiles(const QString& dataFolder) {
  QStringList problems;
  for (const QString& name : DefaultFileNames()) {
    const QString problem = InstallOne(name, dataFolder);
    if (!problem.isEmpty()) problems << problem;
  }
  return problems;
}

}  // namespace sumcraft
