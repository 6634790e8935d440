#include "cli/StandardOutput.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "cli/QuizFiles.h"

namespace sumcraft::cli {

bool IsStandardOutput(const std::string& path) { return path == "-"; }

namespace {

[[noreturn]] void Fail(int error) {
  throw CliError(std::string("cannot write to standard output") + (error != 0 ? ": " + std::string(std::strerror(error)) : ""));
}

}  // namespace

void WriteStandardOutput(std::string_view bytes) {
  FlushStandardOutput();
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size()) Fail(errno);
  FlushStandardOutput();
}

void FlushStandardOutput() {
  errno = 0;
  std::cout.flush();
  // An error of an earlier write stays marked on the stream: a line lost
  // before is a failure too.
  if (std::fflush(stdout) != 0 || std::ferror(stdout) || !std::cout) Fail(errno);
}

}  // namespace sumcraft::cli
