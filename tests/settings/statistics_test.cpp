// Recording tournament results per level, what the statistics window shows,
// and its resets, with config.ini checked on disk.
#include <string>

#include "common/app_state.h"
#include "common/ids.h"
#include "common/statistics.h"
#include "engine/engine.h"
#include "media/headless/headless.h"
#include "media/media.h"
#include "media/testing.h"
#include "settings/config_file.h"
#include "statistics_fixture.h"

namespace {

const std::string EmptyHard =
    "Total Number of Games: 0|0|(0.00%)|0| (0.00%)|Current Session: 0|0|(0.00%)|0| (0.00%)|0|0|0| |";

TEST_F(StatisticsTest, FirstWinOnEasyAppendsTheGroupAndShowsInTheWindow) {
  startProgram();
  record(StatisticsWon);
  EXPECT_EQ(configBytes(), Mark + SilentDefaults + "[Lvl-Lo]\r\nOA_Won = 1\r\nST_Won = 1\r\n");

  openStatisticsWindowSteps();
  EXPECT_EQ(figures(0), "Total Number of Games: 1|1|(100.00%)|0| (0.00%)|"
                        "Current Session: 1|1|(100.00%)|0| (0.00%)|1|0|1|(Won)|");
  EXPECT_EQ(figures(1), EmptyHard);
  EXPECT_EQ(media::controlState(StatisticsControls.tabPanel), 0);
  closeWindow();
}

TEST_F(StatisticsTest, WinWinLossKeepsStreaksAndShares) {
  startProgram();
  record(StatisticsWon);
  record(StatisticsWon);
  record(StatisticsLost);
  EXPECT_EQ(configBytes(), Mark + SilentDefaults + "[Lvl-Lo]\r\nOA_Won = 2\r\nST_Won = 2\r\nOA_Lost = 1\r\nST_Lost = 1\r\n");
  openStatisticsWindowSteps();
  EXPECT_EQ(figures(0), "Total Number of Games: 3|2|(66.67%)|1| (33.33%)|"
                        "Current Session: 3|2|(66.67%)|1| (33.33%)|2|1|1|(Lost)|");
  closeWindow();
}

TEST_F(StatisticsTest, StreakEqualToTheLongestIsNotWritten) {
  // Spelled in lower case: a write would show as the writer's spelling "ST_Won".
  writeConfig(Mark + SilentDefaults + "[Lvl-Lo]\r\nOA_Won = 10\r\nst_won = 5\r\n");
  startProgram();
  for (int i = 0; i < 5; ++i) record(StatisticsWon);
  EXPECT_EQ(App.Statistics[0].currentWinStreak, 5);
  EXPECT_EQ(configBytes(), Mark + SilentDefaults + "[Lvl-Lo]\r\nOA_Won = 15\r\nst_won = 5\r\n");
  record(StatisticsWon);
  EXPECT_EQ(configBytes(), Mark + SilentDefaults + "[Lvl-Lo]\r\nOA_Won = 16\r\nST_Won = 6\r\n");
}

TEST_F(StatisticsTest, ResultsOfAnotherCopyInTheSameFolderAreCountedOnNotOverwritten) {
  startProgram();
  record(StatisticsLost);
  // A second copy of the game, started with this one, stores two losses.
  writeConfig(Mark + SilentDefaults + "[Lvl-Lo]\r\nOA_Lost = 3\r\nST_Lost = 3\r\n");
  record(StatisticsLost);
  EXPECT_EQ(App.Statistics[0].currentLossStreak, 2);
  EXPECT_EQ(configBytes(), Mark + SilentDefaults + "[Lvl-Lo]\r\nOA_Lost = 4\r\nST_Lost = 3\r\n");
}

TEST_F(StatisticsTest, RestartForgetsTheSessionButNotTheStoredFigures) {
  startProgram();
  record(StatisticsLost);
  record(StatisticsLost);
  startProgram();
  openStatisticsWindowSteps();
  EXPECT_EQ(figures(0), "Total Number of Games: 2|0|(0.00%)|2| (100.00%)|"
                        "Current Session: 0|0|(0.00%)|0| (0.00%)|0|2|0| |");
  closeWindow();
  // The streak starts anew: one loss after the restart does not beat the stored 2.
  record(StatisticsLost);
  EXPECT_EQ(App.Statistics[0].longestLossStreak, 2);
  EXPECT_EQ(App.Statistics[0].currentLossStreak, 1);
}

TEST_F(StatisticsTest, AnySizeButThirtySixCountsAsHard) {
  startProgram();
  setSetting("Size", "30");
  record(StatisticsLost);
  EXPECT_EQ(configBytes(), Mark + SilentDefaults.substr(0, SilentDefaults.find("Size")) + "Size = 30\r\n" +
                               SilentDefaults.substr(SilentDefaults.find("Mode")) +
                               "[Lvl-Hi]\r\nOA_Lost = 1\r\nST_Lost = 1\r\n");
  openStatisticsWindowSteps();
  EXPECT_EQ(media::controlState(StatisticsControls.tabPanel), 1);
  EXPECT_EQ(text(tab(1).allLost), "1");
  closeWindow();
}

TEST_F(StatisticsTest, PracticeGameEndsRecordNothing) {
  startProgram();
  const std::string before = configBytes();
  App.TilesLeft = {96, 0, 10};
  App.CurrentStep = 1;
  App.GameState = Running;
  EndGame(Won);
  App.CurrentStep = 2;
  App.GameState = Running;
  EndGame(Lost);
  EXPECT_EQ(configBytes(), before);
  EXPECT_EQ(App.Statistics[0].wonSinceStart + App.Statistics[0].lostSinceStart, 0);
}

TEST_F(StatisticsTest, TournamentGameEndIsRecorded) {
  startProgram();
  setSetting("Mode", "T");
  App.TilesLeft = {96, 0};
  App.CurrentStep = 1;
  App.GameState = Running;
  EndGame(Won);
  EXPECT_EQ(App.Statistics[0].wonSinceStart, 1);
  EXPECT_NE(configBytes().find("[Lvl-Lo]\r\nOA_Won = 1\r\nST_Won = 1\r\n"), std::string::npos);
}

TEST_F(StatisticsTest, ResetOfTheOtherLevelKeepsItsSessionAndReturnsToTheLevelsTab) {
  const std::string easy = "[Lvl-Lo]\r\nOA_Won = 4\r\nOA_Lost = 2\r\nST_Won = 3\r\nST_Lost = 1\r\n";
  writeConfig(Mark + SilentDefaults + easy + "[Lvl-Hi]\r\nOA_Won = 7\r\nOA_Lost = 9\r\nST_Won = 2\r\nST_Lost = 4\r\n");
  startProgram();
  setSetting("Size", "24");
  record(StatisticsWon);
  setSetting("Size", "36");

  openStatisticsWindowSteps();
  ASSERT_EQ(media::testing::changeControl(StatisticsControls.tabPanel, 1), 1);
  EXPECT_EQ(statisticsWindowPass(), 1);
  media::testing::answerMessageBox(media::ButtonYes);
  ASSERT_EQ(media::testing::clickControl(tab(1).reset), 1);
  EXPECT_EQ(statisticsWindowPass(), 1);

  const auto boxes = media::testing::shownMessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "Delete selected Statistics");
  EXPECT_EQ(boxes[0].text, "Continue?");
  EXPECT_EQ(boxes[0].kind, media::BoxWarningYesNo);
  EXPECT_EQ(figures(1), "Total Number of Games: 0|0|(0.00%)|0| (0.00%)|"
                        "Current Session: 1|1|(100.00%)|0| (0.00%)|0|0|1|(Won)|");
  EXPECT_EQ(text(tab(0).allWon), "4");
  EXPECT_EQ(media::controlState(StatisticsControls.tabPanel), 0);
  closeWindow();
  EXPECT_EQ(configBytes(), Mark + SilentDefaults + easy);

  setSetting("Size", "24");
  record(StatisticsWon);
  EXPECT_EQ(configBytes(), Mark + SilentDefaults.substr(0, SilentDefaults.find("Size")) + "Size = 24\r\n" +
                               SilentDefaults.substr(SilentDefaults.find("Mode")) + easy +
                               "[Lvl-Hi]\r\nOA_Won = 1\r\nST_Won = 2\r\n");
}

TEST_F(StatisticsTest, ResetAllRemovesBothGroups) {
  writeConfig(Mark + SilentDefaults + "[Lvl-Lo]\r\nOA_Won = 4\r\n; mine\r\n[Lvl-Hi]\r\nOA_Lost = 9\r\n[Other]\r\nx = 1\r\n");
  startProgram();
  openStatisticsWindowSteps();
  media::testing::answerMessageBox(media::ButtonYes);
  media::testing::clickControl(StatisticsControls.resetAll);
  EXPECT_EQ(statisticsWindowPass(), 1);
  EXPECT_EQ(figures(0), EmptyHard);
  EXPECT_EQ(figures(1), EmptyHard);
  EXPECT_EQ(App.Statistics[0].allWon, 0);
  EXPECT_EQ(App.Statistics[1].allLost, 0);
  ASSERT_EQ(media::testing::clickControl(StatisticsControls.close), 1);
  EXPECT_EQ(statisticsWindowPass(), 0);
  EXPECT_EQ(configBytes(), Mark + SilentDefaults + "[Other]\r\nx = 1\r\n");
}

TEST_F(StatisticsTest, NoToContinueChangesAndRefreshesNothing) {
  const std::string before = "[Settings]\nColors=4\n[Lvl-Lo]\nOA_Won=4\n";  // a save would reformat it
  writeConfig(before);
  openStatisticsWindowSteps();
  media::setControlText(tab(0).allWon, "untouched");
  media::testing::answerMessageBox(media::ButtonNo);
  media::testing::clickControl(StatisticsControls.resetAll);
  EXPECT_EQ(statisticsWindowPass(), 1);
  EXPECT_EQ(text(tab(0).allWon), "untouched");
  EXPECT_EQ(media::testing::shownMessageBoxes().size(), 1u);
  closeWindow();
  EXPECT_EQ(configBytes(), before);
}

TEST_F(StatisticsTest, OpeningDuringATournamentGamePausesItForGood) {
  startProgram();
  // The game in progress decides, whatever the saved Mode says now.
  setSetting("Mode", "P");
  App.GameState = Running;
  media::setControlText(ids::TimeField, "Time left: 04:59");
  openStatisticsWindowSteps();
  EXPECT_EQ(App.GameState, Paused);
  EXPECT_EQ(media::controlState(ids::PauseButton), 1);
  EXPECT_TRUE(media::windowDisabled(ids::MainWindow));
  closeWindow();
  EXPECT_EQ(App.GameState, Paused);
  EXPECT_FALSE(media::windowDisabled(ids::MainWindow));
  EXPECT_FALSE(ConfigFile::isOpen());
}

TEST_F(StatisticsTest, OpeningDuringAPracticeGameLeavesItRunning) {
  startProgram();
  // Mode switched to tournament in Options: the practice game has no clock and
  // no Pause button to resume it, so it must not be paused.
  setSetting("Mode", "T");
  App.GameState = Running;
  openStatisticsWindowSteps();
  EXPECT_EQ(App.GameState, Running);
  EXPECT_EQ(media::controlState(ids::PauseButton), 0);
  closeWindow();
}

TEST_F(StatisticsTest, FigureEditedToANonNumberReadsAsZero) {
  writeConfig(Mark + SilentDefaults + "[Lvl-Lo]\r\nOA_Won = lots\r\nOA_Lost = 3x\r\n");
  startProgram();
  openStatisticsWindowSteps();
  EXPECT_EQ(text(tab(0).allWon), "0");
  EXPECT_EQ(text(tab(0).allLost), "3");
  closeWindow();
  record(StatisticsWon);
  EXPECT_EQ(configBytes(), Mark + SilentDefaults + "[Lvl-Lo]\r\nOA_Won = 1\r\nOA_Lost = 3x\r\nST_Won = 1\r\n");
}

TEST_F(StatisticsTest, LargestCountStaysThereInsteadOfWrapping) {
  writeConfig(Mark + SilentDefaults + "[Lvl-Lo]\r\nOA_Won = 2147483647\r\nOA_Lost = 1\r\n");
  startProgram();
  record(StatisticsWon);
  EXPECT_EQ(App.Statistics[0].allWon, 2147483647);
  EXPECT_NE(configBytes().find("OA_Won = 2147483647\r\n"), std::string::npos);
  openStatisticsWindowSteps();
  EXPECT_EQ(text(tab(0).totalFrame), "Total Number of Games: 2147483648");
  EXPECT_EQ(text(tab(0).allWonShare), "(100.00%)");
  closeWindow();
}

TEST_F(StatisticsTest, WindowDropsEventsOfOtherWindows) {
  startProgram();
  App.GameState = Running;
  ASSERT_EQ(media::addWindowTimer(ids::MainWindow, ids::BannerTimer, 50), 1);
  openStatisticsWindowSteps();
  media::headless::advance(200);  // the main window's timer falls due while the window is open
  int idleWaits = 0;
  media::headless::setIdleHook([&idleWaits] {
    if (idleWaits++ == 0) media::testing::requestClose(ids::StatisticsWindow);
  });
  // One pass takes the timer event without ending, then the close request.
  EXPECT_EQ(statisticsWindowPass(), 0);
  media::headless::setIdleHook(nullptr);
  EXPECT_EQ(idleWaits, 1);
  EXPECT_EQ(App.GameState, Running);
  EXPECT_TRUE(media::windowExists(ids::MainWindow));
}

TEST_F(StatisticsTest, ActionsLeaveTheirLastGroupSelected) {
  writeConfig(Mark + SilentDefaults + "[Lvl-Lo]\r\nOA_Won = 5\r\n[Lvl-Hi]\r\nOA_Won = 2\r\n");
  ConfigFile::open(ids::ConfigFileName);
  statisticsAction(StartUpLoad);
  EXPECT_EQ(ConfigFile::readInt("OA_Won", 0), 2);
  statisticsAction(StatisticsWon);
  EXPECT_EQ(ConfigFile::readInt("OA_Won", 0), 6);
  statisticsAction(7);  // no such code: only the common first steps
  EXPECT_EQ(ConfigFile::readInt("Size", 0), 36);
  ConfigFile::close();
  EXPECT_EQ(App.Statistics[0].wonSinceStart, 1);
}

TEST_F(StatisticsTest, MissingFileShowsZerosAndResetWritesNothing) {
  openStatisticsWindowSteps();
  EXPECT_EQ(figures(0), EmptyHard);
  media::testing::answerMessageBox(media::ButtonYes);
  media::testing::clickControl(tab(0).reset);
  EXPECT_EQ(statisticsWindowPass(), 1);
  closeWindow();
  EXPECT_FALSE(test_support::fileExists(ids::ConfigFileName));
}

}  // namespace
