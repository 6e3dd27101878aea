// The deal of a new board: the colours in a repeating cycle over all cells,
// so each occurs floor(N / C) or ceil(N / C) times, then one uniform shuffle.
#include "common/app_state.h"
#include "common/ids.h"
#include "engine/engine_internal.h"
#include "media/media.h"

namespace engine {

void DealBoard(int tileSize, int colours) {
  const int columns = ids::FieldWidth / tileSize;
  const int rows = ids::FieldHeight / tileSize;
  const int cells = columns * rows;
  App.CurrentStep = 0;
  App.TilesLeft.assign(1, cells);
  App.GameBoard.reset(columns, rows, 1);
  int k = 0;
  for (int column = 0; column < columns; ++column)
    for (int row = 0; row < rows; ++row) {
      App.GameBoard.at(column, row, 0) = ids::FirstTileSprite + k;
      k = (k + 1) % colours;
    }
  // Step 0 is the first whole grid of the step-major cells.
  media::shuffle(App.GameBoard.cells.data(), sizeof App.GameBoard.cells[0], 0, static_cast<std::size_t>(cells) - 1);
}

}  // namespace engine
