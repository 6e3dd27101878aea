// The end of a game and the tournament clock: the countdown and its loss, the
// time used of a win, pausing, the banner animation and what it blocks, and
// the sounds that play only with sound on.
#include <string>
#include <vector>

#include "common/ids.h"
#include "engine/engine.h"
#include "media/headless/headless.h"
#include "media/media.h"
#include "media/testing.h"
#include "tests/engine/game_fixture.h"

namespace {

// An easy-level position with tiles only on the bottom row.
std::vector<std::string> BottomRow(const std::string& row) {
  std::vector<std::string> rows(11, "........");
  rows.push_back(row);
  return rows;
}
const std::vector<std::string> OnePair = BottomRow("AAB.....");
const std::vector<std::string> TwoPairs = BottomRow("AABB....");

class GameEndTest : public GameTest {
 protected:
  std::int64_t Now() { return media::headless::now(); }
  void AdvanceTo(std::int64_t time) { Advance(static_cast<int>(time - Now())); }
  // Starts a tournament game with that limit; answers the time of its start.
  std::int64_t StartTournament(const std::string& seconds, Settings settings = {}) {
    settings["Mode"] = "T";
    settings["Time"] = seconds;
    WriteSettings(settings);
    PressNew();
    return Now();
  }
};

TEST_F(GameEndTest, ClockCountsDownAndLosesAtZeroWithTheUncoveredShare) {
  const std::int64_t start = StartTournament("300");
  EXPECT_EQ(Text(ids::TimeField), "Time left: 05:00");
  AdvanceTo(start + 1500);
  EXPECT_EQ(Text(ids::TimeField), "Time left: 04:59");

  // 36 of the 96 tiles gone: the top four rows and half of the fifth.
  Board& board = App.GameBoard;
  board.resizeSteps(2);
  for (int column = 0; column < 8; ++column)
    for (int row = 0; row < 12; ++row)
      board.at(column, row, 1) = row < 4 || (row == 4 && column < 4) ? 0 : board.at(column, row, 0);
  App.CurrentStep = 1;
  App.TilesLeft = {96, 60};

  AdvanceTo(start + 299500);
  EXPECT_EQ(Text(ids::TimeField), "Time left: 00:01");
  EXPECT_EQ(App.GameState, Running);
  AdvanceTo(start + 300500);
  EXPECT_EQ(Text(ids::TimeField), "Time left: 00:00");
  EXPECT_EQ(App.GameState, Lost);
  EXPECT_EQ(Text(ids::TilesField), "37.50% - Game over ...");
  EXPECT_EQ(StoredValue("Lvl-Lo", "OA_Lost"), "1");
  AdvanceTo(start + 305500);
  EXPECT_EQ(Text(ids::TimeField), "Time left: 00:00") << "the clock has stopped";
}

TEST_F(GameEndTest, WinReportsTheTimeUsed) {
  const std::int64_t start = StartTournament("3600");
  App.SecondsLeft = 12 * 60 + 34;
  AdvanceTo(start + 1500);
  ASSERT_EQ(Text(ids::TimeField), "Time left: 12:34");
  SetPosition(BottomRow("AA......"));
  ClickCell(0, 11);
  EXPECT_EQ(App.GameState, Won);
  EXPECT_EQ(Text(ids::TimeField), "Time used: 47:26");
  EXPECT_EQ(Text(ids::TilesField), "100% - Congratulations: you won!");
  EXPECT_EQ(StoredValue("Lvl-Lo", "OA_Won"), "1");
}

TEST_F(GameEndTest, PausingDoesNotConsumeTheLimit) {
  const std::int64_t start = StartTournament("300");
  AdvanceTo(start + 1500);
  PressPause();
  ASSERT_EQ(App.GameState, Paused);
  AdvanceTo(start + 60500);
  EXPECT_EQ(Text(ids::TimeField), "Time left: 04:59");
  PressPause();
  ASSERT_EQ(App.GameState, Running);
  AdvanceTo(start + 61500);
  EXPECT_EQ(Text(ids::TimeField), "Time left: 04:58");
}

// Pausing just before each tick and resuming just after it must not freeze the
// clock: the second goes on with what was left of it.
TEST_F(GameEndTest, TheClockCountsThePlayedTimeWhenPausedAroundEveryTick) {
  const std::int64_t start = StartTournament("300");
  for (int second = 0; second < 60; ++second) {
    AdvanceTo(start + second * 1000 + 800);
    PressPause();
    ASSERT_EQ(App.GameState, Paused);
    AdvanceTo(start + second * 1000 + 1050);  // the tick would fall due meanwhile
    PressPause();
    ASSERT_EQ(App.GameState, Running);
  }
  // About 60 x 750 ms played, however the pauses fell.
  const int shown = App.SecondsLeft + 1;
  EXPECT_GE(shown, 300 - 46) << Text(ids::TimeField);
  EXPECT_LE(shown, 300 - 44) << Text(ids::TimeField);
}

// A tick that was waiting when the game was paused comes first after the resume.
TEST_F(GameEndTest, ATickWaitingAtThePauseIsNotLost) {
  const std::int64_t start = StartTournament("300");
  media::headless::advance(1000);  // due, not yet delivered
  PressPause();
  AdvanceTo(start + 30000);
  EXPECT_EQ(Text(ids::TimeField), "Time left: 05:00");
  PressPause();
  Settle();
  EXPECT_EQ(Text(ids::TimeField), "Time left: 04:59");
}

TEST_F(GameEndTest, TimeLimitBelowOneSecondStillRunsAClock) {
  const std::int64_t start = StartTournament("0");
  EXPECT_EQ(Text(ids::TimeField), "Time left: 00:01");
  AdvanceTo(start + 1500);
  EXPECT_EQ(App.GameState, Lost);
}

TEST_F(GameEndTest, BannerRunsFortyEightStepsThenLeavesTheFinalBoard) {
  PressNew();
  SetPosition(BottomRow("AA......"));
  ClickCell(0, 11);
  ASSERT_EQ(App.GameState, Won);
  const std::int64_t end = Now();
  const auto finalBoard = media::testing::lastPresentedFrame().pixels;
  EXPECT_TRUE(media::toolbarButtonDisabled(ids::Toolbar, ids::CommandOptions));

  AdvanceTo(end + 13 * 50 + 25);  // the last grow frame: the banner at full size
  EXPECT_EQ(App.BannerPhase, 2);
  EXPECT_NE(media::testing::lastPresentedFrame().pixels, finalBoard) << "the banner shows";
  AdvanceTo(end + 47 * 50 + 25);
  EXPECT_EQ(App.GameState, Won);
  AdvanceTo(end + 48 * 50 + 25);
  EXPECT_EQ(App.GameState, NoGame);
  EXPECT_EQ(media::testing::lastPresentedFrame().pixels, finalBoard);
  EXPECT_FALSE(media::toolbarButtonDisabled(ids::Toolbar, ids::CommandOptions));
  EXPECT_FALSE(media::spriteExists(ids::SnapshotSprite));
}

TEST_F(GameEndTest, ClicksAreIgnoredDuringTheBanner) {
  StartTournament("1");
  SetPosition(OnePair);
  Advance(1500);
  ASSERT_EQ(App.GameState, Lost);
  EXPECT_TRUE(Hidden(ids::UndoButton));
  EXPECT_TRUE(Hidden(ids::PauseButton));
  ClickCell(0, 11);
  EXPECT_EQ(App.CurrentStep, 0);
  EXPECT_EQ(Position(), OnePair) << Show(Position());
}

TEST_F(GameEndTest, SoundsFollowMovesUndoAndTheEndWithSoundOn) {
  ASSERT_TRUE(App.SoundAvailable);
  WriteSettings({{"Sound", "1"}, {"Vol", "100"}});
  PressNew();
  SetPosition(TwoPairs);
  ClickCell(0, 11);
  PressUndo();
  ClickCell(0, 11);
  ClickCell(0, 11);
  ASSERT_EQ(App.GameState, Won);
  EXPECT_EQ(PlayedSounds(), (std::vector<int>{ids::MoveSound, ids::UndoSound, ids::MoveSound, ids::MoveSound,
                                              ids::WonSound}));
}

TEST_F(GameEndTest, NothingPlaysWithSoundOff) {
  StartTournament("15", {{"Sound", "0"}, {"Vol", "100"}});
  SetPosition(TwoPairs);
  ClickCell(0, 11);
  PressUndo();
  Advance(16000);
  ASSERT_EQ(App.GameState, Lost);
  EXPECT_TRUE(PlayedSounds().empty());
}

TEST_F(GameEndTest, WarningOnTheLastSecondsThenTheLostSound) {
  const std::int64_t start = StartTournament("15", {{"Sound", "1"}});
  AdvanceTo(start + 3500);
  EXPECT_TRUE(PlayedSounds().empty()) << "no warning at 14, 13, 12";
  AdvanceTo(start + 4500);
  EXPECT_EQ(PlayedSounds(), std::vector<int>{ids::WarningSound}) << "the tick showing 00:11";
  AdvanceTo(start + 15500);
  std::vector<int> expected(11, ids::WarningSound);
  expected.push_back(ids::LostSound);
  EXPECT_EQ(PlayedSounds(), expected);
}

class SilentGameEndTest : public GameEndTest {
 protected:
  // As after a start-up whose sound output could not be opened.
  void SetUp() override {
    GameEndTest::SetUp();
    App.SoundAvailable = 0;
  }
};

TEST_F(SilentGameEndTest, NoSoundOutputEndsTheGameTheSameWay) {
  ASSERT_FALSE(App.SoundAvailable);
  WriteSettings({{"Sound", "1"}});
  PressNew();
  SetPosition(TwoPairs);
  ClickCell(0, 11);
  ClickCell(0, 11);
  EXPECT_EQ(App.GameState, Won);
  EXPECT_EQ(Text(ids::TilesField), "100% - Congratulations: you won!");
  EXPECT_TRUE(PlayedSounds().empty());
  EXPECT_FALSE(media::soundExists(ids::MoveSound));
}

}  // namespace
