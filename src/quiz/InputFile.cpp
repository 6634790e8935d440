#include "quiz/InputFile.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace sumcraft {

namespace {

// File systems whose files the kernel makes up as they are read: none holds
// a file of ours, and reading some of them waits, never ends or takes data
// away from the system (/proc/kmsg).
bool IsKernelFileSystem(int fd) {
  struct statfs fs{};
  if (::fstatfs(fd, &fs) != 0) return false;
  switch (static_cast<unsigned long>(fs.f_type)) {
    case PROC_SUPER_MAGIC:
    case SYSFS_MAGIC:
    case DEBUGFS_MAGIC:
    case TRACEFS_MAGIC:
    case SECURITYFS_MAGIC:
    case CGROUP_SUPER_MAGIC:
    case CGROUP2_SUPER_MAGIC:
    case BPF_FS_MAGIC:
    case PSTOREFS_MAGIC:
    case EFIVARFS_MAGIC:
      return true;
    default:
      return false;
  }
}

}  // namespace

int OpenInputFile(const std::string& path, std::string& why) {
  // O_NONBLOCK: opening a FIFO without a writer would wait for one.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    why = std::string("cannot open: ") + std::strerror(errno);
    return -1;
  }
  struct stat st{};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || IsKernelFileSystem(fd)) {
    ::close(fd);
    why = "not a regular file";
    return -1;
  }
  return fd;
}

bool ReadInputFile(const std::string& path, std::size_t limit, std::string& text, std::string& why) {
  text.clear();
  const int fd = OpenInputFile(path, why);
  if (fd < 0) return false;
  char buffer[64 * 1024];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n > 0) {
      if (text.size() + static_cast<std::size_t>(n) > limit) {
        why = "larger than " + std::to_string(limit) + " bytes";
        break;
      }
      text.append(buffer, static_cast<std::size_t>(n));
      continue;
    }
    if (n == 0) {
      ::close(fd);
      return true;
    }
    if (errno == EINTR) continue;
    why = std::string("read error: ") + std::strerror(errno);
    break;
  }
  ::close(fd);
  text.clear();
  return false;
}

}  // namespace sumcraft
