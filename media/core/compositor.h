// The sprite compositor's pixel work on an ARGB32 back buffer: opaque row
// copies and alpha blending, clipped to the buffer. Kept apart from the
// sprite table so its loops can be read, tested and measured on their own.
#pragma once

#include <cstdint>
#include <vector>

namespace media::core {

struct Surface {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // every pixel opaque (alpha 255)
};

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

void drawOpaque(Surface& surface, const DrawPixels& picture, int x, int y);
// Effective alpha x intensity / 255 over the surface.
void drawBlended(Surface& surface, const DrawPixels& picture, int x, int y, int intensity);

}  // namespace media::core
