#pragma once
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/TempFolder.h"

namespace sumcraft::test {

struct CliResult {
  int status = -1;  // exit status; -1 when the program did not exit normally
  std::string out;
  std::string err;
};

// Environment variables to set (or, without a value, to unset) on top.
using CliEnvironment = std::vector<std::pair<std::string, std::optional<std::string>>>;

// Runs the built sumcraft-cli with args, as on a machine without a display,
// with home as the user's home folder, and environment on top. Standard
// output goes to stdoutFile when one is named (result.out stays empty then).
inline CliResult RunCli(const std::vector<std::string>& args, const std::string& home,
                        const std::string& stdoutFile = {}, const CliEnvironment& environment = {}) {
  TempFolder capture;
  const std::string outPath = stdoutFile.empty() ? capture.File("out") : stdoutFile, errPath = capture.File("err");
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | (stdoutFile.empty() ? O_TRUNC : 0), 0600);
    const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (out < 0 || err < 0) ::_exit(127);
    ::dup2(out, 1);
    ::dup2(err, 2);
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) ::unsetenv(name);
    ::setenv("HOME", home.c_str(), 1);
    ::unsetenv("XDG_DATA_HOME");
    ::unsetenv("XDG_CONFIG_HOME");
    for (const auto& [name, value] : environment) {
      if (value) ::setenv(name.c_str(), value->c_str(), 1);
      else ::unsetenv(name.c_str());
    }
    std::vector<char*> argv{const_cast<char*>(SUMCRAFT_CLI)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ::execv(SUMCRAFT_CLI, argv.data());
    ::_exit(127);
  }
  CliResult result;
  int wstatus = 0;
  if (pid > 0 && ::waitpid(pid, &wstatus, 0) == pid && WIFEXITED(wstatus)) result.status = WEXITSTATUS(wstatus);
  if (stdoutFile.empty()) result.out = ReadBytes(outPath);
  result.err = ReadBytes(errPath);
  return result;
}

// A test with its own folder and home folder for the CLI to run in.
class CliFixture : public ::testing::Test {
protected:
  void SetUp() override { std::filesystem::create_directory(Home()); }

  CliResult Run(const std::vector<std::string>& args, const std::string& stdoutFile = {}) {
    return RunCli(args, Home(), stdoutFile);
  }
  CliResult Run(const std::vector<std::string>& args, const CliEnvironment& environment) {
    return RunCli(args, Home(), {}, environment);
  }
  std::string Home() const { return folder_.File("home"); }
  std::string File(const std::string& name) const { return folder_.File(name); }

  // A usage error: status 2, one line on standard error, nothing on standard output.
  void ExpectUsageError(const std::vector<std::string>& args) {
    const CliResult r = Run(args);
    EXPECT_EQ(r.status, 2) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  }

  TempFolder folder_;
};

}  // namespace sumcraft::test
