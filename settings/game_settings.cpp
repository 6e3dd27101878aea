// The first-start initialisation of the group "Settings".
#include "settings/game_settings.h"

#include "settings/config_file.h"
#include "settings/keys.h"

void ensureDefaultSettings(int soundAvailable) {
  ConfigFile::selectGroup(keys::Settings);
  if (ConfigFile::readInt(keys::Colors, -1) >= 0) return;
  const GameSettings defaults;
  ConfigFile::writeInt(keys::Colors, defaults.colours);
  ConfigFile::writeInt(keys::Size, defaults.tileSize);
  ConfigFile::writeString(keys::Mode, defaults.mode);
  ConfigFile::writeInt(keys::Time, defaults.timeLimit);
  ConfigFile::writeInt(keys::Undo, defaults.unlimitedUndo);
  ConfigFile::writeInt(keys::Sound, soundAvailable != 0 ? defaults.sound : 0);
  ConfigFile::writeInt(keys::Vol, defaults.volume);
  ConfigFile::writeString(keys::Collection, defaults.collection);
}
