#include "platform/Random.h"

#include <chrono>
#include <optional>
#include <random>

namespace platform {

namespace {
std::mt19937_64& Engine() {
  static std::mt19937_64 engine(12345);
  return engine;
}
std::optional<std::uint64_t>& Forced() {
  static std::optional<std::uint64_t> forced;
  return forced;
}
}  // namespace

void SeedRandom(std::uint64_t seed) { Engine().seed(seed); }

void SeedRandomFromClock() {
  if (Forced()) {
    SeedRandom(*Forced());
    return;
  }
  auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  SeedRandom(static_cast<std::uint64_t>(now));
}

void ForceSeed(std::uint64_t seed) { Forced() = seed; }
void ClearForcedSeed() { Forced().reset(); }

int Random(int n) {
  if (n <= 0) return 0;
  std::uniform_int_distribution<int> dist(0, n - 1);
  return dist(Engine());
}

}  // namespace platform
