// The tiles: seven bevelled colours whose lightness sets them apart as well as
// their hue, each with an emblem of its own at 3:1 against its face, so that
// every pair can be told apart without colour; and the hover frame.
#include "art.h"
#include "draw.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace gen {
namespace {

struct TileLook {
  unsigned hue;      // the colour a player names
  double lightness;  // CIELAB L* of the face: the kinds stay apart in grey too
  enum Emblem { Dot, Ring, Diamond, Cross, Square, Triangle, Star } emblem;
};
// Kinds 1..7: blue, dark grey, green, silver, violet, red, gold. Their faces
// lie 11 L* apart, so red-green colour blindness and grey keep them apart.
constexpr TileLook Looks[7] = {
    {0x1f5fe0, 35, TileLook::Dot},    {0x40444c, 22, TileLook::Ring},   {0x2fa845, 69, TileLook::Diamond},
    {0xc8ced8, 91, TileLook::Cross},  {0x9a5ce0, 58, TileLook::Square}, {0xd83030, 47, TileLook::Triangle},
    {0xe8b020, 80, TileLook::Star},
};
// The lightness of the edge band that the hover frame's light band covers:
// darker than the face on all but the darkest kind, and at most L* 53 on the
// lightest, so the frame's white band stands out by more than 3:1 wherever it
// lies; it follows the face's lightness, which keeps the kinds apart there too.
double edgeLightness(double face) { return 17 + 0.4 * face; }
// The emblem's contrast with its face (3:1 and some room for the gradient).
constexpr double EmblemContrast = 3.6;

double channelToLinear(double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); }
double channelToSrgb(double c) { return c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1 / 2.4) - 0.055; }

double luminanceOf(Colour c) {
  return 0.2126 * channelToLinear(c.r) + 0.7152 * channelToLinear(c.g) + 0.0722 * channelToLinear(c.b);
}

double luminanceAt(double lightness) {
  const double f = (lightness + 16) / 116;
  return f > 6.0 / 29 ? f * f * f : (lightness / 903.3);
}

// The hue at a luminance: its linear channels scaled, and where that would
// overflow, mixed towards white (found by bisection).
Colour atLuminance(Colour hue, double y) {
  const double r = channelToLinear(hue.r), g = channelToLinear(hue.g), b = channelToLinear(hue.b);
  const auto colourAt = [&](double scale, double white) {
    const auto one = [&](double c) { return channelToSrgb(std::min(1.0, c * scale) * (1 - white) + white); };
    return Colour{one(r), one(g), one(b)};
  };
  const double scale = y / luminanceOf(hue);
  if (std::max({r, g, b}) * scale <= 1) return colourAt(scale, 0);
  double low = 0, high = 1;
  for (int i = 0; i < 40; ++i) {
    const double mid = (low + high) / 2;
    (luminanceOf(colourAt(scale, mid)) < y ? low : high) = mid;
  }
  return colourAt(scale, high);
}

Colour atLightness(Colour hue, double lightness) { return atLuminance(hue, luminanceAt(std::clamp(lightness, 2.0, 98.0))); }

// A dark emblem on a light face, a light one on a dark face.
Colour emblemColour(Colour hue, double faceLightness) {
  const double face = luminanceAt(faceLightness);
  const double dark = (face + 0.05) / EmblemContrast - 0.05;
  const double light = (face + 0.05) * EmblemContrast - 0.05;
  return dark >= 0.004 ? atLuminance(hue, dark) : atLuminance(hue, std::min(light, 0.98));
}

void emblemPath(cairo_t* cr, TileLook::Emblem e, double c, double r) {
  cairo_new_path(cr);
  switch (e) {
    case TileLook::Dot:
      cairo_arc(cr, c, c, r * 0.65, 0, 2 * M_PI);
      break;
    case TileLook::Ring:
      cairo_arc(cr, c, c, r * 0.8, 0, 2 * M_PI);
      cairo_new_sub_path(cr);
      cairo_arc_negative(cr, c, c, r * 0.45, 2 * M_PI, 0);
      break;
    case TileLook::Diamond:
      cairo_move_to(cr, c, c - r);
      cairo_line_to(cr, c + r * 0.75, c);
      cairo_line_to(cr, c, c + r);
      cairo_line_to(cr, c - r * 0.75, c);
      cairo_close_path(cr);
      break;
    case TileLook::Cross: {
      const double t = r * 0.3;
      cairo_rectangle(cr, c - r * 0.85, c - t, r * 1.7, 2 * t);
      cairo_rectangle(cr, c - t, c - r * 0.85, 2 * t, r * 1.7);
      break;
    }
    case TileLook::Square:
      cairo_rectangle(cr, c - r * 0.7, c - r * 0.7, r * 1.4, r * 1.4);
      cairo_rectangle(cr, c + r * 0.32, c - r * 0.32, -r * 0.64, r * 0.64);
      break;
    case TileLook::Triangle:
      cairo_move_to(cr, c, c - r * 0.85);
      cairo_line_to(cr, c + r * 0.9, c + r * 0.7);
      cairo_line_to(cr, c - r * 0.9, c + r * 0.7);
      cairo_close_path(cr);
      break;
    case TileLook::Star:
      for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5, rr = i % 2 ? r * 0.42 : r;
        if (i == 0)
          cairo_move_to(cr, c + rr * std::cos(a), c + rr * std::sin(a));
        else
          cairo_line_to(cr, c + rr * std::cos(a), c + rr * std::sin(a));
      }
      cairo_close_path(cr);
      break;
  }
}

// The square outline, with corners rounded at the small size so its edge
// pixels are partly transparent.
void outline(cairo_t* cr, int size) {
  cairo_new_path(cr);
  if (size == 24)
    roundedRect(cr, 0, 0, size, size, 3.2);
  else
    cairo_rectangle(cr, 0, 0, size, size);
}

// Light top-left and dark bottom-right bands from the inset i to i + w inside
// the outline.
void bevel(cairo_t* cr, int s, double i, double w, Colour light, Colour dark) {
  cairo_save(cr);
  outline(cr, s);
  cairo_clip(cr);
  // Both bands share the diagonal; they differ in the corner they fill.
  const double o = s - i, b = w;
  for (const bool topLeft : {true, false}) {
    setColour(cr, topLeft ? light : dark);
    const double corner = topLeft ? i : o;
    cairo_move_to(cr, corner, corner);
    cairo_line_to(cr, o, i);
    cairo_line_to(cr, o - b, i + b);
    cairo_line_to(cr, i + b, o - b);
    cairo_line_to(cr, i, o);
    cairo_close_path(cr);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

// A dark rim, the edge band, a one-pixel bevel line and the face with its
// emblem; every lightness follows the face's.
Raster colourTile(int s, const TileLook& look) {
  Canvas cv(s, s);
  cairo_t* cr = cv.cr;
  const Colour hue = hex(look.hue);
  const double l = look.lightness, b = s == 36 ? 4 : 3;
  const double edge = edgeLightness(l);
  outline(cr, s);
  setColour(cr, atLightness(hue, edge - 22));
  cairo_fill(cr);
  bevel(cr, s, 1, b - 2, atLightness(hue, edge), atLightness(hue, edge - 14));
  bevel(cr, s, b - 1, 1, atLightness(hue, l + 14), atLightness(hue, l - 14));
  // The face: a soft gradient, lighter at the top.
  cairo_rectangle(cr, b, b, s - 2 * b, s - 2 * b);
  fillVertical(cr, b, s - b, atLightness(hue, l + 3), atLightness(hue, l - 3));
  const double c = s / 2.0, r = s == 36 ? 10 : 7.6;
  emblemPath(cr, look.emblem, c, r);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  setColour(cr, emblemColour(hue, l));
  cairo_fill(cr);
  return cv.raster();
}

// The hover frame, drawn pixel by pixel so that its few greys and its inside
// colour stay exact.
Raster hoverFrame(int s) {
  Raster r(s, s);
  const int b = s == 36 ? 4 : 3;
  // The light band is white: every tile's edge beneath it stays dark enough
  // for 3:1 (edgeLightness).
  const Rgba outer{58, 60, 66, 255}, light{255, 255, 255, 255}, mid{160, 164, 172, 255}, dark{96, 99, 106, 255};
  for (int y = 0; y < s; ++y)
    for (int x = 0; x < s; ++x) {
      const int d = std::min(std::min(x, y), std::min(s - 1 - x, s - 1 - y));
      Rgba p;
      if (d >= b)
        p = HoverInside;
      else if (d == 0)
        p = outer;
      else if (d == b - 1)
        p = mid;
      else
        p = (x + y < s - 1) ? light : dark;
      r.at(x, y) = p;
    }
  if (s == 24) {
    // Soft corners and a half-transparent outermost ring.
    for (int y = 0; y < s; ++y)
      for (int x = 0; x < s; ++x) {
        const int d = std::min(std::min(x, y), std::min(s - 1 - x, s - 1 - y));
        const bool cornerX = x == 0 || x == s - 1, cornerY = y == 0 || y == s - 1;
        if (cornerX && cornerY)
          r.at(x, y).a = 60;
        else if (d == 0)
          r.at(x, y).a = 190;
      }
  }
  return r;
}

}  // namespace

Raster tile(int size, int kind) { return kind == 0 ? hoverFrame(size) : colourTile(size, Looks[kind - 1]); }

}  // namespace gen
