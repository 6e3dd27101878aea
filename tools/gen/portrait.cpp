// A portrait: the stages of the drawing in order, and a soft vignette.
#include "portrait.h"

#include "art.h"

#include <cmath>

namespace gen {

void enterHead(cairo_t* cr, const PortraitLook& look) {
  cairo_translate(cr, HeadX + look.shiftX, HeadY);
  cairo_translate(cr, 0, 120);  // the head turns about the neck
  cairo_rotate(cr, look.tilt * M_PI / 180);
  cairo_scale(cr, look.headScale, look.headScale);
  cairo_translate(cr, 0, -120);
}

Raster portrait(int number) {
  const PortraitLook& look = portraitLook(number);
  Canvas cv(288, 432);
  cairo_t* cr = cv.cr;
  paintSetting(cr, look, number * 7919);
  paintBackHair(cr, look);
  paintBody(cr, look);
  paintFace(cr, look);
  paintFrontHair(cr, look);
  paintExtra(cr, look);
  cairo_pattern_t* v = cairo_pattern_create_radial(144, 200, 160, 144, 216, 330);
  cairo_pattern_add_color_stop_rgba(v, 0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(v, 1, 0, 0, 0, 0.28);
  cairo_set_source(cr, v);
  cairo_paint(cr);
  cairo_pattern_destroy(v);
  return cv.raster();
}

}  // namespace gen
