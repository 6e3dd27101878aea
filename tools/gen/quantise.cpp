// Median-cut colour quantiser with Floyd-Steinberg error diffusion for
// pictures with more colours than the palette holds.
#include "quantise.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <unordered_map>

namespace gen {
namespace {

std::uint32_t key(const Rgba& c) { return (std::uint32_t(c.r) << 24) | (c.g << 16) | (c.b << 8) | c.a; }

struct Entry {
  Rgba colour;
  int count;
};

struct Box {
  std::vector<Entry> entries;
  int channelRange(int ch) const {
    int lo = 255, hi = 0;
    for (const Entry& e : entries) {
      const int v = (&e.colour.r)[ch];
      lo = std::min(lo, v);
      hi = std::max(hi, v);
    }
    return hi - lo;
  }
  long weight() const {
    long w = 0;
    for (const Entry& e : entries) w += e.count;
    return w;
  }
  Rgba mean() const {
    double s[4] = {0, 0, 0, 0};
    double n = 0;
    for (const Entry& e : entries) {
      for (int ch = 0; ch < 4; ++ch) s[ch] += (&e.colour.r)[ch] * double(e.count);
      n += e.count;
    }
    auto q = [&](int ch) { return std::uint8_t(std::lround(s[ch] / n)); };
    return Rgba{q(0), q(1), q(2), q(3)};
  }
};

int nearest(const std::vector<Rgba>& palette, const int c[4]) {
  int best = 0;
  long bestD = -1;
  for (std::size_t i = 0; i < palette.size(); ++i) {
    const Rgba& p = palette[i];
    const long dr = p.r - c[0], dg = p.g - c[1], db = p.b - c[2], da = p.a - c[3];
    const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db + 5 * da * da;
    if (bestD < 0 || d < bestD) {
      bestD = d;
      best = int(i);
    }
  }
  return best;
}

}  // namespace

Indexed quantise(const Raster& r, int maxColours) {
  std::unordered_map<std::uint32_t, int> counts;
  for (const Rgba& p : r.pixels) ++counts[key(p)];

  Indexed out;
  out.indices.resize(r.pixels.size());
  if (int(counts.size()) <= maxColours) {
    std::unordered_map<std::uint32_t, int> index;
    for (const Rgba& p : r.pixels) {
      auto [it, fresh] = index.emplace(key(p), int(out.palette.size()));
      if (fresh) out.palette.push_back(p);
    }
    for (std::size_t i = 0; i < r.pixels.size(); ++i) out.indices[i] = std::uint8_t(index[key(r.pixels[i])]);
    return out;
  }

  std::vector<Box> boxes(1);
  for (const auto& [k, n] : counts)
    boxes[0].entries.push_back({Rgba{std::uint8_t(k >> 24), std::uint8_t(k >> 16), std::uint8_t(k >> 8), std::uint8_t(k)}, n});
  while (int(boxes.size()) < maxColours) {
    // Split the box with the largest weighted spread along its widest channel.
    int pick = -1, pickCh = 0;
    double pickScore = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      if (boxes[i].entries.size() < 2) continue;
      for (int ch = 0; ch < 4; ++ch) {
        const double score = boxes[i].channelRange(ch) * std::sqrt(double(boxes[i].weight()));
        if (score > pickScore) {
          pickScore = score;
          pick = int(i);
          pickCh = ch;
        }
      }
    }
    if (pick < 0) break;
    auto& es = boxes[pick].entries;
    std::sort(es.begin(), es.end(), [pickCh](const Entry& a, const Entry& b) {
      return (&a.colour.r)[pickCh] < (&b.colour.r)[pickCh];
    });
    const long half = boxes[pick].weight() / 2;
    long acc = 0;
    std::size_t cut = 1;
    for (; cut < es.size() - 1; ++cut) {
      acc += es[cut - 1].count;
      if (acc >= half) break;
    }
    Box other;
    other.entries.assign(es.begin() + cut, es.end());
    es.resize(cut);
    boxes.push_back(std::move(other));
  }
  for (const Box& b : boxes) out.palette.push_back(b.mean());

  // Error diffusion keeps the gradients smooth.
  std::vector<std::array<float, 4>> work(r.pixels.size());
  for (std::size_t i = 0; i < r.pixels.size(); ++i)
    work[i] = {float(r.pixels[i].r), float(r.pixels[i].g), float(r.pixels[i].b), float(r.pixels[i].a)};
  std::unordered_map<std::uint32_t, int> cache;
  for (int y = 0; y < r.height; ++y)
    for (int x = 0; x < r.width; ++x) {
      const std::size_t i = std::size_t(y) * r.width + x;
      int c[4];
      for (int ch = 0; ch < 4; ++ch) c[ch] = std::clamp(int(std::lround(work[i][ch])), 0, 255);
      const std::uint32_t k = (std::uint32_t(c[0]) << 24) | (c[1] << 16) | (c[2] << 8) | c[3];
      auto it = cache.find(k);
      const int idx = it != cache.end() ? it->second : (cache[k] = nearest(out.palette, c));
      out.indices[i] = std::uint8_t(idx);
      const Rgba& p = out.palette[idx];
      const float err[4] = {c[0] - float(p.r), c[1] - float(p.g), c[2] - float(p.b), c[3] - float(p.a)};
      auto spread = [&](int dx, int dy, float f) {
        const int nx = x + dx, ny = y + dy;
        if (nx < 0 || nx >= r.width || ny >= r.height) return;
        auto& w = work[std::size_t(ny) * r.width + nx];
        for (int ch = 0; ch < 4; ++ch) w[ch] += err[ch] * f;
      };
      spread(1, 0, 7 / 16.f);
      spread(-1, 1, 3 / 16.f);
      spread(0, 1, 5 / 16.f);
      spread(1, 1, 1 / 16.f);
    }
  return out;
}

}  // namespace gen
