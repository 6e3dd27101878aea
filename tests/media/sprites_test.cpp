// The drawing surface and its sprites, checked pixel by pixel on the frame
// the back end was handed: clipping, opaque and blended draws, colour keys,
// intensity, display size and capture.
#include "contract.h"
#include "media/testing.h"

namespace {

namespace mt = media::testing;
constexpr int FieldWidth = 288, FieldHeight = 432;
constexpr std::uint32_t Ground = 0xff204060;

class Sprites : public Contract {
 protected:
  void SetUp() override {
    Contract::SetUp();
    ASSERT_EQ(media::initialiseSprites(), 1);
    ASSERT_EQ(media::openScreen(media::windowHandle(MainWindow), 16, 8, FieldWidth, FieldHeight), 1);
    const auto ground = rgbPng(FieldWidth, FieldHeight, Pixels(FieldWidth * FieldHeight, Ground));
    ASSERT_EQ(media::loadSprite(0, ground.data(), ground.size(), 0), 1);
  }
  // Draws the ground, lets draw() add to it, presents, and returns the frame.
  template <class Draw>
  static mt::Frame frame(Draw draw) {
    media::drawSprite(0, 0, 0);
    draw();
    EXPECT_EQ(media::present(), 1);
    return mt::lastPresentedFrame();
  }
  static std::uint32_t at(const mt::Frame& f, int x, int y) { return f.pixels[std::size_t(y) * f.width + x]; }
  static std::uint32_t blend(std::uint32_t src, std::uint32_t dst, std::uint32_t a) {
    auto channel = [&](int shift) {
      return (((src >> shift) & 255) * a + ((dst >> shift) & 255) * (255 - a) + 127) / 255 << shift;
    };
    return 0xff000000u | channel(16) | channel(8) | channel(0);
  }
};

// A 36 x 36 picture whose every pixel is different.
Pixels numbered() {
  Pixels pixels(36 * 36);
  for (int y = 0; y < 36; ++y)
    for (int x = 0; x < 36; ++x) pixels[y * 36 + x] = 0xff000000u | (x * 7) << 16 | (y * 7) << 8 | 0x11;
  return pixels;
}

TEST_F(Sprites, ASpriteWhollyLeftOfTheScreenDrawsNothing) {
  const auto png = rgbPng(36, 36, numbered());
  ASSERT_EQ(media::loadSprite(5, png.data(), png.size(), 0), 1);
  const mt::Frame f = frame([] { media::drawSprite(5, -40, 10); });
  ASSERT_EQ(f.width, FieldWidth);
  ASSERT_EQ(f.height, FieldHeight);
  EXPECT_EQ(f.pixels, Pixels(FieldWidth * FieldHeight, Ground));
  EXPECT_EQ(frame([] { media::drawSprite(5, FieldWidth, 0); }).pixels, f.pixels) << "right of the screen";
  EXPECT_EQ(frame([] { media::drawSpriteBlended(5, 0, -36); }).pixels, f.pixels) << "above the screen";
}

TEST_F(Sprites, ASpritePartlyOffTheScreenIsClipped) {
  const Pixels pixels = numbered();
  const auto png = rgbPng(36, 36, pixels);
  ASSERT_EQ(media::loadSprite(5, png.data(), png.size(), 0), 1);
  const mt::Frame f = frame([] {
    media::drawSprite(5, -10, 20);
    media::drawSprite(5, FieldWidth - 6, FieldHeight - 4);
  });
  for (int y = 0; y < 36; ++y)
    for (int x = 0; x < 26; ++x) ASSERT_EQ(at(f, x, 20 + y), pixels[y * 36 + x + 10]) << x << "," << y;
  EXPECT_EQ(at(f, 26, 20), Ground);
  EXPECT_EQ(at(f, 0, 19), Ground);
  EXPECT_EQ(at(f, 0, 56), Ground);
  EXPECT_EQ(at(f, FieldWidth - 1, FieldHeight - 1), pixels[3 * 36 + 5]);
  EXPECT_EQ(at(f, FieldWidth - 7, FieldHeight - 1), Ground);
}

TEST_F(Sprites, BlendingMixesByTheSpritesAlpha) {
  const Pixels pixels{0x80ff0000, 0xff00ff00, 0x00ffffff, 0x400000ff};
  const auto png = rgbaPng(2, 2, pixels);
  ASSERT_EQ(media::loadSprite(6, png.data(), png.size(), media::SpriteAlpha), 1);
  const mt::Frame f = frame([] { media::drawSpriteBlended(6, 100, 100); });
  EXPECT_EQ(at(f, 100, 100), blend(0xff0000, Ground, 0x80));
  EXPECT_EQ(at(f, 101, 100), 0xff00ff00u);
  EXPECT_EQ(at(f, 100, 101), Ground);
  EXPECT_EQ(at(f, 101, 101), blend(0x0000ff, Ground, 0x40));
  const mt::Frame faded = frame([] { media::drawSpriteBlended(6, 100, 100, 128); });
  EXPECT_EQ(at(faded, 101, 100), blend(0x00ff00, Ground, 128)) << "intensity scales the alpha";
  EXPECT_EQ(at(faded, 100, 100), blend(0xff0000, Ground, (0x80 * 128 + 127) / 255));
  EXPECT_EQ(frame([] { media::drawSpriteBlended(6, 100, 100, 0); }).pixels, Pixels(FieldWidth * FieldHeight, Ground));
}

TEST_F(Sprites, AColourKeyedSpriteAtIntensity128DrawsItsOtherPixelsHalfOpaque) {
  const Pixels pixels{0xff000000, 0xffff8000, 0xff000000, 0xff0000ff};  // black is the default key
  const auto png = rgbPng(2, 2, pixels);
  ASSERT_EQ(media::loadSprite(7, png.data(), png.size(), media::SpriteAlpha), 1) << "no alpha: keyed";
  const mt::Frame f = frame([] { media::drawSpriteBlended(7, 10, 10, 128); });
  EXPECT_EQ(at(f, 10, 10), Ground);
  EXPECT_EQ(at(f, 11, 10), blend(0xff8000, Ground, 128));
  EXPECT_EQ(at(f, 10, 11), Ground);
  EXPECT_EQ(at(f, 11, 11), blend(0x0000ff, Ground, 128));
  const mt::Frame solid = frame([] { media::drawSpriteBlended(7, 10, 10); });
  EXPECT_EQ(at(solid, 11, 10), 0xffff8000u);
  EXPECT_EQ(at(solid, 10, 10), Ground);
}

TEST_F(Sprites, WithoutTheAlphaFlagAnAlphaPictureIsKeyedToo) {
  const auto png = rgbaPng(2, 1, {0x40ff0000, 0xff000000});
  ASSERT_EQ(media::loadSprite(8, png.data(), png.size(), 0), 1);
  const mt::Frame f = frame([] { media::drawSpriteBlended(8, 0, 0); });
  EXPECT_EQ(at(f, 0, 0), 0xffff0000u) << "keyed sprites ignore the picture's alpha";
  EXPECT_EQ(at(f, 1, 0), Ground) << "the black pixel is the key";
}

TEST_F(Sprites, TheDefaultKeyAppliesToLaterLoadsAndAKeyCanBeChanged) {
  const auto png = rgbPng(2, 1, {0xff000000, 0xff00ff00});
  ASSERT_EQ(media::loadSprite(8, png.data(), png.size(), 0), 1);
  ASSERT_EQ(media::setTransparentColour(-1, 0x00ff00), 1);  // green, as red + green*256 + blue*65536
  ASSERT_EQ(media::loadSprite(9, png.data(), png.size(), 0), 1);
  const mt::Frame f = frame([] {
    media::drawSpriteBlended(8, 0, 0);
    media::drawSpriteBlended(9, 0, 1);
  });
  EXPECT_EQ(at(f, 0, 0), Ground) << "sprite 8 kept black";
  EXPECT_EQ(at(f, 1, 0), 0xff00ff00u);
  EXPECT_EQ(at(f, 0, 1), 0xff000000u);
  EXPECT_EQ(at(f, 1, 1), Ground) << "sprite 9 was keyed on green";
  ASSERT_EQ(media::setTransparentColour(8, 0x0000ff), 1);  // red
  const auto red = rgbPng(1, 1, {0xffff0000});
  ASSERT_EQ(media::loadSprite(10, red.data(), red.size(), 0), 1);
  ASSERT_EQ(media::setTransparentColour(10, 0x0000ff), 1);
  EXPECT_EQ(at(frame([] { media::drawSpriteBlended(10, 5, 5); }), 5, 5), Ground);
}

TEST_F(Sprites, FadingASpriteWithoutTransparentPixelsBlendsEveryPixel) {
  const auto png = rgbPng(2, 1, {0xffff0000, 0xff00ff00});
  ASSERT_EQ(media::loadSprite(11, png.data(), png.size(), 0), 1);
  const mt::Frame f = frame([] { media::drawSpriteBlended(11, 7, 7, 100); });
  EXPECT_EQ(at(f, 7, 7), blend(0xff0000, Ground, 100));
  EXPECT_EQ(at(f, 8, 7), blend(0x00ff00, Ground, 100));
}

TEST_F(Sprites, AnOpaqueDrawIgnoresAlphaAndKey) {
  const auto png = rgbaPng(2, 1, {0x00ff0000, 0xff000000});
  ASSERT_EQ(media::loadSprite(11, png.data(), png.size(), media::SpriteAlpha), 1);
  const mt::Frame f = frame([] { media::drawSprite(11, 3, 3); });
  EXPECT_EQ(at(f, 3, 3), 0xffff0000u);
  EXPECT_EQ(at(f, 4, 3), 0xff000000u);
}

TEST_F(Sprites, TheDisplaySizeScalesDrawsAndMinusOneKeepsASide) {
  const auto png = rgbPng(2, 2, {0xffff0000, 0xff00ff00, 0xff0000ff, 0xffffffff});
  ASSERT_EQ(media::loadSprite(12, png.data(), png.size(), 0), 1);
  ASSERT_EQ(media::setSpriteSize(12, 4, -1), 1);
  EXPECT_EQ(media::spriteWidth(12), 4);
  EXPECT_EQ(media::spriteHeight(12), 2);
  ASSERT_EQ(media::setSpriteSize(12, 4, 4), 1);
  const mt::Frame f = frame([] { media::drawSprite(12, 50, 50); });
  EXPECT_EQ(at(f, 50, 50), 0xffff0000u);
  EXPECT_EQ(at(f, 51, 51), 0xffff0000u);
  EXPECT_EQ(at(f, 53, 50), 0xff00ff00u);
  EXPECT_EQ(at(f, 50, 53), 0xff0000ffu);
  EXPECT_EQ(at(f, 53, 53), 0xffffffffu);
  EXPECT_EQ(at(f, 54, 54), Ground);
  ASSERT_EQ(media::setSpriteSize(12, -1, -1), 1);
  EXPECT_EQ(media::spriteWidth(12), 2);
  EXPECT_EQ(media::spriteWidth(13), 0);
  EXPECT_EQ(media::spriteHeight(13), 0);
}

TEST_F(Sprites, ACapturedRectangleDrawsBackAsItWas) {
  const Pixels pixels = numbered();
  const auto png = rgbPng(36, 36, pixels);
  ASSERT_EQ(media::loadSprite(5, png.data(), png.size(), 0), 1);
  frame([] { media::drawSprite(5, 30, 40); });
  ASSERT_EQ(media::captureSprite(2, 20, 30, 50, 50), 1);
  EXPECT_EQ(media::spriteWidth(2), 50);
  const mt::Frame copy = frame([] { media::drawSpriteBlended(2, 120, 200); });
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 50; ++x) {
      const bool inside = x >= 10 && x < 46 && y >= 10 && y < 46;
      ASSERT_EQ(at(copy, 120 + x, 200 + y), inside ? pixels[(y - 10) * 36 + x - 10] : Ground) << x << "," << y;
    }
  EXPECT_EQ(media::captureSprite(3, FieldWidth - 10, 0, 20, 20), 0) << "the rectangle leaves the screen";
  EXPECT_FALSE(media::spriteExists(3));
}

// The back end is told which part changed since the frame before, and what it
// shows stays the whole frame: nothing for the same frame again, one tile's
// rectangle for one changed tile, everything for a new ground.
TEST_F(Sprites, APresentShowsAnewOnlyWhatChanged) {
  const Pixels pixels = numbered();
  const auto tile = rgbPng(36, 36, pixels);
  const auto plain = rgbPng(36, 36, Pixels(36 * 36, 0xff00ff00u));
  ASSERT_EQ(media::loadSprite(5, tile.data(), tile.size(), 0), 1);
  ASSERT_EQ(media::loadSprite(6, plain.data(), plain.size(), 0), 1);
  auto board = [](int changedTile) {
    return [changedTile] {
      for (int cell = 0; cell < 8; ++cell) media::drawSprite(cell == changedTile ? 6 : 5, cell * 36, 72);
    };
  };
  auto change = [] {
    const mt::Placement p = mt::lastPresentedChange();
    return std::vector<int>{p.x, p.y, p.width, p.height};
  };
  frame(board(-1));
  EXPECT_EQ(change(), (std::vector<int>{0, 0, FieldWidth, FieldHeight})) << "the first frame is all new";
  frame(board(-1));
  EXPECT_EQ(change(), (std::vector<int>{0, 0, 0, 0}));
  const mt::Frame one = frame(board(3));
  EXPECT_EQ(change(), (std::vector<int>{108, 72, 36, 36}));
  EXPECT_EQ(at(one, 108, 72), 0xff00ff00u);
  EXPECT_EQ(at(one, 143, 107), 0xff00ff00u);
  EXPECT_EQ(at(one, 144, 72), pixels[0]);
  EXPECT_EQ(at(one, 107, 107), pixels[36 * 36 - 1]);
  EXPECT_EQ(at(one, 0, 0), Ground);
  frame(board(-1));
  EXPECT_EQ(change(), (std::vector<int>{108, 72, 36, 36})) << "the tile changed back";
  const auto other = rgbPng(FieldWidth, FieldHeight, Pixels(FieldWidth * FieldHeight, 0xff0000ffu));
  ASSERT_EQ(media::loadSprite(0, other.data(), other.size(), 0), 1);
  const mt::Frame all = frame(board(-1));
  EXPECT_EQ(change(), (std::vector<int>{0, 0, FieldWidth, FieldHeight}));
  EXPECT_EQ(at(all, 0, 0), 0xff0000ffu);
  EXPECT_EQ(at(all, FieldWidth - 1, FieldHeight - 1), 0xff0000ffu);
  EXPECT_EQ(at(all, 0, 72), pixels[0]);
}

TEST_F(Sprites, PresentHandsOverEveryFrameAndFreeingAllEmptiesTheTable) {
  const int before = mt::presentedFrameCount();
  media::present();
  media::present();
  EXPECT_EQ(mt::presentedFrameCount(), before + 2);
  EXPECT_TRUE(media::spriteExists(0));
  EXPECT_EQ(media::freeSprite(-1), 1);
  EXPECT_FALSE(media::spriteExists(0));
  EXPECT_EQ(media::drawSprite(0, 0, 0), 0);
  EXPECT_EQ(media::closeScreen(), 1);
  EXPECT_EQ(media::screenExists(), 0);
  EXPECT_EQ(media::present(), 0);
}

}  // namespace
