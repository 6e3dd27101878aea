// Conversions between cairo's premultiplied surfaces and straight Rasters.
#include "raster.h"

#include <algorithm>
#include <cmath>

namespace gen {

bool isForbidden(const Rgba& c) {
  return c.r == ForbiddenColour.r && c.g == ForbiddenColour.g && c.b == ForbiddenColour.b;
}

int avoidForbidden(Raster& r) {
  int moved = 0;
  for (Rgba& p : r.pixels)
    if (isForbidden(p)) {
      p.b += 1;
      ++moved;
    }
  return moved;
}

Canvas::Canvas(int w, int h)
    : surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h)), cr(cairo_create(surface)) {}

Canvas::~Canvas() {
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
}

Raster Canvas::raster() const {
  cairo_surface_flush(surface);
  const int w = cairo_image_surface_get_width(surface);
  const int h = cairo_image_surface_get_height(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  Raster out(w, h);
  for (int y = 0; y < h; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + std::size_t(y) * stride);
    for (int x = 0; x < w; ++x) {
      const std::uint32_t v = row[x];
      const int a = v >> 24;
      auto un = [a](int c) { return std::uint8_t(a ? std::min(255, (c * 255 + a / 2) / a) : 0); };
      out.at(x, y) = Rgba{un((v >> 16) & 255), un((v >> 8) & 255), un(v & 255), std::uint8_t(a)};
    }
  }
  return out;
}

void paintRaster(cairo_t* cr, const Raster& r, double x, double y, double alpha) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, r.width, r.height);
  const int stride = cairo_image_surface_get_stride(s);
  unsigned char* data = cairo_image_surface_get_data(s);
  for (int j = 0; j < r.height; ++j) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + std::size_t(j) * stride);
    for (int i = 0; i < r.width; ++i) {
      const Rgba p = r.at(i, j);
      auto pre = [&p](int c) { return std::uint32_t((c * p.a + 127) / 255); };
      row[i] = (std::uint32_t(p.a) << 24) | (pre(p.r) << 16) | (pre(p.g) << 8) | pre(p.b);
    }
  }
  cairo_surface_mark_dirty(s);
  cairo_save(cr);
  cairo_set_source_surface(cr, s, x, y);
  cairo_paint_with_alpha(cr, alpha);
  cairo_restore(cr);
  cairo_surface_destroy(s);
}

Raster flatten(const Raster& r, Rgba bg) {
  Raster out = r;
  for (Rgba& p : out.pixels) {
    auto mix = [&p](int c, int b) { return std::uint8_t((c * p.a + b * (255 - p.a) + 127) / 255); };
    p = Rgba{mix(p.r, bg.r), mix(p.g, bg.g), mix(p.b, bg.b), 255};
  }
  return out;
}

Raster greyed(const Raster& r) {
  Raster out = r;
  for (Rgba& p : out.pixels) {
    const int l = (p.r * 30 + p.g * 59 + p.b * 11) / 100;
    const auto g = std::uint8_t(std::min(255, 70 + l * 6 / 10));
    p = Rgba{g, g, std::uint8_t(std::min(255, g + 4)), p.a};
  }
  return out;
}

Raster masked(const Raster& r, const Raster& mask) {
  Raster out = r;
  for (std::size_t i = 0; i < out.pixels.size(); ++i)
    out.pixels[i].a = std::uint8_t((out.pixels[i].a * mask.pixels[i].a + 127) / 255);
  return out;
}

}  // namespace gen
