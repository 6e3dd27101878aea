// The invariants the soak test checks after every event. Each check answers
// an empty text when it holds, otherwise what is wrong, so the test can print
// the first broken one with its seed.
#pragma once

#include <array>
#include <string>

namespace soak {

// The board at the step in play: TilesLeft matches the cells that hold a tile,
// every value is empty or a tile sprite, no tile floats above an empty cell,
// and no empty column stands left of one that still holds tiles.
std::string CheckBoard();

// The Undo button is shown only when there is a step to take back.
std::string CheckUndoButton();

// config.ini as it lies on disk: it parses, holds all eight settings, and the
// stored "OA_Won" + "OA_Lost" of each level ("Lvl-Lo", "Lvl-Hi") equal the
// counted tournament games of that level.
std::string CheckStoredFile(const std::array<int, 2>& countedGames);

}  // namespace soak
