#include "app/DataFolders.h"

#include <QDir>
#include <QStandardPaths>
#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

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

void FindHomeFolder() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home != '\0') return;
  const long hint = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(hint > 0 ? static_cast<std::size_t>(hint) : 16384);
  struct passwd entry{};
  struct passwd* found = nullptr;
  while (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == ERANGE && buffer.size() < (1u << 20))
    buffer.resize(buffer.size() * 2);
  // Without an entry (or with a relative one) the platform names no home
  // folder, and the folders fall back as the settings expect.
  if (found != nullptr && found->pw_dir != nullptr && found->pw_dir[0] == '/') ::setenv("HOME", found->pw_dir, 1);
}

}  // namespace sumcraft
