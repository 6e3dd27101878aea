// Smooth resizing by area averaging: every target pixel is the mean of the
// source area it covers, fractional edges weighted by their share. Colours are
// averaged premultiplied by alpha, so transparent pixels do not bleed their
// colour into the edge.
#include <algorithm>
#include <cmath>

#include "media/core/core.h"

namespace media {
namespace {

struct Sum {
  double a = 0, r = 0, g = 0, b = 0;
};

// Weights of source samples 0..sourceLength-1 for each of targetLength cells.
struct Span {
  int first = 0;
  std::vector<double> weights;
};
std::vector<Span> spans(int sourceLength, int targetLength) {
  std::vector<Span> result(targetLength);
  const double scale = double(sourceLength) / targetLength;
  for (int t = 0; t < targetLength; ++t) {
    const double start = t * scale, end = (t + 1) * scale;
    Span& span = result[t];
    span.first = static_cast<int>(std::floor(start));
    const int last = std::min(sourceLength - 1, static_cast<int>(std::ceil(end)) - 1);
    for (int s = span.first; s <= last; ++s) {
      const double covered = std::min(end, s + 1.0) - std::max(start, double(s));
      span.weights.push_back(covered / scale);
    }
  }
  return result;
}

}  // namespace

Image core::resized(const Image& source, int width, int height) {
  const auto columns = spans(source.width, width);
  const auto rows = spans(source.height, height);
  // Horizontal pass into premultiplied sums, then the vertical pass.
  std::vector<Sum> across(std::size_t(width) * source.height);
  for (int y = 0; y < source.height; ++y)
    for (int x = 0; x < width; ++x) {
      Sum sum;
      const Span& span = columns[x];
      for (std::size_t i = 0; i < span.weights.size(); ++i) {
        const std::uint32_t p = source.pixels[std::size_t(y) * source.width + span.first + i];
        const double a = (p >> 24) / 255.0, w = span.weights[i];
        sum.a += w * a;
        sum.r += w * a * ((p >> 16) & 255);
        sum.g += w * a * ((p >> 8) & 255);
        sum.b += w * a * (p & 255);
      }
      across[std::size_t(y) * width + x] = sum;
    }
  Image result;
  result.width = width;
  result.height = height;
  result.hasAlpha = source.hasAlpha;
  result.pixels.resize(std::size_t(width) * height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      Sum sum;
      const Span& span = rows[y];
      for (std::size_t i = 0; i < span.weights.size(); ++i) {
        const Sum& s = across[(span.first + i) * width + x];
        const double w = span.weights[i];
        sum.a += w * s.a;
        sum.r += w * s.r;
        sum.g += w * s.g;
        sum.b += w * s.b;
      }
      auto channel = [&](double value) {
        return static_cast<std::uint32_t>(std::clamp(std::lround(sum.a > 0 ? value / sum.a : 0), 0L, 255L));
      };
      const auto alpha = static_cast<std::uint32_t>(std::clamp(std::lround(sum.a * 255), 0L, 255L));
      result.pixels[std::size_t(y) * width + x] = alpha << 24 | channel(sum.r) << 16 | channel(sum.g) << 8 | channel(sum.b);
    }
  return result;
}

}  // namespace media
