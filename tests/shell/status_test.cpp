// The status fields and the band behind them, and the pause cover that stays
// over the board through repaints until the game is resumed.
#include "common/common.h"
#include "common/ids.h"
#include "media/backend.h"
#include "media/headless/headless.h"
#include "media/media.h"
#include "shell/shell.h"
#include "tests/shell/shell_fixture.h"

namespace mt = media::testing;

using StatusTest = ShellScenario;

TEST_F(StatusTest, AnEmptyTextKeepsAFieldAndASingleSpaceBlanksIt) {
  UpdateStatus("Steps: 3", "Tiles: 90 / 96", "04:59");
  UpdateStatus("", "Tiles: 88 / 96", "");
  EXPECT_EQ(media::controlText(ids::StepsField), "Steps: 3");
  EXPECT_EQ(media::controlText(ids::TilesField), "Tiles: 88 / 96");
  EXPECT_EQ(media::controlText(ids::TimeField), "04:59");
  UpdateStatus(" ", "", " ");
  EXPECT_EQ(media::controlText(ids::StepsField), " ");
  EXPECT_EQ(media::controlText(ids::TilesField), "Tiles: 88 / 96");
  EXPECT_EQ(media::controlText(ids::TimeField), " ");
}

// The fields are transparent: only a repaint of the window behind them removes
// the rest of a longer old text.
TEST_F(StatusTest, EveryUpdateRepaintsTheBandBehindTheFields) {
  Settle();
  UpdateStatus("", "", "");
  ASSERT_EQ(media::waitEvent(0), media::EventRepaint);
  EXPECT_EQ(media::eventWindow(), ids::MainWindow);
  const media::Rect band = media::headless::lastInvalidated(ids::MainWindow);
  EXPECT_EQ(band.x, 0);
  EXPECT_EQ(band.y, 495);
  EXPECT_EQ(band.width, 620);
  EXPECT_EQ(band.height, 544 - 495);
}

using PauseTest = ShellScenario;

TEST_F(PauseTest, ThePauseCoverHidesTheBoardThroughRepaintsUntilTheResume) {
  StartGame("T", 36);
  ASSERT_FALSE(media::controlHidden(ids::PauseButton));
  const mt::Frame board = mt::lastPresentedFrame();

  mt::clickControl(ids::PauseButton);
  Settle();
  ASSERT_EQ(App.GameState, Paused);
  const mt::Frame cover = mt::lastPresentedFrame();
  EXPECT_FALSE(SameFrame(cover, board));
  EXPECT_TRUE(media::controlHidden(ids::UndoButton));

  const int frames = mt::presentedFrameCount();
  mt::moveMouse(ids::MainWindow, CellX(1), CellY(11));
  Settle();
  EXPECT_EQ(mt::presentedFrameCount(), frames);  // mouse moves do not redraw the cover
  EXPECT_TRUE(App.HoverCell.column == -1);

  // Another window covered the main window, or it comes back from minimised:
  // the repaint must not show the board of a paused game.
  media::invalidateWindow(ids::MainWindow, 0, 0, 620, 544, 1);
  Settle();
  EXPECT_GT(mt::presentedFrameCount(), frames) << "the repaint draws the field again";
  EXPECT_TRUE(SameFrame(mt::lastPresentedFrame(), cover));
  EXPECT_EQ(App.GameState, Paused);

  mt::clickControl(ids::PauseButton);
  Settle();
  EXPECT_EQ(App.GameState, Running);
  EXPECT_TRUE(SameFrame(mt::lastPresentedFrame(), board));
}

TEST_F(PauseTest, ResumingShowsUndoOnlyWhenItWasShownBefore) {
  StartGame("T", 36);
  mt::clickControl(ids::PauseButton);
  Settle();
  mt::clickControl(ids::PauseButton);
  Settle();
  EXPECT_TRUE(media::controlHidden(ids::UndoButton));  // no move yet: nothing to undo
}
