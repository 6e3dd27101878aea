// A stand-in asset library whose transGirl never answers null: every index
// gives the same small picture, as a newer library with more portraits or a
// broken one would. The other three names answer null.
//
// A caller that counts portraits until a null answer would never stop; after
// far more calls than any bounded caller makes, the library ends the process
// with a message, so such a caller fails its test at once instead of filling
// the memory with thumbnails.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#define ENDLESS_ASSET_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

// A 2 x 3 RGB PNG, complete from its signature to IEND.
constexpr unsigned char Picture[] = {
    0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44, 0x52, 0x00,
    0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x03, 0x08, 0x02, 0x00, 0x00, 0x00, 0x36, 0x88, 0x49, 0xd6, 0x00,
    0x00, 0x00, 0x10, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9c, 0x63, 0x38, 0xa1, 0xa1, 0x01, 0x44, 0x0c, 0x28,
    0x14, 0x00, 0x48, 0xbd, 0x06, 0x91, 0x8a, 0x40, 0xcb, 0xa2, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e,
    0x44, 0xae, 0x42, 0x60, 0x82,
};

constexpr int CallLimit = 10000;
int calls = 0;

}  // namespace

ENDLESS_ASSET_EXPORT std::intptr_t transGirl(std::int32_t) {
  if (++calls > CallLimit) {
    std::fprintf(stderr, "endless asset library: transGirl called %d times, the caller does not stop\n", CallLimit);
    std::abort();
  }
  return reinterpret_cast<std::intptr_t>(Picture);
}
ENDLESS_ASSET_EXPORT std::intptr_t sounds(std::int32_t) { return 0; }
ENDLESS_ASSET_EXPORT std::intptr_t tiles(std::int32_t, std::int32_t) { return 0; }
ENDLESS_ASSET_EXPORT std::intptr_t gfxMsg(std::int32_t) { return 0; }
