// Pixel loops of the compositor. Opaque draws copy whole rows; blended draws
// mix src x a + dst x (255 - a), rounded, per channel. Both clip the picture to
// the surface and draw nothing when it lies wholly outside. Rows are compared
// before they are stored, so the changed box grows only by the rows that
// really differ.
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

// Four pixels at a time, in the compiler's portable vector type: loads
// through memcpy need no alignment.
using Lanes = std::uint32_t __attribute__((vector_size(16)));

// Stores a row where it differs; true when it did. Comparing first reads the
// destination once and leaves an unchanged row unwritten. Inlined with the
// width known at compile time for the tile sizes, so it unrolls whole.
inline bool storeRow(std::uint32_t* __restrict dst, const std::uint32_t* __restrict src, int width) {
  Lanes differs{};
  int i = 0;
#pragma GCC unroll 16
  for (; i + 4 <= width; i += 4) {
    Lanes was, now;
    std::memcpy(&was, dst + i, sizeof was);
    std::memcpy(&now, src + i, sizeof now);
    differs |= was ^ now;
  }
  std::uint32_t rest = differs[0] | differs[1] | differs[2] | differs[3];
  for (; i < width; ++i) rest |= dst[i] ^ src[i];
  if (rest) std::memcpy(dst, src, std::size_t(width) * sizeof(std::uint32_t));
  return rest != 0;
}

// Rows of a width known when compiling (the tile sizes), so the loop unrolls.
// Adds the rows that changed, at their full width, to the surface's box.
template <int Width>
void storeRows(std::uint32_t* dst, std::size_t dstStride, const std::uint32_t* src, std::size_t srcStride, int rows,
               int width, int x, int y, Box& changed) {
  int first = rows, last = -1;
  for (int row = 0; row < rows; ++row, dst += dstStride, src += srcStride)
    if (storeRow(dst, src, Width ? Width : width)) {
      first = std::min(first, row);
      last = row;
    }
  if (last >= 0) changed.add({x, y + first, x + (Width ? Width : width), y + last + 1});
}

// Stores the picture's part c, placed at x, y.
void store(Surface& surface, const DrawPixels& picture, int x, int y, const Box& c) {
  const int width = c.right - c.left, rows = c.bottom - c.top;
  std::uint32_t* dst = &surface.pixels[std::size_t(y + c.top) * surface.width + x + c.left];
  const std::uint32_t* src = &picture.opaque[std::size_t(c.top) * picture.width + c.left];
  const std::size_t dstStride = surface.width, srcStride = picture.width;
  const int left = x + c.left, top = y + c.top;
  switch (width) {  // the tile sizes of the two levels
    case 24: return storeRows<24>(dst, dstStride, src, srcStride, rows, width, left, top, surface.changed);
    case 36: return storeRows<36>(dst, dstStride, src, srcStride, rows, width, left, top, surface.changed);
    default: return storeRows<0>(dst, dstStride, src, srcStride, rows, width, left, top, surface.changed);
  }
}

std::uint64_t placeKey(int x, int y) { return std::uint64_t(std::uint32_t(x)) << 32 | std::uint32_t(y); }

bool overlap(const Box& a, const Box& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Pixels in the box are about to be written by something else: no placed
// picture there holds its pixels any more.
void forgetPlacedIn(Surface& surface, const Box& box) {
  std::erase_if(surface.placed, [&](const auto& entry) { return overlap(entry.second.box, box); });
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
    ++surface.epoch;
    return;
  }
  const Box box{x + c.left, y + c.top, x + c.right, y + c.bottom};
  if (surface.background) surface.covered.push_back(box);
  Placed& place = surface.placed[placeKey(x, y)];
  place.epoch = surface.epoch;
  if (place.picture == picture) return;  // its pixels are there already
  if (place.picture && place.box == box) {
    place.picture = picture;  // entries never overlap, so no other is in its way
  } else {
    forgetPlacedIn(surface, box);  // may take this entry too
    surface.placed[placeKey(x, y)] = {picture, box, surface.epoch};
  }
  store(surface, *picture, x, y, c);
}

void drawBlended(Surface& surface, const DrawPixels& picture, int x, int y, int intensity) {
  intensity = std::clamp(intensity, 0, 255);
  const Box c = clip(surface, picture, x, y);
  if (c.empty() || intensity == 0) return;
  settle(surface);  // blending reads what lies below
  forgetPlacedIn(surface, {x + c.left, y + c.top, x + c.right, y + c.bottom});
  if (picture.allOpaque && intensity == 255) return store(surface, picture, x, y, c);
  Box changed{c.right, c.bottom, c.left, c.top};  // empty until a pixel changes; picture coordinates
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
      changed.left = std::min(changed.left, column);
      changed.right = std::max(changed.right, column + 1);
      changed.top = std::min(changed.top, row);
      changed.bottom = row + 1;
    }
  }
  surface.changed.add({x + changed.left, y + changed.top, x + changed.right, y + changed.bottom});
}

void settle(Surface& surface) {
  if (!surface.background) return;
  // Bands of rows between the covered boxes' edges: within a band each box
  // covers all rows or none, so the uncovered spans are the same in each row.
  // Boxes on a grid share few edges: each is kept once, in order, as it comes.
  static std::vector<int> edges;
  static std::vector<std::vector<std::pair<int, int>>> bandSpans;  // covered columns per band
  edges.assign({0, surface.height});
  for (const Box& box : surface.covered)
    for (int edge : {box.top, box.bottom}) {
      const auto at = std::lower_bound(edges.begin(), edges.end(), edge);
      if (at == edges.end() || *at != edge) edges.insert(at, edge);
    }
  const std::size_t bands = edges.size() - 1;
  if (bandSpans.size() < bands) bandSpans.resize(bands);
  for (std::size_t band = 0; band < bands; ++band) bandSpans[band].clear();
  for (const Box& box : surface.covered) {
    const auto first = std::lower_bound(edges.begin(), edges.end(), box.top) - edges.begin();
    for (auto band = std::size_t(first); edges[band] < box.bottom; ++band) bandSpans[band].emplace_back(box.left, box.right);
  }
  for (std::size_t band = 0; band < bands; ++band) {
    const int top = edges[band], bottom = edges[band + 1];
    auto& spans = bandSpans[band];
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
  // Pictures not drawn again since the background came lay under it.
  std::erase_if(surface.placed, [&](const auto& entry) { return entry.second.epoch != surface.epoch; });
}

Box takeChanged(Surface& surface) {
  const Box changed = surface.changed;
  surface.changed = Box{};
  return changed;
}

}  // namespace media::core
