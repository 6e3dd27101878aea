// A stand-in asset library for fault runs: it exports the four names the game
// looks up, and every one of them answers null, as a broken or foreign
// library with the right names would.
#include <cstdint>

#define NULL_ASSET_EXPORT extern "C" __attribute__((visibility("default")))

NULL_ASSET_EXPORT std::intptr_t transGirl(std::int32_t) { return 0; }
NULL_ASSET_EXPORT std::intptr_t sounds(std::int32_t) { return 0; }
NULL_ASSET_EXPORT std::intptr_t tiles(std::int32_t, std::int32_t) { return 0; }
NULL_ASSET_EXPORT std::intptr_t gfxMsg(std::int32_t) { return 0; }
