#pragma once
#include <QString>
#include <QStringList>

namespace sumcraft {

// The files the program ships for the data folder (everything under
// resources/defaults: the text styles, the table templates), compiled in.
// Each one missing from dataFolder is copied there; a file that exists is
// never replaced, so the user's own edits stay. Each copy appears whole or
// not at all. Answers one message for every file that could not be
// installed; the program goes on without it.
QStringList InstallDefaultFiles(const QString& dataFolder);

// The names of the shipped default files.
QStringList DefaultFileNames();

}  // namespace sumcraft
