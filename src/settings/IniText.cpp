#include "settings/IniText.h"

#include <algorithm>
#include <stdexcept>

#include "quiz/TextValues.h"

namespace sumcraft {

namespace {

bool SameName(std::string_view a, std::string_view b) { return UpperAscii(a) == UpperAscii(b); }

// The name of a "[Section]" line, or nothing.
std::optional<std::string_view> SectionName(std::string_view line) {
  const std::string_view t = Trim(line);
  if (t.empty() || t.front() != '[') return std::nullopt;
  const std::size_t close = t.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(t.substr(1, close - 1));
}

struct Entry {
  std::string_view key;
  std::string_view value;
};

std::optional<Entry> KeyLine(std::string_view line) {
  const std::string_view t = Trim(line);
  if (t.empty() || t.front() == ';') return std::nullopt;
  const std::size_t eq = t.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return Entry{Trim(t.substr(0, eq)), Trim(t.substr(eq + 1))};
}

bool HasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

}  // namespace

TIniText::TIniText(std::string_view text) {
  for (std::string_view line : SplitLines(text)) lines_.emplace_back(line);
}

std::optional<std::string> TIniText::Value(std::string_view section, std::string_view key) const {
  bool inSection = false;
  bool seenSection = false;
  for (const std::string& line : lines_) {
    if (const auto name = SectionName(line)) {
      if (inSection) return std::nullopt;  // only the first section of the name counts
      inSection = !seenSection && SameName(*name, section);
      seenSection = seenSection || inSection;
      continue;
    }
    if (!inSection) continue;
    if (const auto entry = KeyLine(line); entry && SameName(entry->key, key)) return std::string(entry->value);
  }
  return std::nullopt;
}

void TIniText::Set(std::string_view section, std::string_view key, std::string_view value) {
  if (Trim(section).empty() || HasLineBreak(section) || section.find(']') != std::string_view::npos)
    throw std::invalid_argument("not a settings section name: " + Printable(section));
  if (Trim(key).empty() || HasLineBreak(key) || key.find('=') != std::string_view::npos)
    throw std::invalid_argument("not a settings key: " + Printable(key));
  std::string text(value);
  std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  std::string newLine = std::string(key) + "=" + text;

  std::size_t sectionLine = lines_.size();
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (const auto name = SectionName(lines_[i]); name && SameName(*name, section)) {
      sectionLine = i;
      break;
    }
  }
  if (sectionLine == lines_.size()) {
    if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.emplace_back();
    lines_.push_back("[" + std::string(section) + "]");
    lines_.push_back(std::move(newLine));
    return;
  }
  std::size_t lastContent = sectionLine;
  for (std::size_t i = sectionLine + 1; i < lines_.size() && !SectionName(lines_[i]); ++i) {
    if (const auto entry = KeyLine(lines_[i]); entry && SameName(entry->key, key)) {
      lines_[i] = std::move(newLine);
      return;
    }
    if (!Trim(lines_[i]).empty()) lastContent = i;
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(lastContent + 1), std::move(newLine));
}

void TIniText::DropBlankLines() {
  std::erase_if(lines_, [](const std::string& line) { return Trim(line).empty(); });
}

std::string TIniText::Text() const {
  std::string text;
  for (const std::string& line : lines_) {
    text += line;
    text += '\n';
  }
  return text;
}

}  // namespace sumcraft
