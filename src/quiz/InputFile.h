#pragma once
// Opening the files the program reads (quizzes, table templates, text
// styles) so that no path can stop it: a FIFO with no writer, a device, or a
// file of the kernel's own file systems (/proc/kmsg waits for the next
// kernel message; other files there never end).
#include <cstddef>
#include <string>

namespace sumcraft {

// Opens `path` for reading and returns the descriptor, or -1 with `why`
// saying what is wrong ("cannot open: <reason>", "not a regular file").
// Only regular files are accepted, and none of /proc, /sys and the like.
// The descriptor stays non-blocking: a read that would wait fails with
// EAGAIN instead.
int OpenInputFile(const std::string& path, std::string& why);

// The whole of such a file when it holds at most `limit` bytes; false with
// `why` otherwise (and when it cannot be opened or read).
bool ReadInputFile(const std::string& path, std::size_t limit, std::string& text, std::string& why);

}  // namespace sumcraft
