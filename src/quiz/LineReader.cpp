#include "quiz/LineReader.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "quiz/InputFile.h"
#include "quiz/QuizFileError.h"

namespace sumcraft {

namespace {
constexpr std::size_t kChunk = 64 * 1024;
}

TLineReader::TLineReader(const std::string& fileName) : name_(fileName) {
  std::string why;
  fd_ = OpenInputFile(fileName, why);
  if (fd_ < 0) throw QuizFileError(name_, 0, why);
  buffer_.resize(kChunk);
}

TLineReader::TLineReader(std::string name, std::string_view contents)
    : name_(std::move(name)), buffer_(contents.begin(), contents.end()), end_(contents.size()) {}

TLineReader::~TLineReader() {
  if (fd_ >= 0) ::close(fd_);
}

bool TLineReader::Fill() {
  if (pos_ < end_) return true;
  if (fd_ < 0) return false;
  for (;;) {
    const ssize_t n = ::read(fd_, buffer_.data(), buffer_.size());
    if (n > 0) {
      pos_ = 0;
      end_ = static_cast<std::size_t>(n);
      return true;
    }
    if (n == 0) return false;
    if (errno == EINTR) continue;
    // The descriptor is non-blocking; a file that has nothing to give yet
    // (EAGAIN) is no file of ours.
    throw QuizFileError(name_, line_ + 1, std::string("read error: ") + std::strerror(errno));
  }
}

bool TLineReader::Eof() { return !Fill(); }

std::string TLineReader::ReadLine() {
  std::string line;
  if (!Fill()) return line;
  ++line_;
  while (Fill()) {
    const char* start = buffer_.data() + pos_;
    const std::size_t available = end_ - pos_;
    const void* lf = std::memchr(start, '\n', available);
    const std::size_t take = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - start) : available;
    if (line.size() + take > kMaxLineLength)
      Fail("the line is longer than " + std::to_string(kMaxLineLength >> 20) + " MiB");
    line.append(start, take);
    pos_ += take;
    if (lf) {
      ++pos_;
      break;
    }
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

void TLineReader::Warn(std::int64_t line, const std::string& what) {
  warnings_.push_back(line > 0 ? "line " + std::to_string(line) + ": " + what : what);
}

void TLineReader::Fail(const std::string& what) const { throw QuizFileError(name_, line_, what); }

}  // namespace sumcraft
