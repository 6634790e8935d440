#include "quiz/TextValues.h"

#include <cstdio>
#include <limits>

namespace sumcraft {

std::optional<std::int32_t> ParseInt32(std::string_view text) {
  // Leading blanks are forgiven, as the conversion the format grew up with
  // did; hand-edited files sometimes put one after the "=".
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i == text.size()) return std::nullopt;
  // Accumulate as a negative number so that the most negative value fits.
  constexpr std::int64_t kLimit = -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min());
  std::int64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return std::nullopt;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > kLimit) return std::nullopt;  // stops long digit runs early too
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::string_view Trim(std::string_view text) {
  auto isSpace = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  std::size_t first = 0;
  while (first < text.size() && isSpace(text[first])) ++first;
  std::size_t last = text.size();
  while (last > first && isSpace(text[last - 1])) --last;
  return text.substr(first, last - first);
}

std::string UpperAscii(std::string_view text) {
  std::string result(text);
  for (char& c : result)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return result;
}

std::string Printable(std::string_view text, std::size_t maxLength) {
  std::string result;
  const std::size_t shown = text.size() > maxLength ? maxLength : text.size();
  for (std::size_t i = 0; i < shown; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x20 && c < 0x7F) {
      result += static_cast<char>(c);
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      result += hex;
    }
  }
  if (shown < text.size()) result += "...";
  return result;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

}  // namespace sumcraft
