// The statistics tests' fixture (see statistics_fixture.h).
#include "statistics_fixture.h"

#include "common/app_state.h"
#include "common/statistics.h"
#include "media/media.h"
#include "media/testing.h"
#include "settings/config_file.h"

const std::string Mark = "\xEF\xBB\xBF\r\n";
const std::string SilentDefaults =
    "[Settings]\r\nColors = 4\r\nSize = 36\r\nMode = P\r\nTime = 3600\r\nUndo = 1\r\n"
    "Sound = 0\r\nVol = 50\r\nCollection = 111111111111\r\n";

void StatisticsTest::SetUp() {
  ASSERT_TRUE(test_support::openBareMainWindow());
  App.Statistics.assign(2, GameStatistics{});
  ASSERT_NE(media::createPictureButton(ids::PauseButton, 10, 10, 40, 40, nullptr, media::PictureToggle), 0);
  ASSERT_NE(media::createPictureButton(ids::UndoButton, 60, 10, 40, 40, nullptr, 0), 0);
  ASSERT_NE(media::createTextLabel(ids::TimeField, 110, 10, 100, 20, " ", 0), 0);
}

std::string StatisticsTest::configBytes() {
  EXPECT_FALSE(ConfigFile::isOpen()) << "config.ini is still open";
  return test_support::readFile(ids::ConfigFileName);
}

void StatisticsTest::startProgram() {
  App.Statistics.assign(2, GameStatistics{});
  ConfigFile::open(ids::ConfigFileName);
  statisticsAction(StartUpLoad);
  ConfigFile::close();
}

void StatisticsTest::record(int code) {
  ConfigFile::open(ids::ConfigFileName);
  statisticsAction(code);
  ConfigFile::close();
}

void StatisticsTest::setSetting(const std::string& key, const std::string& value) {
  ConfigFile::open(ids::ConfigFileName);
  ConfigFile::selectGroup("Settings");
  ConfigFile::writeString(key, value);
  ConfigFile::close();
}

std::string StatisticsTest::figures(int levelIndex) {
  const StatisticsTab& t = tab(levelIndex);
  std::string all;
  for (int c : {t.totalFrame, t.allWon, t.allWonShare, t.allLost, t.allLostShare, t.sessionFrame, t.sessionWon,
                t.sessionWonShare, t.sessionLost, t.sessionLostShare, t.longestWon, t.longestLost, t.current,
                t.currentKind}) {
    all += text(c) + "|";
  }
  return all;
}

void StatisticsTest::closeWindow() {
  ASSERT_EQ(media::testing::requestClose(ids::StatisticsWindow), 1);
  EXPECT_EQ(statisticsWindowPass(), 0);
  EXPECT_FALSE(media::windowExists(ids::StatisticsWindow));
}
