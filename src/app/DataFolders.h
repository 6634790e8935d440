#pragma once
#include <QString>

namespace sumcraft {

// The program's folders, each with its trailing "/" and created (with any
// missing parents) when it does not exist yet. When the platform names no
// base folder the base is the empty text, as the settings expect.

// Settings file, styles and table templates: the user's local data folder
// (normally ~/.local/share) + "/Sumcraft/".
QString DataFolder();

// Where the open and save dialogs start: the user's documents folder +
// "/Sumcraft/".
QString QuizFolder();

// Qt takes the home folder from HOME alone and answers "/" without it (a
// service, `env -i`, some cron jobs), so the folders above would be made
// under "/". When HOME is unset or empty, this sets it to the account's home
// folder from the password database. Call it before anything asks for a
// folder (the program does, first thing).
void FindHomeFolder();

}  // namespace sumcraft
