// Keyboard play on the field: the arrow keys move the highlight (HoverCell, the
// same one the mouse moves), Space and Enter remove the highlighted group as a
// click would, Ctrl+Z undoes as the Undo button does. Keys act only while a
// game runs (not paused, not during the banner).
#include <algorithm>

#include "common/app_state.h"
#include "common/board_value.h"
#include "common/common.h"
#include "common/ids.h"
#include "engine/engine.h"
#include "media/media.h"
#include "shell/shell.h"

namespace {

// One cell in a direction, stopping at the board's edges; with no cell
// highlighted the first press lights the bottom-left cell.
void MoveHighlight(int columns, int rows) {
  const Board& board = App.GameBoard;
  Cell cell{0, board.rows - 1};
  if (CellOnBoard(App.HoverCell))
    cell = {std::clamp(App.HoverCell.column + columns, 0, board.columns - 1),
            std::clamp(App.HoverCell.row + rows, 0, board.rows - 1)};
  App.HoverCell = cell;
  App.HoverFromKeys = true;
  RedrawField();
}

}  // namespace

void PlayKey(int command) {
  // A key taken from the queue after Escape hid the window is dropped.
  if (App.GameState != Running || media::windowHidden(ids::MainWindow)) return;
  switch (command) {
    case ids::CommandLeft: MoveHighlight(-1, 0); break;
    case ids::CommandRight: MoveHighlight(1, 0); break;
    case ids::CommandUp: MoveHighlight(0, -1); break;
    case ids::CommandDown: MoveHighlight(0, 1); break;
    case ids::CommandRemove:
      if (BoardValueAt(App.HoverCell) > 0) PlayHoveredCell();
      break;
    case ids::CommandUndo:
      if (ControlStillThere(ids::UndoButton)) UndoMove();
      break;
    default: break;
  }
}
