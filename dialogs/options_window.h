// The options window: its record and the two halves of openOptionsWindow, so
// a test can drive the window one event at a time.
#pragma once

// The numbers of the window's controls, in the order they are created.
struct OptionsWindow {
  int levelFrame = -1, levelLabel = -1, easy = -1, hard = -1, colourSlider = -1, colourLabel = -1;
  int modeFrame = -1, modeLabel = -1, practice = -1, tournament = -1, timeLabel = -1, timeSlider = -1,
      undoBox = -1;
  int soundFrame = -1, soundBox = -1, volumeLabel = -1, volumeSlider = -1;
  int close = -1;
};

extern OptionsWindow Options;

// Opening steps 1 to 10: the window, its controls and their values.
void openOptionsWindowSteps();
// Waits for the next event of the window and handles it; returns 0 once the
// window has been handed to ConfirmQuit, 1 while it stays open.
int optionsWindowPass();
