// What every layer of the game calls: the play-field rendering and the status
// band, pausing, the quit confirmation, the one way out of the program, and the
// texts of the clock and the progress shares.
#pragma once

#include <string>
#include <string_view>

// Play-field rendering
int RedrawField();
// The pause cover over the whole field, presented: what the field shows while paused.
void DrawPauseCover();
void UpdateStatus(std::string_view steps, std::string_view tiles, std::string_view time);
// The tile size: the width of tile sprite 3 (0 before the first game).
int TileSize();
struct Cell;
// The board cell under the mouse pointer, (-1, -1) off the field or without tiles.
Cell CellUnderPointer();

// Pause and quit
int TogglePause();
// Names the Pause button for assistive technology by its state: "Pause", or
// "Continue" while pressed (the face it shows then).
void NamePauseButton();
int ConfirmQuit();
// A running tournament game: GameState Running and TimeField not the one-space text.
bool TimedGameRunning();

// Ends the process: an open configuration file is written back, every media
// resource released, exit code 0.
[[noreturn]] void ShutDown(int exitCode);

// Texts
std::string TimeText(int seconds);  // "mm:ss"
std::string ProgressText(double done, double total);
