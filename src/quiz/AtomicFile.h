#pragma once
#include <sys/stat.h>

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

// The same save for contents made a piece at a time (a long PDF), so that
// they need not be held in memory whole: the pieces go straight into the new
// file, which takes the name at Commit. The constructor raises what
// WriteFileAtomically raises for the name before any byte is written; a
// writer destroyed without Commit leaves everything as it was. A stream
// (FIFO, character device, open file of ours) gets every byte at Commit, so
// a document abandoned half way never reaches it.
class TAtomicFileWriter {
public:
  explicit TAtomicFileWriter(const std::string& path);
  ~TAtomicFileWriter();
  TAtomicFileWriter(const TAtomicFileWriter&) = delete;
  TAtomicFileWriter& operator=(const TAtomicFileWriter&) = delete;

  void Write(std::string_view bytes);
  void Commit();

private:
  void Open(bool unnamed);
  bool LinkUnnamed();
  void MoveToNamed();

  std::string path_;         // the name as given
  std::string target_;       // the name that holds the file: no symbolic link
  int streamFd_ = -1;        // one of our open files, written into
  bool stream_ = false;      // a FIFO or character device, opened at Commit
  std::string kept_;         // a stream's bytes until Commit
  bool replacing_ = false;   // an old file is replaced; its owner and mode:
  struct stat old_{};
  int fd_ = -1;              // the new file
  bool unnamed_ = false;
  std::string tempPath_;     // its name while it has a temporary one
};

}  // namespace sumcraft
