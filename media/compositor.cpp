// Pixel loops of the compositor. Opaque draws copy whole rows; blended draws
// mix src x a + dst x (255 - a), rounded, per channel. Both clip the picture to
// the surface and draw nothing when it lies wholly outside.
#include "media/compositor.h"

#include <algorithm>
#include <cstring>

namespace media::core {
namespace {

// The part of the picture inside the surface, in picture coordinates.
struct Clip {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool empty() const { return right <= left || bottom <= top; }
};
Clip clip(const Surface& surface, const DrawPixels& picture, int x, int y) {
  Clip c;
  c.left = std::max(0, -x);
  c.top = std::max(0, -y);
  c.right = std::min(picture.width, surface.width - x);
  c.bottom = std::min(picture.height, surface.height - y);
  return c;
}

inline std::uint32_t mix(std::uint32_t src, std::uint32_t dst, std::uint32_t a) {
  const std::uint32_t inverse = 255 - a;
  auto channel = [&](int shift) {
    const std::uint32_t value = ((src >> shift) & 255) * a + ((dst >> shift) & 255) * inverse + 127;
    return ((value + (value >> 8) + 1) >> 8) << shift;  // exact value / 255 for value < 65536
  };
  return 0xff000000u | channel(16) | channel(8) | channel(0);
}

}  // namespace

void drawOpaque(Surface& surface, const DrawPixels& picture, int x, int y) {
  const Clip c = clip(surface, picture, x, y);
  if (c.empty()) return;
  const std::size_t bytes = std::size_t(c.right - c.left) * sizeof(std::uint32_t);
  for (int row = c.top; row < c.bottom; ++row)
    std::memcpy(&surface.pixels[std::size_t(y + row) * surface.width + x + c.left],
                &picture.opaque[std::size_t(row) * picture.width + c.left], bytes);
}

void drawBlended(Surface& surface, const DrawPixels& picture, int x, int y, int intensity) {
  intensity = std::clamp(intensity, 0, 255);
  const Clip c = clip(surface, picture, x, y);
  if (c.empty() || intensity == 0) return;
  if (picture.allOpaque && intensity == 255) {
    drawOpaque(surface, picture, x, y);
    return;
  }
  for (int row = c.top; row < c.bottom; ++row) {
    const std::uint32_t* src = &picture.blend[std::size_t(row) * picture.width];
    std::uint32_t* dst = &surface.pixels[std::size_t(y + row) * surface.width + x];
    for (int column = c.left; column < c.right; ++column) {
      const std::uint32_t alpha = src[column] >> 24;
      const std::uint32_t a = intensity == 255 ? alpha : (alpha * intensity + 127) / 255;
      if (a == 0) continue;
      dst[column] = a == 255 ? (src[column] | 0xff000000u) : mix(src[column], dst[column], a);
    }
  }
}

}  // namespace media::core
