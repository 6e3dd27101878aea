// Every picture of the game, drawn at its exact size.
#pragma once

#include "raster.h"

namespace gen {

// The hover frame's inside: the game makes exactly this colour transparent.
constexpr Rgba HoverInside{78, 246, 252, 255};

Raster portrait(int number);  // 1..12
Raster pauseCover();
Raster tile(int size, int kind);  // size 36 or 24, kind 0..7
Raster banner(const char* text);

// A raised face, or a pressed one (sunk, darker) for a toggle held down.
Raster buttonFace(const char* label, bool pressed = false);
// What a face covers: opaque inside its rounded rim, clear in its corners.
Raster buttonOutline();
Raster aboutPicture();
Raster donateImage();
Raster licenceBadge();
struct Faces {
  Raster pause, undo, fresh, quit;
};
Raster background(const Faces& faces);
enum class ToolIcon { Statistics, Options, Help };
Raster toolbarIcon(ToolIcon which);
Raster appIcon(int size);

}  // namespace gen
