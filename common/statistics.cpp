// The statistics of tournament games per level: loading the stored figures at
// start-up, recording won and lost games with their streaks, and filling the
// statistics window. Works on the configuration file the caller has opened.
#include "common/statistics.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

#include "common/app_state.h"
#include "common/common.h"
#include "media/media.h"
#include "settings/config_file.h"
#include "settings/game_settings.h"
#include "settings/keys.h"

StatisticsWindow StatisticsControls;

namespace {

// A count edited by hand to the largest value stays there instead of wrapping.
void countOne(std::int32_t& count) {
  if (count < std::numeric_limits<std::int32_t>::max()) ++count;
}

GameStatistics& record(int levelIndex) {
  if (App.Statistics.size() < 2) App.Statistics.resize(2);
  GameStatistics& r = App.Statistics[static_cast<std::size_t>(levelIndex)];
  // Recording before the start-up load must still go to the level's own group.
  if (r.groupName.empty()) r.groupName = keys::StatisticsGroups[levelIndex];
  return r;
}

void loadStoredFields(int levelIndex) {
  GameStatistics& r = record(levelIndex);
  ConfigFile::selectGroup(keys::StatisticsGroups[levelIndex]);
  r.allWon = ConfigFile::readInt(keys::AllWon, 0);
  r.allLost = ConfigFile::readInt(keys::AllLost, 0);
  r.longestWinStreak = ConfigFile::readInt(keys::LongestWon, 0);
  r.longestLossStreak = ConfigFile::readInt(keys::LongestLost, 0);
  r.groupName = keys::StatisticsGroups[levelIndex];
}

// Won and lost are mirror images: the counts of one kind of result, the other
// kind's current streak, and the key names of that kind.
struct ResultFields {
  std::int32_t& sinceStart;
  std::int32_t& all;
  std::int32_t& currentStreak;
  std::int32_t& otherCurrentStreak;
  std::int32_t& longestStreak;
  const char* allKey;
  const char* streakKey;
};

// The file is counted up as it stands when it is saved, not from this copy's
// record, so a second copy of the game in the same folder loses no result.
void recordResult(GameStatistics& r, const ResultFields& f) {
  ConfigFile::selectGroup(r.groupName);
  countOne(f.sinceStart);
  countOne(f.all);
  ConfigFile::addInt(f.allKey, 1);
  countOne(f.currentStreak);
  f.otherCurrentStreak = 0;
  if (f.longestStreak < f.currentStreak) {
    f.longestStreak = f.currentStreak;
    ConfigFile::raiseInt(f.streakKey, f.currentStreak);
  }
}

// A count below zero (only a hand-edited file holds one) counts no games, so a
// share stays within 0 to 100 %.
std::string share(std::int32_t part, std::int32_t other) {
  const double games = std::max(part, 0), others = std::max(other, 0);
  return ProgressText(games, games + others);
}

std::string sum(std::int32_t a, std::int32_t b) {
  return std::to_string(static_cast<std::int64_t>(a) + static_cast<std::int64_t>(b));
}

void fillTab(int levelIndex) {
  const StatisticsTab& tab = StatisticsControls.tabs[levelIndex];
  const GameStatistics& r = record(levelIndex);
  ConfigFile::selectGroup(keys::StatisticsGroups[levelIndex]);
  const std::int32_t won = ConfigFile::readInt(keys::AllWon, 0);
  const std::int32_t lost = ConfigFile::readInt(keys::AllLost, 0);
  media::setControlText(tab.totalFrame, "Total Number of Games: " + sum(won, lost));
  media::setControlText(tab.allWon, std::to_string(won));
  media::setControlText(tab.allWonShare, "(" + share(won, lost) + ")");
  media::setControlText(tab.allLost, std::to_string(lost));
  media::setControlText(tab.allLostShare, " (" + share(lost, won) + ")");

  const std::int32_t sessionWon = r.wonSinceStart, sessionLost = r.lostSinceStart;
  media::setControlText(tab.sessionFrame, "Current Session: " + sum(sessionWon, sessionLost));
  media::setControlText(tab.sessionWon, std::to_string(sessionWon));
  media::setControlText(tab.sessionWonShare, "(" + share(sessionWon, sessionLost) + ")");
  media::setControlText(tab.sessionLost, std::to_string(sessionLost));
  media::setControlText(tab.sessionLostShare, " (" + share(sessionLost, sessionWon) + ")");

  media::setControlText(tab.longestWon, std::to_string(ConfigFile::readInt(keys::LongestWon, 0)));
  media::setControlText(tab.longestLost, std::to_string(ConfigFile::readInt(keys::LongestLost, 0)));
  if (r.currentWinStreak != 0) {
    media::setControlText(tab.current, std::to_string(r.currentWinStreak));
    media::setControlText(tab.currentKind, "(Won)");
  } else if (r.currentLossStreak != 0) {
    media::setControlText(tab.current, std::to_string(r.currentLossStreak));
    media::setControlText(tab.currentKind, "(Lost)");
  } else {
    media::setControlText(tab.current, "0");
    media::setControlText(tab.currentKind, " ");
  }
}

}  // namespace

void statisticsAction(int code) {
  ConfigFile::selectGroup(keys::Settings);
  const int levelIndex = ConfigFile::readInt(keys::Size, 36) == 36 ? 0 : 1;
  ConfigFile::readString(keys::Mode, "P");

  switch (code) {
    case StartUpLoad:
      ensureDefaultSettings(App.SoundAvailable);
      loadStoredFields(0);
      loadStoredFields(1);
      break;
    case FillWindow:
      fillTab(0);
      fillTab(1);
      media::setControlState(StatisticsControls.tabPanel, levelIndex);
      break;
    case StatisticsWon: {
      GameStatistics& r = record(levelIndex);
      recordResult(r, {r.wonSinceStart, r.allWon, r.currentWinStreak, r.currentLossStreak, r.longestWinStreak,
                       keys::AllWon, keys::LongestWon});
      break;
    }
    case StatisticsLost: {
      GameStatistics& r = record(levelIndex);
      recordResult(r, {r.lostSinceStart, r.allLost, r.currentLossStreak, r.currentWinStreak, r.longestLossStreak,
                       keys::AllLost, keys::LongestLost});
      break;
    }
    default: break;
  }
}
