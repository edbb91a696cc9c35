#include "platform/random.h"

#include <chrono>

namespace kvo {

namespace {

constexpr uint32_t kMultiplier = 134775813u;

uint32_t NextState() {
  RandSeed = RandSeed * kMultiplier + 1u;  // unsigned arithmetic wraps mod 2^32
  return RandSeed;
}

}  // namespace

int32_t Random(int32_t n) {
  const uint32_t state = NextState();
  if (n <= 0) return 0;
  // The high 32 bits of state * n lie in 0 .. n - 1 because state < 2^32.
  return static_cast<int32_t>((static_cast<uint64_t>(state) * static_cast<uint32_t>(n)) >> 32);
}

double Random() { return static_cast<double>(NextState()) * (1.0 / 4294967296.0); }

void Randomize() {
  const auto mono = std::chrono::steady_clock::now().time_since_epoch().count();
  const auto real = std::chrono::system_clock::now().time_since_epoch().count();
  const uint64_t mix = static_cast<uint64_t>(mono) ^ (static_cast<uint64_t>(real) * 0x9E3779B97F4A7C15ull);
  RandSeed = static_cast<uint32_t>(mix ^ (mix >> 32));
}

}  // namespace kvo
