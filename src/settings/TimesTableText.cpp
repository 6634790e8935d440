#include "settings/TimesTableText.h"

#include <algorithm>

namespace sumcraft {

std::string TableText(const std::array<std::int32_t, 12>& timesTable) {
  std::string text;
  text.reserve(36);
  for (std::int32_t mask : timesTable)
    for (int bit = 0; bit < 3; ++bit) text += (mask & (1 << bit)) ? 'X' : '0';
  return text;
}

void ApplyTableText(const std::string& text, std::array<std::int32_t, 12>& timesTable) {
  const std::size_t groups = std::min<std::size_t>(text.size() / 3, timesTable.size());
  for (std::size_t i = 0; i < groups; ++i) {
    std::int32_t mask = 0;
    for (int bit = 0; bit < 3; ++bit)
      if (text[i * 3 + static_cast<std::size_t>(bit)] == 'X') mask |= 1 << bit;
    timesTable[i] = mask;
  }
}

}  // namespace sumcraft
