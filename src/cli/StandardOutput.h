#pragma once
// Standard output as a place to write: "-" names it wherever a file to write
// is asked for, and every write to it is checked, so that a full disk or a
// closed pipe fails the command instead of losing its only record.
#include <string>
#include <string_view>

namespace sumcraft::cli {

// "-": the file to write is standard output.
bool IsStandardOutput(const std::string& path);

// Writes bytes after whatever is already buffered, and pushes all out.
// CliError when they cannot all be written.
void WriteStandardOutput(std::string_view bytes);

// Pushes out what is buffered for standard output (std::cout included).
// CliError when that, or any write since the start, failed.
void FlushStandardOutput();

}  // namespace sumcraft::cli
