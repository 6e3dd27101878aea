// The asset library loaded with the system loader, as the game loads it, and
// typed views of its four functions and its sound record.
#pragma once

#include <cstddef>
#include <cstdint>

namespace assetlib {

struct SoundRecord {
  const unsigned char* data;
  std::int32_t size;
};

using IndexFunction = const void* (*)(std::int32_t);
using TileFunction = const void* (*)(std::int32_t, std::int32_t);

struct Library {
  void* handle = nullptr;
  IndexFunction transGirl = nullptr, gfxMsg = nullptr, sounds = nullptr;
  TileFunction tiles = nullptr;
};

// Loads the library built by this build tree (its path comes from the build).
Library load();
const char* path();
// Bytes readable from p to the end of the library's mapped segment holding it
// (0 if p is not inside the library), so walkers never read past the module.
std::size_t mappedBytesFrom(const void* p);

}  // namespace assetlib
