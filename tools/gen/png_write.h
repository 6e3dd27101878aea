// Writes Rasters as PNG files in an exact format: RGB, RGBA, or palette at
// 8 or 4 bits with or without a transparency chunk. The generator refuses to
// write a picture that still holds the forbidden colour.
#pragma once

#include "raster.h"

#include <string>
#include <vector>

namespace gen {

enum class PngFormat { Rgb, Rgba, Palette, PaletteTrns, Palette4 };

// Encodes the raster; RGB and palette formats without transparency flatten it
// over black first. Palette formats quantise to 256 (or 16) colours.
std::vector<unsigned char> encodePng(const Raster& r, PngFormat format);
// The picture as it will decode from that file (after quantising or flattening).
Raster asStored(const Raster& r, PngFormat format);

void writeFile(const std::string& path, const std::vector<unsigned char>& bytes);

}  // namespace gen
