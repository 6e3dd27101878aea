// The quit confirmation for every window kind: the main window in each game
// state (the process must end with exit code 0 or go on with the right state),
// the dialog windows and the licence window.
#include "common/common.h"
#include "common/ids.h"
#include "media/backend.h"
#include "media/media.h"
#include "settings/config_file.h"
#include "shell/shell.h"
#include "tests/shell/shell_fixture.h"
#include "tests/support/headless_game.h"

namespace mt = media::testing;

using QuitTest = ShellScenario;

namespace {

void PressCtrlQ() {
  mt::pressShortcut(ids::MainWindow, media::KeyCtrlQ);
  ShellScenario::Settle();
}

void ExpectQuitQuestion() {
  const auto boxes = mt::shownMessageBoxes();
  ASSERT_FALSE(boxes.empty());
  EXPECT_EQ(boxes.back().caption, "Quit Game");
  EXPECT_EQ(boxes.back().text, "Are you sure?");
  EXPECT_EQ(boxes.back().kind, media::BoxWarningYesNo);
}

}  // namespace

// A No queued for a box that must not come would keep the process alive, so
// the death test would fail.
TEST_F(QuitTest, WithoutAGameEveryQuitEndsAtOnceWithExitCodeZero) {
  EXPECT_EXIT(
      {
        mt::answerMessageBox(media::ButtonNo);
        PressCtrlQ();
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_EXIT(
      {
        mt::answerMessageBox(media::ButtonNo);
        mt::clickControl(ids::QuitButton);
        Settle();
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_EXIT(
      {
        mt::answerMessageBox(media::ButtonNo);
        mt::requestClose(ids::MainWindow);
        Settle();
      },
      ::testing::ExitedWithCode(0), "");
}

TEST_F(QuitTest, ATournamentGameIsPausedFirstAndNoLeavesItPaused) {
  StartGame("T", 36);
  mt::answerMessageBox(media::ButtonNo);
  mt::requestClose(ids::MainWindow);
  Settle();
  ExpectQuitQuestion();
  EXPECT_EQ(App.GameState, Paused);
  EXPECT_EQ(media::controlState(ids::PauseButton), 1);
  EXPECT_EQ(ReadConfig().find("Lvl-Lo"), std::string::npos);
}

// The end is thrown back into the test, so that what the program stored on its
// way out is read here on every system: on Windows a death test's child runs
// the test afresh, in a scratch folder of its own.
TEST_F(QuitTest, YesDuringATournamentGameRecordsTheLossAndEnds) {
  StartGame("T", 36);
  test_support::throwWhenProgramEnds();
  mt::answerMessageBox(media::ButtonYes);
  try {
    mt::clickControl(ids::QuitButton);
    Settle();
    ADD_FAILURE() << "Quit did not end the program";
  } catch (const test_support::ProgramEnded& ended) {
    EXPECT_EQ(ended.exitCode, 0);
  }
  const std::string config = ReadConfig();
  EXPECT_NE(config.find("[Lvl-Lo]\r\nOA_Lost = 1\r\nST_Lost = 1\r\n"), std::string::npos) << config;
}

TEST_F(QuitTest, QuittingWhilePausedAsksAgainAndKeepsTheUndoButtonForLater) {
  StartGame("T", 36);
  const Cell cell = CellWithGroup();
  ASSERT_GE(cell.column, 0);
  mt::moveMouse(ids::MainWindow, CellX(cell.column), CellY(cell.row));
  mt::leftClick(ids::MainWindow, CellX(cell.column), CellY(cell.row));
  Settle();
  ASSERT_EQ(App.CurrentStep, 1);
  ASSERT_FALSE(media::controlHidden(ids::UndoButton));

  mt::clickControl(ids::PauseButton);
  Settle();
  ASSERT_EQ(App.GameState, Paused);
  mt::answerMessageBox(media::ButtonNo);
  PressCtrlQ();
  ExpectQuitQuestion();
  EXPECT_EQ(App.GameState, Paused);

  mt::clickControl(ids::PauseButton);  // Continue
  Settle();
  EXPECT_EQ(App.GameState, Running);
  EXPECT_FALSE(media::controlHidden(ids::UndoButton));
}

TEST_F(QuitTest, APracticeGameIsAskedAboutWithoutPausingAndNothingIsRecorded) {
  StartGame("P", 36);
  mt::answerMessageBox(media::ButtonNo);
  PressCtrlQ();
  ExpectQuitQuestion();
  EXPECT_EQ(App.GameState, Running);
  EXPECT_EQ(media::controlState(ids::PauseButton), 0);

  EXPECT_EXIT(
      {
        mt::answerMessageBox(media::ButtonYes);
        PressCtrlQ();
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(ReadConfig().find("Lvl-"), std::string::npos);
}

using DialogCloseTest = ShellScenario;

namespace {
// A dialog as its Part opens it: the main window disabled, the file held open.
void OpenDialog(int window, bool holdsConfig) {
  media::disableWindow(ids::MainWindow, 1);
  media::openWindow(window, 0, 0, 250, 200, "Dialog", media::WindowCaption | media::WindowCentreOwner,
                    media::windowHandle(ids::MainWindow));
  if (holdsConfig) {
    ConfigFile::open(ids::ConfigFileName);
    ConfigFile::selectGroup("Settings");
    ConfigFile::writeInt("Colors", 5);
  }
}
// The dialog's loop hands its closing event to ConfirmQuit.
void CloseByItsBox(int window) {
  mt::requestClose(window);
  ASSERT_EQ(media::waitEvent(0), media::EventCloseWindow);
  ASSERT_EQ(media::eventWindow(), window);
  ConfirmQuit();
}
}  // namespace

TEST_F(DialogCloseTest, ClosingADialogEnablesTheMainWindowAndWritesThePendingSettings) {
  for (int window : {ids::StatisticsWindow, ids::OptionsWindow, ids::CollectionWindow}) {
    OpenDialog(window, true);
    CloseByItsBox(window);
    EXPECT_FALSE(media::windowExists(window)) << window;
    EXPECT_FALSE(media::windowDisabled(ids::MainWindow)) << window;
    EXPECT_FALSE(ConfigFile::isOpen()) << window;
    EXPECT_NE(ReadConfig().find("Colors = 5\r\n"), std::string::npos) << window;
  }
  OpenDialog(ids::AboutWindow, false);
  CloseByItsBox(ids::AboutWindow);
  EXPECT_FALSE(media::windowExists(ids::AboutWindow));
  EXPECT_FALSE(media::windowDisabled(ids::MainWindow));
}

TEST_F(DialogCloseTest, ClosingTheLicenceWindowReturnsToTheAboutWindow) {
  OpenDialog(ids::AboutWindow, false);
  media::openWindow(ids::LicenseWindow, 0, 0, 420, 380, "License Agreement",
                    media::WindowCaption | media::WindowCentreOwner, media::windowHandle(ids::AboutWindow));
  media::disableWindow(ids::AboutWindow, 1);
  CloseByItsBox(ids::LicenseWindow);
  EXPECT_FALSE(media::windowExists(ids::LicenseWindow));
  EXPECT_TRUE(media::windowExists(ids::AboutWindow));
  EXPECT_FALSE(media::windowDisabled(ids::AboutWindow));
  EXPECT_TRUE(media::windowDisabled(ids::MainWindow));
}

TEST_F(DialogCloseTest, AnUnknownWindowIsLeftAlone) {
  media::openWindow(9, 0, 0, 100, 100, "Other", media::WindowCaption, nullptr);
  media::disableWindow(ids::MainWindow, 1);
  CloseByItsBox(9);
  EXPECT_TRUE(media::windowExists(9));
  EXPECT_TRUE(media::windowDisabled(ids::MainWindow));
}
