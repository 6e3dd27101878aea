// The button faces and the small program pictures: About logo, donation
// button, licence badge, toolbar icons and the application icon.
#include "art.h"
#include "program_art.h"

#include <cmath>

namespace gen {

Raster buttonFace(const char* label, bool pressed) {
  Canvas cv(96, 36);
  cairo_t* cr = cv.cr;
  cairo_rectangle(cr, 0, 0, 96, 36);
  setColour(cr, PanelColour);
  cairo_fill(cr);
  // Bevel: a light rim above and a dark one below, swapped when pressed,
  // around a glossy face.
  const Colour base = pressed ? darker(ButtonColour, 0.25) : ButtonColour;
  const Colour outer = darker(base, 0.55), inner = lighter(base, 0.55);
  roundedRect(cr, 0.5, 0.5, 95, 35, 7);
  setColour(cr, pressed ? inner : outer);
  cairo_fill(cr);
  roundedRect(cr, 1.5, pressed ? 2.5 : 1.5, 93, 32, 6);
  setColour(cr, pressed ? outer : inner);
  cairo_fill(cr);
  roundedRect(cr, 3, 3, 90, 30, 5);
  fillVertical(cr, 3, 33, pressed ? darker(base, 0.2) : lighter(base, 0.25), pressed ? lighter(base, 0.1) : darker(base, 0.25));
  if (!pressed) {
    roundedRect(cr, 5, 4, 86, 12, 5);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.22);
    cairo_fill(cr);
  }
  const double shift = pressed ? 1 : 0;
  lettering(cr, label, LabelFont, 15, 48 + shift, 18 + shift, pressed ? hex(0xffe9a8) : hex(0xffffff),
            darker(base, 0.6), 2.5);
  return cv.raster();
}

Raster buttonOutline() {
  Canvas cv(96, 36);
  roundedRect(cv.cr, 0.5, 0.5, 95, 35, 7);
  setColour(cv.cr, hex(0xffffff));
  cairo_fill(cv.cr);
  return cv.raster();
}

Raster donateImage() {
  Canvas cv(150, 50);
  cairo_t* cr = cv.cr;
  roundedRect(cr, 1, 1, 148, 48, 14);
  fillVertical(cr, 1, 49, hex(0xffd866), hex(0xe09a1a));
  roundedRect(cr, 1, 1, 148, 48, 14);
  cairo_set_line_width(cr, 2);
  setColour(cr, hex(0x8a5a08));
  cairo_stroke(cr);
  roundedRect(cr, 6, 4, 138, 18, 9);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.3);
  cairo_fill(cr);
  // A heart beside the word.
  const double hx = 28, hy = 26, s = 11;
  cairo_move_to(cr, hx, hy + s * 0.9);
  cairo_curve_to(cr, hx - s * 1.3, hy, hx - s * 0.7, hy - s * 0.9, hx, hy - s * 0.3);
  cairo_curve_to(cr, hx + s * 0.7, hy - s * 0.9, hx + s * 1.3, hy, hx, hy + s * 0.9);
  setColour(cr, hex(0xd8344a));
  cairo_fill(cr);
  lettering(cr, "Donate", LabelFont, 22, 88, 25, hex(0x4a2a00), hex(0), 0);
  return cv.raster();
}

Raster licenceBadge() {
  Canvas cv(96, 39);
  cairo_t* cr = cv.cr;
  roundedRect(cr, 0.5, 0.5, 95, 38, 5);
  setColour(cr, hex(0x2b2b2b));
  cairo_fill(cr);
  roundedRect(cr, 3, 3, 90, 33, 3);
  setColour(cr, hex(0xaab2ab));
  cairo_fill(cr);
  // A round seal with two letters, then the licence's short terms.
  cairo_arc(cr, 20, 19.5, 13, 0, 2 * M_PI);
  setColour(cr, hex(0xffffff));
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, 2.5);
  setColour(cr, hex(0x2b2b2b));
  cairo_stroke(cr);
  lettering(cr, "cc", LabelFont, 12, 20, 19, hex(0x2b2b2b), hex(0), 0);
  cairo_rectangle(cr, 36, 6, 54, 27);
  setColour(cr, hex(0x2b2b2b));
  cairo_fill(cr);
  lettering(cr, "BY NC ND", Font{"DejaVu Sans Condensed", true, false}, 9.5, 63, 14, hex(0xffffff), hex(0), 0);
  lettering(cr, "4.0", LabelFont, 10, 63, 26, hex(0xaab2ab), hex(0), 0);
  return cv.raster();
}

Raster toolbarIcon(ToolIcon which) {
  Canvas cv(24, 24);
  cairo_t* cr = cv.cr;
  switch (which) {
    case ToolIcon::Statistics: {
      const double heights[3] = {8, 14, 19};
      const unsigned colours[3] = {0x3a9ad8, 0x46b04a, 0xe8a020};
      for (int i = 0; i < 3; ++i) {
        roundedRect(cr, 3 + i * 6.5, 21 - heights[i], 5, heights[i], 1);
        fillVertical(cr, 21 - heights[i], 21, lighter(hex(colours[i]), 0.3), darker(hex(colours[i]), 0.2));
      }
      cairo_move_to(cr, 1.5, 1.5);
      cairo_line_to(cr, 1.5, 22.5);
      cairo_line_to(cr, 22.5, 22.5);
      cairo_set_line_width(cr, 1.5);
      setColour(cr, hex(0x404450));
      cairo_stroke(cr);
      break;
    }
    case ToolIcon::Options: {
      cairo_new_path(cr);
      for (int i = 0; i < 32; ++i) {
        const double a = i * 2 * M_PI / 32, r = (i / 2) % 2 ? 8 : 10.8;
        cairo_line_to(cr, 12 + r * std::cos(a), 12 + r * std::sin(a));
      }
      cairo_close_path(cr);
      cairo_new_sub_path(cr);
      cairo_arc_negative(cr, 12, 12, 3.6, 2 * M_PI, 0);
      cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 24, 24);
      cairo_pattern_add_color_stop_rgb(p, 0, 0.78, 0.8, 0.85);
      cairo_pattern_add_color_stop_rgb(p, 1, 0.38, 0.4, 0.46);
      cairo_set_source(cr, p);
      cairo_fill_preserve(cr);
      cairo_pattern_destroy(p);
      cairo_set_line_width(cr, 1);
      setColour(cr, hex(0x30343c));
      cairo_stroke(cr);
      break;
    }
    case ToolIcon::Help: {
      cairo_arc(cr, 12, 12, 10.5, 0, 2 * M_PI);
      fillVertical(cr, 1, 23, hex(0x5aa0f0), hex(0x1e58b8));
      cairo_arc(cr, 12, 12, 10.5, 0, 2 * M_PI);
      cairo_set_line_width(cr, 1);
      setColour(cr, hex(0x143c80));
      cairo_stroke(cr);
      cairo_arc(cr, 12, 6.8, 1.9, 0, 2 * M_PI);
      setColour(cr, hex(0xffffff));
      cairo_fill(cr);
      roundedRect(cr, 10.3, 10, 3.4, 9, 1);
      cairo_fill(cr);
      break;
    }
  }
  return cv.raster();
}

}  // namespace gen
