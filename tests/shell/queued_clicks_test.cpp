// Clicks that pile up while the game is busy: several reach the queue before
// the first is handled, and each may act only on a control that is still
// there when its turn comes (Undo hidden by the undo before it, Pause hidden
// by the end of the game, the Options button disabled by a new game), and a
// question the first one asks takes the clicks made before it appeared.
#include <algorithm>
#include <string>

#include "common/common.h"
#include "common/ids.h"
#include "engine/engine.h"
#include "media/headless/headless.h"
#include "media/media.h"
#include "settings/config_file.h"
#include "shell/shell.h"
#include "tests/shell/shell_fixture.h"

namespace mt = media::testing;

namespace {

class QueuedClicksTest : public ShellScenario {
 protected:
  static void SetUndo(int unlimited) {
    ConfigFile::open(ids::ConfigFileName);
    ConfigFile::selectGroup("Settings");
    ConfigFile::writeInt("Undo", unlimited);
    ConfigFile::close();
  }
  // Plays moves one by one, each handled before the next.
  static void PlayMoves(int moves) {
    for (int i = 0; i < moves; ++i) {
      const Cell cell = CellWithGroup();
      ASSERT_GE(cell.column, 0) << "no group left on the board";
      ASSERT_EQ(mt::leftClick(ids::MainWindow, CellX(cell.column), CellY(cell.row)), 1);
      Settle();
    }
    ASSERT_EQ(App.CurrentStep, moves);
  }
  // Three clicks on the control reach the queue before any is handled.
  static void TripleClick(int control) {
    for (int i = 0; i < 3; ++i) ASSERT_EQ(mt::clickControl(control), 1) << "click " << i + 1;
  }
  static int Questions() {
    const auto boxes = mt::shownMessageBoxes();
    return static_cast<int>(std::count_if(boxes.begin(), boxes.end(),
                                          [](const mt::ShownMessageBox& b) { return b.text == "Are you sure?"; }));
  }
};

TEST_F(QueuedClicksTest, TripleUndoWithLastMoveOnlyUndoTakesBackOneMove) {
  SetUndo(0);
  StartGame("P");
  PlayMoves(3);
  TripleClick(ids::UndoButton);
  Settle();
  EXPECT_EQ(App.CurrentStep, 2);
  EXPECT_EQ(media::controlText(ids::StepsField), "Steps: 2");
  EXPECT_TRUE(media::controlHidden(ids::UndoButton));
}

TEST_F(QueuedClicksTest, TripleNewInATournamentAsksOnceAndStoresOneLoss) {
  StartGame("T");
  for (int i = 0; i < 3; ++i) mt::answerMessageBox(media::ButtonYes);  // the player would say Yes every time
  TripleClick(ids::NewButton);
  Settle();
  EXPECT_EQ(Questions(), 1);
  EXPECT_EQ(App.GameState, Running);
  EXPECT_NE(ReadConfig().find("OA_Lost = 1\r\n"), std::string::npos) << ReadConfig();
}

// A click on Pause made while the last move was still being handled comes
// after the game has ended and the button has gone.
TEST_F(QueuedClicksTest, PauseQueuedBehindTheWinningMoveLeavesTheEndedGameAlone) {
  StartGame("T");
  Board& board = App.GameBoard;
  for (int column = 0; column < board.columns; ++column)
    for (int row = 0; row < board.rows; ++row) board.at(column, row, 0) = 0;
  board.at(0, board.rows - 1, 0) = board.at(1, board.rows - 1, 0) = ids::FirstTileSprite;
  App.TilesLeft.assign(1, 2);
  ASSERT_EQ(mt::leftClick(ids::MainWindow, CellX(0), CellY(board.rows - 1)), 1);
  ASSERT_EQ(mt::clickControl(ids::PauseButton), 1);
  Settle();
  EXPECT_EQ(App.GameState, Won);
  EXPECT_TRUE(media::controlHidden(ids::PauseButton));
}

// The Options button is disabled for the game that the New click before it starts.
TEST_F(QueuedClicksTest, OptionsQueuedBehindNewDoesNotOpenItsMenuDuringTheGame) {
  WriteSettings("P", 36);
  ASSERT_EQ(mt::clickControl(ids::NewButton), 1);
  ASSERT_EQ(mt::clickToolbarButton(ids::Toolbar, ids::CommandOptions), 1);
  Settle();
  EXPECT_EQ(App.GameState, Running);
  EXPECT_EQ(media::toolbarButtonDisabled(ids::Toolbar, ids::CommandOptions), 1);
  const auto menus = media::headless::shownMenus();
  EXPECT_EQ(std::count(menus.begin(), menus.end(), ids::SettingsMenu), 0);
}

// Undo follows its button also when called directly: while paused it is hidden.
TEST_F(QueuedClicksTest, UndoMoveDoesNothingWhileTheUndoButtonIsHidden) {
  StartGame("T");
  PlayMoves(1);
  ASSERT_EQ(mt::clickControl(ids::PauseButton), 1);
  Settle();
  ASSERT_TRUE(media::controlHidden(ids::UndoButton));
  UndoMove();
  EXPECT_EQ(App.CurrentStep, 1);
  EXPECT_EQ(App.GameState, Paused);
}

}  // namespace
