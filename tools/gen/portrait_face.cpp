// The portraits' face, neck and clothes.
#include "portrait.h"

#include <cmath>
#include <initializer_list>

namespace gen {
namespace {

constexpr double W = FaceHalfWidth;

}  // namespace

void facePath(cairo_t* cr) {
  cairo_new_path(cr);
  cairo_move_to(cr, 0, -80);
  cairo_curve_to(cr, -34, -80, -W, -62, -W, -20);
  cairo_curve_to(cr, -W, 18, -46, 54, -24, 74);
  cairo_curve_to(cr, -14, 82, -6, 86, 0, 86);
  cairo_curve_to(cr, 6, 86, 14, 82, 24, 74);
  cairo_curve_to(cr, 46, 54, W, 18, W, -20);
  cairo_curve_to(cr, W, -62, 34, -80, 0, -80);
  cairo_close_path(cr);
}

namespace {

void eyeOutline(cairo_t* cr, double s) {
  cairo_new_path(cr);
  cairo_move_to(cr, s * 9, 6);
  cairo_curve_to(cr, s * 15, -7, s * 30, -9, s * 37, 1);
  cairo_curve_to(cr, s * 31, 12, s * 16, 14, s * 9, 6);
  cairo_close_path(cr);
}

void upperLid(cairo_t* cr, double s) {
  cairo_new_path(cr);
  cairo_move_to(cr, s * 8, 7);
  cairo_curve_to(cr, s * 15, -7, s * 30, -9, s * 37, 1);
  cairo_line_to(cr, s * 41, -3);
}

// A closed eye: a soft downward arc with its lashes, for a wink.
void closedEye(cairo_t* cr, const PortraitLook& look, double s) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  strokeCurve(cr, s * 10, 2, s * 16, 9, s * 30, 9, s * 37, 1, 2.6, hex(0x29191a), 1);
  for (int i = 0; i < 2; ++i)
    strokeCurve(cr, s * (31 + i * 4), 5 - i * 2, s * (33 + i * 4), 7 - i * 2, s * (35 + i * 4), 8 - i * 2,
                s * (37 + i * 4), 9 - i * 2, 1.1, hex(0x29191a), 0.9);
  strokeCurve(cr, s * 10, -19, s * 18, -25, s * 28, -26, s * 37, -19, 2.6, darker(look.hair, 0.35), 0.85);
}

void eye(cairo_t* cr, const PortraitLook& look, double s) {
  if (look.wink == int(s)) {
    closedEye(cr, look, s);
    return;
  }
  const double ix = s * 23 + look.eyeLook * 3, iy = 3.5;
  cairo_save(cr);
  cairo_translate(cr, s * 23, 2);
  cairo_scale(cr, look.eyeSize, look.eyeSize);
  cairo_translate(cr, -s * 23, -2);
  eyeOutline(cr, s);
  cairo_set_source_rgb(cr, 0.98, 0.97, 0.96);
  cairo_fill_preserve(cr);
  cairo_save(cr);
  cairo_clip(cr);
  cairo_pattern_t* p = cairo_pattern_create_radial(ix, iy + 3, 1, ix, iy, 9.5);
  const Colour e = look.eyes, hi = lighter(e, 0.4), lo = darker(e, 0.5);
  cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(p, 0.65, e.r, e.g, e.b);
  cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
  cairo_set_source(cr, p);
  cairo_arc(cr, ix, iy, 9.5, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  ellipse(cr, ix, iy, 4.3, 4.6);
  setColour(cr, darker(e, 0.82));
  cairo_fill(cr);
  upperLid(cr, s);
  cairo_set_line_width(cr, 6);
  cairo_set_source_rgba(cr, 0.2, 0.1, 0.1, 0.25);
  cairo_stroke(cr);
  ellipse(cr, ix - 3.2, iy - 3.2, 2.6, 2.6);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.95);
  cairo_fill(cr);
  ellipse(cr, ix + 3, iy + 3.5, 1.3, 1.3);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.8);
  cairo_fill(cr);
  cairo_restore(cr);
  // Lashes, lower lid and crease.
  upperLid(cr, s);
  cairo_set_line_width(cr, 2.8);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_source_rgb(cr, 0.16, 0.1, 0.09);
  cairo_stroke(cr);
  // Three lashes at the outer corner.
  for (int i = 0; i < 3; ++i)
    strokeCurve(cr, s * (28 + i * 4), -5 + i * 2.5, s * (29.5 + i * 4.5), -8 + i * 2.5, s * (30.5 + i * 4.8),
                -9.5 + i * 2.7, s * (31.5 + i * 5), -10.5 + i * 2.9, 1.1, hex(0x29191a), 0.9);
  strokeCurve(cr, s * 14, 11, s * 20, 14, s * 28, 13, s * 34, 6, 1, hex(0x4d261f), 0.45);
  strokeCurve(cr, s * 13, -4, s * 19, -12, s * 29, -13, s * 35, -6, 1, hex(0x592e26), 0.3);
  // Brow.
  strokeCurve(cr, s * 10, -19, s * 18, -27, s * 28, -28, s * 37, -21, 2.6, darker(look.hair, 0.35), 0.85);
  cairo_restore(cr);
}

// Parted lips: the dark of the mouth under the smile line, a band of teeth
// along its top, the tongue below and the lower lip's colour beneath.
void openMouth(cairo_t* cr, const PortraitLook& look, double w, double curve) {
  auto path = [&](double dy) {
    cairo_new_path(cr);
    cairo_move_to(cr, -w, 48);
    cairo_curve_to(cr, -w * 0.5, 48 + curve, w * 0.5, 48 + curve, w, 48);
    cairo_curve_to(cr, w * 0.6, 60 + curve + dy, -w * 0.6, 60 + curve + dy, -w, 48);
    cairo_close_path(cr);
  };
  path(2.5);
  setColour(cr, look.lips, 0.75);
  cairo_fill(cr);
  path(0);
  setColour(cr, hex(0x6e1e2a));
  cairo_fill_preserve(cr);
  cairo_save(cr);
  cairo_clip(cr);
  cairo_rectangle(cr, -w, 44, 2 * w, 7 + curve * 0.75);
  setColour(cr, hex(0xfbf6f2));
  cairo_fill(cr);
  ellipse(cr, 0, 57 + curve, w * 0.45, 3.5);
  setColour(cr, hex(0xc85868));
  cairo_fill(cr);
  cairo_restore(cr);
}

void mouth(cairo_t* cr, const PortraitLook& look) {
  const double w = 11 + look.smile * 4, curve = 3 + look.smile * 5;
  if (look.openSmile) {
    openMouth(cr, look, w, curve);
  } else {
    cairo_new_path(cr);
    cairo_move_to(cr, -w * 0.75, 51);
    cairo_curve_to(cr, -w * 0.3, 58 + look.smile * 3, w * 0.3, 58 + look.smile * 3, w * 0.75, 51);
    cairo_curve_to(cr, w * 0.3, 52 + curve * 0.5, -w * 0.3, 52 + curve * 0.5, -w * 0.75, 51);
    setColour(cr, look.lips, 0.85);
    cairo_fill(cr);
  }
  cairo_new_path(cr);
  cairo_move_to(cr, -w, 48);
  cairo_curve_to(cr, -w * 0.5, 48 + curve, w * 0.5, 48 + curve, w, 48);
  cairo_set_line_width(cr, 1.7);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  setColour(cr, darker(look.lips, 0.45));
  cairo_stroke(cr);
  if (!look.openSmile) {
    ellipse(cr, -2, 54.5 + look.smile * 1.5, 3, 1.2);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
    cairo_fill(cr);
  }
}

}  // namespace

void paintBody(cairo_t* cr, const PortraitLook& look) {
  const double cx = HeadX + look.shiftX * 0.5, neckTop = HeadY + 50, base = HeadY + 118;
  // A turned body: the shoulders slide sideways below the neck.
  cairo_save(cr);
  cairo_matrix_t turn;
  cairo_matrix_init(&turn, 1, 0, look.lean, 1, -look.lean * base, 0);
  cairo_transform(cr, &turn);
  // Neck, with the chin's shadow.
  cairo_rectangle(cr, cx - 21, neckTop, 42, base - neckTop + 20);
  setColour(cr, darker(look.skin, 0.06));
  cairo_fill(cr);
  ellipse(cr, cx, neckTop + 30, 24, 16);
  setColour(cr, darker(look.skin, 0.25), 0.35);
  cairo_fill(cr);
  // Shoulders and chest.
  cairo_new_path(cr);
  cairo_move_to(cr, 6, 432);
  cairo_curve_to(cr, 10, 340, 50, base + 8, cx - 22, base - 4);
  cairo_line_to(cr, cx + 22, base - 4);
  cairo_curve_to(cr, 238, base + 8, 278, 340, 282, 432);
  cairo_close_path(cr);
  fillVertical(cr, base, 432, look.skin, darker(look.skin, 0.12));
  // The dress, with its neckline cut out.
  cairo_new_path(cr);
  double trimTop = base + 22;
  switch (look.neckline) {
    case Neckline::Straps:
      trimTop = 352;
      cairo_move_to(cr, 0, 432);
      cairo_line_to(cr, 12, 356);
      cairo_curve_to(cr, 60, 338, 110, trimTop + 8, cx, trimTop);
      cairo_curve_to(cr, 178, trimTop + 8, 228, 338, 276, 356);
      cairo_line_to(cr, 288, 432);
      break;
    case Neckline::Vee:
      cairo_move_to(cr, 0, 432);
      cairo_curve_to(cr, 6, 350, 36, base + 16, cx - 40, base + 6);
      cairo_line_to(cr, cx, base + 70);
      cairo_line_to(cr, cx + 40, base + 6);
      cairo_curve_to(cr, 252, base + 16, 282, 350, 288, 432);
      break;
    default:
      cairo_move_to(cr, 0, 432);
      cairo_curve_to(cr, 6, 350, 36, base + 16, cx - 44, base + 4);
      cairo_curve_to(cr, cx - 30, base + 30, cx + 30, base + 30, cx + 44, base + 4);
      cairo_curve_to(cr, 252, base + 16, 282, 350, 288, 432);
      break;
  }
  cairo_close_path(cr);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  fillVertical(cr, base, 432, lighter(look.clothes, 0.15), darker(look.clothes, 0.25));
  // Soft light on the shoulders and shade under the arms.
  for (double s : {-1.0, 1.0}) {
    const double x = cx + s * 92;
    cairo_pattern_t* p = cairo_pattern_create_radial(x, 340, 4, x, 350, 70);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0.18);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
  }
  cairo_rectangle(cr, 0, 400, 288, 32);
  fillVerticalAlpha(cr, 400, 432, look.clothes, 0, darker(look.clothes, 0.5), 0.35);
  // Where the arms meet the body.
  for (double s : {-1.0, 1.0})
    strokeCurve(cr, cx + s * 78, base + 60, cx + s * 76, base + 80, cx + s * 78, 410, cx + s * 84, 432, 2.5,
                darker(look.clothes, 0.4), 0.3);
  cairo_restore(cr);
  if (look.neckline == Neckline::Straps) {
    cairo_set_line_width(cr, 5);
    setColour(cr, look.clothes);
    cairo_move_to(cr, 92, trimTop + 4);
    cairo_line_to(cr, 84, base + 22);
    cairo_move_to(cr, 196, trimTop + 4);
    cairo_line_to(cr, 204, base + 22);
    cairo_stroke(cr);
  }
  if (look.neckline == Neckline::Collar) {
    for (double s : {-1.0, 1.0}) {
      cairo_new_path(cr);
      cairo_move_to(cr, cx + s * 4, base + 26);
      cairo_curve_to(cr, cx + s * 20, base + 20, cx + s * 40, base + 6, cx + s * 46, base + 2);
      cairo_line_to(cr, cx + s * 64, base + 44);
      cairo_curve_to(cr, cx + s * 40, base + 52, cx + s * 16, base + 44, cx + s * 4, base + 26);
      cairo_close_path(cr);
      setColour(cr, look.clothesAccent);
      cairo_fill_preserve(cr);
      setColour(cr, darker(look.clothesAccent, 0.35), 0.6);
      cairo_set_line_width(cr, 1.2);
      cairo_stroke(cr);
    }
  } else {
    // A trim along the neckline in the accent colour.
    cairo_new_path(cr);
    if (look.neckline == Neckline::Vee) {
      cairo_move_to(cr, cx - 40, base + 6);
      cairo_line_to(cr, cx, base + 70);
      cairo_line_to(cr, cx + 40, base + 6);
    } else if (look.neckline == Neckline::Round) {
      cairo_move_to(cr, cx - 44, base + 4);
      cairo_curve_to(cr, cx - 30, base + 30, cx + 30, base + 30, cx + 44, base + 4);
    } else {
      cairo_move_to(cr, 12, 356);
      cairo_curve_to(cr, 60, 338, 110, trimTop + 8, cx, trimTop);
      cairo_curve_to(cr, 178, trimTop + 8, 228, 338, 276, 356);
    }
    cairo_set_line_width(cr, 4);
    setColour(cr, look.clothesAccent, 0.9);
    cairo_stroke(cr);
  }
  if (look.necklace) {
    cairo_new_path(cr);
    cairo_move_to(cr, cx - 21, base - 6);
    cairo_curve_to(cr, cx - 16, base + 20, cx + 16, base + 20, cx + 21, base - 6);
    cairo_set_line_width(cr, 1.3);
    setColour(cr, hex(0xe8c45a));
    cairo_stroke(cr);
    cairo_move_to(cr, cx, base + 14);
    cairo_line_to(cr, cx + 5, base + 21);
    cairo_line_to(cr, cx, base + 30);
    cairo_line_to(cr, cx - 5, base + 21);
    cairo_close_path(cr);
    setColour(cr, look.extraColour);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1);
    setColour(cr, hex(0xb08a2a));
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

void paintFace(cairo_t* cr, const PortraitLook& look) {
  cairo_save(cr);
  enterHead(cr, look);
  for (double s : {-1.0, 1.0}) {
    ellipse(cr, s * (W - 1), 10, 9, 15);
    setColour(cr, darker(look.skin, 0.08));
    cairo_fill(cr);
  }
  facePath(cr);
  cairo_pattern_t* p = cairo_pattern_create_radial(-12, -12, 20, 0, 0, 112);
  const Colour hi = lighter(look.skin, 0.12), lo = darker(look.skin, 0.1);
  cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  for (double s : {-1.0, 1.0}) {
    cairo_pattern_t* b = cairo_pattern_create_radial(s * 33, 28, 1, s * 33, 28, 16);
    cairo_pattern_add_color_stop_rgba(b, 0, 1, 0.45, 0.5, 0.38);
    cairo_pattern_add_color_stop_rgba(b, 1, 1, 0.45, 0.5, 0);
    cairo_set_source(cr, b);
    cairo_arc(cr, s * 33, 28, 16, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(b);
    eye(cr, look, s);
  }
  // Nose: a short shadow line and a light tip.
  strokeCurve(cr, 3, 18, 0, 26, -2, 30, 2, 33, 1.5, darker(look.skin, 0.35), 0.55);
  ellipse(cr, -1, 30, 2.5, 1.5);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.3);
  cairo_fill(cr);
  mouth(cr, look);
  cairo_restore(cr);
}

}  // namespace gen
