// The frames of a real game as the screen gets them: each present hands on
// only the changed part, and what the headless back end keeps from those parts
// must equal the same board drawn afresh on a new surface, on both levels,
// through hover moves, clicks that clear groups, falls and undo.
#include <cstdint>
#include <tuple>
#include <utility>
#include <vector>

#include "common/common.h"
#include "common/ids.h"
#include "media/media.h"
#include "media/testing.h"
#include "tests/engine/game_fixture.h"

namespace {

class FrameTest : public GameTest {
 protected:
  // The board drawn once on a fresh surface at the field's place: the first
  // present of a surface hands on all of it.
  static std::vector<std::uint32_t> DrawnAfresh() {
    media::closeScreen();
    media::openScreen(media::windowHandle(ids::MainWindow), ids::FieldX, ids::FieldY, ids::FieldWidth,
                      ids::FieldHeight);
    RedrawField();
    return media::testing::lastPresentedFrame().pixels;
  }

  // The first cell with a neighbour of its colour, scanning from (column, row)
  // leftwards and then up the rows, wrapping round; (column, row) when none has.
  static std::pair<int, int> CellOfAGroup(const std::vector<std::string>& grid, int column, int row) {
    const int rows = static_cast<int>(grid.size()), columns = static_cast<int>(grid[0].size());
    for (int i = 0; i < rows * columns; ++i) {
      const int at = (row * columns + column + columns * rows - i) % (columns * rows);
      const int c = at % columns, r = at / columns;
      const char tile = grid[r][c];
      if (tile != '.' && ((c + 1 < columns && grid[r][c + 1] == tile) || (r > 0 && grid[r - 1][c] == tile) ||
                          (c > 0 && grid[r][c - 1] == tile) || (r + 1 < rows && grid[r + 1][c] == tile)))
        return {c, r};
    }
    return {column, row};
  }
};

TEST_F(FrameTest, FramesBuiltFromChangedPartsMatchTheBoardDrawnAfresh) {
  for (const char* size : {"36", "24"}) {
    WriteSettings({{"Size", size}});
    PressNew();
    const int columns = ids::FieldWidth / tileSize(), rows = ids::FieldHeight / tileSize();
    int moved = 0;
    for (int move = 0; move < 8; ++move) {
      const std::vector<std::string> before = Position();
      int column = move * 5 % columns, row = rows - 1 - move % 3;
      // Every other click goes to the first cell from there with a neighbour
      // of its colour, so the board surely clears groups and falls.
      if (move % 2 == 0) std::tie(column, row) = CellOfAGroup(before, column, row);
      ClickCell(column, row);
      moved += Position() != before;
      const std::vector<std::uint32_t> shown = media::testing::lastPresentedFrame().pixels;
      ASSERT_EQ(shown, DrawnAfresh()) << "size " << size << ", click " << move << " at " << column << "," << row
                                      << Show(before);
      const media::testing::Placement change = media::testing::lastPresentedChange();
      EXPECT_EQ(change.width * change.height, ids::FieldWidth * ids::FieldHeight) << "a fresh surface is all new";
    }
    EXPECT_GT(moved, 2) << "size " << size << ": too few clicks cleared a group to test falls";
    PressUndo();
    ASSERT_EQ(media::testing::lastPresentedFrame().pixels, DrawnAfresh()) << "size " << size << ", undo";
  }
}

}  // namespace
