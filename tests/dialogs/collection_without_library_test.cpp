// The image collection window when the asset library cannot be found (this
// program is built away from the library): no portraits, and the window still
// closes instead of trapping the player.
#include <string>

#include "collection_fixture.h"
#include "common/ids.h"
#include "media/media.h"
#include "media/testing.h"

namespace {

using CollectionWithoutLibraryTest = CollectionTest;

TEST_F(CollectionWithoutLibraryTest, ShowsNoPortraitsAndClosesWithASelectedStoredString) {
  writeConfig("Collection = 111111111111\n");
  openCollectionWindowSteps();
  EXPECT_EQ(Collection.portraits, 0);
  EXPECT_TRUE(Collection.boxes.empty());
  EXPECT_EQ(label(), "0 Images selected");
  click(Collection.close, false);
  EXPECT_FALSE(media::windowExists(ids::CollectionWindow));
  EXPECT_EQ(stored("Collection"), "111111111111");
}

TEST_F(CollectionWithoutLibraryTest, SelectButtonsWorkOnTheStoredStringAndTheWindowStillCloses) {
  writeConfig("Collection = 111111111111\n");
  openCollectionWindowSteps();
  click(Collection.selectNone);
  EXPECT_EQ(label(), "0 Images selected");
  // Nothing could be ticked here, so closing is not refused.
  ASSERT_EQ(media::testing::requestClose(ids::CollectionWindow), 1);
  pass(collectionWindowPass, false);
  EXPECT_TRUE(media::testing::shownMessageBoxes().empty());
  EXPECT_EQ(stored("Collection"), "000000000000");
}

TEST_F(CollectionWithoutLibraryTest, AnEmptyStoredStringNeitherCrashesNorTrapsTheWindow) {
  writeConfig("Collection = \n");
  openCollectionWindowSteps();
  click(Collection.selectAll);
  EXPECT_EQ(label(), "0 Images selected");
  click(Collection.close, false);
  EXPECT_FALSE(media::windowExists(ids::CollectionWindow));
  EXPECT_EQ(stored("Collection"), "");
}

}  // namespace
