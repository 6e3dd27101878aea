// Implementation of the shared cairo helpers.
#include "draw.h"

#include <cmath>

namespace gen {

Colour hex(unsigned rgb) { return {((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0}; }
Colour mix(Colour a, Colour b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }
Colour lighter(Colour c, double t) { return mix(c, {1, 1, 1}, t); }
Colour darker(Colour c, double t) { return mix(c, {0, 0, 0}, t); }

void setColour(cairo_t* cr, Colour c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double rad) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - rad, y + rad, rad, -M_PI / 2, 0);
  cairo_arc(cr, x + w - rad, y + h - rad, rad, 0, M_PI / 2);
  cairo_arc(cr, x + rad, y + h - rad, rad, M_PI / 2, M_PI);
  cairo_arc(cr, x + rad, y + rad, rad, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
}

cairo_pattern_t* verticalGradient(double y0, double y1, Colour top, Colour bottom) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
  return p;
}

void fillVertical(cairo_t* cr, double y0, double y1, Colour top, Colour bottom) {
  cairo_pattern_t* p = verticalGradient(y0, y1, top, bottom);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void fillVerticalAlpha(cairo_t* cr, double y0, double y1, Colour top, double topAlpha, Colour bottom,
                       double bottomAlpha, bool preserve) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgba(p, 0, top.r, top.g, top.b, topAlpha);
  cairo_pattern_add_color_stop_rgba(p, 1, bottom.r, bottom.g, bottom.b, bottomAlpha);
  cairo_set_source(cr, p);
  if (preserve)
    cairo_fill_preserve(cr);
  else
    cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void strokeCurve(cairo_t* cr, double x0, double y0, double x1, double y1, double x2, double y2, double x3, double y3,
                 double width, Colour c, double alpha) {
  cairo_new_path(cr);
  cairo_move_to(cr, x0, y0);
  cairo_curve_to(cr, x1, y1, x2, y2, x3, y3);
  cairo_set_line_width(cr, width);
  setColour(cr, c, alpha);
  cairo_stroke(cr);
}

static void selectFont(cairo_t* cr, Font font, double size) {
  cairo_select_font_face(cr, font.family, font.italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                         font.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
}

cairo_text_extents_t textExtents(cairo_t* cr, const char* text, Font font, double size) {
  selectFont(cr, font, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text, &e);
  return e;
}

void textPathCentred(cairo_t* cr, const char* text, Font font, double size, double cx, double cy) {
  // Centred by its ink across, and by the height of a capital letter up and
  // down, so descenders (as in "Quit") do not lift a word.
  const cairo_text_extents_t capital = textExtents(cr, "H", font, size);
  const cairo_text_extents_t e = textExtents(cr, text, font, size);
  cairo_move_to(cr, cx - e.width / 2 - e.x_bearing, cy - capital.height / 2 - capital.y_bearing);
  cairo_text_path(cr, text);
}

void lettering(cairo_t* cr, const char* text, Font font, double size, double cx, double cy, Colour fill,
               Colour outline, double outlineWidth) {
  cairo_save(cr);
  cairo_new_path(cr);
  textPathCentred(cr, text, font, size, cx, cy);
  if (outlineWidth > 0) {
    setColour(cr, outline);
    cairo_set_line_width(cr, outlineWidth);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
  }
  setColour(cr, fill);
  cairo_fill(cr);
  cairo_restore(cr);
}

}  // namespace gen
