// The application shell: start-up and shutdown, the main window, the main
// loop with its commands, and the play-field rendering.
#pragma once

#include <cstdint>
#include <string_view>

#include "media/media.h"

// Start-up, resources and shutdown
[[noreturn]] void StartUp();
// Runs start-up steps 1 to 21 and returns (StartUp then enters the main loop);
// tests call this to drive the loop themselves. Ends the process through
// ShutDown when the asset library is missing.
void StartUpSteps();
int OpenMainWindow(int x, int y, int width, int height);
int SetWindowBackground(int window, int image);
std::intptr_t StatusColourHook(int window, media::NativeMessage& message);
[[noreturn]] void ShutDown(int exitCode);

// Main loop, menus and toolbar commands
[[noreturn]] void RunMainLoop();
void RunMainLoopPass();  // one pass of the loop: wait at most 15 ms, handle one event
int TrackHover();
int DispatchCommand();
int DispatchOtherEvent(int event);
int TogglePause();
int RepaintWindow();
int ConfirmQuit();
// A running tournament game: GameState Running and TimeField not the one-space text.
bool TimedGameRunning();
// The tile size: the width of tile sprite 3 (0 before the first game).
int TileSize();

// Play-field rendering
int RedrawField();
void UpdateStatus(std::string_view steps, std::string_view tiles, std::string_view time);
