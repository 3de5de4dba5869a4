#pragma once

#include <cstdint>

namespace korvane::testing {

// splitmix64: the same sequence for a seed on every machine and library,
// which std::uniform_int_distribution does not promise.
class SeededRandom {
 public:
  explicit SeededRandom(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
  int between(int low, int high) { return low + below(high - low + 1); }
  bool chance(int perThousand) { return below(1000) < perThousand; }

 private:
  std::uint64_t state_;
};

}  // namespace korvane::testing
