// Bad input for every decoder: empty, null, truncated at every length and
// corrupted data must give 0 and leave the number free, never crash (this
// suite also runs under AddressSanitizer and UndefinedBehaviorSanitizer).
#include "contract.h"
#include "media/testing.h"

namespace {

using BadInput = Contract;

std::vector<unsigned char> samplePng() {
  Pixels pixels(16 * 9);
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = 0xff000000u | static_cast<std::uint32_t>(i * 2654435761u);
  return rgbaPng(16, 9, pixels);
}

TEST_F(BadInput, EmptyAndNullPicturesLeaveTheNumberFree) {
  const auto png = samplePng();
  media::initialiseSprites();
  EXPECT_EQ(media::loadImage(1, nullptr, 100), 0);
  EXPECT_EQ(media::loadImage(1, nullptr, media::UnknownSize), 0);
  EXPECT_EQ(media::loadImage(1, png.data(), 0), 0);
  EXPECT_EQ(media::loadSprite(1, nullptr, 100, media::SpriteAlpha), 0);
  EXPECT_EQ(media::loadSprite(1, png.data(), 0, 0), 0);
  EXPECT_EQ(media::imageHandle(1), nullptr);
  EXPECT_FALSE(media::spriteExists(1));
}

TEST_F(BadInput, APictureCutShortAnywhereDoesNotLoad) {
  const auto png = samplePng();
  media::initialiseSprites();
  for (std::size_t length = 0; length < png.size(); ++length) {
    const std::vector<unsigned char> cut(png.begin(), png.begin() + length);
    ASSERT_EQ(media::loadImage(1, cut.data(), cut.size()), 0) << "cut at " << length;
    ASSERT_EQ(media::loadSprite(1, cut.data(), cut.size(), media::SpriteAlpha), 0) << "cut at " << length;
  }
  EXPECT_EQ(media::imageHandle(1), nullptr);
  EXPECT_EQ(media::loadImage(1, png.data(), png.size()), 1) << "the whole picture does load";
}

TEST_F(BadInput, ACorruptedPictureEitherLoadsWhollyOrNotAtAll) {
  const auto png = samplePng();
  for (std::size_t at = 0; at < png.size(); ++at) {
    auto bad = png;
    bad[at] ^= 0x5a;
    const int loaded = media::loadImage(1, bad.data(), bad.size());
    if (loaded) {
      ASSERT_EQ(media::imageWidth(1) * media::imageHeight(1),
                static_cast<int>(reinterpret_cast<const media::Image*>(media::imageHandle(1))->pixels.size()));
    } else {
      ASSERT_EQ(media::imageHandle(1), nullptr) << "byte " << at;
    }
  }
}

TEST_F(BadInput, AHeaderClaimingAHugePictureIsRefused) {
  auto png = rgbPng(1, 1, {0xff000000});
  // Width and height live in bytes 16..23 (IHDR); the CRC no longer matches
  // either, which libpng may or may not forgive: both must end in a refusal.
  for (int i = 16; i < 24; ++i) png[i] = 0x7f;
  EXPECT_EQ(media::loadImage(1, png.data(), png.size()), 0);
}

TEST_F(BadInput, ALengthlessPictureWithoutAnEndIsRefused) {
  std::vector<unsigned char> junk(4096, 0);
  const auto png = samplePng();
  std::copy(png.begin(), png.begin() + 33, junk.begin());  // signature and header, then zero chunks forever
  EXPECT_EQ(media::loadImage(1, junk.data(), junk.size()), 0);
  junk.assign(4096, 0xff);
  EXPECT_EQ(media::loadImage(1, junk.data(), media::UnknownSize), 0);
}

TEST_F(BadInput, IconsCutShortOrPointingOutsideDoNotLoad) {
  const auto ico = icon24(4, 4, Pixels(16, 0xff123456));
  for (std::size_t length = 0; length < ico.size(); ++length)
    ASSERT_EQ(media::loadImage(2, ico.data(), length), 0) << "cut at " << length;
  auto far = ico;
  far[18] = 0xff, far[19] = 0xff, far[20] = 0xff, far[21] = 0x7f;  // image offset far beyond the data
  EXPECT_EQ(media::loadImage(2, far.data(), far.size()), 0);
  EXPECT_EQ(media::imageHandle(2), nullptr);
}

TEST_F(BadInput, SoundsThatDoNotDecodeLeaveTheNumberFree) {
  if (!media::initialiseSound()) GTEST_SKIP() << "no sound output";
  const auto ogg = sineOgg(1, 22050, 0.2, 0.5, 440);
  EXPECT_EQ(media::loadSound(1, nullptr, 100), 0);
  EXPECT_EQ(media::loadSound(1, ogg.data(), 0), 0);
  const unsigned char text[] = "this is not an Ogg stream at all, just words";
  EXPECT_EQ(media::loadSound(1, text, sizeof text), 0);
  for (std::size_t length = 0; length < ogg.size(); length += 1 + length / 8) {
    const std::vector<unsigned char> cut(ogg.begin(), ogg.begin() + length);
    media::loadSound(1, cut.data(), cut.size());  // a clip cut after its headers may still play a part
  }
  for (std::size_t at = 0; at < ogg.size(); at += 7) {
    auto bad = ogg;
    bad[at] ^= 0xa5;
    if (!media::loadSound(2, bad.data(), bad.size())) {
      ASSERT_FALSE(media::soundExists(2)) << "byte " << at;
    }
  }
  const std::vector<unsigned char> headers(ogg.begin(), ogg.begin() + 30);
  EXPECT_EQ(media::loadSound(3, headers.data(), headers.size()), 0);
  EXPECT_FALSE(media::soundExists(3));
  EXPECT_EQ(media::loadSound(3, ogg.data(), ogg.size()), 1);
}

}  // namespace
