// The tiles: seven bevelled colours, each with a quiet emblem of its own so
// that every pair can be told apart without colour, and the hover frame.
#include "art.h"
#include "draw.h"

#include <cmath>
#include <initializer_list>

namespace gen {
namespace {

struct TileLook {
  unsigned colour;
  enum Emblem { Dot, Ring, Diamond, Cross, Square, Triangle, Star } emblem;
};
// Kinds 1..7: blue, dark grey, green, silver, violet, red, gold.
constexpr TileLook Looks[7] = {
    {0x2f6ad8, TileLook::Dot},    {0x4b4f58, TileLook::Ring},   {0x2f9e45, TileLook::Diamond},
    {0xb8c0cb, TileLook::Cross},  {0x8748c8, TileLook::Square}, {0xd3363c, TileLook::Triangle},
    {0xe2ac24, TileLook::Star},
};

void emblemPath(cairo_t* cr, TileLook::Emblem e, double c, double r) {
  cairo_new_path(cr);
  switch (e) {
    case TileLook::Dot:
      cairo_arc(cr, c, c, r * 0.55, 0, 2 * M_PI);
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

// Light top-left and dark bottom-right bands of width b inside the outline.
void bevel(cairo_t* cr, int s, double b, Colour light, Colour dark) {
  cairo_save(cr);
  outline(cr, s);
  cairo_clip(cr);
  // Both bands share the inner diagonal; they differ in the corner they fill.
  for (const double corner : {0, s}) {
    setColour(cr, corner == 0 ? light : dark);
    cairo_move_to(cr, corner, corner);
    cairo_line_to(cr, s, 0);
    cairo_line_to(cr, s - b, b);
    cairo_line_to(cr, b, s - b);
    cairo_line_to(cr, 0, s);
    cairo_close_path(cr);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

Raster colourTile(int s, const TileLook& look) {
  Canvas cv(s, s);
  cairo_t* cr = cv.cr;
  const Colour base = hex(look.colour);
  const double b = s == 36 ? 4 : 3;
  bevel(cr, s, b, lighter(base, 0.45), darker(base, 0.45));
  // The face: a soft gradient, lighter at the top.
  cairo_rectangle(cr, b, b, s - 2 * b, s - 2 * b);
  fillVertical(cr, b, s - b, lighter(base, 0.12), darker(base, 0.1));
  // The emblem, pressed into the face: a light lower-right rim and a darker fill.
  const double c = s / 2.0, r = s == 36 ? 9 : 6.8;
  cairo_save(cr);
  cairo_translate(cr, 0.8, 0.8);
  emblemPath(cr, look.emblem, c, r);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  setColour(cr, lighter(base, 0.35), 0.9);
  cairo_fill(cr);
  cairo_restore(cr);
  emblemPath(cr, look.emblem, c, r);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  setColour(cr, darker(base, 0.3), 0.95);
  cairo_fill(cr);
  // A thin dark rim separates neighbouring tiles.
  outline(cr, s);
  cairo_set_line_width(cr, 1);
  setColour(cr, darker(base, 0.6), 0.5);
  cairo_new_path(cr);
  if (s == 24)
    roundedRect(cr, 0.5, 0.5, s - 1, s - 1, 2.8);
  else
    cairo_rectangle(cr, 0.5, 0.5, s - 1, s - 1);
  cairo_stroke(cr);
  return cv.raster();
}

// The hover frame, drawn pixel by pixel so that its few greys and its inside
// colour stay exact.
Raster hoverFrame(int s) {
  Raster r(s, s);
  const int b = s == 36 ? 4 : 3;
  const Rgba outer{58, 60, 66, 255}, light{220, 223, 228, 255}, mid{160, 164, 172, 255}, dark{96, 99, 106, 255};
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
