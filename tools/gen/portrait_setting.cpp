// The portraits' backgrounds: a soft gradient with a pattern of its own.
#include "portrait.h"
#include "rng.h"

#include <cmath>

namespace gen {
namespace {

constexpr double W = 288, H = 432;

void flower(cairo_t* cr, double x, double y, double r, Colour petal, Colour heart, double alpha) {
  for (int i = 0; i < 5; ++i) {
    const double a = i * 2 * M_PI / 5;
    ellipse(cr, x + std::cos(a) * r * 0.6, y + std::sin(a) * r * 0.6, r * 0.5, r * 0.5);
    setColour(cr, petal, alpha);
    cairo_fill(cr);
  }
  ellipse(cr, x, y, r * 0.3, r * 0.3);
  setColour(cr, heart, alpha);
  cairo_fill(cr);
}

void star(cairo_t* cr, double x, double y, double r) {
  cairo_new_path(cr);
  for (int i = 0; i < 8; ++i) {
    const double a = i * M_PI / 4, rr = i % 2 ? r * 0.25 : r;
    cairo_line_to(cr, x + rr * std::cos(a), y + rr * std::sin(a));
  }
  cairo_close_path(cr);
}

void heart(cairo_t* cr, double x, double y, double s) {
  cairo_new_path(cr);
  cairo_move_to(cr, x, y + s * 0.9);
  cairo_curve_to(cr, x - s * 1.3, y, x - s * 0.7, y - s * 0.9, x, y - s * 0.3);
  cairo_curve_to(cr, x + s * 0.7, y - s * 0.9, x + s * 1.3, y, x, y + s * 0.9);
  cairo_close_path(cr);
}

void leaf(cairo_t* cr, double x, double y, double len, double angle) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_new_path(cr);
  cairo_move_to(cr, 0, 0);
  cairo_curve_to(cr, len * 0.3, -len * 0.35, len * 0.7, -len * 0.3, len, 0);
  cairo_curve_to(cr, len * 0.7, len * 0.3, len * 0.3, len * 0.35, 0, 0);
  cairo_restore(cr);
}

}  // namespace

void paintSetting(cairo_t* cr, const PortraitLook& look, int seed) {
  Rng rng(seed);
  cairo_rectangle(cr, 0, 0, W, H);
  fillVertical(cr, 0, H, look.backgroundTop, look.backgroundBottom);
  const Colour acc = look.backgroundAccent;
  switch (look.setting) {
    case Setting::Bokeh:
      for (int i = 0; i < 34; ++i) {
        const double x = rng.uniform(0, W), y = rng.uniform(0, H * 0.8), r = rng.uniform(8, 30);
        cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, r);
        cairo_pattern_add_color_stop_rgba(p, 0, acc.r, acc.g, acc.b, rng.uniform(0.12, 0.35));
        cairo_pattern_add_color_stop_rgba(p, 0.8, acc.r, acc.g, acc.b, 0.12);
        cairo_pattern_add_color_stop_rgba(p, 1, acc.r, acc.g, acc.b, 0);
        cairo_set_source(cr, p);
        cairo_arc(cr, x, y, r, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
      }
      break;
    case Setting::Stripes:
      cairo_save(cr);
      cairo_rotate(cr, -0.35);
      for (int i = -10; i < 30; i += 2) {
        cairo_rectangle(cr, i * 22.0, -200, 14, 900);
        setColour(cr, acc, 0.16);
        cairo_fill(cr);
      }
      cairo_restore(cr);
      break;
    case Setting::Flowers:
      for (int i = 0; i < 16; ++i)
        flower(cr, rng.uniform(0, W), rng.uniform(0, H * 0.7), rng.uniform(8, 16), hex(0xffffff), acc, 0.55);
      break;
    case Setting::Stars:
      for (int i = 0; i < 70; ++i) {
        const double r = rng.uniform(0.8, 2.2);
        ellipse(cr, rng.uniform(0, W), rng.uniform(0, H * 0.85), r, r);
        setColour(cr, acc, rng.uniform(0.3, 0.9));
        cairo_fill(cr);
      }
      for (int i = 0; i < 9; ++i) {
        star(cr, rng.uniform(0, W), rng.uniform(0, H * 0.6), rng.uniform(5, 10));
        setColour(cr, acc, 0.85);
        cairo_fill(cr);
      }
      break;
    case Setting::Sunset: {
      cairo_pattern_t* p = cairo_pattern_create_radial(W * 0.7, H * 0.55, 10, W * 0.7, H * 0.55, 200);
      cairo_pattern_add_color_stop_rgba(p, 0, acc.r, acc.g, acc.b, 0.9);
      cairo_pattern_add_color_stop_rgba(p, 1, acc.r, acc.g, acc.b, 0);
      cairo_set_source(cr, p);
      cairo_paint(cr);
      cairo_pattern_destroy(p);
      for (int i = 0; i < 3; ++i) {
        cairo_new_path(cr);
        cairo_move_to(cr, 0, H * (0.62 + 0.08 * i));
        for (double x = 0; x <= W; x += 8)
          cairo_line_to(cr, x, H * (0.62 + 0.08 * i) + 14 * std::sin(x / 40 + i * 1.7));
        cairo_line_to(cr, W, H);
        cairo_line_to(cr, 0, H);
        cairo_close_path(cr);
        setColour(cr, darker(look.backgroundBottom, 0.15 * i), 0.45);
        cairo_fill(cr);
      }
      break;
    }
    case Setting::Dots:
      for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 12; ++x) {
          ellipse(cr, x * 26.0 + (y % 2) * 13 + 6, y * 26.0 + 6, 4.5, 4.5);
          setColour(cr, acc, 0.35);
          cairo_fill(cr);
        }
      break;
    case Setting::Leaves:
      for (int i = 0; i < 26; ++i) {
        leaf(cr, rng.uniform(-20, W), rng.uniform(-20, H * 0.8), rng.uniform(24, 46), rng.uniform(0, 2 * M_PI));
        setColour(cr, mix(acc, look.backgroundTop, rng.uniform(0, 0.5)), 0.55);
        cairo_fill(cr);
      }
      break;
    case Setting::Hearts:
      for (int i = 0; i < 22; ++i) {
        heart(cr, rng.uniform(0, W), rng.uniform(0, H * 0.8), rng.uniform(6, 14));
        setColour(cr, acc, rng.uniform(0.25, 0.55));
        cairo_fill(cr);
      }
      break;
  }
  // A soft light from the upper left.
  cairo_pattern_t* p = cairo_pattern_create_radial(W * 0.3, H * 0.2, 20, W * 0.3, H * 0.2, 320);
  cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0.22);
  cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0);
  cairo_set_source(cr, p);
  cairo_paint(cr);
  cairo_pattern_destroy(p);
}

}  // namespace gen
