/* The asset library: the game's portraits, pause cover, tiles, banners and
 * sounds, each the complete PNG or Ogg Vorbis file, back to back in one data
 * block that the build embeds (asset_block.inc). Four exported functions
 * look the assets up by number; none decodes or copies anything. */
#include <stdint.h>

#include "asset_block.inc"

#ifdef _WIN32
/* exports.def names the exports. The DLL has no C runtime to start: its entry
 * point only accepts every call. */
#define EXPORT
int __stdcall DllEntry(void* module, unsigned long reason, void* reserved);
int __stdcall DllEntry(void* module, unsigned long reason, void* reserved) {
  (void)module;
  (void)reason;
  (void)reserved;
  return 1;
}
#else
#define EXPORT __attribute__((visibility("default")))
#endif

/* Positions of the assets in the block, in the order the build embeds them. */
enum {
  FirstPicture = 0,
  PictureCount = 13,
  FirstTile36 = FirstPicture + PictureCount,
  TileKinds = 8,
  FirstTile24 = FirstTile36 + TileKinds,
  FirstBanner = FirstTile24 + TileKinds,
  BannerCount = 2,
  FirstSound = FirstBanner + BannerCount,
  SoundCount = 5
};

/* The one sound record; every successful sounds() call rewrites it. */
struct SoundRecord {
  const unsigned char* data;
  int32_t size;
};
static struct SoundRecord soundRecord;

static const unsigned char* asset(int n) { return AssetBlock + AssetBlockOffsets[n]; }

EXPORT const void* transGirl(int32_t index) {
  if (index < 0 || index >= PictureCount) return 0;
  return asset(FirstPicture + index);
}

EXPORT const void* tiles(int32_t size, int32_t kind) {
  if (kind < 0 || kind >= TileKinds) kind = 1;
  if (size == 36) return asset(FirstTile36 + kind);
  if (size == 24) return asset(FirstTile24 + kind);
  return 0;
}

EXPORT const void* gfxMsg(int32_t index) {
  if (index < 0 || index >= BannerCount) return 0;
  return asset(FirstBanner + index);
}

EXPORT const void* sounds(int32_t index) {
  if (index < 0 || index >= SoundCount) return 0;
  soundRecord.data = asset(FirstSound + index);
  soundRecord.size = (int32_t)(AssetBlockOffsets[FirstSound + index + 1] - AssetBlockOffsets[FirstSound + index]);
  return &soundRecord;
}
