// The game engine: new game, moves, region search, undo, game end and the
// tournament clock.
#pragma once

#include "common/app_state.h"

// Board model and new game
void NewGame();

// Moves, region search and undo
int FindRegion(int column, int row, MarkGrid& marks);
void ApplyMove(MarkGrid& marks);
int AnyMoveLeft();
void UndoMove();

// Game end and countdown
void EndGame(int result);       // 14 won, 15 lost, 0 one banner animation step
void TimeLimit(int seconds);    // seconds != 0 starts the clock, 0 is one tick
