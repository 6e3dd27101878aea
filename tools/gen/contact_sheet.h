// The contact sheet: every picture at its own size with its name beneath.
#pragma once

#include "raster.h"

#include <string>
#include <vector>

namespace gen {

struct SheetEntry {
  std::string label;
  Raster picture;
};
using SheetList = std::vector<SheetEntry>;

Raster contactSheet(const SheetList& entries);

}  // namespace gen
