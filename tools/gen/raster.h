// A plain picture in memory (straight, not premultiplied, RGBA bytes) and the
// cairo canvas the artwork is drawn on. Every picture of the game passes
// through a Raster before it is written in its file format.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

namespace gen {

struct Rgba {
  std::uint8_t r, g, b, a;
  bool operator==(const Rgba&) const = default;
};

struct Raster {
  int width = 0, height = 0;
  std::vector<Rgba> pixels;  // row by row, top first

  Raster() = default;
  Raster(int w, int h) : width(w), height(h), pixels(std::size_t(w) * h, Rgba{0, 0, 0, 0}) {}
  Rgba& at(int x, int y) { return pixels[std::size_t(y) * width + x]; }
  const Rgba& at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

// The colour the game makes transparent on its sprites by default: no picture
// may contain it, whatever its alpha.
constexpr Rgba ForbiddenColour{30, 211, 47, 255};
bool isForbidden(const Rgba& c);
// Moves every forbidden pixel one step of blue away; returns how many it moved.
int avoidForbidden(Raster& r);

// A cairo image surface of the given size, cleared to transparent, with its
// drawing context.
struct Canvas {
  cairo_surface_t* surface;
  cairo_t* cr;
  Canvas(int w, int h);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  // The drawing so far as a straight-alpha Raster.
  Raster raster() const;
};

// Paints a Raster onto a cairo context at (x, y).
void paintRaster(cairo_t* cr, const Raster& r, double x, double y, double alpha = 1.0);

// Every pixel made fully opaque over the given background colour.
Raster flatten(const Raster& r, Rgba background);
// A desaturated, lighter copy, used for the greyed button faces.
Raster greyed(const Raster& r);
// A copy whose alpha is also scaled by the mask's alpha (same size).
Raster masked(const Raster& r, const Raster& mask);

}  // namespace gen
