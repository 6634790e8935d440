#pragma once
#include <cstdint>

namespace sumcraft {

// The one program-wide random source: a 32-bit linear congruential state.
// Every generator and every dialog preview draws from it, so a given state
// yields the same questions, draw for draw, on every machine.

// Advances the state (state * 134775813 + 1 mod 2^32) and returns the high
// 32 bits of state * n: uniform in 0..n-1 for n >= 1. Random(0) returns 0.
// A negative range (only reachable from damaged files) also returns 0; the
// state still advances, as it does for 0.
std::int32_t Random(std::int32_t n);

std::uint32_t RandomState();
void SetRandomState(std::uint32_t state);

// Seeds the state once at start-up from the low 32 bits of a steady clock.
void SeedRandomFromClock();

}  // namespace sumcraft
