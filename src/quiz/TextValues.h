#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sumcraft {

// Small helpers shared by the readers of our line-oriented files (quiz file,
// table templates, settings). Texts are 8-bit Windows-1252 bytes; only the
// ASCII range is ever interpreted.

// A decimal whole number: leading blanks, an optional "+" or "-", then at
// least one digit and nothing else, within signed 32 bits.
std::optional<std::int32_t> ParseInt32(std::string_view text);

// The lines of a text, split at "\n", each without a trailing "\r"; a final
// line break ends the last line rather than starting an empty one. The
// views point into text.
std::vector<std::string_view> SplitLines(std::string_view text);

// The text without leading and trailing blanks and control characters
// (every byte up to and including the blank); bytes from 128 up are kept.
std::string_view Trim(std::string_view text);

// ASCII letters upper-cased; every other byte unchanged.
std::string UpperAscii(std::string_view text);

// A short, printable rendering of a value for error messages: non-printable
// bytes as \xNN, cut after maxLength bytes with "..." appended.
std::string Printable(std::string_view text, std::size_t maxLength = 40);

}  // namespace sumcraft
