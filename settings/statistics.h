// Statistics of tournament games per level, and the statistics window.
#pragma once

#include "media/media.h"
#include "settings/statistics_record.h"

constexpr int StartUpLoad = 2;
constexpr int FillWindow = 3;
constexpr int StatisticsWon = 14;
constexpr int StatisticsLost = 15;

// Works on the configuration file the caller has opened and leaves it open.
void statisticsAction(int code);
void openStatisticsWindow();
int statisticsEvent(int event);  // 0 for the window-close request, 1 otherwise
void confirmReset(int button);
