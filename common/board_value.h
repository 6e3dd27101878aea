// Reading a cell of the board in play, shared by the click test of the main
// loop and the hover highlight of the field.
#pragma once

#include "common/app_state.h"

// The Board value of the cell at CurrentStep; 0 for a cell outside the board.
// The hovered cell can be stale after a new game of another level changed the
// board's size, so every read is bounded.
int BoardValueAt(Cell cell);
// The cell lies on the board in play.
bool CellOnBoard(Cell cell);
