// Copying pictures and sounds out of the loaded asset library into the game's
// own sprites and sounds. The library hands out bare addresses; a null answer
// leaves the sprite or sound absent instead of being read.
#include <cstdint>

#include "common/ids.h"
#include "engine/engine_internal.h"
#include "media/media.h"

namespace engine {

namespace {

// The library's one sound record: the stream's address, then its 32-bit size.
struct SoundRecord {
  const void* data;
  std::int32_t size;
};

int MakeSprite(int sprite, std::intptr_t address, unsigned flags) {
  // The library gives no size with its pictures: the decoder walks the chunks.
  if (address != 0 && media::loadSprite(sprite, reinterpret_cast<const void*>(address), media::UnknownSize, flags))
    return 1;
  media::freeSprite(sprite);
  return 0;
}

}  // namespace

int LoadLibrarySprite(int sprite, const char* function, std::int32_t argument, unsigned flags) {
  return MakeSprite(sprite, media::callLibrary(ids::AssetLibrary, function, argument), flags);
}

int LoadLibrarySprite(int sprite, const char* function, std::int32_t a, std::int32_t b, unsigned flags) {
  return MakeSprite(sprite, media::callLibrary(ids::AssetLibrary, function, a, b), flags);
}

int LoadLibrarySound(int sound, std::int32_t index) {
  std::intptr_t address = media::callLibrary(ids::AssetLibrary, "sounds", index);
  // The record is rewritten by the next call, so it is read at once.
  const auto* record = reinterpret_cast<const SoundRecord*>(address);
  if (record != nullptr && record->data != nullptr && record->size > 0 &&
      media::loadSound(sound, record->data, static_cast<std::size_t>(record->size)))
    return 1;
  media::freeSound(sound);
  return 0;
}

}  // namespace engine
