// The library's functions as the game relies on them: null outside the
// ranges, kind 1 for an unknown tile kind, the one rewritten sound record,
// and all assets lying back to back in one block as complete files.
#include <gtest/gtest.h>

#include "library.h"
#include "probe.h"

#include <algorithm>
#include <vector>

namespace {

using assetlib::Library;
using assetlib::SoundRecord;

class Lookup : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { lib = assetlib::load(); }
  void SetUp() override { ASSERT_NE(lib.handle, nullptr) << "cannot load " << assetlib::path(); }
  static Library lib;
};
Library Lookup::lib;

TEST_F(Lookup, PicturesOutsideZeroToTwelveAreNull) {
  EXPECT_EQ(lib.transGirl(13), nullptr);
  EXPECT_EQ(lib.transGirl(-1), nullptr);
  EXPECT_EQ(lib.transGirl(1 << 30), nullptr);
  for (int i = 0; i <= 12; ++i) EXPECT_NE(lib.transGirl(i), nullptr) << i;
}

TEST_F(Lookup, CountingPortraitsTheWayTheCollectionDoesFindsTwelve) {
  int n = 1;
  while (lib.transGirl(n)) ++n;
  EXPECT_EQ(n - 1, 12);
}

TEST_F(Lookup, PictureZeroIsThePauseCoverNotAPortrait) {
  const void* cover = lib.transGirl(0);
  const probe::Png png = probe::decodePng(cover, probe::pngLength(cover, assetlib::mappedBytesFrom(cover)));
  ASSERT_TRUE(png.ok);
  EXPECT_EQ(png.colourType, 3);
  EXPECT_TRUE(png.hasTrns);
  for (int i = 1; i <= 12; ++i) EXPECT_NE(lib.transGirl(i), cover);
}

TEST_F(Lookup, UnknownTileKindGivesKindOneOfThatSize) {
  EXPECT_EQ(lib.tiles(36, 9), lib.tiles(36, 1));
  EXPECT_EQ(lib.tiles(36, 8), lib.tiles(36, 1));
  EXPECT_EQ(lib.tiles(36, -1), lib.tiles(36, 1));
  EXPECT_EQ(lib.tiles(24, 9), lib.tiles(24, 1));
  EXPECT_NE(lib.tiles(24, 1), lib.tiles(36, 1));
  for (int kind = 0; kind <= 7; ++kind) {
    EXPECT_NE(lib.tiles(36, kind), nullptr);
    if (kind != 1) {
      EXPECT_NE(lib.tiles(36, kind), lib.tiles(36, 1));
    }
  }
}

TEST_F(Lookup, TileSizesOtherThan36And24AreNull) {
  EXPECT_EQ(lib.tiles(30, 1), nullptr);
  EXPECT_EQ(lib.tiles(0, 0), nullptr);
  EXPECT_EQ(lib.tiles(-36, 1), nullptr);
  EXPECT_EQ(lib.tiles(30, 9), nullptr);
}

TEST_F(Lookup, BannersOutsideZeroAndOneAreNull) {
  EXPECT_NE(lib.gfxMsg(0), nullptr);
  EXPECT_NE(lib.gfxMsg(1), nullptr);
  EXPECT_NE(lib.gfxMsg(0), lib.gfxMsg(1));
  EXPECT_EQ(lib.gfxMsg(2), nullptr);
  EXPECT_EQ(lib.gfxMsg(-1), nullptr);
}

TEST_F(Lookup, OneSoundRecordIsRewrittenByEachCall) {
  const auto* first = static_cast<const SoundRecord*>(lib.sounds(0));
  ASSERT_NE(first, nullptr);
  const SoundRecord zero = *first;
  const auto* second = static_cast<const SoundRecord*>(lib.sounds(1));
  ASSERT_EQ(second, first);
  EXPECT_NE(second->data, zero.data);
  EXPECT_EQ(second->data, zero.data + zero.size) << "sound 1 follows sound 0 in the block";
  const probe::OggWalk walk = probe::walkOgg(second->data, assetlib::mappedBytesFrom(second->data));
  EXPECT_EQ(walk.length, std::size_t(second->size));
}

TEST_F(Lookup, SoundOutsideTheRangeIsNullAndLeavesTheRecord) {
  const auto* record = static_cast<const SoundRecord*>(lib.sounds(3));
  ASSERT_NE(record, nullptr);
  const SoundRecord before = *record;
  EXPECT_EQ(lib.sounds(5), nullptr);
  EXPECT_EQ(lib.sounds(-1), nullptr);
  EXPECT_EQ(record->data, before.data);
  EXPECT_EQ(record->size, before.size);
}

TEST_F(Lookup, EachSoundRecordCoversExactlyOneCompleteOggStream) {
  for (int i = 0; i <= 4; ++i) {
    SCOPED_TRACE("sounds(" + std::to_string(i) + ")");
    const auto* record = static_cast<const SoundRecord*>(lib.sounds(i));
    ASSERT_NE(record, nullptr);
    ASSERT_GT(record->size, 0);
    const probe::OggWalk walk = probe::walkOgg(record->data, assetlib::mappedBytesFrom(record->data));
    EXPECT_EQ(walk.length, std::size_t(record->size));
    EXPECT_TRUE(walk.oneSerial);
    EXPECT_GE(walk.pages, 2);  // headers and audio
  }
}

// Every asset is a complete file, and together they fill one block without
// gaps or overlaps.
TEST_F(Lookup, AssetsLieBackToBackAsCompleteFiles) {
  struct Extent {
    const unsigned char* start;
    std::size_t length;
  };
  std::vector<Extent> all;
  auto png = [&](const void* p) {
    const auto* c = static_cast<const unsigned char*>(p);
    all.push_back({c, probe::pngLength(c, assetlib::mappedBytesFrom(c))});
  };
  for (int i = 0; i <= 12; ++i) png(lib.transGirl(i));
  for (int size : {36, 24})
    for (int kind = 0; kind <= 7; ++kind) png(lib.tiles(size, kind));
  png(lib.gfxMsg(0));
  png(lib.gfxMsg(1));
  for (int i = 0; i <= 4; ++i) {
    const auto* r = static_cast<const SoundRecord*>(lib.sounds(i));
    all.push_back({r->data, std::size_t(r->size)});
  }
  std::sort(all.begin(), all.end(), [](const Extent& a, const Extent& b) { return a.start < b.start; });
  for (std::size_t i = 0; i < all.size(); ++i) {
    ASSERT_GT(all[i].length, 0u) << "asset " << i << " is not a complete file";
    if (i + 1 < all.size()) {
      EXPECT_EQ(all[i].start + all[i].length, all[i + 1].start) << "after asset " << i;
    }
  }
}

}  // namespace
