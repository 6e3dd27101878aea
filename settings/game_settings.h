// The typed view of the group "Settings" and the first-start initialisation.
#pragma once

#include <cstdint>
#include <string>

struct GameSettings {
  std::int32_t tileSize = 36;        // "Size"
  std::string mode = "P";            // "Mode"
  std::int32_t colours = 4;          // "Colors"
  std::int32_t timeLimit = 3600;     // "Time"
  std::int32_t unlimitedUndo = 1;    // "Undo"
  std::int32_t sound = 1;            // "Sound"
  std::int32_t volume = 50;          // "Vol"
  std::string collection = "111111111111";  // "Collection"
};

// When "Colors" in "Settings" reads below 0 (fallback -1), writes the eight
// default keys in their order; "Sound" is 1 only when soundAvailable.
void ensureDefaultSettings(int soundAvailable);
