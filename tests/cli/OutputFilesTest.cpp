// Where the commands write: standard output, names that are not plain files,
// read-only files, and a standard output that cannot take the bytes.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "RunCli.h"
#include "support/TempFolder.h"

namespace sumcraft {
namespace {

namespace fs = std::filesystem;
using test::CliResult;
using test::ReadBytes;
using test::WriteBytes;

const std::string kExample = SUMCRAFT_QUIZ_DATA "/example.qiz";

class OutputFilesTest : public test::CliFixture {};

TEST_F(OutputFilesTest, OutputGoesToStandardOutputIntoDevicesAndNeverOverAReadOnlyFile) {
  const std::vector<std::vector<std::string>> commands = {
      {"normalize", kExample}, {"recreate", kExample, "--seed", "7"}, {"pdf", kExample}};
  for (const auto& command : commands) {
    SCOPED_TRACE(command[0]);
    const auto to = [&](const std::string& out) {
      std::vector<std::string> args = command;
      args.insert(args.end(), {"-o", out});
      return args;
    };
    ASSERT_EQ(Run(to(File("reference"))).status, 0);
    const std::string expected = ReadBytes(File("reference"));

    const CliResult dash = Run(to("-"));
    EXPECT_EQ(dash.status, 0) << dash.err;
    EXPECT_TRUE(dash.out == expected);
    fs::create_symlink("/proc/self/fd/1", File("stdout"));
    const CliResult linked = Run(to(File("stdout")));
    EXPECT_EQ(linked.status, 0) << linked.err;
    EXPECT_TRUE(linked.out == expected);
    EXPECT_TRUE(fs::is_symlink(File("stdout")));

    WriteBytes(File("master"), "old");
    fs::permissions(File("master"), fs::perms::owner_read);
    const CliResult readOnly = Run(to(File("master")));
    EXPECT_EQ(readOnly.status, 1);
    EXPECT_NE(readOnly.err.find(File("master")), std::string::npos) << readOnly.err;
    EXPECT_NE(readOnly.err.find("is read-only"), std::string::npos) << readOnly.err;
    EXPECT_EQ(ReadBytes(File("master")), "old");

    // A device node of our own making (as root): written into, never replaced.
    if (::geteuid() == 0 && ::mknod(File("null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
      EXPECT_EQ(Run(to(File("null"))).status, 0);
      EXPECT_TRUE(fs::is_character_file(File("null")));
    }
    for (const char* name : {"reference", "stdout", "master", "null"}) fs::remove(File(name));
  }
}

TEST_F(OutputFilesTest, AStandardOutputThatCannotBeWrittenFailsTheCommand) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  const std::vector<std::vector<std::string>> commands = {
      {"validate", kExample},
      {"versions", kExample, "--count", "1", "-o", File("versions")},
      {"pdf", kExample, "-o", File("quiz.pdf"), "--recreate"},
      {"normalize", kExample, "-o", "-"},
      {"--help"}};
  for (const auto& command : commands) {
    SCOPED_TRACE(command[0]);
    const CliResult r = Run(command, "/dev/full");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "sumcraft-cli: cannot write to standard output: No space left on device\n");
  }
  // The seed it took could not be told, so the PDF made from it is not written.
  EXPECT_FALSE(fs::exists(File("quiz.pdf")));
}

}  // namespace
}  // namespace sumcraft
