#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <set>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "quiz/AtomicFile.h"
#include "support/TempFolder.h"

namespace sumcraft {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

const std::string kNew = "new contents\r\n";

std::set<std::string> Names(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

std::string Drain(int fd) {
  std::string bytes;
  char buffer[256];
  for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) bytes.append(buffer, static_cast<std::size_t>(n));
  return bytes;
}

// What the save does for each kind of thing the name can stand for. The
// thing stays what it was, with its owner and mode.
TEST(AtomicFileTest, EachKindOfTargetIsReplacedWrittenIntoOrRefused) {
  int readEnd = -1, writeEnd = -1;  // of a FIFO or pipe the save writes into
  struct TCase {
    std::string kind, name;
    bool asRootOnly;
    std::function<bool(const std::string& path)> make;  // false when it cannot be made here
    std::string refusal;                                // what() of a refused save
    std::string after;  // what the name reads afterwards, or what came out of readEnd
  };
  const auto old = [](const std::string& path) { return WriteBytes(path, "old"), true; };
  const std::vector<TCase> cases = {
      {"read-only file", "master.qiz", false,
       [&](const std::string& path) { return old(path) && ::chmod(path.c_str(), 0444) == 0; },
       "the file is read-only", "old"},
      {"dangling link", "link.qiz", false,
       [](const std::string& path) { return ::symlink("made.qiz", path.c_str()) == 0; }, "", kNew},
      {"name of 255 bytes", std::string(255, 'q'), false, old, "", kNew},
      {"FIFO", "fifo", false,
       [&](const std::string& path) {
         return ::mkfifo(path.c_str(), 0600) == 0 && (readEnd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK)) >= 0;
       },
       "", kNew},
      {"link to an open file of ours", "out", false,
       [&](const std::string& path) {
         int ends[2];
         if (::pipe2(ends, O_NONBLOCK) != 0) return false;
         readEnd = ends[0];
         writeEnd = ends[1];
         return ::symlink(("/proc/self/fd/" + std::to_string(writeEnd)).c_str(), path.c_str()) == 0;
       },
       "", kNew},
      // The null device's numbers: whatever is written goes nowhere.
      {"character device", "null", true,
       [](const std::string& path) { return ::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0; }, "", ""},
      {"file of another owner", "theirs.qiz", true,
       [&](const std::string& path) {
         return old(path) && ::chown(path.c_str(), 4321, 4322) == 0 && ::chmod(path.c_str(), 0640) == 0;
       },
       "", kNew},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.kind);
    if (c.asRootOnly && ::geteuid() != 0) continue;
    TempFolder folder;
    const std::string path = folder.File(c.name);
    if (!c.make(path)) continue;  // not possible here (no right to make device nodes)
    const std::set<std::string> made = Names(folder.Path());
    struct stat before{}, link{};
    ::stat(path.c_str(), &before);
    ::lstat(path.c_str(), &link);
    std::string refusal;
    try {
      WriteFileAtomically(path, kNew);
    } catch (const std::system_error& e) {
      refusal = e.what();
    }
    EXPECT_EQ(refusal, c.refusal);
    struct stat now{}, linkNow{};
    ASSERT_EQ(::stat(path.c_str(), &now), 0);
    ASSERT_EQ(::lstat(path.c_str(), &linkNow), 0);
    EXPECT_EQ(linkNow.st_mode & S_IFMT, link.st_mode & S_IFMT);
    if (before.st_mode != 0) {
      EXPECT_EQ(now.st_mode, before.st_mode);
      EXPECT_EQ(now.st_uid, before.st_uid);
      EXPECT_EQ(now.st_gid, before.st_gid);
    }
    EXPECT_EQ(readEnd >= 0 ? Drain(readEnd) : S_ISREG(now.st_mode) ? ReadBytes(path) : "", c.after);
    // Everything made is still there, and no temporary file is left.
    const std::set<std::string> after = Names(folder.Path());
    EXPECT_TRUE(std::includes(after.begin(), after.end(), made.begin(), made.end()));
    for (const std::string& name : after) EXPECT_NE(name[0], '.') << name;
    for (int* fd : {&readEnd, &writeEnd})
      if (*fd >= 0) ::close(std::exchange(*fd, -1));
  }
}

// Contents written in pieces reach the name whole at Commit and not
// before; a writer given up leaves the name as it was, file or stream.
TEST(AtomicFileTest, PiecesReachTheNameOnlyAtCommit) {
  struct TCase {
    std::string kind;
    std::string old;  // the file's contents before, "" for no file, "fifo"
    bool commit;
    std::string after;  // "-" for no file
  };
  const std::vector<TCase> cases = {
      {"new file", "", true, kNew},         {"new file given up", "", false, "-"},
      {"old file", "old", true, kNew},      {"old file given up", "old", false, "old"},
      {"FIFO", "fifo", true, kNew},         {"FIFO given up", "fifo", false, ""},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.kind);
    TempFolder folder;
    const std::string path = folder.File("out");
    int readEnd = -1;
    if (c.old == "fifo") {
      ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
      readEnd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
    } else if (!c.old.empty()) {
      WriteBytes(path, c.old);
    }
    const auto read = [&] { return readEnd >= 0 ? Drain(readEnd) : fs::exists(path) ? ReadBytes(path) : "-"; };
    {
      TAtomicFileWriter file(path);
      for (std::string_view piece : {"new ", "contents", "\r\n"}) file.Write(piece);
      EXPECT_EQ(read(), c.old.empty() ? "-" : readEnd >= 0 ? "" : c.old);
      if (c.commit) file.Commit();
    }
    EXPECT_EQ(read(), c.after);
    for (const std::string& name : Names(folder.Path())) EXPECT_EQ(name, "out");
    if (readEnd >= 0) ::close(readEnd);
  }
}

TEST(AtomicFileTest, ASaveKilledHalfWayLeavesNothingBehind) {
  TempFolder folder;
  const std::string path = folder.File("quiz.qiz");
  WriteBytes(path, "old");
  const pid_t pid = ::fork();
  if (pid == 0) {
    // The disk "fills up" after 4 KiB, and the signal for that kills the process.
    rlimit limit{0, 0};
    ::setrlimit(RLIMIT_CORE, &limit);
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = 4096;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    ::signal(SIGXFSZ, SIG_DFL);
    try {
      WriteFileAtomically(path, std::string(1 << 20, 'x'));
    } catch (...) {
    }
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << status;
  EXPECT_EQ(ReadBytes(path), "old");
  EXPECT_EQ(Names(folder.Path()), std::set<std::string>{"quiz.qiz"});
}

}  // namespace
}  // namespace sumcraft
