// The frames of a real game as the screen gets them: each present hands on
// only the changed part, and what the headless back end keeps from those parts
// must equal the same board drawn afresh on a new surface, on both levels,
// through hover moves, clicks that clear groups, falls and undo.
#include <cstdint>
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
};

TEST_F(FrameTest, FramesBuiltFromChangedPartsMatchTheBoardDrawnAfresh) {
  for (const char* size : {"36", "24"}) {
    WriteSettings({{"Size", size}});
    PressNew();
    const int columns = ids::FieldWidth / tileSize(), rows = ids::FieldHeight / tileSize();
    int moved = 0;
    for (int move = 0; move < 8; ++move) {
      const int column = move * 5 % columns, row = rows - 1 - move % 3;
      const std::vector<std::string> before = Position();
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
