#pragma once
// The keys in which each options dialog keeps its problem type's options,
// declared once for loading and saving alike.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "quiz/QOptions.h"

namespace sumcraft {

class TPgmSettings;

// The options field a key holds. Whole numbers are stored in decimal,
// booleans as 1 or 0, the times-table selection as its table text
// (TimesTableText.h).
using TOptionsField = std::variant<std::uint8_t TQOptions::*, bool TQOptions::*, std::int32_t TQOptions::*,
                                   std::array<std::int32_t, 12> TQOptions::*>;

struct TOptionsKey {
  std::string_view Name;
  TOptionsField Field;
  std::int32_t Default = 0;        // a whole number; 1 or 0 for a boolean
  std::string_view TextDefault{};  // the times-table selection's default
};

// A problem type's section and its keys, in the order a first save adds
// them to the file.
struct TOptionsSection {
  std::uint8_t ProblemType;
  std::string_view Name;
  std::span<const TOptionsKey> Keys;
};

// The sections of every problem type that has options.
std::span<const TOptionsSection> OptionsSections();
// The section of problemType; std::invalid_argument for a code without one.
const TOptionsSection& OptionsSection(std::uint8_t problemType);

// What one read of the settings file holds for a section's keys. A field
// names its key; a field outside the section is std::invalid_argument.
class TStoredOptions {
public:
  TStoredOptions(const TOptionsSection& section, std::vector<std::optional<std::string>> values);

  // The stored whole number; the default when the key is missing or holds
  // no decimal whole number within 32 bits.
  std::int32_t Integer(const TOptionsField& field) const;
  // The stored text; the default's text when the key is missing.
  std::string Text(const TOptionsField& field) const;
  std::int32_t Default(const TOptionsField& field) const;

  // Sets every field of the section as stored: a byte field takes the low
  // 8 bits of the number, a boolean is true for any number but 0, and the
  // times-table selection takes the groups its text holds.
  void ApplyTo(TQOptions& options) const;

private:
  std::size_t IndexOf(const TOptionsField& field) const;

  const TOptionsSection* section_;
  std::vector<std::optional<std::string>> values_;
};

// Reads the file once for every key of section.
TStoredOptions ReadOptions(const TPgmSettings& settings, const TOptionsSection& section);

// Stores every field of section from options with one write of the file
// (SettingsWriteError as TPgmSettings::WriteValues raises it).
void WriteOptions(TPgmSettings& settings, const TOptionsSection& section, const TQOptions& options);

}  // namespace sumcraft
