#pragma once
// The program's one pseudo-random generator. Random(n) is uniform in 0..n-1
// (0 when n <= 0). It is seeded from a fine clock when a stand sample is
// built; tests pass a fixed seed instead.

#include <cstdint>

namespace platform {

void SeedRandom(std::uint64_t seed);
// Seeds from the clock unless a fixed seed has been forced (tests).
void SeedRandomFromClock();
// Forces every later SeedRandomFromClock() to use this seed (for tests);
// ClearForcedSeed() returns to the clock.
void ForceSeed(std::uint64_t seed);
void ClearForcedSeed();
int Random(int n);

}  // namespace platform
