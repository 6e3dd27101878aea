// Random numbers and shuffling. The generator is PCG32 (a 64-bit linear
// congruential state with a permuted 32-bit output), seeded once per run on
// first use from the process, thread and clock, so every run deals anew.
#include <chrono>
#include <cstring>
#include <utility>

#include "media/core/core.h"
#include "media/core/system.h"
#include "media/media.h"

namespace media {
namespace {

std::uint64_t state = 0;
bool seeded = false;

void seedFrom(std::uint64_t seed) {
  state = 0;
  seeded = true;
  state = state * 6364136223846793005ull + 1442695040888963407ull;
  state += seed;
  state = state * 6364136223846793005ull + 1442695040888963407ull;
}

std::uint32_t next() {
  if (!seeded) {
    const auto ticks = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    const auto wall = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    seedFrom(ticks ^ wall ^ system::processAndThread());
  }
  const std::uint64_t old = state;
  state = old * 6364136223846793005ull + 1442695040888963407ull;
  const auto shifted = static_cast<std::uint32_t>(((old >> 18) ^ old) >> 27);
  const auto rotation = static_cast<std::uint32_t>(old >> 59);
  return (shifted >> rotation) | (shifted << ((32 - rotation) & 31));
}

}  // namespace

void core::seedRandom(std::uint64_t seed) { seedFrom(seed); }

std::uint32_t random(std::uint32_t maximum) {
  return static_cast<std::uint32_t>((std::uint64_t{next()} * (std::uint64_t{maximum} + 1)) >> 32);
}

void shuffle(void* array, std::size_t elementSize, std::size_t first, std::size_t last) {
  if (!array || elementSize == 0 || last <= first) return;
  auto* bytes = static_cast<unsigned char*>(array);
  for (std::size_t i = first + 1; i <= last; ++i) {
    const std::size_t j = first + random(static_cast<std::uint32_t>(i - first));
    if (i == j) continue;
    unsigned char* a = bytes + i * elementSize;
    unsigned char* b = bytes + j * elementSize;
    for (std::size_t k = 0; k < elementSize; ++k) std::swap(a[k], b[k]);
  }
}

}  // namespace media
