// Statistics of tournament games per level: the record of each level, the
// actions on them, and the handles of the statistics window they fill.
#pragma once

#include "common/statistics_record.h"

constexpr int StartUpLoad = 2;
constexpr int FillWindow = 3;
constexpr int StatisticsWon = 14;
constexpr int StatisticsLost = 15;

// Works on the configuration file the caller has opened and leaves it open.
void statisticsAction(int code);

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
