#pragma once
// The Windows runtime's rand(): a seedable linear congruential generator, so every
// random choice of the game can be replayed by a test that seeds it.

namespace platform {

constexpr int kRandMax = 0x7FFF;

void SeedRand(unsigned seed);
int Rand(); // 0 .. kRandMax

} // namespace platform
