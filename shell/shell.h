// The application shell, the top of the game: start-up, the main window, the
// main loop and the dispatch of its commands.
#pragma once

#include <cstdint>

#include "media/media.h"

// Start-up and the main window
[[noreturn]] void StartUp();
// Runs start-up steps 1 to 21 and returns (StartUp then enters the main loop);
// tests call this to drive the loop themselves. Ends the process through
// ShutDown when the asset library is missing.
void StartUpSteps();
int OpenMainWindow(int x, int y, int width, int height);
int SetWindowBackground(int window, int image);
std::intptr_t StatusColourHook(int window, media::NativeMessage& message);

// Main loop, menus and toolbar commands
[[noreturn]] void RunMainLoop();
void RunMainLoopPass();  // one pass of the loop: wait at most 15 ms, handle one event
int TrackHover();
// Removes the hovered cell's group when it has a neighbour of its own colour.
void PlayHoveredCell();
// A control event's control can still be clicked: shown and enabled, in a
// shown and enabled window.
bool ControlStillThere(int control);
// Keyboard play: an arrow, Space/Enter or Ctrl+Z command while a game runs.
void PlayKey(int command);
int DispatchCommand();
int DispatchOtherEvent(int event);
int RepaintWindow();
