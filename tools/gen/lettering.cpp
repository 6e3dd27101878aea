// Pictures made mostly of words: the pause cover and the two banners.
#include "art.h"
#include "draw.h"

#include <cmath>
#include <initializer_list>

namespace gen {
namespace {

const Font BannerFont{"DejaVu Sans", true, false};

}  // namespace

Raster pauseCover() {
  Canvas cv(288, 432);
  cairo_t* cr = cv.cr;
  // A deep veil that hides the board, a little see-through.
  cairo_rectangle(cr, 0, 0, 288, 432);
  fillVerticalAlpha(cr, 0, 432, hex(0x1c294a), 0.93, hex(0x0d1224), 0.97);
  // Faint diagonal lines.
  cairo_save(cr);
  cairo_rotate(cr, -0.6);
  for (int i = -20; i < 30; ++i) cairo_rectangle(cr, i * 24.0, -100, 2, 900);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.04);
  cairo_fill(cr);
  cairo_restore(cr);
  // The pause sign in a ring.
  const double cx = 144, cy = 170;
  cairo_arc(cr, cx, cy, 58, 0, 2 * M_PI);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.12);
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, 5);
  setColour(cr, hex(0xe8eefc), 0.9);
  cairo_stroke(cr);
  for (double s : {-1.0, 1.0}) {
    roundedRect(cr, cx + s * 17 - 9, cy - 30, 18, 60, 5);
    setColour(cr, hex(0xf4f7ff));
    cairo_fill(cr);
  }
  lettering(cr, "Paused", BannerFont, 52, cx, 286, hex(0xf4f7ff), hex(0x0a0f1e), 5);
  lettering(cr, "Press Continue to play on", Font{"DejaVu Sans", false, false}, 15, cx, 332, hex(0xb8c6e6),
            hex(0), 0);
  // A frame around the cover.
  roundedRect(cr, 6, 6, 276, 420, 10);
  cairo_set_line_width(cr, 2);
  setColour(cr, hex(0x8fa6d8), 0.5);
  cairo_stroke(cr);
  return cv.raster();
}

Raster banner(const char* text) {
  Canvas cv(258, 48);
  cairo_t* cr = cv.cr;
  // A dark ribbon keeps the light words readable over any picture.
  roundedRect(cr, 1, 1, 256, 46, 12);
  fillVerticalAlpha(cr, 0, 48, hex(0x291f4c), 0.78, hex(0x0f0a24), 0.86, true);
  cairo_set_line_width(cr, 2);
  setColour(cr, hex(0xf5d06a), 0.9);
  cairo_stroke(cr);
  cairo_new_path(cr);
  textPathCentred(cr, text, BannerFont, 34, 129, 25);
  cairo_set_line_width(cr, 4);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  setColour(cr, hex(0x1a1030));
  cairo_stroke_preserve(cr);
  cairo_pattern_t* fill = verticalGradient(8, 42, hex(0xffffff), hex(0xffe08a));
  cairo_set_source(cr, fill);
  cairo_fill(cr);
  cairo_pattern_destroy(fill);
  return cv.raster();
}

}  // namespace gen
