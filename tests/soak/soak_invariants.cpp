// The soak test's invariants; see soak_invariants.h.
#include "soak_invariants.h"

#include "common/app_state.h"
#include "common/ids.h"
#include "media/media.h"
#include "tests/support/stored_config.h"

namespace soak {

namespace {

constexpr int MostTileKinds = 7;

std::string At(int column, int row) { return " at column " + std::to_string(column) + ", row " + std::to_string(row); }

bool ColumnEmpty(const Board& board, int column, int step) {
  for (int row = 0; row < board.rows; ++row)
    if (board.at(column, row, step) != 0) return false;
  return true;
}

}  // namespace

std::string CheckBoard() {
  const Board& board = App.GameBoard;
  const int step = App.CurrentStep;
  if (step < 0 || step >= board.steps) return "CurrentStep " + std::to_string(step) + " outside the Board's steps";
  if (App.TilesLeft.size() <= static_cast<std::size_t>(step)) return "TilesLeft has no entry for CurrentStep";
  int tiles = 0;
  for (int column = 0; column < board.columns; ++column) {
    bool tileAbove = false;
    for (int row = 0; row < board.rows; ++row) {
      const int value = board.at(column, row, step);
      if (value != 0 && (value < ids::FirstTileSprite || value >= ids::FirstTileSprite + MostTileKinds))
        return "cell value " + std::to_string(value) + At(column, row);
      if (value != 0) {
        ++tiles;
        tileAbove = true;
      } else if (tileAbove) {
        return "a tile floats above the empty cell" + At(column, row);
      }
    }
  }
  if (tiles != App.TilesLeft[static_cast<std::size_t>(step)])
    return "TilesLeft is " + std::to_string(App.TilesLeft[static_cast<std::size_t>(step)]) + " but " +
           std::to_string(tiles) + " cells hold a tile";
  bool emptySeen = false;
  for (int column = 0; column < board.columns; ++column) {
    if (ColumnEmpty(board, column, step))
      emptySeen = true;
    else if (emptySeen)
      return "column " + std::to_string(column) + " holds tiles right of an empty column";
  }
  return {};
}

std::string CheckUndoButton() {
  if (!media::controlHidden(ids::UndoButton) && App.CurrentStep <= 0)
    return "the Undo button is shown at CurrentStep " + std::to_string(App.CurrentStep);
  return {};
}

std::string CheckStoredFile(const std::array<int, 2>& countedGames) {
  const test_support::StoredConfig config = test_support::ReadStoredConfig(ids::ConfigFileName);
  if (!config.exists) return "config.ini cannot be read";
  if (const std::string missing = test_support::MissingSettings(config); !missing.empty())
    return "config.ini lacks the settings " + missing;
  const char* groups[] = {"Lvl-Lo", "Lvl-Hi"};
  for (int level = 0; level < 2; ++level) {
    const int stored = config.number(groups[level], "OA_Won", 0) + config.number(groups[level], "OA_Lost", 0);
    if (stored != countedGames[static_cast<std::size_t>(level)])
      return std::string(groups[level]) + " stores " + std::to_string(stored) + " games, " +
             std::to_string(countedGames[static_cast<std::size_t>(level)]) + " were counted";
  }
  return {};
}

}  // namespace soak
