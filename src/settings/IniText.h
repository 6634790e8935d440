#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sumcraft {

// The text of an INI file, after the platform's conventions: "[Section]"
// lines, then "Key=Value" lines. Section and key names match without regard
// to ASCII case; blanks around names and values are not part of them; lines
// starting with ";" and lines before the first section are comments. The
// first section and the first key of a name count. Other lines are kept as
// they are when a value is set.
class TIniText {
public:
  explicit TIniText(std::string_view text);

  // The value of key in section; nothing when the key is missing.
  std::optional<std::string> Value(std::string_view section, std::string_view key) const;

  // Sets key in section to value, adding the key (at the end of its section)
  // or the section (at the end of the text) when missing. A line break in
  // value would break the file, so each becomes a blank. Section and key
  // must be names: not empty, no line break, no "]" in a section, no "=" in
  // a key (std::invalid_argument otherwise).
  void Set(std::string_view section, std::string_view key, std::string_view value);

  // Removes every line holding nothing but blanks and control characters.
  void DropBlankLines();

  // The whole text, every line ended by LF.
  std::string Text() const;

private:
  std::vector<std::string> lines_;
};

}  // namespace sumcraft
