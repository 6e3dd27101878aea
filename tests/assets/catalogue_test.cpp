// Every picture the asset library hands out, decoded with libpng: its size,
// colour type, bit depth and transparency chunk as the catalogue fixes them,
// the hover frame's exact inside colour, and the colour no picture may hold.
#include <gtest/gtest.h>

#include "library.h"
#include "probe.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

using assetlib::Library;

constexpr int Palette = 3, Rgb = 2, Rgba = 6;

class Catalogue : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { lib = assetlib::load(); }
  void SetUp() override { ASSERT_NE(lib.handle, nullptr) << "cannot load " << assetlib::path(); }
  static probe::Png decode(const void* p) {
    const std::size_t limit = assetlib::mappedBytesFrom(p);
    return probe::decodePng(p, probe::pngLength(p, limit));
  }
  // Decodes and checks the size and the bit depth every catalogued picture has.
  static probe::Png decodeSized(const void* p, unsigned width, unsigned height, int bitDepth = 8) {
    probe::Png png = decode(p);
    EXPECT_TRUE(png.ok);
    EXPECT_EQ(png.width, width);
    EXPECT_EQ(png.height, height);
    EXPECT_EQ(png.bitDepth, bitDepth);
    return png;
  }
  static Library lib;
};
Library Catalogue::lib;

struct Picture {
  std::string name;
  const void* address;
};

std::vector<Picture> everyPicture(const Library& lib) {
  std::vector<Picture> all;
  for (int i = 0; i <= 12; ++i) all.push_back({"transGirl(" + std::to_string(i) + ")", lib.transGirl(i)});
  for (int size : {36, 24})
    for (int kind = 0; kind <= 7; ++kind)
      all.push_back({"tiles(" + std::to_string(size) + "," + std::to_string(kind) + ")", lib.tiles(size, kind)});
  for (int i = 0; i <= 1; ++i) all.push_back({"gfxMsg(" + std::to_string(i) + ")", lib.gfxMsg(i)});
  return all;
}

TEST_F(Catalogue, PicturesAreFullPortraitSizeWithTheirColourTypes) {
  for (int i = 0; i <= 12; ++i) {
    SCOPED_TRACE("transGirl(" + std::to_string(i) + ")");
    const probe::Png png = decodeSized(lib.transGirl(i), 288, 432);
    const int expected = i == 0 ? Palette : i == 2 ? Rgba : Rgb;
    EXPECT_EQ(png.colourType, expected);
    EXPECT_EQ(png.hasTrns, i == 0);
  }
}

TEST_F(Catalogue, LargeTilesAreOpaqueAndTheFrameUsesAFourBitPalette) {
  for (int kind = 0; kind <= 7; ++kind) {
    SCOPED_TRACE("tiles(36," + std::to_string(kind) + ")");
    const probe::Png png = decodeSized(lib.tiles(36, kind), 36, 36, kind == 0 ? 4 : 8);
    EXPECT_FALSE(png.hasTrns);
    if (kind == 0) {
      EXPECT_EQ(png.colourType, Palette);
    } else {
      EXPECT_TRUE(png.colourType == Palette || png.colourType == Rgb) << png.colourType;
    }
  }
}

TEST_F(Catalogue, SmallTilesHavePartlyTransparentEdgesAndOpaqueMiddles) {
  for (int kind = 0; kind <= 7; ++kind) {
    SCOPED_TRACE("tiles(24," + std::to_string(kind) + ")");
    const probe::Png png = decodeSized(lib.tiles(24, kind), 24, 24);
    ASSERT_TRUE(png.ok);
    EXPECT_TRUE(png.colourType == Rgba || (png.colourType == Palette && png.hasTrns)) << png.colourType;
    int partlyTransparentEdge = 0;
    for (int i = 0; i < 24; ++i)
      for (auto [x, y] : {std::pair{i, 0}, {i, 23}, {0, i}, {23, i}})
        if (png.a(x, y) > 0 && png.a(x, y) < 255) ++partlyTransparentEdge;
    EXPECT_GT(partlyTransparentEdge, 0);
    for (int y = 4; y < 20; ++y)
      for (int x = 4; x < 20; ++x) ASSERT_EQ(png.a(x, y), 255) << x << "," << y;
  }
}

TEST_F(Catalogue, HoverFrameIsGreyAroundAnInsideOfExactlyTheKeyColour) {
  for (int size : {36, 24}) {
    SCOPED_TRACE("size " + std::to_string(size));
    const probe::Png png = decode(lib.tiles(size, 0));
    ASSERT_TRUE(png.ok);
    const int border = size / 6;
    for (int y = border; y < size - border; ++y)
      for (int x = border; x < size - border; ++x) {
        ASSERT_EQ(png.r(x, y), 78) << x << "," << y;
        ASSERT_EQ(png.g(x, y), 246) << x << "," << y;
        ASSERT_EQ(png.b(x, y), 252) << x << "," << y;
        ASSERT_EQ(png.a(x, y), 255) << x << "," << y;
      }
    // The frame itself is grey: no channel far from the others.
    for (int i = 0; i < size; ++i) {
      const int r = png.r(i, 1), g = png.g(i, 1), b = png.b(i, 1);
      EXPECT_LT(std::max({r, g, b}) - std::min({r, g, b}), 16) << "at " << i;
    }
  }
}

// Seven colours easy to tell apart, and each with an emblem of its own, so a
// player who cannot tell two colours apart still tells the tiles apart.
TEST_F(Catalogue, EveryPairOfTileKindsDiffersInColourAndInEmblem) {
  for (int size : {36, 24}) {
    SCOPED_TRACE("size " + std::to_string(size));
    const int lo = size / 6, hi = size - size / 6;
    double mean[8][3] = {};
    std::vector<bool> emblem[8];
    for (int kind = 1; kind <= 7; ++kind) {
      const probe::Png png = decode(lib.tiles(size, kind));
      ASSERT_TRUE(png.ok);
      std::vector<double> lum;
      for (int y = lo; y < hi; ++y)
        for (int x = lo; x < hi; ++x) {
          mean[kind][0] += png.r(x, y);
          mean[kind][1] += png.g(x, y);
          mean[kind][2] += png.b(x, y);
          lum.push_back(0.3 * png.r(x, y) + 0.59 * png.g(x, y) + 0.11 * png.b(x, y));
        }
      const double n = double(lum.size());
      for (double& c : mean[kind]) c /= n;
      double average = 0;
      for (double l : lum) average += l / n;
      int marked = 0;
      for (double l : lum) {
        emblem[kind].push_back(l < average - 10);
        marked += emblem[kind].back();
      }
      EXPECT_GT(marked, int(n) / 20) << "kind " << kind << " shows no emblem";
    }
    for (int a = 1; a <= 7; ++a)
      for (int b = a + 1; b <= 7; ++b) {
        const double dr = mean[a][0] - mean[b][0], dg = mean[a][1] - mean[b][1], db = mean[a][2] - mean[b][2];
        EXPECT_GT(std::sqrt(dr * dr + dg * dg + db * db), 45) << "kinds " << a << " and " << b << " look alike";
        int differing = 0;
        for (std::size_t i = 0; i < emblem[a].size(); ++i) differing += emblem[a][i] != emblem[b][i];
        EXPECT_GT(differing, size / 2) << "kinds " << a << " and " << b << " share an emblem";
      }
  }
}

TEST_F(Catalogue, BannersAreWideStripsOfLightLettering) {
  for (int i = 0; i <= 1; ++i) {
    SCOPED_TRACE("gfxMsg(" + std::to_string(i) + ")");
    const probe::Png png = decodeSized(lib.gfxMsg(i), 258, 48);
    ASSERT_TRUE(png.ok);
    EXPECT_EQ(png.colourType, i == 0 ? Palette : Rgba);
    EXPECT_EQ(png.hasTrns, i == 0);
    // Light lettering: a good share of opaque pixels is near white.
    int light = 0;
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < 258; ++x)
        if (png.a(x, y) == 255 && png.r(x, y) > 220 && png.g(x, y) > 200) ++light;
    EXPECT_GT(light, 258 * 48 / 20);
  }
}

TEST_F(Catalogue, TheTwoBannersShowDifferentWords) {
  const probe::Png won = decode(lib.gfxMsg(0)), lost = decode(lib.gfxMsg(1));
  ASSERT_TRUE(won.ok && lost.ok);
  EXPECT_NE(won.rgba, lost.rgba);
}

TEST_F(Catalogue, NoPictureHoldsTheSpritesDefaultTransparentColour) {
  for (const Picture& p : everyPicture(lib)) {
    const probe::Png png = decode(p.address);
    ASSERT_TRUE(png.ok) << p.name;
    EXPECT_FALSE(probe::holdsColour(png, 30, 211, 47)) << p.name;
  }
}

TEST_F(Catalogue, EveryPortraitAndTileIsAPictureOfItsOwn) {
  std::vector<probe::Png> seen;
  for (const Picture& p : everyPicture(lib)) {
    probe::Png png = decode(p.address);
    for (const probe::Png& other : seen)
      if (other.width == png.width) {
        EXPECT_NE(other.rgba, png.rgba) << p.name << " repeats a picture";
      }
    seen.push_back(std::move(png));
  }
}

TEST_F(Catalogue, PauseCoverIsPartlyTransparent) {
  const probe::Png png = decode(lib.transGirl(0));
  ASSERT_TRUE(png.ok);
  int partial = 0;
  for (std::size_t i = 3; i < png.rgba.size(); i += 4)
    if (png.rgba[i] > 0 && png.rgba[i] < 255) ++partial;
  EXPECT_GT(partial, 288 * 432 / 4);
}

}  // namespace
