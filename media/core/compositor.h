// The sprite compositor's pixel work on an ARGB32 back buffer: opaque row
// copies and alpha blending, clipped to the buffer. Kept apart from the
// sprite table so its loops can be read, tested and measured on their own.
//
// Two savings keep a frame near one pass over the buffer:
// - A picture that covers the whole surface (the portrait under the tiles) is
//   held back as the surface's background; opaque draws after it only note
//   the area they cover, and settle() writes the background where nothing
//   covers it. A frame thus writes no pixel twice.
// - Rows are compared before they are stored, and the surface keeps the box
//   around the rows that changed, so a present can hand on only that box.
// - The surface remembers which opaque picture it last stored at each place
//   while those pixels stay untouched, so drawing the same picture there again
//   (a tile that did not change since the last frame) reads and writes no
//   pixel at all.
#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace media::core {

// A picture ready to draw: opaque holds the colours with alpha forced to 255,
// blend the effective alpha (colour key or picture alpha) per pixel; blend is
// left empty when every effective alpha is 255, as it would equal opaque.
struct DrawPixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> opaque;
  std::vector<std::uint32_t> blend;
  bool allOpaque = false;
  const std::vector<std::uint32_t>& blendPixels() const { return allOpaque ? opaque : blend; }
};

// A rectangle of the surface from left, top up to right, bottom (exclusive).
struct Box {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool empty() const { return right <= left || bottom <= top; }
  void add(const Box& other);  // grows to the box around both
  bool operator==(const Box&) const = default;
};

// An opaque picture whose clipped box on the surface still holds exactly its
// pixels. Kept alive by the entry, so its address names it.
struct Placed {
  std::shared_ptr<const DrawPixels> picture;
  Box box;
  std::uint64_t epoch = 0;  // the surface's epoch when last drawn
};

struct Surface {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // every pixel opaque (alpha 255)
  Box changed;                        // around every pixel changed since takeChanged

  // Placed pictures by their position (x in the high half, y in the low),
  // never overlapping one another. A held-back background starts a new epoch;
  // entries not drawn again in it are dropped when it is written.
  std::unordered_map<std::uint64_t, Placed> placed;
  std::uint64_t epoch = 0;

  // A whole-surface opaque picture not yet written, at its offset, and the
  // boxes drawn over it since.
  std::shared_ptr<const DrawPixels> background;
  int backgroundX = 0, backgroundY = 0;
  std::vector<Box> covered;
};

void drawOpaque(Surface& surface, const std::shared_ptr<const DrawPixels>& picture, int x, int y);
// Effective alpha x intensity / 255 over the surface.
void drawBlended(Surface& surface, const DrawPixels& picture, int x, int y, int intensity);
// Writes a held-back background where nothing covers it; pixels are then
// complete. Every reader of pixels calls it first.
void settle(Surface& surface);
// The changed box since the last call, which starts a new one.
Box takeChanged(Surface& surface);

}  // namespace media::core
