#pragma once
// The program's own version (the project version of the build).
#include <QString>

namespace sumcraft {

struct TFileVersion {
  unsigned Major = 0;
  unsigned Minor = 0;
  unsigned Release = 0;
  unsigned Build = 0;
};

TFileVersion ProgramVersion();

// "2.0.0.0": the four parts.
QString FileVersionText();
// "2.0.0": major, minor and release, as in the window caption and the
// update page's name.
QString ShortVersionText();

}  // namespace sumcraft
