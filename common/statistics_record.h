// The statistics record of one level (index 0 "Easy", 1 "Hard").
#pragma once

#include <cstdint>
#include <string>

struct GameStatistics {
  std::int32_t allWon = 0;             // "OA_Won"
  std::int32_t allLost = 0;            // "OA_Lost"
  std::int32_t wonSinceStart = 0;
  std::int32_t lostSinceStart = 0;
  std::int32_t longestWinStreak = 0;   // "ST_Won"
  std::int32_t longestLossStreak = 0;  // "ST_Lost"
  std::int32_t currentWinStreak = 0;
  std::int32_t currentLossStreak = 0;
  std::string groupName;               // "Lvl-Lo" or "Lvl-Hi"
};
