// Colour-vision simulation and distances (see colour_vision.h).
#include "colour_vision.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace vision {
namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

// Machado et al. 2009, severity 1.0, applied to linear RGB.
constexpr Matrix Deuteranopia{{{0.367322, 0.860646, -0.227968},
                               {0.280085, 0.672501, 0.047413},
                               {-0.011820, 0.042940, 0.968881}}};
constexpr Matrix Protanopia{{{0.152286, 1.052583, -0.204868},
                             {0.114503, 0.786281, 0.099216},
                             {-0.003882, -0.048116, 1.051998}}};
// Linear sRGB to CIE XYZ (D65).
constexpr Matrix ToXyz{{{0.4124564, 0.3575761, 0.1804375},
                        {0.2126729, 0.7151522, 0.0721750},
                        {0.0193339, 0.1191920, 0.9503041}}};
constexpr std::array<double, 3> WhiteD65{0.95047, 1.0, 1.08883};

using Vector = std::array<double, 3>;

double linear(std::uint8_t channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

Vector linearRgb(Rgb colour) { return {linear(colour.r), linear(colour.g), linear(colour.b)}; }

Vector times(const Matrix& m, const Vector& v) {
  Vector out{};
  for (std::size_t i = 0; i < 3; ++i) out[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
  return out;
}

double labCurve(double t) {
  constexpr double e = 216.0 / 24389.0, k = 24389.0 / 27.0;
  return t > e ? std::cbrt(t) : (k * t + 16.0) / 116.0;
}

Lab labOfLinear(const Vector& rgb) {
  Vector clamped{};
  for (std::size_t i = 0; i < 3; ++i) clamped[i] = std::clamp(rgb[i], 0.0, 1.0);
  const Vector xyz = times(ToXyz, clamped);
  const double fx = labCurve(xyz[0] / WhiteD65[0]), fy = labCurve(xyz[1] / WhiteD65[1]),
               fz = labCurve(xyz[2] / WhiteD65[2]);
  return {116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz)};
}

}  // namespace

const char* viewName(View view) {
  switch (view) {
    case View::Normal: return "normal";
    case View::Deuteranopia: return "deuteranopia";
    case View::Protanopia: return "protanopia";
    case View::Grey: return "grey";
  }
  return "";
}

double luminance(Rgb colour) { return times(ToXyz, linearRgb(colour))[1]; }

double contrastRatio(Rgb first, Rgb second) {
  const double a = luminance(first), b = luminance(second);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

Lab seen(Rgb colour, View view) {
  const Vector rgb = linearRgb(colour);
  switch (view) {
    case View::Normal: return labOfLinear(rgb);
    case View::Deuteranopia: return labOfLinear(times(Deuteranopia, rgb));
    case View::Protanopia: return labOfLinear(times(Protanopia, rgb));
    case View::Grey: {
      const double y = luminance(colour);
      return labOfLinear({y, y, y});
    }
  }
  return {};
}

double meanDistance(const std::vector<Rgb>& first, const std::vector<Rgb>& second, View view) {
  const std::size_t n = std::min(first.size(), second.size());
  if (n == 0) return 0;
  double sum = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const Lab a = seen(first[i], view), b = seen(second[i], view);
    sum += std::hypot(a.l - b.l, a.a - b.a, a.b - b.b);
  }
  return sum / static_cast<double>(n);
}

}  // namespace vision
