// Writes a Windows icon file holding one 24-bit image with its AND mask.
#pragma once

#include "raster.h"

#include <vector>

namespace gen {

// Transparent pixels (alpha below half) are masked out; the colour part is
// the picture flattened over the given background.
std::vector<unsigned char> encodeIco(const Raster& r, Rgba background);

}  // namespace gen
