// A small deterministic random generator, so the artwork is the same on
// every run of the generator.
#pragma once

#include <cstdint>

namespace gen {

class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
  std::uint64_t next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return state_;
  }
  double uniform(double lo = 0, double hi = 1) { return lo + (hi - lo) * double(next() >> 11) / double(1ull << 53); }
  int below(int n) { return int(next() % std::uint64_t(n)); }

 private:
  std::uint64_t state_;
};

}  // namespace gen
