#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace sumcraft {

// The settings-file form of a times-table selection: 12 groups of three
// characters, one group per table 1..12, "X" for a ticked factor range
// (1-4, 5-8, 9-12) and "0" for an unticked one.
inline constexpr const char* kDefaultTableText = "000000000XXXXXXXXX000000000000000000";

// All 36 characters for the twelve masks.
std::string TableText(const std::array<std::int32_t, 12>& timesTable);

// Applies the groups the text holds: a group is three characters, only a
// capital "X" counts as ticked; one or two trailing characters are ignored,
// tables without a group keep their mask, and groups past the twelfth are
// ignored (there are only twelve tables).
void ApplyTableText(const std::string& text, std::array<std::int32_t, 12>& timesTable);

}  // namespace sumcraft
