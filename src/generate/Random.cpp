#include "generate/Random.h"

#include <chrono>

namespace sumcraft {

namespace {
std::uint32_t g_state = 0;
}

std::int32_t Random(std::int32_t n) {
  g_state = g_state * 134775813u + 1u;
  if (n <= 0) return 0;
  const std::uint64_t product = static_cast<std::uint64_t>(g_state) * static_cast<std::uint32_t>(n);
  return static_cast<std::int32_t>(product >> 32);
}

std::uint32_t RandomState() { return g_state; }

void SetRandomState(std::uint32_t state) { g_state = state; }

void SeedRandomFromClock() {
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  g_state = static_cast<std::uint32_t>(ticks);
}

}  // namespace sumcraft
