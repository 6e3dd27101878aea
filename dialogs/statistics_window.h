// The modal statistics window, and the two halves of openStatisticsWindow, so
// a test can drive the window one event at a time. Its record of handles is
// with the statistics in common/statistics.h, which fill it.
#pragma once

int statisticsEvent(int event);  // 0 for the window-close request, 1 otherwise
void confirmReset(int button);

// Opening steps 1 to 5: the window, its controls, the open configuration
// file, the pause of a running tournament game, and the figures.
void openStatisticsWindowSteps();
// Waits for the next event of the window and handles it; returns 0 once the
// window has been handed to ConfirmQuit, 1 while it stays open.
int statisticsWindowPass();
