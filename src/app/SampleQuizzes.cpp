#include "app/SampleQuizzes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace sumcraft {

namespace {

const QString kResourceFolder = QStringLiteral(":/samples");

// Copies one sample; an existing file (or link) of that name stays as it is.
QString InstallOne(const QString& name, const QString& folder) {
  const QString target = QDir(folder).filePath(name);
  if (QFileInfo::exists(target) || QFileInfo(target).isSymLink()) return {};
  QFile source(kResourceFolder + QLatin1Char('/') + name);
  if (!source.open(QIODevice::ReadOnly)) return QStringLiteral("Unable to read the sample quiz %1").arg(name);
  const QByteArray contents = source.readAll();
  // Written aside and renamed, so a half-written sample never appears.
  QSaveFile out(target);
  if (!out.open(QIODevice::WriteOnly) || out.write(contents) != contents.size() || !out.commit())
    return QStringLiteral("Unable to write to %1").arg(target);
  return {};
}

}  // namespace

QStringList SampleQuizNames() {
  return QDir(kResourceFolder).entryList({QStringLiteral("*.qiz")}, QDir::Files, QDir::Name);
}

QStringList InstallSampleQuizzes(const QString& quizFolder, const QString& dataFolder) {
  const QString note = QDir(dataFolder).filePath(kSamplesInstalledNote);
  if (QFileInfo::exists(note)) return {};
  QStringList problems;
  for (const QString& name : SampleQuizNames()) {
    const QString problem = InstallOne(name, quizFolder);
    if (!problem.isEmpty()) problems << problem;
  }
  if (problems.isEmpty()) {
    // Without the note (a data folder that cannot be written) the next run
    // looks again and finds the samples in place: nothing to say about it.
    QFile marker(note);
    if (marker.open(QIODevice::WriteOnly)) marker.write("The sample quizzes have been put into the quiz folder.\n");
  }
  return problems;
}

}  // namespace sumcraft
