#include "quiz/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <system_error>

namespace sumcraft {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void Raise(int error, const std::string& what) {
  throw std::system_error(error, std::generic_category(), what);
}

// Creates a new, unique file beside target; returns its descriptor.
int CreateTemporary(const fs::path& target, std::string& tempPath) {
  static std::atomic<unsigned> counter{0};
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path candidate = folder / ("." + target.filename().string() + ".tmp-" +
                                         std::to_string(::getpid()) + "-" + std::to_string(counter++));
    // 0666 lets the umask decide, as for any newly created file.
    const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      tempPath = candidate.string();
      return fd;
    }
    if (errno != EEXIST) Raise(errno, "cannot create a file in " + folder.string());
  }
  Raise(EEXIST, "cannot create a temporary file in " + folder.string());
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

void SyncFolder(const fs::path& target) {
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;  // the rename has happened; durability of the entry is best effort
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

void WriteFileAtomically(const std::string& path, std::string_view contents) {
  fs::path target(path);
  std::error_code ec;
  if (fs::is_symlink(target, ec)) {
    const fs::path resolved = fs::weakly_canonical(target, ec);
    if (!ec) target = resolved;
  }

  std::string tempPath;
  const int fd = CreateTemporary(target, tempPath);
  try {
    struct stat old{};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
      ::fchmod(fd, old.st_mode & 07777);
    WriteAll(fd, contents);
    if (::fsync(fd) != 0) Raise(errno, "cannot flush to the disk");
  } catch (...) {
    ::close(fd);
    ::unlink(tempPath.c_str());
    throw;
  }
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(tempPath.c_str());
    Raise(error, "cannot write");
  }
  if (::rename(tempPath.c_str(), target.c_str()) != 0) {
    const int error = errno;
    ::unlink(tempPath.c_str());
    Raise(error, "cannot replace the file");
  }
  SyncFolder(target);
}

}  // namespace sumcraft
