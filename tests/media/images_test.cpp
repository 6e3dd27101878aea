// Images decoded from PNG and icon data in memory: each colour type the
// program's pictures use, pixel by pixel, the length-less form, and the
// averaging resize, and pictures decoded ahead on a helper thread.
#include "contract.h"

namespace {

using Images = Contract;

const media::Image& image(int number) {
  static const media::Image none;
  const auto* found = reinterpret_cast<const media::Image*>(media::imageHandle(number));
  EXPECT_NE(found, nullptr) << "no image " << number;
  return found ? *found : none;
}

const Pixels palette{0xffff0000, 0xff00ff00, 0xff0000ff, 0x80ffffff, 0x00000000};

TEST_F(Images, APalettePictureDecodesToItsColours) {
  const std::vector<std::uint8_t> indices{0, 1, 2, 2, 1, 0};
  const auto png = palettePng(3, 2, indices, {0xffff0000, 0xff00ff00, 0xff0000ff}, 8);
  ASSERT_EQ(media::loadImage(1, png.data(), png.size()), 1);
  EXPECT_EQ(image(1).pixels, (Pixels{0xffff0000, 0xff00ff00, 0xff0000ff, 0xff0000ff, 0xff00ff00, 0xffff0000}));
  EXPECT_FALSE(image(1).hasAlpha);
}

TEST_F(Images, APaletteWithATransparencyChunkKeepsItsAlpha) {
  const std::vector<std::uint8_t> indices{3, 4, 0, 1};
  const auto png = palettePng(2, 2, indices, palette, 8);
  ASSERT_EQ(media::loadImage(1, png.data(), png.size()), 1);
  EXPECT_TRUE(image(1).hasAlpha);
  EXPECT_EQ(image(1).pixels[0], 0x80ffffffu);
  EXPECT_EQ(image(1).pixels[1] >> 24, 0u);
  EXPECT_EQ(image(1).pixels[2], 0xffff0000u);
}

TEST_F(Images, AFourBitPaletteWithAnOddWidthUnpacksEveryIndex) {
  const std::vector<std::uint8_t> indices{0, 1, 2, 2, 1, 0, 1, 1, 2, 0};
  const auto png = palettePng(5, 2, indices, {0xffff0000, 0xff00ff00, 0xff0000ff}, 4);
  ASSERT_EQ(media::loadImage(2, png.data(), png.size()), 1);
  ASSERT_EQ(media::imageWidth(2), 5);
  for (std::size_t i = 0; i < indices.size(); ++i)
    EXPECT_EQ(image(2).pixels[i], (Pixels{0xffff0000, 0xff00ff00, 0xff0000ff}[indices[i]])) << i;
}

TEST_F(Images, TruecolourPicturesKeepTheirChannels) {
  const Pixels pixels{0x12345678, 0xff9abcde, 0x00102030, 0x80ff8040};
  const auto rgb = rgbPng(2, 2, pixels);
  const auto rgba = rgbaPng(2, 2, pixels);
  ASSERT_EQ(media::loadImage(1, rgb.data(), rgb.size()), 1);
  ASSERT_EQ(media::loadImage(2, rgba.data(), rgba.size()), 1);
  EXPECT_FALSE(image(1).hasAlpha);
  EXPECT_EQ(image(1).pixels, (Pixels{0xff345678, 0xff9abcde, 0xff102030, 0xffff8040}));
  EXPECT_TRUE(image(2).hasAlpha);
  EXPECT_EQ(image(2).pixels[0], 0x12345678u) << "alpha is straight, not premultiplied";
  EXPECT_EQ(image(2).pixels[3], 0x80ff8040u);
}

TEST_F(Images, AnIconWithOne24BitImageUsesItsMaskForTransparency) {
  const Pixels pixels{0xffff0000, 0x00000000, 0xff00ff00, 0xff0000ff, 0xffffffff, 0x00000000};
  const auto ico = icon24(3, 2, pixels);
  ASSERT_EQ(media::loadImage(3, ico.data(), ico.size()), 1);
  EXPECT_EQ(media::imageWidth(3), 3);
  EXPECT_EQ(media::imageHeight(3), 2);
  EXPECT_EQ(image(3).pixels[0], 0xffff0000u) << "rows are stored bottom-up";
  EXPECT_EQ(image(3).pixels[1] >> 24, 0u);
  EXPECT_EQ(image(3).pixels[3], 0xff0000ffu);
  EXPECT_EQ(image(3).pixels[5] >> 24, 0u);
  ASSERT_EQ(media::loadImage(4, ico.data(), media::UnknownSize), 1) << "an icon's directory gives its length";
}

TEST_F(Images, APngWithoutALengthIsReadUpToItsEnd) {
  auto png = rgbPng(4, 3, Pixels(12, 0xff445566));
  png.insert(png.end(), 64, 0xee);  // what lies after the picture is not read as part of it
  ASSERT_EQ(media::loadImage(5, png.data(), media::UnknownSize), 1);
  EXPECT_EQ(media::imageWidth(5), 4);
  EXPECT_EQ(image(5).pixels[11], 0xff445566u);
}

TEST_F(Images, ResizingAveragesTheAreaEachPixelCovers) {
  const auto png = rgbaPng(4, 1, {0xff000000, 0xff0000ff, 0xffff0000, 0xffff0000});
  ASSERT_EQ(media::loadImage(1, png.data(), png.size()), 1);
  ASSERT_EQ(media::resizeImage(1, 2, 1), 1);
  EXPECT_EQ(image(1).pixels, (Pixels{0xff000080, 0xffff0000}));

  const auto grid = rgbPng(3, 3, {0xff000000, 0xff000000, 0xff000000, 0xff000000, 0xffffffff, 0xff000000,
                                  0xff000000, 0xff000000, 0xff000000});
  ASSERT_EQ(media::loadImage(2, grid.data(), grid.size()), 1);
  ASSERT_EQ(media::resizeImage(2, 1, 1), 1);
  EXPECT_EQ(image(2).pixels[0], 0xff1c1c1cu) << "one ninth of white";
}

TEST_F(Images, ResizingDoesNotBleedTheColourOfTransparentPixels) {
  const auto png = rgbaPng(2, 1, {0x00ff0000, 0xff0000ff});
  ASSERT_EQ(media::loadImage(1, png.data(), png.size()), 1);
  ASSERT_EQ(media::resizeImage(1, 1, 1), 1);
  EXPECT_EQ(image(1).pixels[0], 0x800000ffu) << "half covered, and only by blue";
}

TEST_F(Images, EnlargingAPictureKeepsItsSolidAreasSolid) {
  const auto png = rgbPng(2, 1, {0xff0000ff, 0xff00ff00});
  ASSERT_EQ(media::loadImage(1, png.data(), png.size()), 1);
  ASSERT_EQ(media::resizeImage(1, 4, 2), 1);
  EXPECT_EQ(image(1).pixels, (Pixels{0xff0000ff, 0xff0000ff, 0xff00ff00, 0xff00ff00, 0xff0000ff, 0xff0000ff,
                                     0xff00ff00, 0xff00ff00}));
  EXPECT_EQ(media::resizeImage(1, 0, 5), 0);
}

}  // namespace

namespace {

// Pictures decoded ahead are the same pictures, failures stay failures, each
// result is taken once, and a batch waits until the last one is taken or the
// layer is released.
TEST_F(Images, PicturesDecodedAheadAreTakenOnceAndMatchADirectDecode) {
  const auto red = rgbPng(3, 2, Pixels(6, 0xffcc0000));
  const auto blue = rgbPng(2, 2, Pixels(4, 0xff0000cc));
  std::vector<unsigned char> cut(red.begin(), red.end() - 12);  // no IEND: refused
  ASSERT_EQ(media::decodeImagesAhead({{red.data(), red.size()}, {cut.data(), cut.size()}, {blue.data(), blue.size()}}),
            1);
  EXPECT_EQ(media::decodeImagesAhead({{red.data(), red.size()}}), 0) << "one batch at a time";

  ASSERT_EQ(media::loadImage(1, red.data(), red.size()), 1);
  EXPECT_EQ(image(1).pixels, Pixels(6, 0xffcc0000));
  EXPECT_EQ(media::loadImage(2, cut.data(), cut.size()), 0) << "a picture that failed ahead fails";
  EXPECT_EQ(media::imageHandle(2), nullptr);
  ASSERT_EQ(media::loadImage(3, red.data(), red.size()), 1) << "the same bytes again decode directly";
  EXPECT_EQ(image(3).pixels, Pixels(6, 0xffcc0000));
  EXPECT_EQ(media::decodeImagesAhead({{red.data(), red.size()}}), 0) << "the blue picture is not taken yet";
  ASSERT_EQ(media::loadImage(4, blue.data(), blue.size()), 1);
  EXPECT_EQ(image(4).pixels, Pixels(4, 0xff0000cc));

  ASSERT_EQ(media::decodeImagesAhead({{blue.data(), blue.size()}}), 1) << "all taken: a new batch starts";
  media::releaseAll();  // drops the untaken picture
  media::initialise();
  ASSERT_EQ(media::decodeImagesAhead({{red.data(), red.size()}}), 1);
  const auto copy = red;
  ASSERT_EQ(media::loadImage(5, copy.data(), copy.size()), 1);
  EXPECT_EQ(media::decodeImagesAhead({{blue.data(), blue.size()}}), 0) << "the same bytes elsewhere are other bytes";
  ASSERT_EQ(media::loadImage(6, red.data(), red.size()), 1);
  EXPECT_EQ(media::imageWidth(6), 3);
  ASSERT_EQ(media::decodeImagesAhead({{blue.data(), blue.size()}}), 1);
  ASSERT_EQ(media::loadImage(7, blue.data(), blue.size()), 1);  // taken before the bytes go
}

}  // namespace
