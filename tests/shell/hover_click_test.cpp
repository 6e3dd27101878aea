// The hovered cell and its highlight, and the click on the field that makes a
// move: bounds of the field on both levels, redraws only on a change of cell,
// and clicks that must do nothing.
#include "common/common.h"
#include "common/ids.h"
#include "media/backend.h"
#include "media/media.h"
#include "shell/shell.h"
#include "tests/shell/shell_fixture.h"
#include "tests/support/headless_game.h"

namespace mt = media::testing;

using HoverTest = ShellScenario;

namespace {
void MoveTo(int x, int y) {
  mt::moveMouse(ids::MainWindow, x, y);
  ShellScenario::Settle();
}
bool Hovers(int column, int row) { return App.HoverCell.column == column && App.HoverCell.row == row; }
}  // namespace

TEST_F(HoverTest, TheRightAndBottomEdgesBelongToTheFieldOnEasy) {
  StartGame("P", 36);
  MoveTo(592, 483);
  EXPECT_TRUE(Hovers(7, 11));  // 8 x 12 cells of 36 pixels
  MoveTo(305, 52);
  EXPECT_TRUE(Hovers(0, 0));
  MoveTo(593, 100);
  EXPECT_TRUE(Hovers(-1, -1));
  MoveTo(400, 484);
  EXPECT_TRUE(Hovers(-1, -1));
  MoveTo(304, 100);
  EXPECT_TRUE(Hovers(-1, -1));
}

TEST_F(HoverTest, HardHasTwelveByEighteenCells) {
  StartGame("P", 24);
  MoveTo(592, 483);
  EXPECT_TRUE(Hovers(11, 17));
  MoveTo(305 + 24, 52 + 23);
  EXPECT_TRUE(Hovers(1, 0));
}

TEST_F(HoverTest, TheHighlightFollowsTheMouseAndLeavesWithIt) {
  StartGame("P", 36);
  const Cell cell{2, 11};  // the bottom row is never cleared at the start
  MoveTo(CellX(cell.column), CellY(cell.row));
  const mt::Frame lit = mt::lastPresentedFrame();
  const int framesLit = mt::presentedFrameCount();

  MoveTo(CellX(cell.column) + 5, CellY(cell.row) + 5);  // same cell: no redraw
  EXPECT_EQ(mt::presentedFrameCount(), framesLit);

  MoveTo(593, 300);
  EXPECT_EQ(mt::presentedFrameCount(), framesLit + 1);  // off the field: one redraw without highlight
  const mt::Frame plain = mt::lastPresentedFrame();
  EXPECT_NE(CellPixels(lit, cell, 36), CellPixels(plain, cell, 36));
  const Cell other{3, 11};
  EXPECT_EQ(CellPixels(lit, other, 36), CellPixels(plain, other, 36));

  MoveTo(600, 300);  // still off the field
  EXPECT_EQ(mt::presentedFrameCount(), framesLit + 1);
}

TEST_F(HoverTest, AClearedCellGetsNoHighlight) {
  StartGame("P", 36);
  App.GameBoard.at(4, 11, App.CurrentStep) = 0;
  RedrawField();
  const mt::Frame plain = mt::lastPresentedFrame();
  MoveTo(CellX(4), CellY(11));
  EXPECT_TRUE(Hovers(4, 11));
  EXPECT_EQ(CellPixels(mt::lastPresentedFrame(), {4, 11}, 36), CellPixels(plain, {4, 11}, 36));
}

// The highlight follows the pointer, not the board: it is not frozen into the
// picture of a finished game, and a new game shows it where the pointer is now.
TEST_F(HoverTest, TheHighlightIsNotKeptInTheFinalBoardNorCarriedIntoTheNextGame) {
  StartGame("T", 36);
  // Bottom row A A B: taking the pair leaves one tile and no move, a loss.
  Board& board = App.GameBoard;
  for (int column = 0; column < board.columns; ++column)
    for (int row = 0; row < board.rows; ++row) board.at(column, row, 0) = 0;
  board.at(0, 11, 0) = board.at(1, 11, 0) = ids::FirstTileSprite;
  board.at(2, 11, 0) = ids::FirstTileSprite + 1;
  App.TilesLeft.assign(1, 3);
  RedrawField();
  MoveTo(CellX(0), CellY(11));
  mt::leftClick(ids::MainWindow, CellX(0), CellY(11));
  Settle();
  ASSERT_EQ(App.GameState, Lost);
  test_support::advanceClock(3000);  // the whole banner
  ASSERT_EQ(App.GameState, NoGame);
  const mt::Frame ended = mt::lastPresentedFrame();
  const Cell tracked = App.HoverCell;
  App.HoverCell = {-1, -1};
  RedrawField();
  EXPECT_EQ(CellPixels(ended, {0, 11}, 36), CellPixels(mt::lastPresentedFrame(), {0, 11}, 36))
      << "the last tile under the pointer is shown plain";
  App.HoverCell = tracked;

  MoveTo(CellX(5), CellY(4));  // no game runs: nothing is tracked
  WriteSettings("P", 36);
  ASSERT_TRUE(mt::clickControl(ids::NewButton));
  Settle();
  EXPECT_TRUE(Hovers(5, 4));
}

TEST_F(HoverTest, MouseMovesBeforeTheFirstGameDoNothing) {
  const int frames = mt::presentedFrameCount();
  MoveTo(400, 300);
  EXPECT_TRUE(Hovers(-1, -1));
  EXPECT_EQ(mt::presentedFrameCount(), frames);
}

using ClickTest = ShellScenario;

TEST_F(ClickTest, AClickOnAGroupMakesAMoveButHoveringDoesNot) {
  StartGame("P", 36);
  const Cell cell = CellWithGroup();
  ASSERT_GE(cell.column, 0);
  MoveTo(CellX(cell.column), CellY(cell.row));
  EXPECT_EQ(App.CurrentStep, 0);
  mt::leftClick(ids::MainWindow, CellX(cell.column), CellY(cell.row));
  Settle();
  EXPECT_EQ(App.CurrentStep, 1);
  EXPECT_EQ(App.Marks.columns, 8);
  EXPECT_EQ(App.Marks.rows, 12);
}

TEST_F(ClickTest, ClicksOnAClearedCellWhilePausedOrWithoutAGameDoNothing) {
  mt::leftClick(ids::MainWindow, 400, 300);
  Settle();
  EXPECT_EQ(App.GameState, NoGame);

  StartGame("T", 36);
  const Cell cell = CellWithGroup();
  ASSERT_GE(cell.column, 0);
  MoveTo(CellX(cell.column), CellY(cell.row));
  mt::clickControl(ids::PauseButton);
  Settle();
  ASSERT_EQ(App.GameState, Paused);
  mt::leftClick(ids::MainWindow, CellX(cell.column), CellY(cell.row));
  Settle();
  EXPECT_EQ(App.CurrentStep, 0);

  mt::clickControl(ids::PauseButton);
  Settle();
  ASSERT_EQ(App.GameState, Running);
  App.GameBoard.at(cell.column, cell.row, 0) = 0;
  mt::leftClick(ids::MainWindow, CellX(cell.column), CellY(cell.row));
  Settle();
  EXPECT_EQ(App.CurrentStep, 0);
}

// A Hard game leaves the hovered cell beyond the board of a following Easy game
// until the mouse moves; neither the click test nor the highlight may read it.
TEST_F(ClickTest, AHoveredCellOutsideTheBoardIsIgnored) {
  StartGame("P", 36);
  // Where an unbounded read of cell (11, 17) of an 8 x 12 board would land: a tile of the next step.
  App.GameBoard.resizeSteps(2);
  App.GameBoard.cells[(0 * 8 + 11) * 12 + 17] = ids::FirstTileSprite;
  App.HoverCell = {11, 17};
  const int step = App.CurrentStep;
  media::core::postEvent({media::EventLeftClick, ids::MainWindow});  // a release without a mouse move
  Settle();
  EXPECT_EQ(App.CurrentStep, step);
  EXPECT_EQ(App.Marks.columns, 0);  // the click was not taken
}
