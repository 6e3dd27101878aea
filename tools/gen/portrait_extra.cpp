// The portraits' finishing touches: flowers, bows, headbands, earrings, a
// beret or glasses.
#include "portrait.h"

#include <cmath>
#include <initializer_list>

namespace gen {
namespace {

constexpr double W = FaceHalfWidth;

void flower(cairo_t* cr, double x, double y, Colour c) {
  for (int i = 0; i < 5; ++i) {
    const double a = i * 2 * M_PI / 5 - 0.3;
    ellipse(cr, x + std::cos(a) * 9, y + std::sin(a) * 9, 8, 8);
    setColour(cr, c);
    cairo_fill_preserve(cr);
    setColour(cr, darker(c, 0.25), 0.5);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
  ellipse(cr, x, y, 5, 5);
  setColour(cr, hex(0xf5c23a));
  cairo_fill(cr);
}

void bow(cairo_t* cr, double x, double y, Colour c) {
  for (double s : {-1.0, 1.0}) {
    cairo_new_path(cr);
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x + s * 10, y - 22, x + s * 30, y - 18, x + s * 28, y);
    cairo_curve_to(cr, x + s * 30, y + 18, x + s * 10, y + 22, x, y);
    cairo_close_path(cr);
    fillVertical(cr, y - 20, y + 20, lighter(c, 0.2), darker(c, 0.25));
  }
  ellipse(cr, x, y, 6, 7);
  setColour(cr, darker(c, 0.15));
  cairo_fill(cr);
}

}  // namespace

void paintExtra(cairo_t* cr, const PortraitLook& look) {
  cairo_save(cr);
  enterHead(cr, look);
  const Colour c = look.extraColour;
  switch (look.extra) {
    case Extra::None:
      break;
    case Extra::Flower:
      flower(cr, -W + 4, -74, c);
      flower(cr, -W - 12, -52, lighter(c, 0.3));
      break;
    case Extra::Bow:
      bow(cr, W - 10, -90, c);
      break;
    case Extra::Headband:
      // Follows the round of the head, from temple to temple.
      cairo_new_path(cr);
      cairo_save(cr);
      cairo_translate(cr, 0, -34);
      cairo_scale(cr, 66, 78);
      cairo_arc(cr, 0, 0, 1, M_PI * 1.12, M_PI * 1.88);
      cairo_restore(cr);
      cairo_set_line_width(cr, 8);
      setColour(cr, c);
      cairo_stroke(cr);
      break;
    case Extra::Earrings:
      for (double s : {-1.0, 1.0}) {
        ellipse(cr, s * (W + 1), 30, 3.5, 3.5);
        ellipse(cr, s * (W + 1), 40, 4.5, 5.5);
        setColour(cr, c);
        cairo_fill(cr);
        ellipse(cr, s * (W + 1) - 1.5, 38.5, 1.5, 1.5);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.8);
        cairo_fill(cr);
      }
      break;
    case Extra::Beret:
      cairo_save(cr);
      cairo_translate(cr, -8, -94);
      cairo_rotate(cr, -0.16);
      ellipse(cr, 0, 0, 76, 26);
      fillVertical(cr, -26, 26, lighter(c, 0.15), darker(c, 0.3));
      ellipse(cr, 0, -26, 5, 4);
      setColour(cr, darker(c, 0.3));
      cairo_fill(cr);
      cairo_restore(cr);
      break;
    case Extra::Glasses:
      for (double s : {-1.0, 1.0}) {
        cairo_new_path(cr);
        roundedRect(cr, s > 0 ? 6 : -40, -12, 34, 26, 8);
        cairo_set_source_rgba(cr, 0.85, 0.92, 1, 0.15);
        cairo_fill_preserve(cr);
        setColour(cr, c);
        cairo_set_line_width(cr, 2.4);
        cairo_stroke(cr);
      }
      cairo_move_to(cr, -6, -2);
      cairo_curve_to(cr, -2, -6, 2, -6, 6, -2);
      cairo_move_to(cr, -40, -4);
      cairo_line_to(cr, -W + 1, -8);
      cairo_move_to(cr, 40, -4);
      cairo_line_to(cr, W - 1, -8);
      cairo_stroke(cr);
      break;
  }
  cairo_restore(cr);
}

}  // namespace gen
