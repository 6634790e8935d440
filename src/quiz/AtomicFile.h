#pragma once
#include <string>
#include <string_view>

namespace sumcraft {

// Replaces the file at path by contents so that the file always holds either
// its old contents or the new ones, never a part: the bytes go to an unnamed
// file in the same folder, are flushed to the disk, and that file is linked
// into place (over the old one by a rename). A save killed half way leaves
// no file behind. Where the file system has no unnamed files, a new file with
// a short name is used instead (removed again on failure). Names of up to
// the system's limit save.
//
// What the name stands for decides what happens:
// - a symbolic link is followed, so the link stays a link; a link naming a
//   file that does not exist yet creates that file;
// - the new file takes the permissions, owner and group of the old one (the
//   owner as far as the user may give it);
// - a read-only file (no write permission for anybody, or none for us) is
//   refused: "the file is read-only";
// - a FIFO, a character device (a terminal, /dev/null) and a name of one of
//   this process's open files (/dev/stdout, /proc/self/fd/N) are written
//   into as a stream; nothing is replaced;
// - a folder, a block device or a socket is refused.
// On failure the old file is untouched and std::system_error is raised; its
// what() says which step failed and why, without the file name.
void WriteFileAtomically(const std::string& path, std::string_view contents);

}  // namespace sumcraft
