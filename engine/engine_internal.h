// Helpers shared by the engine's own files: the settings as a new game and a
// game end read them, the asset-library look-ups, the portrait cycle and the
// deal. Not part of the engine's public interface.
#pragma once

#include <cstdint>
#include <string>

#include "settings/game_settings.h"

namespace engine {

// The texts the engine shows, used exactly as written.
inline constexpr const char* GroupSettings = "Settings";
inline constexpr const char* TournamentMode = "T";

// Reads group "Settings" of the open configuration file with the engine's own
// fall-backs, and mends values that a hand-edited file may hold: a tile size
// other than 36 plays as 24, colours are held to 1..7, a time limit below one
// second becomes one second. Selects "Settings" first.
GameSettings ReadEngineSettings();

// Decodes the PNG whose address the library function answers into a sprite.
// A null answer (or a missing function) frees the sprite, so it is absent and
// draws nothing. Returns 1 when the sprite was made.
int LoadLibrarySprite(int sprite, const char* function, std::int32_t argument, unsigned flags);
int LoadLibrarySprite(int sprite, const char* function, std::int32_t a, std::int32_t b, unsigned flags);
// Loads sound number from the library's sound record of index; a null record or
// a record without data leaves the sound absent.
int LoadLibrarySound(int sound, std::int32_t index);

// Step of the collection: rebuilds CollectionList when the setting changed and
// answers the portrait number of the next game (1 when nothing usable is selected).
int NextPortrait(const std::string& collection);

// Deals a fresh board at step 0 for tile size t and colours C: the balanced
// colour cycle, then a uniform shuffle of every cell.
void DealBoard(int tileSize, int colours);

}  // namespace engine
