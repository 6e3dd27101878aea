// Small cairo helpers shared by the artwork: colours, rounded shapes,
// gradients and outlined lettering.
#pragma once

#include <cairo.h>

namespace gen {

struct Colour {
  double r, g, b;
};
Colour hex(unsigned rgb);
Colour mix(Colour a, Colour b, double t);
Colour lighter(Colour c, double t);  // towards white
Colour darker(Colour c, double t);   // towards black

void setColour(cairo_t* cr, Colour c, double alpha = 1.0);
void roundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);
void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);
// A vertical gradient from top colour to bottom colour over [y0, y1].
cairo_pattern_t* verticalGradient(double y0, double y1, Colour top, Colour bottom);
void fillVertical(cairo_t* cr, double y0, double y1, Colour top, Colour bottom);
// The same with an opacity at each end; keeps the path when preserve is set.
void fillVerticalAlpha(cairo_t* cr, double y0, double y1, Colour top, double topAlpha, Colour bottom,
                       double bottomAlpha, bool preserve = false);
// Strokes one cubic curve from (x0, y0) to (x3, y3).
void strokeCurve(cairo_t* cr, double x0, double y0, double x1, double y1, double x2, double y2, double x3, double y3,
                 double width, Colour c, double alpha);

struct Font {
  const char* family;
  bool bold;
  bool italic;
};
// Extents of a text in the font and size.
cairo_text_extents_t textExtents(cairo_t* cr, const char* text, Font font, double size);
// Adds the outline of a text centred on (cx, cy) to the current path.
void textPathCentred(cairo_t* cr, const char* text, Font font, double size, double cx, double cy);
// A text centred on (cx, cy): an optional dark outline, then the fill.
void lettering(cairo_t* cr, const char* text, Font font, double size, double cx, double cy, Colour fill,
               Colour outline, double outlineWidth);

}  // namespace gen
