// Keyboard play on the headless back end: the arrows move HoverCell within the
// board's edges and over cleared cells, Space and Enter make the move a click
// makes, Ctrl+Z undoes only while the Undo button is shown, the mouse takes the
// highlight back, and no key acts while paused, during the banner or without a
// game. Also the names the main window gives its controls.
#include <vector>

#include "common/common.h"
#include "common/ids.h"
#include "media/backend.h"
#include "media/media.h"
#include "settings/config_file.h"
#include "shell/shell.h"
#include "tests/shell/shell_fixture.h"
#include "tests/support/headless_game.h"

namespace mt = media::testing;

namespace {

using KeyboardTest = ShellScenario;

void Press(int key, int times = 1) {
  for (int i = 0; i < times; ++i) ASSERT_EQ(mt::pressShortcut(ids::MainWindow, key), 1);
  ShellScenario::Settle();
}

bool Hovers(int column, int row) { return App.HoverCell.column == column && App.HoverCell.row == row; }

constexpr int A = ids::FirstTileSprite, B = ids::FirstTileSprite + 1;

// An empty board at step 0 but for the given cells, as a deal could leave it.
void SetBoard(const std::vector<std::pair<Cell, int>>& tiles) {
  Board& board = App.GameBoard;
  for (int column = 0; column < board.columns; ++column)
    for (int row = 0; row < board.rows; ++row) board.at(column, row, 0) = 0;
  for (const auto& [cell, value] : tiles) board.at(cell.column, cell.row, 0) = value;
  App.TilesLeft.assign(1, static_cast<int>(tiles.size()));
  RedrawField();
}

int At(int column, int row) { return App.GameBoard.at(column, row, App.CurrentStep); }

void WriteUndo(int unlimited) {
  ConfigFile::open(ids::ConfigFileName);
  ConfigFile::selectGroup("Settings");
  ConfigFile::writeInt("Undo", unlimited);
  ConfigFile::close();
}

}  // namespace

TEST_F(KeyboardTest, TheFirstArrowLightsTheBottomLeftCellAndArrowsStopAtTheEdges) {
  for (const int size : {36, 24}) {
    StartGame("P", size);
    const int columns = 288 / size, rows = 432 / size;
    App.HoverCell = {-1, -1};  // the pointer is off the field
    Press(media::KeyUp);
    EXPECT_TRUE(Hovers(0, rows - 1)) << size;
    Press(media::KeyLeft);
    Press(media::KeyDown);
    EXPECT_TRUE(Hovers(0, rows - 1)) << "stops at the bottom-left corner";
    Press(media::KeyRight);
    EXPECT_TRUE(Hovers(1, rows - 1));
    Press(media::KeyUp, rows + 3);
    EXPECT_TRUE(Hovers(1, 0));
    Press(media::KeyRight, columns + 3);
    EXPECT_TRUE(Hovers(columns - 1, 0));
    Press(media::KeyDown, rows + 3);
    EXPECT_TRUE(Hovers(columns - 1, rows - 1));
    EXPECT_EQ(App.CurrentStep, 0) << "moving the highlight is no move";
  }
}

TEST_F(KeyboardTest, ArrowsMoveOnFromWhereTheMouseLeftTheHighlight) {
  StartGame("P", 36);
  mt::moveMouse(ids::MainWindow, CellX(3), CellY(4));
  Settle();
  Press(media::KeyRight);
  EXPECT_TRUE(Hovers(4, 4));
  mt::moveMouse(ids::MainWindow, CellX(6), CellY(2));
  Settle();
  EXPECT_TRUE(Hovers(6, 2)) << "a mouse move takes the highlight back";
  EXPECT_FALSE(App.HoverFromKeys);
}

TEST_F(KeyboardTest, ClearedCellsArePassedOverAndFramedButNotPlayed) {
  StartGame("P", 36);
  SetBoard({{{0, 11}, A}, {{2, 11}, A}, {{3, 11}, A}});
  const mt::Frame plain = mt::lastPresentedFrame();
  App.HoverCell = {-1, -1};
  Press(media::KeyRight);
  Press(media::KeyRight);
  EXPECT_TRUE(Hovers(1, 11));
  EXPECT_NE(CellPixels(mt::lastPresentedFrame(), {1, 11}, 36), CellPixels(plain, {1, 11}, 36))
      << "the frame shows on the cleared cell";
  Press(media::KeySpace);
  EXPECT_EQ(App.CurrentStep, 0);
  Press(media::KeyUp);
  Press(media::KeySpace);
  EXPECT_EQ(App.CurrentStep, 0) << "an empty cell above the tiles";
  Press(media::KeyDown);
  Press(media::KeyLeft);
  Press(media::KeyEnter);
  EXPECT_EQ(App.CurrentStep, 0) << "a tile without a neighbour of its colour stays";
  Press(media::KeyRight, 2);
  Press(media::KeyEnter);
  EXPECT_EQ(App.CurrentStep, 1);
}

// Bottom row A A B with a B on the first A: removing the As drops the B and
// closes the emptied column, as the rules of a click say.
TEST_F(KeyboardTest, SpaceAndEnterMakeTheMoveOfAClick) {
  for (const int key : {media::KeySpace, media::KeyEnter}) {
    StartGame("P", 36);
    SetBoard({{{0, 11}, A}, {{1, 11}, A}, {{2, 11}, B}, {{0, 10}, B}});
    App.HoverCell = {-1, -1};
    Press(media::KeyDown);  // lights (0, 11)
    Press(key);
    ASSERT_EQ(App.CurrentStep, 1);
    EXPECT_EQ(At(0, 11), B);
    EXPECT_EQ(At(1, 11), B);
    EXPECT_EQ(At(0, 10), 0);
    EXPECT_EQ(At(2, 11), 0);
    EXPECT_EQ(App.TilesLeft[1], 2);
    EXPECT_EQ(media::controlText(ids::StepsField), "Steps: 1");
    EXPECT_FALSE(media::controlHidden(ids::UndoButton));
  }
}

TEST_F(KeyboardTest, TheLastPairTakenWithSpaceWinsTheGame) {
  StartGame("P", 36);
  SetBoard({{{0, 11}, A}, {{1, 11}, A}});
  App.HoverCell = {-1, -1};
  Press(media::KeyLeft);
  Press(media::KeySpace);
  EXPECT_EQ(App.GameState, Won);
  Press(media::KeyRight);
  EXPECT_TRUE(Hovers(-1, -1)) << "no key acts during the banner";
}

TEST_F(KeyboardTest, CtrlZUndoesAsTheUndoButtonDoes) {
  for (const int unlimited : {1, 0}) {
    WriteUndo(unlimited);
    StartGame("P", 36);
    SetBoard({{{0, 11}, A}, {{1, 11}, A}, {{2, 11}, B}, {{3, 11}, B}, {{4, 11}, A}, {{4, 10}, A}});
    Press(media::KeyCtrlZ);
    EXPECT_EQ(App.CurrentStep, 0) << "nothing to undo: the button is hidden";
    App.HoverCell = {-1, -1};
    Press(media::KeyLeft);
    Press(media::KeySpace);  // the As at the left
    Press(media::KeySpace);  // the Bs, moved to the left
    ASSERT_EQ(App.CurrentStep, 2);
    Press(media::KeyCtrlZ);
    EXPECT_EQ(App.CurrentStep, 1);
    EXPECT_EQ(At(0, 11), B);
    Press(media::KeyCtrlZ);
    EXPECT_EQ(App.CurrentStep, unlimited ? 0 : 1) << "unlimited undo " << unlimited;
    EXPECT_EQ(media::controlHidden(ids::UndoButton), 1);
  }
}

TEST_F(KeyboardTest, NoKeyActsWithoutAGameOrWhilePaused) {
  Press(media::KeyDown);
  Press(media::KeySpace);
  EXPECT_TRUE(Hovers(-1, -1));
  EXPECT_EQ(App.GameState, NoGame);

  StartGame("T", 36);
  SetBoard({{{0, 11}, A}, {{1, 11}, A}, {{2, 11}, B}, {{3, 11}, B}});
  App.HoverCell = {-1, -1};
  Press(media::KeyLeft);
  Press(media::KeySpace);
  ASSERT_EQ(App.CurrentStep, 1);
  ASSERT_TRUE(mt::clickControl(ids::PauseButton));
  Settle();
  ASSERT_EQ(App.GameState, Paused);
  const mt::Frame cover = mt::lastPresentedFrame();
  Press(media::KeyRight);
  Press(media::KeySpace);
  Press(media::KeyCtrlZ);
  EXPECT_EQ(App.CurrentStep, 1);
  EXPECT_TRUE(Hovers(0, 11));
  EXPECT_TRUE(SameFrame(mt::lastPresentedFrame(), cover)) << "the cover stays";
}

TEST_F(KeyboardTest, TheMainWindowNamesItsControlsAndKeepsKeysFromItsButtons) {
  const std::pair<int, const char*> names[] = {
      {ids::NewButton, "New"}, {ids::QuitButton, "Quit"}, {ids::UndoButton, "Undo"}, {ids::PauseButton, "Pause"}};
  for (const auto& [control, name] : names) {
    EXPECT_EQ(media::controlText(control), name);
    EXPECT_NE(media::core::findControl(control)->flags & media::PictureNoFocus, 0u) << name;
  }
  StartGame("T", 36);
  ASSERT_TRUE(mt::clickControl(ids::PauseButton));
  Settle();
  EXPECT_EQ(media::controlText(ids::PauseButton), "Continue");
  ASSERT_TRUE(mt::clickControl(ids::PauseButton));
  Settle();
  EXPECT_EQ(media::controlText(ids::PauseButton), "Pause");
}
