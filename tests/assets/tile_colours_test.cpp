// The seven tile kinds of the real library, as seen normally, with
// deuteranopia, with protanopia and in grey: every pair stays apart by a mean
// per-pixel CIELAB distance, every emblem stands out from its face, and the
// hover frame's light band stands out from every tile's edge, at both sizes.
// The thresholds are those the tiles reach (with a little room), so a later
// change cannot make them worse unnoticed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "colour_vision.h"
#include "library.h"
#include "probe.h"

namespace {

using vision::Rgb;
using vision::View;

constexpr int Kinds = 7;
constexpr Rgb HoverInside{78, 246, 252};

// The worst pair of kinds must stay at least this far apart, per view (the
// tiles reach 32.9, 15.7, 19.9 and 9.1 at their worst size; the design's
// first tiles reached 25.3, 5.6, 6.4 and 1.3).
double leastDistance(View view) {
  switch (view) {
    case View::Normal: return 30;
    case View::Deuteranopia: return 15;
    case View::Protanopia: return 19;
    case View::Grey: return 9;
  }
  return 0;
}
// 3:1 is the least for both; the tiles reach 3.50 and 3.97.
constexpr double LeastEmblemContrast = 3.4;
constexpr double LeastFrameContrast = 3.9;

int bevelWidth(int size) { return size == 36 ? 4 : 3; }
int ringOf(int size, int x, int y) { return std::min(std::min(x, y), std::min(size - 1 - x, size - 1 - y)); }

class TileColours : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { lib = assetlib::load(); }
  void SetUp() override { ASSERT_NE(lib.handle, nullptr) << "cannot load " << assetlib::path(); }
  static probe::Png tile(int size, int kind) {
    const void* p = lib.tiles(size, kind);
    const probe::Png png = probe::decodePng(p, probe::pngLength(p, assetlib::mappedBytesFrom(p)));
    EXPECT_TRUE(png.ok);
    return png;
  }
  static assetlib::Library lib;
};
assetlib::Library TileColours::lib;

// A pixel as it shows on the field; partly transparent edge pixels over a
// middle grey, as they would lie over some part of a portrait.
Rgb shown(const probe::Png& png, int x, int y) {
  const int a = png.a(x, y);
  const auto over = [a](int c) { return static_cast<std::uint8_t>((c * a + 128 * (255 - a) + 127) / 255); };
  return {over(png.r(x, y)), over(png.g(x, y)), over(png.b(x, y))};
}

std::vector<Rgb> shownPixels(const probe::Png& png) {
  std::vector<Rgb> pixels;
  for (int y = 0; y < static_cast<int>(png.height); ++y)
    for (int x = 0; x < static_cast<int>(png.width); ++x) pixels.push_back(shown(png, x, y));
  return pixels;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

// The face inside the bevel splits into the emblem and the face around it by
// luminance (the middle between the darkest and the lightest pixel); the
// contrast of the two parts' median colours.
double emblemContrast(const probe::Png& png, int size) {
  std::vector<double> luminances;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x)
      if (ringOf(size, x, y) > bevelWidth(size)) luminances.push_back(vision::luminance(shown(png, x, y)));
  const auto [low, high] = std::minmax_element(luminances.begin(), luminances.end());
  const double middle = (*low + *high) / 2;
  std::vector<double> dark, light;
  for (double l : luminances) (l < middle ? dark : light).push_back(l);
  return (median(light) + 0.05) / (median(dark) + 0.05);
}

struct Measured {
  double distance = 1e9;
  int first = 0, second = 0;
};

TEST_F(TileColours, EveryPairOfKindsStaysApartInEveryView) {
  for (const int size : {36, 24}) {
    std::vector<std::vector<Rgb>> tiles;
    for (int kind = 1; kind <= Kinds; ++kind) tiles.push_back(shownPixels(tile(size, kind)));
    for (const View view : vision::AllViews) {
      Measured worst;
      for (int i = 0; i < Kinds; ++i)
        for (int j = i + 1; j < Kinds; ++j) {
          const double d = vision::meanDistance(tiles[i], tiles[j], view);
          if (d < worst.distance) worst = {d, i + 1, j + 1};
        }
      std::printf("size %d %-12s worst pair %d-%d: mean dE76 %.1f\n", size, vision::viewName(view), worst.first,
                  worst.second, worst.distance);
      EXPECT_GE(worst.distance, leastDistance(view))
          << "size " << size << ", " << vision::viewName(view) << ", kinds " << worst.first << " and " << worst.second;
    }
  }
}

TEST_F(TileColours, EveryEmblemStandsOutFromItsFace) {
  for (const int size : {36, 24})
    for (int kind = 1; kind <= Kinds; ++kind) {
      const double contrast = emblemContrast(tile(size, kind), size);
      std::printf("size %d kind %d emblem contrast %.2f\n", size, kind, contrast);
      EXPECT_GE(contrast, LeastEmblemContrast) << "size " << size << ", kind " << kind;
    }
}

// The light band is the frame's lightest colour; where it lies, the tile's own
// edge lies beneath it when the frame is not drawn.
TEST_F(TileColours, TheHoverFramesLightBandStandsOutFromEveryTilesEdge) {
  for (const int size : {36, 24}) {
    const probe::Png frame = tile(size, 0);
    double lightest = 0;
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) {
        const Rgb p{frame.r(x, y), frame.g(x, y), frame.b(x, y)};
        const bool inside = p.r == HoverInside.r && p.g == HoverInside.g && p.b == HoverInside.b;
        if (!inside && frame.a(x, y) == 255) lightest = std::max(lightest, vision::luminance(p));
      }
    for (int kind = 1; kind <= Kinds; ++kind) {
      const probe::Png edge = tile(size, kind);
      double least = 1e9;
      int bandPixels = 0;
      for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
          const Rgb band{frame.r(x, y), frame.g(x, y), frame.b(x, y)};
          if (frame.a(x, y) != 255 || vision::luminance(band) != lightest || edge.a(x, y) != 255) continue;
          ++bandPixels;
          least = std::min(least, vision::contrastRatio(band, shown(edge, x, y)));
        }
      ASSERT_GT(bandPixels, size) << "the band runs along the edge";
      std::printf("size %d kind %d frame contrast %.2f\n", size, kind, least);
      EXPECT_GE(least, LeastFrameContrast) << "size " << size << ", kind " << kind;
    }
  }
}

}  // namespace
