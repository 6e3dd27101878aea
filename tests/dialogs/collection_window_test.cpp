// The image collection window on the headless back end with the real asset
// library beside the test program: thumbnails, the selection rules, the
// refusal to close with nothing selected, and config.ini on disk.
#include <string>

#include "collection_fixture.h"
#include "common/ids.h"
#include "media/media.h"
#include "media/testing.h"

namespace {

using CollectionWindowTest = CollectionTest;

TEST_F(CollectionWindowTest, FirstOpeningShowsEveryPortraitTickedFromTheStoredString) {
  writeConfig("Collection = 111111111111\n");
  openCollectionWindowSteps();
  EXPECT_EQ(media::windowDisabled(ids::MainWindow), 1);
  ASSERT_EQ(Collection.portraits, 12);
  ASSERT_EQ(Collection.boxes.size(), 12u);
  ASSERT_EQ(Collection.pictures.size(), 12u);
  EXPECT_EQ(ticks(), "111111111111");
  EXPECT_EQ(label(), "12 Images selected");
  for (int i = 1; i <= 12; ++i) {
    const media::ControlRecord& picture = control(Collection.pictures[i - 1]);
    const media::ControlRecord& box = control(Collection.boxes[i - 1]);
    EXPECT_EQ(picture.container, Collection.scrollArea);
    EXPECT_EQ(picture.rect.x, 10 + 80 * (i - 1));
    EXPECT_EQ(picture.rect.y, 10);
    EXPECT_TRUE(picture.flags & media::PictureSunken);
    ASSERT_NE(picture.picture, nullptr) << i;
    EXPECT_EQ(picture.picture->width, 72);
    EXPECT_EQ(picture.picture->height, 108);
    EXPECT_EQ(box.container, Collection.scrollArea);
    EXPECT_EQ(box.rect.x, 4 + 80 * (i - 1));
    EXPECT_EQ(box.rect.x + box.rect.width, 10 + 80 * (i - 1) + 72) << "it ends under its thumbnail's right edge";
    EXPECT_EQ(box.rect.y, 130);
    EXPECT_EQ(box.text, "Girl No. " + std::to_string(i));
    EXPECT_TRUE(box.flags & media::CheckTextRight);
  }
  click(Collection.close, false);
  EXPECT_EQ(media::windowDisabled(ids::MainWindow), 0);
}

TEST_F(CollectionWindowTest, CloseIsRefusedWithNothingSelectedUntilOneBoxIsTicked) {
  for (int viaCloseBox = 0; viaCloseBox < 2; ++viaCloseBox) {
    writeConfig("Collection = 111111111111\n");
    Collection = CollectionWindow{};
    openCollectionWindowSteps();
    click(Collection.selectNone);
    EXPECT_EQ(ticks(), "000000000000");
    EXPECT_EQ(label(), "0 Images selected");
    const std::size_t boxesBefore = media::testing::shownMessageBoxes().size();
    media::testing::answerMessageBox(media::ButtonOk);
    if (viaCloseBox) {
      ASSERT_EQ(media::testing::requestClose(ids::CollectionWindow), 1);
      pass(collectionWindowPass);
    } else {
      click(Collection.close);
    }
    const auto shown = media::testing::shownMessageBoxes();
    ASSERT_EQ(shown.size(), boxesBefore + 1);
    EXPECT_EQ(shown.back().caption, "No Image selected");
    EXPECT_EQ(shown.back().text, "Please select at least one image");
    EXPECT_EQ(shown.back().kind, media::BoxInformationOk);
    EXPECT_TRUE(media::windowExists(ids::CollectionWindow));

    click(Collection.boxes[6]);
    EXPECT_EQ(label(), "1 Images selected");
    click(Collection.close, false);
    EXPECT_FALSE(media::windowExists(ids::CollectionWindow));
    EXPECT_EQ(stored("Collection"), "000000100000");
  }
}

TEST_F(CollectionWindowTest, ClearingBoxThreeClearsTheThirdCharacter) {
  writeConfig("Collection = 111111111111\n");
  openCollectionWindowSteps();
  click(Collection.boxes[2]);
  EXPECT_EQ(label(), "11 Images selected");
  click(Collection.close, false);
  EXPECT_EQ(stored("Collection"), "110111111111");
}

TEST_F(CollectionWindowTest, AShortStoredStringIsFilledUpWithUnselectedPortraits) {
  writeConfig("Collection = 1\n");
  openCollectionWindowSteps();
  EXPECT_EQ(ticks(), "100000000000");
  EXPECT_EQ(label(), "1 Images selected");
  click(Collection.boxes[4]);
  EXPECT_EQ(label(), "2 Images selected");
  click(Collection.close, false);
  EXPECT_EQ(stored("Collection"), "100010000000");
}

TEST_F(CollectionWindowTest, ALongStoredStringIsCutToThePortraits) {
  writeConfig("Collection = 0110000000001111\n");
  openCollectionWindowSteps();
  EXPECT_EQ(ticks(), "011000000000");
  EXPECT_EQ(label(), "2 Images selected");
  click(Collection.selectAll);
  EXPECT_EQ(ticks(), "111111111111");
  click(Collection.close, false);
  // Select all keeps the stored length: the handler does not cut.
  EXPECT_EQ(stored("Collection"), "1111111111111111");
}

TEST_F(CollectionWindowTest, AClickOnAThumbnailChangesNothing) {
  writeConfig("Collection = 101010101010\n");
  const std::string before = configBytes();
  openCollectionWindowSteps();
  click(Collection.pictures[1]);
  click(Collection.pictures[0]);
  EXPECT_EQ(ticks(), "101010101010");
  click(Collection.close, false);
  EXPECT_EQ(configBytes(), before);
}

TEST_F(CollectionWindowTest, TheSecondOpeningReusesTheThumbnailsAndTheLastReadSelection) {
  writeConfig("Collection = 111111111111\n");
  openCollectionWindowSteps();
  const std::vector<int> thumbnails = Collection.thumbnails;
  std::vector<const media::Image*> pictures;
  for (const int p : Collection.pictures) pictures.push_back(control(p).picture);
  click(Collection.boxes[0]);
  click(Collection.close, false);

  openCollectionWindowSteps();
  EXPECT_EQ(Collection.thumbnails, thumbnails);
  ASSERT_EQ(Collection.pictures.size(), pictures.size());
  for (std::size_t i = 0; i < pictures.size(); ++i) EXPECT_EQ(control(Collection.pictures[i]).picture, pictures[i]);
  EXPECT_EQ(ticks(), "011111111111");
  EXPECT_EQ(label(), "11 Images selected");
  ASSERT_EQ(media::testing::requestClose(ids::CollectionWindow), 1);
  pass(collectionWindowPass, false);
}

}  // namespace
