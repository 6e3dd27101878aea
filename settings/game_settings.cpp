// The first-start initialisation of the group "Settings".
#include "settings/game_settings.h"

#include "settings/config_file.h"

void ensureDefaultSettings(int soundAvailable) {
  ConfigFile::selectGroup("Settings");
  if (ConfigFile::readInt("Colors", -1) >= 0) return;
  const GameSettings defaults;
  ConfigFile::writeInt("Colors", defaults.colours);
  ConfigFile::writeInt("Size", defaults.tileSize);
  ConfigFile::writeString("Mode", defaults.mode);
  ConfigFile::writeInt("Time", defaults.timeLimit);
  ConfigFile::writeInt("Undo", defaults.unlimitedUndo);
  ConfigFile::writeInt("Sound", soundAvailable != 0 ? defaults.sound : 0);
  ConfigFile::writeInt("Vol", defaults.volume);
  ConfigFile::writeString("Collection", defaults.collection);
}
