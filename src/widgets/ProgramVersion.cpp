#include "widgets/ProgramVersion.h"

// The build passes the project version in (CMakeLists.txt of this folder).
#if !defined(SUMCRAFT_VERSION_MAJOR) || !defined(SUMCRAFT_VERSION_MINOR) || \
    !defined(SUMCRAFT_VERSION_RELEASE) || !defined(SUMCRAFT_VERSION_BUILD)
#error "The SUMCRAFT_VERSION_* definitions come from the build"
#endif

namespace sumcraft {

TFileVersion ProgramVersion() {
  return {SUMCRAFT_VERSION_MAJOR, SUMCRAFT_VERSION_MINOR, SUMCRAFT_VERSION_RELEASE, SUMCRAFT_VERSION_BUILD};
}

QString FileVersionText() {
  const TFileVersion v = ProgramVersion();
  return QString::asprintf("%u.%u.%u.%u", v.Major, v.Minor, v.Release, v.Build);
}

QString ShortVersionText() {
  const TFileVersion v = ProgramVersion();
  return QString::asprintf("%u.%u.%u", v.Major, v.Minor, v.Release);
}

}  // namespace sumcraft
