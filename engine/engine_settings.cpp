// The settings as the engine reads them at a new game and a game end: group
// "Settings" of config.ini with the engine's fall-backs, mended where a
// hand-edited value would break the board or the clock.
#include <algorithm>

#include "engine/engine_internal.h"
#include "settings/config_file.h"
#include "settings/keys.h"

namespace engine {

namespace {
constexpr int EasyTileSize = 36;
constexpr int HardTileSize = 24;
constexpr int FewestColours = 1;
constexpr int MostColours = 7;  // the tile kinds the asset library has
}  // namespace

GameSettings ReadEngineSettings() {
  GameSettings settings;
  ConfigFile::selectGroup(GroupSettings);
  settings.mode = ConfigFile::readString(keys::Mode, "P");
  settings.collection = ConfigFile::readString(keys::Collection, "1");
  // Only 36 and 24 exist as tiles; any other size is counted as the hard
  // level elsewhere, so it is played as one.
  settings.tileSize = ConfigFile::readInt(keys::Size, EasyTileSize) == EasyTileSize ? EasyTileSize : HardTileSize;
  settings.colours = std::clamp(ConfigFile::readInt(keys::Colors, 3), FewestColours, MostColours);
  settings.unlimitedUndo = ConfigFile::readInt(keys::Undo, 1);
  // TimeLimit(0) is a tick, not a start: the shortest clock is one second.
  settings.timeLimit = std::max(ConfigFile::readInt(keys::Time, 3600), 1);
  settings.sound = ConfigFile::readInt(keys::Sound, 0);
  settings.volume = ConfigFile::readInt(keys::Vol, 50);
  return settings;
}

}  // namespace engine
