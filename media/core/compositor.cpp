// Pixel loops of the compositor. Opaque draws copy whole rows; blended draws
// mix src x a + dst x (255 - a), rounded, per channel. Both clip the picture to
// the surface and draw nothing when it lies wholly outside. A row is compared
// before it is stored, so an unchanged frame writes nothing and the changed
// box grows only by the pixels that really differ.
#include "media/core/compositor.h"

#include <algorithm>
#include <cstring>

namespace media::core {
namespace {

// The part of the picture inside the surface, in picture coordinates.
Box clip(const Surface& surface, const DrawPixels& picture, int x, int y) {
  Box c;
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

// Stores a row where it differs and adds the span of differing pixels, at
// column x and row y of the surface, to changed. The compare is a loop the
// compiler turns into vector instructions, inlined: tile rows are short, and a
// library call per row would cost more than the row.
inline void storeRow(std::uint32_t* dst, const std::uint32_t* src, int width, int x, int y, Box& changed) {
  std::uint32_t differs = 0;
  for (int i = 0; i < width; ++i) differs |= dst[i] ^ src[i];
  if (!differs) return;
  int first = 0, last = width - 1;
  while (dst[first] == src[first]) ++first;
  while (dst[last] == src[last]) --last;
  std::memcpy(dst + first, src + first, std::size_t(last - first + 1) * sizeof(std::uint32_t));
  changed.add({x + first, y, x + last + 1, y + 1});
}

// Rows of a width known when compiling (the tile sizes), so the loop unrolls.
template <int Width>
void storeRows(std::uint32_t* dst, std::size_t dstStride, const std::uint32_t* src, std::size_t srcStride, int rows,
               int x, int y, Box& changed) {
  for (int row = 0; row < rows; ++row, dst += dstStride, src += srcStride)
    storeRow(dst, src, Width, x, y + row, changed);
}

// Stores the picture's part c, placed at x, y.
void store(Surface& surface, const DrawPixels& picture, int x, int y, const Box& c) {
  const int width = c.right - c.left, rows = c.bottom - c.top;
  std::uint32_t* dst = &surface.pixels[std::size_t(y + c.top) * surface.width + x + c.left];
  const std::uint32_t* src = &picture.opaque[std::size_t(c.top) * picture.width + c.left];
  const std::size_t dstStride = surface.width, srcStride = picture.width;
  const int left = x + c.left, top = y + c.top;
  switch (width) {  // the tile sizes of the two levels
    case 24: return storeRows<24>(dst, dstStride, src, srcStride, rows, left, top, surface.changed);
    case 36: return storeRows<36>(dst, dstStride, src, srcStride, rows, left, top, surface.changed);
    default:
      for (int row = 0; row < rows; ++row, dst += dstStride, src += srcStride)
        storeRow(dst, src, width, left, top + row, surface.changed);
  }
}

// The background's share of the surface rows top..bottom between left and
// right, in surface coordinates.
void storeBackground(Surface& surface, int left, int top, int right, int bottom) {
  const int x = surface.backgroundX, y = surface.backgroundY;
  const Box c{left - x, top - y, right - x, bottom - y};
  if (!c.empty()) store(surface, *surface.background, x, y, c);
}

}  // namespace

void Box::add(const Box& other) {
  if (other.empty()) return;
  if (empty()) {
    *this = other;
    return;
  }
  left = std::min(left, other.left);
  top = std::min(top, other.top);
  right = std::max(right, other.right);
  bottom = std::max(bottom, other.bottom);
}

void drawOpaque(Surface& surface, const std::shared_ptr<const DrawPixels>& picture, int x, int y) {
  const Box c = clip(surface, *picture, x, y);
  if (c.empty()) return;
  if (c.right - c.left == surface.width && c.bottom - c.top == surface.height) {
    // Covers everything drawn before: held back until settled.
    surface.background = picture;
    surface.backgroundX = x;
    surface.backgroundY = y;
    surface.covered.clear();
    return;
  }
  if (surface.background) surface.covered.push_back({x + c.left, y + c.top, x + c.right, y + c.bottom});
  store(surface, *picture, x, y, c);
}

void drawBlended(Surface& surface, const DrawPixels& picture, int x, int y, int intensity) {
  intensity = std::clamp(intensity, 0, 255);
  const Box c = clip(surface, picture, x, y);
  if (c.empty() || intensity == 0) return;
  settle(surface);  // blending reads what lies below
  if (picture.allOpaque && intensity == 255) return store(surface, picture, x, y, c);
  for (int row = c.top; row < c.bottom; ++row) {
    const std::uint32_t* src = &picture.blendPixels()[std::size_t(row) * picture.width];
    std::uint32_t* dst = &surface.pixels[std::size_t(y + row) * surface.width + x];
    for (int column = c.left; column < c.right; ++column) {
      const std::uint32_t alpha = src[column] >> 24;
      const std::uint32_t a = intensity == 255 ? alpha : (alpha * intensity + 127) / 255;
      if (a == 0) continue;
      const std::uint32_t mixed = a == 255 ? (src[column] | 0xff000000u) : mix(src[column], dst[column], a);
      if (mixed == dst[column]) continue;
      dst[column] = mixed;
      surface.changed.add({x + column, y + row, x + column + 1, y + row + 1});
    }
  }
}

void settle(Surface& surface) {
  if (!surface.background) return;
  // Bands of rows between the covered boxes' edges: within a band each box
  // covers all rows or none, so the uncovered spans are the same in each row.
  std::vector<int> edges{0, surface.height};
  for (const Box& box : surface.covered) edges.insert(edges.end(), {box.top, box.bottom});
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
  std::vector<std::pair<int, int>> spans;
  for (std::size_t band = 0; band + 1 < edges.size(); ++band) {
    const int top = edges[band], bottom = edges[band + 1];
    spans.clear();
    for (const Box& box : surface.covered)
      if (box.top <= top && box.bottom >= bottom) spans.emplace_back(box.left, box.right);
    std::sort(spans.begin(), spans.end());
    int from = 0;  // the first column not known to be covered
    for (const auto& [left, right] : spans) {
      if (left > from) storeBackground(surface, from, top, left, bottom);
      from = std::max(from, right);
    }
    if (from < surface.width) storeBackground(surface, from, top, surface.width, bottom);
  }
  surface.background.reset();
  surface.covered.clear();
}

Box takeChanged(Surface& surface) {
  const Box changed = surface.changed;
  surface.changed = Box{};
  return changed;
}

}  // namespace media::core
