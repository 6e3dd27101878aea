// How tiles look to people with a red-green colour deficiency and in grey:
// Machado, Oliveira and Fernandes (2009) simulation at full severity on
// linearised sRGB, CIELAB under D65, the mean per-pixel CIELAB distance (ΔE76)
// between two pictures, and the WCAG contrast ratio of two colours.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace vision {

enum class View { Normal, Deuteranopia, Protanopia, Grey };
constexpr std::array<View, 4> AllViews{View::Normal, View::Deuteranopia, View::Protanopia, View::Grey};
const char* viewName(View view);

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
};
struct Lab {
  double l = 0, a = 0, b = 0;
};

// Relative luminance (0..1) of an sRGB colour.
double luminance(Rgb colour);
// (lighter + 0.05) / (darker + 0.05): 1 for equal colours, 21 for black on white.
double contrastRatio(Rgb first, Rgb second);
// The colour as seen in the view, in CIELAB.
Lab seen(Rgb colour, View view);
// Mean ΔE76 over corresponding pixels of two pictures of equal size.
double meanDistance(const std::vector<Rgb>& first, const std::vector<Rgb>& second, View view);

}  // namespace vision
