// The compositor against a plain painter's algorithm: every draw written in
// order, pixel by pixel. Frames of boards with cleared cells, overlaps and
// pictures partly off the surface must come out the same, and the changed box
// must hold every pixel that differs from the frame before.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

#include "media/core/compositor.h"

namespace {

using media::core::Box;
using media::core::DrawPixels;
using media::core::Surface;
using Picture = std::shared_ptr<const DrawPixels>;

constexpr int Width = 288, Height = 432, Tile = 24;

Picture picture(int width, int height, std::uint32_t seed, std::uint32_t alphaEvery = 0) {
  auto p = std::make_shared<DrawPixels>();
  p->width = width;
  p->height = height;
  std::mt19937 random(seed);
  for (int i = 0; i < width * height; ++i) {
    const std::uint32_t colour = random() & 0xffffffu;
    p->opaque.push_back(0xff000000u | colour);
    const std::uint32_t alpha = alphaEvery && i % alphaEvery == 0 ? 0 : (alphaEvery ? 0xc0u : 0xffu);
    p->blend.push_back(alpha << 24 | colour);
  }
  p->allOpaque = alphaEvery == 0;
  if (p->allOpaque) p->blend.clear();
  return p;
}

// The same draws, written at once and in order.
struct Painter {
  std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(std::size_t(Width) * Height, 0xff000000u);
  void opaque(const DrawPixels& p, int x, int y) {
    for (int row = 0; row < p.height; ++row)
      for (int column = 0; column < p.width; ++column)
        if (x + column >= 0 && x + column < Width && y + row >= 0 && y + row < Height)
          pixels[std::size_t(y + row) * Width + x + column] = p.opaque[std::size_t(row) * p.width + column];
  }
  void blended(const DrawPixels& p, int x, int y) {
    for (int row = 0; row < p.height; ++row)
      for (int column = 0; column < p.width; ++column) {
        const std::uint32_t src = p.blendPixels()[std::size_t(row) * p.width + column], a = src >> 24;
        std::uint32_t& dst = pixels[std::size_t(y + row) * Width + x + column];
        std::uint32_t mixed = 0xff000000u;
        for (int shift : {0, 8, 16})
          mixed |= ((((src >> shift) & 255) * a + ((dst >> shift) & 255) * (255 - a) + 127) / 255) << shift;
        dst = mixed;
      }
  }
};

class Compositor : public ::testing::Test {
 protected:
  Surface surface;
  Painter painter;
  Picture portrait = picture(Width, Height, 1);
  std::vector<Picture> tiles{picture(Tile, Tile, 2), picture(Tile, Tile, 3), picture(Tile, Tile, 4)};
  Picture hover = picture(Tile, Tile, 5, 7);

  void SetUp() override {
    surface.width = Width;
    surface.height = Height;
    surface.pixels.assign(std::size_t(Width) * Height, 0xff000000u);
  }
  void opaque(const Picture& p, int x, int y) {
    media::core::drawOpaque(surface, p, x, y);
    painter.opaque(*p, x, y);
  }
  void blended(const Picture& p, int x, int y) {
    media::core::drawBlended(surface, *p, x, y, 255);
    painter.blended(*p, x, y);
  }
  // A board frame: the portrait, a tile on each cell that board keeps, the hover.
  void board(const std::vector<int>& cells, int hoverCell) {
    opaque(portrait, 0, 0);
    for (int cell = 0; cell < int(cells.size()); ++cell)
      if (cells[cell] >= 0) opaque(tiles[cells[cell]], cell % 12 * Tile, cell / 12 * Tile);
    if (hoverCell >= 0) blended(hover, hoverCell % 12 * Tile, hoverCell / 12 * Tile);
  }
  void expectSameAsPainter() {
    media::core::settle(surface);
    ASSERT_EQ(surface.pixels, painter.pixels);
  }
  // Every pixel that differs from before lies in the changed box.
  void expectChangesInside(const std::vector<std::uint32_t>& before, const Box& changed) {
    for (int y = 0; y < Height; ++y)
      for (int x = 0; x < Width; ++x) {
        if (before[std::size_t(y) * Width + x] == surface.pixels[std::size_t(y) * Width + x]) continue;
        ASSERT_TRUE(x >= changed.left && x < changed.right && y >= changed.top && y < changed.bottom) << x << "," << y;
      }
  }
};

// A board as a game leaves it: columns emptied from the top, some closed up.
std::vector<int> playedBoard(std::uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<int> cells(12 * 18);
  for (int column = 0; column < 12; ++column) {
    const int cleared = int(random() % 19);
    for (int row = 0; row < 18; ++row) cells[row * 12 + column] = row < cleared ? -1 : int(random() % 3);
  }
  return cells;
}

TEST_F(Compositor, BoardFramesLookAsWhenEveryDrawIsWrittenInOrder) {
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    const auto before = surface.pixels;
    board(playedBoard(seed), int(seed * 13 % 216));
    expectSameAsPainter();
    expectChangesInside(before, media::core::takeChanged(surface));
  }
}

TEST_F(Compositor, OverlapsOffsetsAndALaterBackgroundComeOutInOrder) {
  opaque(tiles[0], 10, 10);
  opaque(portrait, 0, 0);  // covers the tile drawn before it
  opaque(tiles[1], 30, 40);
  opaque(tiles[2], 40, 50);  // over part of the one before
  opaque(tiles[0], -10, Height - 12);  // partly off the surface
  expectSameAsPainter();
  const Picture large = picture(Width + 20, Height + 20, 9);
  opaque(large, -7, -11);  // larger than the surface: a background too
  opaque(tiles[1], 100, 100);
  blended(hover, 100, 100);
  opaque(tiles[2], 200, 300);
  expectSameAsPainter();
}

TEST_F(Compositor, AHeldBackPictureOutlivesItsOwner) {
  Picture owned = picture(Width, Height, 11);
  opaque(owned, 0, 0);
  opaque(tiles[0], 0, 0);
  owned.reset();  // the sprite is freed before the frame is presented
  expectSameAsPainter();
}

TEST_F(Compositor, TheChangedBoxIsEmptyForTheSameFrameAndOneCellForOneTile) {
  std::vector<int> cells = playedBoard(3);
  const int cell = 5 * 12 + 7;
  for (int column = 0; column < 12; ++column) cells[5 * 12 + column] = 2;  // its row full
  cells[cell] = 0;
  board(cells, -1);
  media::core::settle(surface);
  media::core::takeChanged(surface);

  board(cells, -1);
  media::core::settle(surface);
  EXPECT_TRUE(media::core::takeChanged(surface).empty());

  cells[cell] = 1;  // one tile changes colour
  board(cells, -1);
  media::core::settle(surface);
  const Box one = media::core::takeChanged(surface);
  EXPECT_EQ(one.left, 7 * Tile);
  EXPECT_EQ(one.top, 5 * Tile);
  EXPECT_EQ(one.right, 8 * Tile);
  EXPECT_EQ(one.bottom, 6 * Tile);

  cells[cell] = -1;  // cleared: the portrait shows there again
  board(cells, -1);
  media::core::settle(surface);
  const Box cleared = media::core::takeChanged(surface);
  EXPECT_EQ(cleared.left, 7 * Tile);
  EXPECT_EQ(cleared.right, 8 * Tile);
  EXPECT_EQ(cleared.bottom - cleared.top, Tile);

  board(std::vector<int>(216, 2), -1);  // every cell changes
  media::core::settle(surface);
  const Box all = media::core::takeChanged(surface);
  EXPECT_EQ(all.left, 0);
  EXPECT_EQ(all.top, 0);
  EXPECT_EQ(all.right, Width);
  EXPECT_EQ(all.bottom, Height);
  expectSameAsPainter();
}

// The surface remembers the pictures it stored to skip them when drawn again
// unchanged. Frames that redraw the same places, replace a picture by an equal
// copy, switch to a grid of another tile size, leave the portrait out, blend,
// or draw partly off the surface must still come out as painted in order.
TEST_F(Compositor, RemembersOnlyPicturesWhosePixelsAreStillThere) {
  std::mt19937 random(7);
  const std::vector<Picture> large{picture(36, 36, 2), picture(36, 36, 3), picture(36, 36, 20)};
  std::vector<Picture> small = tiles;
  for (int frame = 0; frame < 300; ++frame) {
    const auto before = surface.pixels;
    if (frame % 17 == 5) small[random() % 3] = picture(Tile, Tile, 2 + frame % 3);  // same pixels, a new picture
    const bool largeGrid = frame / 40 % 2 == 1;
    const auto& set = largeGrid ? large : small;
    const int size = largeGrid ? 36 : Tile, columns = Width / size, rows = Height / size;
    const int kind = frame % 5;
    if (kind != 3) opaque(portrait, 0, 0);  // frames without it draw over the last one
    for (int cell = 0; cell < columns * rows; ++cell)
      if (random() % 4 != 0) opaque(set[random() % 3], cell % columns * size, cell / columns * size);
    if (kind == 1) opaque(set[0], int(random() % 40) - 20, int(random() % 40));  // off the grid, partly off the surface
    if (kind == 2) blended(hover, int(random() % (Width - Tile)), int(random() % (Height - Tile)));
    if (kind == 4) {  // a blend in the middle of a frame, then more tiles over it
      blended(hover, Tile, Tile);
      opaque(set[1], 0, 0);
    }
    expectSameAsPainter();
    expectChangesInside(before, media::core::takeChanged(surface));
  }
}

}  // namespace
