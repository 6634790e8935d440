#include "quiz/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

namespace sumcraft {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void Raise(int error, const std::string& what) {
  throw std::system_error(error, std::generic_category(), what);
}

// A save refused for what the name stands for: the reason alone, no
// system message after it.
class Refusal : public std::system_error {
public:
  Refusal(int error, std::string reason)
      : std::system_error(error, std::generic_category()), reason_(std::move(reason)) {}
  const char* what() const noexcept override { return reason_.c_str(); }

private:
  std::string reason_;
};

fs::path FolderOf(const fs::path& target) {
  return target.has_parent_path() ? target.parent_path() : fs::path(".");
}

// The descriptor when path names one of this process's open files
// (/proc/self/fd/N and its spellings); -1 otherwise.
int OwnDescriptor(const fs::path& path) {
  std::error_code ec;
  const std::string full = fs::absolute(path, ec).lexically_normal().string();
  if (ec) return -1;
  const std::string prefixes[] = {"/proc/self/fd/", "/proc/thread-self/fd/",
                                  "/proc/" + std::to_string(::getpid()) + "/fd/", "/dev/fd/"};
  for (const std::string& prefix : prefixes) {
    if (!full.starts_with(prefix)) continue;
    const std::string_view digits = std::string_view(full).substr(prefix.size());
    if (digits.empty() || digits.size() > 9) return -1;
    int fd = 0;
    for (char c : digits) {
      if (c < '0' || c > '9') return -1;
      fd = fd * 10 + (c - '0');
    }
    return fd;
  }
  return -1;
}

struct TTarget {
  fs::path path;        // the name that holds the file: no symbolic link
  int descriptor = -1;  // or one of our open files, written into
};

// Follows symbolic links by their text, so that the name found is the one
// to replace (or to create, for a link naming nothing yet). Links into /proc
// name open files, not names, and are not followed.
TTarget Resolve(const std::string& name) {
  fs::path path(name);
  for (int links = 0;; ++links) {
    if (const int fd = OwnDescriptor(path); fd >= 0) return {path, fd};
    struct stat st{};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return {path, -1};
    if (links == 40) Raise(ELOOP, "cannot follow the link");
    char text[PATH_MAX];
    const ssize_t n = ::readlink(path.c_str(), text, sizeof text);
    if (n < 0) Raise(errno, "cannot follow the link");
    if (static_cast<std::size_t>(n) >= sizeof text) Raise(ENAMETOOLONG, "cannot follow the link");
    const fs::path next(std::string(text, static_cast<std::size_t>(n)));
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
}

void WriteAll(int fd, std::string_view contents) {
  const char* p = contents.data();
  std::size_t left = contents.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      Raise(errno, "cannot write");
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
}

// A FIFO or a character device takes the bytes as they come; it is never
// replaced.
void WriteInto(const std::string& path, std::string_view contents) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) Raise(errno, "cannot open for writing");
  try {
    WriteAll(fd, contents);
  } catch (...) {
    ::close(fd);
    throw;
  }
  if (::close(fd) != 0) Raise(errno, "cannot write");
}

// ".sumcraft-PID-N": short, so that a name at the length limit still has a
// temporary one beside it.
std::string ShortName(const fs::path& folder) {
  static std::atomic<unsigned> counter{0};
  return (folder / (".sumcraft-" + std::to_string(::getpid()) + "-" + std::to_string(counter++))).string();
}

// A new, unique, named file in folder; its descriptor.
int CreateNamed(const fs::path& folder, std::string& tempPath) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string candidate = ShortName(folder);
    // 0666 lets the umask decide, as for any newly created file.
    const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      tempPath = candidate;
      return fd;
    }
    if (errno != EEXIST) Raise(errno, "cannot create a file in " + folder.string());
  }
  Raise(EEXIST, "cannot create a temporary file in " + folder.string());
}

// Gives the unnamed file fd the name dest; fails with EEXIST when dest exists.
int LinkInto(int fd, const std::string& dest) {
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, dest.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
  if (errno == EEXIST) return -1;
  // Without /proc only a process that may read any file links by descriptor.
  return ::linkat(fd, "", AT_FDCWD, dest.c_str(), AT_EMPTY_PATH);
}

void KeepOwnerAndMode(int fd, const struct stat& old) {
  struct stat now{};
  if (::fstat(fd, &now) == 0 && (now.st_uid != old.st_uid || now.st_gid != old.st_gid)) {
    // Only root may give a file away; any user may pass it to a group of theirs.
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 && ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
      // The new file stays the user's own, as any file they make.
    }
  }
  // After the owner: a change of owner clears the set-id bits.
  ::fchmod(fd, old.st_mode & 07777);
}

void SyncFolder(const fs::path& target) {
  const int fd = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;  // the rename has happened; durability of the entry is best effort
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

void WriteFileAtomically(const std::string& path, std::string_view contents) {
  TAtomicFileWriter file(path);
  file.Write(contents);
  file.Commit();
}

TAtomicFileWriter::TAtomicFileWriter(const std::string& path) : path_(path) {
  const TTarget target = Resolve(path);
  if (target.descriptor >= 0) {
    streamFd_ = target.descriptor;
    return;
  }
  target_ = target.path.string();
  struct stat old{};
  const bool exists = ::stat(path.c_str(), &old) == 0;
  if (exists) {
    if (S_ISDIR(old.st_mode)) throw Refusal(EISDIR, "the name is a folder");
    if (S_ISFIFO(old.st_mode) || S_ISCHR(old.st_mode)) {
      stream_ = true;
      return;
    }
    if (!S_ISREG(old.st_mode)) throw Refusal(EINVAL, "the name is a device or a socket, which is never replaced");
    // The link's text must lead where the system's lookup does; else the
    // name to replace is unknown.
    struct stat named{};
    if (::stat(target.path.c_str(), &named) != 0 || named.st_dev != old.st_dev || named.st_ino != old.st_ino)
      throw Refusal(ENOENT, "the link leads to a file that has no name to replace");
    // Mode bits too: root may write anything, yet a file nobody may write is
    // meant to stay as it is.
    if ((old.st_mode & 0222) == 0 || (::access(target.path.c_str(), W_OK) != 0 && (errno == EACCES || errno == EROFS)))
      throw Refusal(EACCES, "the file is read-only");
    replacing_ = true;
    old_ = old;
  }
  Open(true);
}

TAtomicFileWriter::~TAtomicFileWriter() {
  if (fd_ >= 0) ::close(fd_);
  if (!tempPath_.empty()) ::unlink(tempPath_.c_str());
}

// The new file beside the target: unnamed where the file system makes such
// files (readable too, in case it will not link it and its bytes must move).
void TAtomicFileWriter::Open(bool unnamed) {
  const fs::path folder = FolderOf(target_);
  if (unnamed) {
    fd_ = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
    if (fd_ < 0) {
      if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL) return Open(false);
      Raise(errno, "cannot create a file in " + folder.string());
    }
    unnamed_ = true;
  } else {
    fd_ = CreateNamed(folder, tempPath_);
  }
  if (replacing_) KeepOwnerAndMode(fd_, old_);
}

void TAtomicFileWriter::Write(std::string_view bytes) {
  if (streamFd_ >= 0 || stream_) {
    kept_.append(bytes);
    return;
  }
  WriteAll(fd_, bytes);
}

void TAtomicFileWriter::Commit() {
  if (streamFd_ >= 0 || stream_) {
    const std::string bytes = std::move(kept_);
    if (streamFd_ >= 0) {
      WriteAll(streamFd_, bytes);
    } else {
      WriteInto(path_, bytes);
    }
    return;
  }
  if (::fsync(fd_) != 0) Raise(errno, "cannot flush to the disk");
  if (unnamed_) {
    // A new file takes its name at once; an old one is replaced by a rename.
    if (!replacing_ && LinkInto(fd_, target_) == 0) {
      ::close(std::exchange(fd_, -1));
      SyncFolder(target_);
      return;
    }
    if ((!replacing_ && errno != EEXIST) || !LinkUnnamed()) MoveToNamed();
  }
  if (::close(std::exchange(fd_, -1)) != 0) Raise(errno, "cannot write");
  if (::rename(tempPath_.c_str(), target_.c_str()) != 0) Raise(errno, "cannot replace the file");
  tempPath_.clear();
  SyncFolder(target_);
}

// Gives the unnamed file a short name beside the target, to be renamed over
// it; false when this file system or process cannot link it.
bool TAtomicFileWriter::LinkUnnamed() {
  for (int attempt = 0;; ++attempt) {
    const std::string candidate = ShortName(FolderOf(target_));
    if (LinkInto(fd_, candidate) == 0) {
      tempPath_ = candidate;
      return true;
    }
    if (errno != EEXIST || attempt == 100) return false;
  }
}

// An unnamed file that cannot be linked: its bytes move to a new file with
// a short name.
void TAtomicFileWriter::MoveToNamed() {
  const int unnamed = std::exchange(fd_, -1);
  unnamed_ = false;
  try {
    Open(false);
    char buffer[64 * 1024];
    for (off_t at = 0;;) {
      const ssize_t n = ::pread(unnamed, buffer, sizeof buffer, at);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) Raise(errno, "cannot write");
      if (n == 0) break;
      WriteAll(fd_, std::string_view(buffer, static_cast<std::size_t>(n)));
      at += n;
    }
    if (::fsync(fd_) != 0) Raise(errno, "cannot flush to the disk");
  } catch (...) {
    ::close(unnamed);
    throw;
  }
  ::close(unnamed);
}

}  // namespace sumcraft
