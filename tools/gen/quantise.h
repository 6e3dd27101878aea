// Reduces a picture to a palette of at most N colours (median cut in RGBA
// space). Exact when the picture has no more colours than that.
#pragma once

#include "raster.h"

#include <vector>

namespace gen {

struct Indexed {
  std::vector<Rgba> palette;
  std::vector<unsigned char> indices;  // one per pixel, row by row
};

Indexed quantise(const Raster& r, int maxColours);

}  // namespace gen
