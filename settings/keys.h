// The names in config.ini: the group of the game's settings with its keys,
// and the statistics group of each level with its keys. Every reader and
// writer of the file names them from here, so each is spelt once.
#pragma once

namespace keys {

// The group "Settings" and its keys, in the order a first start writes them.
constexpr const char* Settings = "Settings";
constexpr const char* Colors = "Colors";
constexpr const char* Size = "Size";
constexpr const char* Mode = "Mode";
constexpr const char* Time = "Time";
constexpr const char* Undo = "Undo";
constexpr const char* Sound = "Sound";
constexpr const char* Vol = "Vol";
constexpr const char* Collection = "Collection";

// The statistics groups of the two levels, index 0 "Easy", 1 "Hard", and
// their keys: games won and lost in all, and the longest streaks.
constexpr const char* StatisticsGroups[2] = {"Lvl-Lo", "Lvl-Hi"};
constexpr const char* AllWon = "OA_Won";
constexpr const char* AllLost = "OA_Lost";
constexpr const char* LongestWon = "ST_Won";
constexpr const char* LongestLost = "ST_Lost";

}  // namespace keys
