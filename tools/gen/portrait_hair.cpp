// The portraits' hair: the mass behind the head, and the fringe, side locks
// and shine in front of the face. Drawn in the head's own frame.
#include "portrait.h"

#include <cmath>
#include <initializer_list>

namespace gen {
namespace {

constexpr double W = FaceHalfWidth;

void fillHair(cairo_t* cr, const PortraitLook& look, double y0, double y1) {
  fillVertical(cr, y0, y1, lighter(look.hair, 0.12), darker(look.hair, 0.3));
}

// The rounded cap of hair around the top and sides of the skull.
void skullCap(cairo_t* cr, double extra, double bottom) {
  cairo_new_path(cr);
  cairo_move_to(cr, -W - extra, bottom);
  cairo_curve_to(cr, -W - extra - 6, -70, -W * 0.7, -112 - extra, 0, -112 - extra);
  cairo_curve_to(cr, W * 0.7, -112 - extra, W + extra + 6, -70, W + extra, bottom);
  cairo_close_path(cr);
}

// Long hair falling behind the shoulders; wave gives the sides a ripple.
void longMass(cairo_t* cr, double width, double length, double wave) {
  cairo_new_path(cr);
  cairo_move_to(cr, -W - 10, -40);
  cairo_curve_to(cr, -W - 16, -118, W + 16, -118, W + 10, -40);
  for (double y = -40; y <= length; y += 10)
    cairo_line_to(cr, W + 10 + (width - 10) * (y + 40) / (length + 40) + wave * std::sin(y / 22), y);
  // A bottom edge of pointed strands.
  const int strands = 7;
  const double left = -W - width, right = W + width;
  for (int i = 0; i <= strands * 2; ++i) {
    const double x = right - (right - left) * i / (strands * 2.0);
    cairo_line_to(cr, x, length + (i % 2 ? 14 : 0));
  }
  for (double y = length; y >= -40; y -= 10)
    cairo_line_to(cr, -W - 10 - (width - 10) * (y + 40) / (length + 40) - wave * std::sin(y / 22 + 1), y);
  cairo_close_path(cr);
}

void tail(cairo_t* cr, double side, double rootY, double reach, double length) {
  cairo_new_path(cr);
  cairo_move_to(cr, side * (W - 4), rootY - 14);
  cairo_curve_to(cr, side * (W + reach), rootY - 20, side * (W + reach + 24), rootY + length * 0.5,
                 side * (W + reach * 0.6), rootY + length);
  cairo_curve_to(cr, side * (W + reach * 0.3), rootY + length * 0.6, side * (W + 4), rootY + 40, side * (W - 6),
                 rootY + 14);
  cairo_close_path(cr);
}

void strands(cairo_t* cr, const PortraitLook& look, double from, double to, double spread) {
  cairo_set_line_width(cr, 1.2);
  setColour(cr, darker(look.hair, 0.45), 0.35);
  for (int i = -4; i <= 4; ++i) {
    const double x = i * spread / 4;
    cairo_move_to(cr, x * 0.4, from);
    cairo_curve_to(cr, x * 0.9, from + (to - from) * 0.3, x * 1.1, from + (to - from) * 0.7, x * 1.05, to);
  }
  cairo_stroke(cr);
}

void shine(cairo_t* cr, double radius, double centreY) {
  cairo_new_path(cr);
  cairo_arc(cr, 0, centreY, radius, M_PI * 1.18, M_PI * 1.72);
  cairo_set_line_width(cr, 7);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.22);
  cairo_stroke(cr);
  cairo_arc(cr, 0, centreY, radius, M_PI * 1.22, M_PI * 1.5);
  cairo_set_line_width(cr, 3);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.25);
  cairo_stroke(cr);
}

// A band that gathers a tail, in the accessory's colour.
void tie(cairo_t* cr, const PortraitLook& look, double x, double y) {
  ellipse(cr, x, y, 7, 9);
  setColour(cr, look.extraColour);
  cairo_fill_preserve(cr);
  setColour(cr, darker(look.extraColour, 0.4), 0.6);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

// Fringe path: from the right temple back to the left along the lower edge.
void fringeEdge(cairo_t* cr, Fringe f) {
  switch (f) {
    case Fringe::Blunt:
      cairo_line_to(cr, W + 2, -30);
      for (int i = 0; i <= 10; ++i) cairo_line_to(cr, W - i * W / 5, i % 2 ? -30 : -37);
      break;
    case Fringe::SideSwept:
      cairo_line_to(cr, W + 2, -24);
      cairo_curve_to(cr, W * 0.3, -30, -W * 0.2, -44, -W * 0.55, -70);
      cairo_curve_to(cr, -W * 0.7, -50, -W * 0.9, -30, -W - 2, -10);
      break;
    case Fringe::Parted:
      cairo_line_to(cr, W + 2, -8);
      cairo_curve_to(cr, W * 0.8, -40, W * 0.35, -66, 2, -78);
      cairo_curve_to(cr, -W * 0.35, -66, -W * 0.8, -40, -W - 2, -8);
      break;
  }
}

// Length of the locks that frame the face, by hairstyle.
double sideLockLength(Hair h) {
  switch (h) {
    case Hair::Pixie: return 10;
    case Hair::Bun:
    case Hair::Ponytail: return 30;
    case Hair::Bob: return 62;
    default: return 78;
  }
}

}  // namespace

void paintBackHair(cairo_t* cr, const PortraitLook& look) {
  cairo_save(cr);
  enterHead(cr, look);
  switch (look.hairStyle) {
    case Hair::LongStraight:
      longMass(cr, 26, 230, 0);
      break;
    case Hair::LongWavy:
      longMass(cr, 44, 220, 9);
      break;
    case Hair::Bob:
      cairo_new_path(cr);
      cairo_move_to(cr, -W - 12, -40);
      cairo_curve_to(cr, -W - 18, -118, W + 18, -118, W + 12, -40);
      cairo_curve_to(cr, W + 22, 20, W + 20, 60, W + 4, 76);
      cairo_line_to(cr, -W - 4, 76);
      cairo_curve_to(cr, -W - 20, 60, -W - 22, 20, -W - 12, -40);
      cairo_close_path(cr);
      break;
    case Hair::Ponytail:
      tail(cr, 1, -70, 40, 210);
      fillHair(cr, look, -90, 150);
      tie(cr, look, W + 8, -74);
      skullCap(cr, 10, 10);
      break;
    case Hair::TwinTails:
      for (double side : {1.0, -1.0}) {
        tail(cr, side, -46, 34, 220);
        fillHair(cr, look, -60, 180);
        tie(cr, look, side * (W + 10), -50);
      }
      skullCap(cr, 10, 20);
      break;
    case Hair::Bun:
      ellipse(cr, 0, -112, 34, 30);
      fillHair(cr, look, -145, -80);
      skullCap(cr, 8, 10);
      break;
    case Hair::Pixie:
      skullCap(cr, 10, 20);
      break;
    case Hair::Braid:
      skullCap(cr, 9, 30);
      break;
  }
  cairo_clip_preserve(cr);
  fillHair(cr, look, -110, 230);
  // Long strands give the mass its fall; the darker inside reads as depth.
  strands(cr, look, -100, 250, W + 34);
  cairo_rectangle(cr, -W, -40, 2 * W, 300);
  fillVerticalAlpha(cr, -40, 260, darker(look.hair, 0.5), 0.35, darker(look.hair, 0.5), 0.1);
  cairo_restore(cr);
}

void paintFrontHair(cairo_t* cr, const PortraitLook& look) {
  cairo_save(cr);
  enterHead(cr, look);
  const double lock = sideLockLength(look.hairStyle);
  cairo_new_path(cr);
  cairo_move_to(cr, -W - 9, lock);
  cairo_curve_to(cr, -W - 14, -40, -W - 12, -114, 0, -114);
  cairo_curve_to(cr, W + 12, -114, W + 14, -40, W + 9, lock);
  cairo_curve_to(cr, W + 3, lock - 10, W - 1, lock - 40, W - 2, -20);
  fringeEdge(cr, look.fringe);
  cairo_curve_to(cr, -W + 1, lock - 40, -W - 3, lock - 10, -W - 9, lock);
  cairo_close_path(cr);
  // The fringe's soft shadow on the forehead.
  cairo_path_t* hair = cairo_copy_path(cr);
  cairo_save(cr);
  facePath(cr);
  cairo_clip(cr);
  for (int i = 1; i <= 3; ++i) {
    cairo_save(cr);
    cairo_translate(cr, 0, i * 1.6);
    cairo_new_path(cr);
    cairo_append_path(cr, hair);
    setColour(cr, darker(look.skin, 0.45), 0.1);
    cairo_fill(cr);
    cairo_restore(cr);
  }
  cairo_restore(cr);
  cairo_new_path(cr);
  cairo_append_path(cr, hair);
  cairo_path_destroy(hair);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  fillHair(cr, look, -114, lock);
  strands(cr, look, -110, -30, W);
  cairo_new_path(cr);
  shine(cr, 84, -22);
  cairo_restore(cr);
  if (look.hairStyle == Hair::Braid) {
    // A braid over the right shoulder, in overlapping loops.
    for (int i = 0; i < 9; ++i) {
      const double y = 70 + i * 21, x = W + 14 + i * 2.5;
      cairo_save(cr);
      cairo_translate(cr, x, y);
      cairo_rotate(cr, i % 2 ? 0.5 : -0.5);
      ellipse(cr, 0, 0, 10 - i * 0.35, 15);
      fillHair(cr, look, -15, 20);
      ellipse(cr, -2, -5, 4, 7);
      cairo_set_source_rgba(cr, 1, 1, 1, 0.16);
      cairo_fill(cr);
      cairo_restore(cr);
    }
    ellipse(cr, W + 36, 262, 8, 5);
    setColour(cr, look.extraColour);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

}  // namespace gen
