#pragma once
// The game's one random generator: a 32-bit linear congruential generator.
//   RandSeed := RandSeed * 0x08088405 + 1
//   Random(n) = high 32 bits of RandSeed * n
// Everything that draws (the match engine, the draws, the market, sorting) goes through it, so a
// game started from a known seed repeats exactly.
#include <cstdint>

namespace tarvelon {

extern std::uint32_t RandSeed;

// Advances the generator and returns a value in 0 .. n-1 (0 when n <= 0).
std::int32_t Random(std::int32_t n);

// Advances the generator and returns a real in [0, 1).
double RandomReal();

// Randomize(), which seeds the generator from the high-resolution clock, is in core/hooks.h.

}  // namespace tarvelon
