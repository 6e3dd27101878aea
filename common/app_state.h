// The one global record of application state. Every part of the game reads and
// writes its fields directly; it starts zeroed and lives until the process ends.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/statistics_record.h"

// GameState values; 14 and 15 double as the banner sprites and the statistics codes.
constexpr int NoGame = 2;
constexpr int Running = 0;
constexpr int Paused = 1;
constexpr int Won = 14;
constexpr int Lost = 15;

struct Cell {
  int column = 0;
  int row = 0;
};

// [column][row][step] of 32-bit cells: 0 cleared, otherwise the tile sprite number.
// Only the step dimension is ever resized; resizing keeps the remaining steps
// and fills a new step with 0.
struct Board {
  int columns = 0;
  int rows = 0;
  int steps = 0;
  std::vector<std::int32_t> cells;  // step-major: one whole grid per step

  void reset(int newColumns, int newRows, int newSteps) {
    columns = newColumns;
    rows = newRows;
    steps = newSteps;
    cells.assign(static_cast<std::size_t>(columns) * rows * steps, 0);
  }
  void resizeSteps(int newSteps) {
    steps = newSteps;
    cells.resize(static_cast<std::size_t>(columns) * rows * steps, 0);
  }
  std::int32_t& at(int column, int row, int step) {
    return cells[(static_cast<std::size_t>(step) * columns + column) * rows + row];
  }
  std::int32_t at(int column, int row, int step) const {
    return cells[(static_cast<std::size_t>(step) * columns + column) * rows + row];
  }
};

// [column][row] work grid of one click.
struct MarkGrid {
  int columns = 0;
  int rows = 0;
  std::vector<std::int32_t> cells;

  void reset(int newColumns, int newRows) {
    columns = newColumns;
    rows = newRows;
    cells.assign(static_cast<std::size_t>(columns) * rows, 0);
  }
  std::int32_t& at(int column, int row) { return cells[static_cast<std::size_t>(column) * rows + row]; }
  std::int32_t at(int column, int row) const { return cells[static_cast<std::size_t>(column) * rows + row]; }
};

struct AppState {
  // Start-up, resources and shutdown
  int GameState = NoGame;
  Cell HoverCell{-1, -1};
  // The arrow keys moved HoverCell last (not the mouse): the frame then shows
  // on a cleared cell too, so a keyboard player sees where the highlight is.
  bool HoverFromKeys = false;
  int CurrentStep = 0;
  int SoundAvailable = 0;
  int SoundVolume = 0;
  std::string VersionText;
  const char* const* ComponentNotices = nullptr;  // lines, ending with the line "\x03"

  // Image numbers of the pictures the program carries inside itself
  int NewImage = -1, QuitImage = -1, PauseImage = -1, UndoImage = -1, ContinueImage = -1;
  int AboutPicture = -1, DonateImage = -1, LicenceBadgeImage = -1, BackgroundImage = -1;
  int TrayIconImage = -1, StatisticsIcon = -1, OptionsIcon = -1, HelpIcon = -1;

  // The five arrays
  std::vector<std::int32_t> CollectionList;
  std::vector<std::int32_t> TileKinds;
  std::vector<GameStatistics> Statistics;  // the GameStatistics records, one per level
  Board GameBoard;                         // the Board
  std::vector<std::int32_t> TilesLeft;

  // Main loop
  int LastEvent = 0;
  MarkGrid Marks;  // the MarkGrid
  int FieldColumns = 0;
  int FieldRows = 0;
  int UndoWasVisible = 0;
  int LastWindowX = 0;

  // New game
  int CollectionPosition = 0;
  int CollectionLast = 0;
  std::string CollectionText;
  int LoadedTileSize = 0;
  int LoadedColours = 0;
  int UndoUnlimited = 0;

  // Game end and countdown
  int SecondsLeft = 0;
  int BannerPhase = 0;
  int BannerCounter = 0;
};

extern AppState App;
