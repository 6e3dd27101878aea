// Controls: option-button groups, the control-list stack with tabs and
// scrolling areas, per-kind states, picture sizing, fonts and attributes.
#include "contract.h"
#include "media/backend.h"
#include "media/testing.h"

namespace {

namespace mt = media::testing;
using Controls = Contract;

const media::ControlRecord& record(int control) {
  static const media::ControlRecord none;
  const media::ControlRecord* found = media::core::findControl(control);
  EXPECT_NE(found, nullptr) << "no control " << control;
  return found ? *found : none;
}

TEST_F(Controls, OptionGroupsSeparatedByAnotherControlDoNotAffectEachOther) {
  media::createOptionButton(10, 0, 0, 80, 20, "A1");
  media::createOptionButton(11, 0, 20, 80, 20, "A2");
  media::createTextLabel(12, 0, 40, 80, 20, "between", 0);
  media::createOptionButton(13, 0, 60, 80, 20, "B1");
  media::createOptionButton(14, 0, 80, 80, 20, "B2");
  ASSERT_EQ(mt::clickControl(10), 1);
  ASSERT_EQ(mt::clickControl(13), 1);
  EXPECT_EQ(media::controlState(10), 1);
  EXPECT_EQ(media::controlState(13), 1);
  ASSERT_EQ(mt::clickControl(11), 1);
  EXPECT_EQ(media::controlState(10), 0) << "selecting clears the rest of its own group";
  EXPECT_EQ(media::controlState(11), 1);
  EXPECT_EQ(media::controlState(13), 1) << "the other group is untouched";
  media::setControlState(14, 1);
  EXPECT_EQ(media::controlState(13), 0);
  EXPECT_EQ(media::controlState(11), 1);
}

TEST_F(Controls, ANewControlListAlsoStartsANewOptionGroup) {
  media::createOptionButton(10, 0, 0, 80, 20, "Outside");
  media::createScrollArea(11, 0, 30, 100, 100, 200, 200, 10);
  media::createOptionButton(12, 0, 0, 80, 20, "Inside");
  media::closeControlList();
  media::setControlState(10, 1);
  media::setControlState(12, 1);
  EXPECT_EQ(media::controlState(10), 1);
  EXPECT_EQ(media::controlState(12), 1);
}

TEST_F(Controls, OptionButtonsOnAnotherTabFormAGroupOfTheirOwn) {
  media::createTabPanel(15, 0, 0, 200, 150);
  media::addTab(15, "First");
  media::createOptionButton(16, 0, 0, 80, 20, "first tab");
  media::addTab(15, "Second");
  media::createOptionButton(17, 0, 0, 80, 20, "second tab");
  media::setControlState(16, 1);
  media::setControlState(17, 1);
  EXPECT_EQ(media::controlState(16), 1);
}

TEST_F(Controls, TabsTakeTheControlsCreatedUntilTheListIsClosed) {
  ASSERT_EQ(media::createTabPanel(20, 0, 0, 200, 150), 1);
  media::addTab(20, "First");
  media::createPushButton(21, 5, 5, 50, 20, "in first");
  media::addTab(20, "Second");
  media::createPushButton(22, 5, 5, 50, 20, "in second");
  ASSERT_EQ(media::closeControlList(), 1);
  media::createPushButton(23, 5, 160, 50, 20, "outside");
  EXPECT_EQ(record(21).container, 20);
  EXPECT_EQ(record(21).tab, 0);
  EXPECT_EQ(record(22).container, 20);
  EXPECT_EQ(record(22).tab, 1);
  EXPECT_EQ(record(23).container, -1);
  EXPECT_EQ(record(20).tabs, (std::vector<std::string>{"First", "Second"}));

  EXPECT_EQ(media::controlState(20), 0);
  EXPECT_EQ(mt::clickControl(22), 0) << "a control on a tab not shown cannot be clicked";
  ASSERT_EQ(mt::changeControl(20, 1), 1);
  EXPECT_EQ(media::controlState(20), 1);
  ASSERT_TRUE(awaitEvent(media::EventControl));
  EXPECT_EQ(media::eventObject(), 20);
  EXPECT_EQ(media::eventType(), 1);
  EXPECT_EQ(mt::clickControl(22), 1);
  EXPECT_EQ(media::setControlState(20, 2), 0) << "there is no third tab";
  EXPECT_EQ(media::controlState(20), 1);
}

TEST_F(Controls, ScrollAreasNestAndReopen) {
  ASSERT_EQ(media::createScrollArea(30, 0, 0, 100, 100, 300, 400, 8), 1);
  media::createCheckBox(31, 0, 0, 80, 20, "inside", 0);
  ASSERT_EQ(media::closeControlList(), 1);
  EXPECT_EQ(media::closeControlList(), 0) << "the window's own list cannot be closed";
  media::createCheckBox(32, 0, 120, 80, 20, "outside", 0);
  ASSERT_EQ(media::openControlList(30), 1);
  media::createCheckBox(33, 0, 30, 80, 20, "inside again", 0);
  media::closeControlList();
  EXPECT_EQ(record(31).container, 30);
  EXPECT_EQ(record(32).container, -1);
  EXPECT_EQ(record(33).container, 30);
  EXPECT_EQ(record(30).innerWidth, 300);
  EXPECT_EQ(media::setControlAttribute(30, media::AttributeScrollStep, 16), 1);
  EXPECT_EQ(record(30).scrollStep, 16);
  EXPECT_EQ(media::openControlList(31), 0) << "a check box holds no controls";
}

TEST_F(Controls, StatesFollowTheirKindsRules) {
  media::createCheckBox(40, 0, 0, 80, 20, "Box", media::CheckTextRight);
  ASSERT_EQ(mt::clickControl(40), 1);
  EXPECT_EQ(media::controlState(40), 1);
  mt::clickControl(40);
  EXPECT_EQ(media::controlState(40), 0);
  media::setControlState(40, 5);
  EXPECT_EQ(media::controlState(40), 1);

  media::createTrackBar(41, 0, 30, 100, 20, 1, 10, media::TrackTicks);
  EXPECT_EQ(media::controlState(41), 1) << "a track bar starts at its minimum";
  ASSERT_EQ(mt::changeControl(41, 7), 1);
  EXPECT_EQ(media::controlState(41), 7);
  media::setControlState(41, 99);
  EXPECT_EQ(media::controlState(41), 10);
  media::setControlState(41, -4);
  EXPECT_EQ(media::controlState(41), 1);
  EXPECT_EQ(media::createTrackBar(41, 0, 30, 100, 20, 5, 4, 0), 0) << "an empty range";
  EXPECT_FALSE(media::controlExists(41));

  const auto png = rgbPng(1, 1, {0xff000000});
  const int image = media::loadImage(media::AnyNumber, png.data(), png.size());
  media::createPictureButton(42, 0, 60, 30, 30, media::imageHandle(image), media::PictureToggle);
  mt::clickControl(42);
  EXPECT_EQ(media::controlState(42), 1) << "a toggle button stays pressed";
  mt::clickControl(42);
  EXPECT_EQ(media::controlState(42), 0);
  media::createPushButton(43, 0, 100, 30, 30, "Push");
  EXPECT_EQ(media::setControlState(43, 1), 0) << "a push button has no state";
}

TEST_F(Controls, APictureControlSizesItselfToItsPicture) {
  const auto png = rgbPng(10, 6, Pixels(60, 0xff808080));
  const int image = media::loadImage(media::AnyNumber, png.data(), png.size());
  media::createPictureControl(50, 3, 4, 1, 1, media::imageHandle(image), 0);
  media::createPictureControl(51, 3, 40, 1, 1, media::imageHandle(image), media::PictureSunken);
  EXPECT_EQ(record(50).rect.width, 10);
  EXPECT_EQ(record(50).rect.height, 6);
  EXPECT_EQ(record(51).rect.width, 14) << "two pixels of border on each side";
  EXPECT_EQ(record(51).rect.height, 10);
  EXPECT_EQ(record(51).rect.x, 3);
  ASSERT_EQ(mt::clickControl(50), 1);
  ASSERT_TRUE(awaitEvent(media::EventControl));
  EXPECT_EQ(media::eventObject(), 50);
}

TEST_F(Controls, TextsColoursFontsAndToolTipsAreKept) {
  media::createTextLabel(60, 0, 0, 100, 20, "Old", media::LabelCentre);
  media::setControlText(60, "New");
  EXPECT_EQ(media::controlText(60), "New");
  media::setControlColours(60, 0x0000ff, -1);
  media::setControlColours(60, -1, 0x00ff00);
  EXPECT_EQ(record(60).textColour, 0x0000ff) << "-1 keeps the colour set before";
  EXPECT_EQ(record(60).backgroundColour, 0x00ff00);
  media::setToolTip(60, "Tip");
  EXPECT_EQ(record(60).toolTip, "Tip");

  ASSERT_EQ(media::loadFont(1, "Tahoma", 9, media::FontBold), 1);
  EXPECT_GT(media::fontPixelHeight(1), 9);
  EXPECT_EQ(media::setControlFont(media::DefaultControl, 1), 1);
  media::createPushButton(61, 0, 30, 50, 20, "Bold");
  EXPECT_EQ(record(61).font, 1) << "the default font goes to controls created afterwards";
  EXPECT_EQ(record(60).font, -1);
  EXPECT_EQ(media::setControlFont(60, 9), 0) << "there is no font 9";

  media::createRichText(62, 0, 60, 200, 100, media::RichReadOnly | media::RichWordWrap);
  media::addRichTextLine(62, "first line");
  media::addRichTextLine(62, "second line");
  EXPECT_EQ(media::controlText(62), "first line\nsecond line");

  media::createHyperlink(63, 0, 170, 100, 20, "Site", 0xff0000, media::LinkUnderline);
  ASSERT_EQ(mt::clickControl(63), 1);
  ASSERT_TRUE(awaitEvent(media::EventControl));
  EXPECT_EQ(media::eventObject(), 63);
}

TEST_F(Controls, APressedPictureBelongsToPictureButtonsOnly) {
  const auto png = rgbPng(2, 2, Pixels(4, 0xff00ff00));
  const int up = media::loadImage(media::AnyNumber, png.data(), png.size());
  const int down = media::loadImage(media::AnyNumber, png.data(), png.size());
  media::createPictureButton(70, 0, 0, 20, 20, media::imageHandle(up), media::PictureToggle);
  media::createPushButton(71, 0, 30, 20, 20, "x");
  const auto handle = reinterpret_cast<std::intptr_t>(media::imageHandle(down));
  EXPECT_EQ(media::setControlAttribute(70, media::AttributePressedPicture, handle), 1);
  EXPECT_EQ(record(70).pressedPicture, reinterpret_cast<const media::Image*>(media::imageHandle(down)));
  EXPECT_EQ(media::setControlAttribute(71, media::AttributePressedPicture, handle), 0);
  media::freeImage(down);
  EXPECT_EQ(record(70).pressedPicture, nullptr) << "a freed picture is no longer shown";
}

}  // namespace
