#pragma once
// The sample quizzes shipped with the program (resources/samples), put into
// the user's quiz folder on the first run so that Open has something to
// show.
#include <QString>
#include <QStringList>

namespace sumcraft {

// The file names of the shipped samples, e.g. "Fractions.qiz".
QStringList SampleQuizNames();

// The first time it runs for a user (no note of it in dataFolder yet), copies
// every sample into quizFolder; a file of the same name that is already
// there is never replaced. The note is left once every sample is in place,
// so samples the user deletes later stay deleted. Answers one message for
// every file that could not be installed; the program goes on without it.
QStringList InstallSampleQuizzes(const QString& quizFolder, const QString& dataFolder);

// The note's file name in the data folder.
inline const QString kSamplesInstalledNote = QStringLiteral("SampleQuizzesInstalled");

}  // namespace sumcraft
