// Windows icon files: one 24-bit image with its AND mask (the tray icon), or
// several sizes stored as PNG images (the program's icon, with alpha).
#pragma once

#include "raster.h"

#include <vector>

namespace gen {

// Transparent pixels (alpha below half) are masked out; the colour part is
// the picture flattened over the given background.
std::vector<unsigned char> encodeIco(const Raster& r, Rgba background);

// One entry per raster (square, 1 to 256 pixels), each PNG-encoded RGBA.
std::vector<unsigned char> encodePngIco(const std::vector<Raster>& sizes);

}  // namespace gen
