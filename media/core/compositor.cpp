// Pixel loops of the compositor. Opaque draws copy whole rows; blended draws
// mix src x a + dst x (255 - a), rounded, per channel. Both clip the picture to
// the surface and draw nothing when it lies wholly outside.
#include "media/core/compositor.h"

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

// Copies rows of a width known when compiling, so the copy is inlined: tile
// rows are short, and a call per row would cost more than the copy.
template <std::size_t Bytes>
void copyRows(std::uint32_t* dst, std::size_t dstStride, const std::uint32_t* src, std::size_t srcStride, int rows) {
  for (int row = 0; row < rows; ++row, dst += dstStride, src += srcStride) std::memcpy(dst, src, Bytes);
}

}  // namespace

void drawOpaque(Surface& surface, const DrawPixels& picture, int x, int y) {
  const Clip c = clip(surface, picture, x, y);
  if (c.empty()) return;
  const int width = c.right - c.left, rows = c.bottom - c.top;
  std::uint32_t* dst = &surface.pixels[std::size_t(y + c.top) * surface.width + x + c.left];
  const std::uint32_t* src = &picture.opaque[std::size_t(c.top) * picture.width + c.left];
  const std::size_t dstStride = surface.width, srcStride = picture.width;
  if (width == surface.width && width == picture.width) {  // a full-width picture: one block
    std::memcpy(dst, src, std::size_t(width) * rows * sizeof(std::uint32_t));
    return;
  }
  switch (width) {  // the tile sizes of the two levels
    case 24:
      return copyRows<24 * 4>(dst, dstStride, src, srcStride, rows);
    case 36:
      return copyRows<36 * 4>(dst, dstStride, src, srcStride, rows);
    default:
      for (int row = 0; row < rows; ++row, dst += dstStride, src += srcStride)
        std::memcpy(dst, src, std::size_t(width) * sizeof(std::uint32_t));
  }
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
    const std::uint32_t* src = &picture.blendPixels()[std::size_t(row) * picture.width];
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
