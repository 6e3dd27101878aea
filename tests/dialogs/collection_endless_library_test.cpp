// The image collection window beside an asset library whose transGirl never
// answers null (tests/faults/endless_assets.cpp): the collection has twelve
// portraits, and the window reads no more than those.
#include <string>

#include "collection_fixture.h"
#include "common/ids.h"
#include "media/media.h"

namespace {

using CollectionEndlessLibraryTest = CollectionTest;

TEST_F(CollectionEndlessLibraryTest, ReadsTwelvePortraitsAndStops) {
  writeConfig("Collection = 111111111111111\n");
  openCollectionWindowSteps();
  EXPECT_EQ(Collection.portraits, 12);
  EXPECT_EQ(Collection.thumbnails.size(), 12u);
  EXPECT_EQ(Collection.boxes.size(), 12u);
  EXPECT_EQ(ticks(), "111111111111");
  EXPECT_EQ(label(), "12 Images selected");
  EXPECT_EQ(media::imageWidth(Collection.thumbnails.back()), 72);
  click(Collection.close, false);
  EXPECT_FALSE(media::windowExists(ids::CollectionWindow));
}

}  // namespace
