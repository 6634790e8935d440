#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sumcraft {

// Reads a text file line by line. A line ends at LF; a CR right before the
// LF is dropped, so CR LF and LF files read the same. Any byte sequence is
// accepted; a line longer than kMaxLineLength, or a failure of the file
// system, raises QuizFileError naming the file and the line.
class TLineReader {
public:
  static constexpr std::size_t kMaxLineLength = std::size_t{16} << 20;

  // Opens a regular file (OpenInputFile); QuizFileError when it cannot be
  // opened.
  explicit TLineReader(const std::string& fileName);
  // Reads from memory; name stands for the file in messages.
  TLineReader(std::string name, std::string_view contents);
  ~TLineReader();
  TLineReader(const TLineReader&) = delete;
  TLineReader& operator=(const TLineReader&) = delete;

  // True when no byte is left.
  bool Eof();
  // The next line without its end; the empty text at the end of the file.
  std::string ReadLine();
  // 1-based number of the line last returned (0 before the first).
  std::int64_t LineNumber() const { return line_; }
  const std::string& Name() const { return name_; }

  // Raises QuizFileError for the line last read.
  [[noreturn]] void Fail(const std::string& what) const;
  // Notes something the reading had to leave out while it went on, as
  // "line <n>: <what>" (just <what> for line 0, the whole file); the
  // format's reader decides what counts as such.
  void Warn(std::int64_t line, const std::string& what);
  const std::vector<std::string>& Warnings() const { return warnings_; }

private:
  bool Fill();

  std::string name_;
  int fd_ = -1;
  std::vector<char> buffer_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  std::int64_t line_ = 0;
  std::vector<std::string> warnings_;
};

}  // namespace sumcraft
