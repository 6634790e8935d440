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
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    names.insert(entry.path().lexically_relative(folder).string());
  return names;
}

std::string Drain(int fd) {
  std::string bytes;
  char buffer[256];
  for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) bytes.append(buffer, static_cast<std::size_t>(n));
  return bytes;
}

// What the save does for each kind of thing the name can stand for.
TEST(AtomicFileTest, EachKindOfTargetIsReplacedWrittenIntoOrRefused) {
  struct TCase {
    std::string kind;
    bool asRootOnly;
    // Makes the target in dir; answers the name to save to, or "" when it cannot be made here.
    std::function<std::string(const fs::path& dir)> make;
    std::string refusal;  // what() of a refused save; empty when it succeeds
    std::function<void(const fs::path& dir)> check;
  };
  const std::string longName(255, 'q');
  int readEnd = -1, writeEnd = -1;
  const std::vector<TCase> cases = {
      {"read-only file", false,
       [](const fs::path& dir) {
         WriteBytes((dir / "master.qiz").string(), "old");
         ::chmod((dir / "master.qiz").c_str(), 0444);
         return (dir / "master.qiz").string();
       },
       "the file is read-only",
       [](const fs::path& dir) { EXPECT_EQ(ReadBytes((dir / "master.qiz").string()), "old"); }},
      {"dangling link", false,
       [](const fs::path& dir) {
         fs::create_directory(dir / "sub");
         fs::create_symlink("sub/made.qiz", dir / "link.qiz");
         return (dir / "link.qiz").string();
       },
       "",
       [](const fs::path& dir) {
         EXPECT_TRUE(fs::is_symlink(dir / "link.qiz"));
         EXPECT_EQ(ReadBytes((dir / "sub/made.qiz").string()), kNew);
       }},
      {"name of 255 bytes", false,
       [&](const fs::path& dir) {
         WriteBytes((dir / longName).string(), "old");
         return (dir / longName).string();
       },
       "", [&](const fs::path& dir) { EXPECT_EQ(ReadBytes((dir / longName).string()), kNew); }},
      {"FIFO", false,
       [&](const fs::path& dir) {
         ::mkfifo((dir / "fifo").c_str(), 0600);
         readEnd = ::open((dir / "fifo").c_str(), O_RDONLY | O_NONBLOCK);
         return (dir / "fifo").string();
       },
       "",
       [&](const fs::path& dir) {
         EXPECT_TRUE(fs::is_fifo(dir / "fifo"));
         EXPECT_EQ(Drain(readEnd), kNew);
       }},
      {"link to an open file of ours", false,
       [&](const fs::path& dir) {
         int ends[2];
         if (::pipe2(ends, O_NONBLOCK) != 0) return std::string();
         readEnd = ends[0];
         writeEnd = ends[1];
         fs::create_symlink("/proc/self/fd/" + std::to_string(writeEnd), dir / "out");
         return (dir / "out").string();
       },
       "",
       [&](const fs::path& dir) {
         EXPECT_TRUE(fs::is_symlink(dir / "out"));
         EXPECT_EQ(Drain(readEnd), kNew);
       }},
      {"character device", true,
       [](const fs::path& dir) {
         // The null device's numbers: whatever is written goes nowhere.
         if (::mknod((dir / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) return std::string();
         return (dir / "null").string();
       },
       "", [](const fs::path& dir) { EXPECT_TRUE(fs::is_character_file(dir / "null")); }},
      {"file of another owner", true,
       [](const fs::path& dir) {
         WriteBytes((dir / "theirs.qiz").string(), "old");
         if (::chown((dir / "theirs.qiz").c_str(), 4321, 4322) != 0) return std::string();
         ::chmod((dir / "theirs.qiz").c_str(), 0640);
         return (dir / "theirs.qiz").string();
       },
       "",
       [](const fs::path& dir) {
         struct stat st{};
         ASSERT_EQ(::stat((dir / "theirs.qiz").c_str(), &st), 0);
         EXPECT_EQ(st.st_uid, 4321u);
         EXPECT_EQ(st.st_gid, 4322u);
         EXPECT_EQ(st.st_mode & 07777, 0640u);
         EXPECT_EQ(ReadBytes((dir / "theirs.qiz").string()), kNew);
       }},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.kind);
    if (c.asRootOnly && ::geteuid() != 0) continue;
    TempFolder folder;
    const std::string path = c.make(folder.Path());
    if (path.empty()) continue;  // not possible here (no right to make device nodes)
    const std::set<std::string> made = Names(folder.Path());
    std::string refusal;
    try {
      WriteFileAtomically(path, kNew);
    } catch (const std::system_error& e) {
      refusal = e.what();
    }
    EXPECT_EQ(refusal, c.refusal);
    try {
      c.check(folder.Path());
    } catch (const std::exception& e) {  // a file the save should have made is missing
      ADD_FAILURE() << e.what();
    }
    // Everything made is still there, and no temporary file is left.
    const std::set<std::string> after = Names(folder.Path());
    EXPECT_TRUE(std::includes(after.begin(), after.end(), made.begin(), made.end()));
    for (const std::string& name : after) EXPECT_NE(fs::path(name).filename().string()[0], '.') << name;
    for (int* fd : {&readEnd, &writeEnd})
      if (*fd >= 0) ::close(std::exchange(*fd, -1));
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
