// The statistics window: its record and the two halves of
// openStatisticsWindow, so a test can drive the window one event at a time.
#pragma once

// The configuration groups of the two levels, index 0 "Easy", 1 "Hard".
constexpr const char* StatisticsGroups[2] = {"Lvl-Lo", "Lvl-Hi"};

// The controls of one tab: the three frames, the value labels (right-aligned)
// and the tab's "Reset" button.
struct StatisticsTab {
  int totalFrame = -1, allWon = -1, allWonShare = -1, allLost = -1, allLostShare = -1;
  int sessionFrame = -1, sessionWon = -1, sessionWonShare = -1, sessionLost = -1, sessionLostShare = -1;
  int streakFrame = -1, longestWon = -1, longestLost = -1, current = -1, currentKind = -1;
  int reset = -1;
};

// The handles of the statistics window: index 0 the "Easy" tab, 1 "Hard".
struct StatisticsWindow {
  int tabPanel = -1;
  StatisticsTab tabs[2];
  int resetAll = -1;
  int close = -1;
};

extern StatisticsWindow StatisticsControls;

// Opening steps 1 to 5: the window, its controls, the open configuration
// file, the pause of a running tournament game, and the figures.
void openStatisticsWindowSteps();
// Waits for the next event of the window and handles it; returns 0 once the
// window has been handed to ConfirmQuit, 1 while it stays open.
int statisticsWindowPass();
