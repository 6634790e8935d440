#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>

namespace sumcraft {

// A quiz file that cannot be read or written. The message names the file
// and, for reading, the line: "<file>, line <n>: <what>".
class QuizFileError : public std::runtime_error {
public:
  QuizFileError(std::string fileName, std::int64_t line, const std::string& what)
      : std::runtime_error(line > 0 ? fileName + ", line " + std::to_string(line) + ": " + what
                                    : fileName + ": " + what),
        fileName_(std::move(fileName)),
        line_(line) {}

  const std::string& FileName() const { return fileName_; }
  // The 1-based line the error belongs to; 0 when it concerns the whole file.
  std::int64_t Line() const { return line_; }

private:
  std::string fileName_;
  std::int64_t line_;
};

}  // namespace sumcraft
