// The rule of the game: the region search, the move with its falling tiles
// and closing columns, the test for a move left, and undo. Every move adds a
// whole grid as a new step of the Board, so undo simply drops the last step.
#include <string>
#include <vector>

#include "common/app_state.h"
#include "common/common.h"
#include "common/ids.h"
#include "engine/engine.h"
#include "media/media.h"

namespace {

// The cells still to visit; kept between searches so a search allocates nothing.
std::vector<Cell> pending;

void RemoveMarked(const MarkGrid& marks, int step) {
  Board& board = App.GameBoard;
  for (int x = 0; x < board.columns; ++x)
    for (int y = 0; y < board.rows; ++y) {
      if (marks.at(x, y) != 0)
        App.TilesLeft[static_cast<std::size_t>(step)] -= 1;
      else
        board.at(x, y, step) = board.at(x, y, step - 1);
    }
}

// Tiles keep their top-to-bottom order and come to rest on the bottom row.
void LetTilesFall(int step) {
  Board& board = App.GameBoard;
  for (int x = 0; x < board.columns; ++x) {
    int target = board.rows - 1;
    for (int y = board.rows - 1; y >= 0; --y)
      if (const std::int32_t value = board.at(x, y, step); value != 0) board.at(x, target--, step) = value;
    for (; target >= 0; --target) board.at(x, target, step) = 0;
  }
}

// Columns that still hold a tile keep their order and close up to the left.
void CloseColumns(int step) {
  Board& board = App.GameBoard;
  const int bottom = board.rows - 1;
  int filled = 0;
  for (int x = 0; x < board.columns; ++x) {
    if (board.at(x, bottom, step) == 0) continue;
    if (x != filled)
      for (int y = 0; y < board.rows; ++y) board.at(filled, y, step) = board.at(x, y, step);
    ++filled;
  }
  for (int x = filled; x < board.columns; ++x)
    for (int y = 0; y < board.rows; ++y) board.at(x, y, step) = 0;
}

// The status texts of a move and an undo; the time field stays as it is.
void ShowStepAndTiles() {
  const auto tiles = [](int step) { return std::to_string(App.TilesLeft[static_cast<std::size_t>(step)]); };
  UpdateStatus("Steps: " + std::to_string(App.CurrentStep), "Tiles: " + tiles(App.CurrentStep) + " / " + tiles(0),
               "");
}

}  // namespace

int FindRegion(int column, int row, MarkGrid& marks) {
  const Board& board = App.GameBoard;
  const int step = App.CurrentStep;
  // The grid always covers the board being played, whatever the caller sized it.
  if (marks.columns != board.columns || marks.rows != board.rows) marks.reset(board.columns, board.rows);
  const std::int32_t value = board.at(column, row, step);
  int size = 0;
  pending.clear();
  marks.at(column, row) = 1;
  pending.push_back({column, row});
  while (!pending.empty()) {
    const Cell cell = pending.back();
    pending.pop_back();
    ++size;
    const Cell neighbours[] = {{cell.column - 1, cell.row}, {cell.column + 1, cell.row},
                               {cell.column, cell.row - 1}, {cell.column, cell.row + 1}};
    for (const Cell& next : neighbours) {
      if (next.column < 0 || next.column >= board.columns || next.row < 0 || next.row >= board.rows) continue;
      if (marks.at(next.column, next.row) != 0 || board.at(next.column, next.row, step) != value) continue;
      marks.at(next.column, next.row) = 1;
      pending.push_back(next);
    }
  }
  return size >= 2 ? 1 : 0;
}

void ApplyMove(MarkGrid& marks) {
  if (marks.columns != App.GameBoard.columns || marks.rows != App.GameBoard.rows) return;
  const int step = ++App.CurrentStep;
  if (App.TilesLeft.size() < static_cast<std::size_t>(step) + 1) App.TilesLeft.resize(static_cast<std::size_t>(step) + 1);
  App.TilesLeft[static_cast<std::size_t>(step)] = App.TilesLeft[static_cast<std::size_t>(step) - 1];
  App.GameBoard.resizeSteps(step + 1);
  RemoveMarked(marks, step);
  LetTilesFall(step);
  CloseColumns(step);

  // The picture first: showing Undo makes the toolkit ask the X server where
  // the pointer is (a round trip), and the sound starts well within a frame.
  RedrawField();
  if (App.SoundVolume != 0) media::playSound(ids::MoveSound);
  media::hideControl(ids::UndoButton, 0);
  ShowStepAndTiles();

  if (App.TilesLeft[static_cast<std::size_t>(step)] == 0)
    EndGame(Won);
  else if (TimedGameRunning() && AnyMoveLeft() == 0)  // a practice game never runs out of moves
    EndGame(Lost);
}

int AnyMoveLeft() {
  const Board& board = App.GameBoard;
  MarkGrid marks;
  for (int x = 0; x < board.columns; ++x)
    for (int y = 0; y < board.rows; ++y) {
      if (board.at(x, y, App.CurrentStep) == 0) continue;
      marks.reset(board.columns, board.rows);
      if (FindRegion(x, y, marks) == 1) return 1;
    }
  return 0;
}

void UndoMove() {
  // Undo follows its button: nothing to take back while the button is hidden
  // (step 0, the one undo of a move already taken, a pause, the game's end).
  if (App.CurrentStep == 0 || media::controlHidden(ids::UndoButton)) return;
  App.CurrentStep -= 1;
  App.GameBoard.resizeSteps(App.CurrentStep + 1);
  if (App.CurrentStep == 0 || App.UndoUnlimited == 0) media::hideControl(ids::UndoButton, 1);
  RedrawField();
  ShowStepAndTiles();
  if (App.SoundVolume != 0) media::playSound(ids::UndoSound);
}
