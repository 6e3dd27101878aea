// Object-number rules shared by every table: explicit numbers and AnyNumber,
// replacement on reuse, failures leaving the number free, free numbers inert.
#include "contract.h"

namespace {

using TableRules = Contract;

std::vector<unsigned char> tinyPng() { return rgbPng(2, 2, {0xff102030, 0xff405060, 0xff708090, 0xffa0b0c0}); }

TEST_F(TableRules, AnyNumberPicksAFreeNumberAndReturnsIt) {
  const auto png = tinyPng();
  ASSERT_EQ(media::loadImage(0, png.data(), png.size()), 1);
  ASSERT_EQ(media::loadImage(1, png.data(), png.size()), 1);
  const int picked = media::loadImage(media::AnyNumber, png.data(), png.size());
  EXPECT_EQ(picked, 2);
  EXPECT_EQ(media::imageWidth(picked), 2);
  media::freeImage(0);
  EXPECT_EQ(media::loadImage(media::AnyNumber, png.data(), png.size()), 0) << "0 is a valid number to pick";
}

TEST_F(TableRules, AFailedCreationReportsByItsKindOfNumber) {
  const unsigned char junk[] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
  EXPECT_EQ(media::loadImage(5, junk, sizeof junk), 0);
  EXPECT_EQ(media::loadImage(media::AnyNumber, junk, sizeof junk), media::CreateFailed);
  EXPECT_EQ(media::imageWidth(5), 0);
  EXPECT_EQ(media::imageHandle(5), nullptr);
}

TEST_F(TableRules, CreatingOnAUsedNumberReplacesAndAFailureFreesIt) {
  const auto small = tinyPng();
  const auto wide = rgbPng(3, 1, {0xff000000, 0xff000000, 0xff000000});
  ASSERT_EQ(media::loadImage(4, small.data(), small.size()), 1);
  ASSERT_EQ(media::loadImage(4, wide.data(), wide.size()), 1);
  EXPECT_EQ(media::imageWidth(4), 3);
  EXPECT_EQ(media::imageHeight(4), 1);
  ASSERT_EQ(media::loadImage(4, small.data(), small.size() / 2), 0);
  EXPECT_EQ(media::imageWidth(4), 0) << "after a failed creation the number is free";
}

TEST_F(TableRules, OperationsOnFreeNumbersDoNothingAndReturnZero) {
  EXPECT_EQ(media::closeWindow(77), 0);
  EXPECT_EQ(media::hideWindow(77, 1), 0);
  EXPECT_EQ(media::windowWidth(77), 0);
  EXPECT_EQ(media::windowHandle(77), nullptr);
  EXPECT_EQ(media::setControlText(77, "x"), 0);
  EXPECT_EQ(media::controlText(77), "");
  EXPECT_EQ(media::setControlState(77, 1), 0);
  EXPECT_EQ(media::addMenuItem(77, 1, "x"), 0);
  EXPECT_EQ(media::addToolbarButton(77, 1, nullptr), 0);
  EXPECT_EQ(media::setTrayToolTip(77, "x"), 0);
  EXPECT_EQ(media::resizeImage(77, 4, 4), 0);
  EXPECT_EQ(media::freeImage(77), 0);
  EXPECT_EQ(media::fontPixelHeight(77), 0);
  EXPECT_EQ(media::unloadLibrary(77), 0);
  EXPECT_EQ(media::callLibrary(77, "contractCombine", 1, 2), 0);
  EXPECT_EQ(media::drawSprite(77, 0, 0), 0);
  EXPECT_EQ(media::spriteWidth(77), 0);
  EXPECT_EQ(media::freeSprite(77), 0);
  EXPECT_EQ(media::playSound(77), 0);
  EXPECT_EQ(media::setSoundVolume(77, 50), 0);
  EXPECT_EQ(media::addWindowTimer(77, 1, 10), 0);
  EXPECT_EQ(media::removeWindowTimer(MainWindow, 9), 0);
}

TEST_F(TableRules, ControlsShareOneTableAcrossWindows) {
  ASSERT_EQ(media::createPushButton(3, 0, 0, 50, 20, "first"), 1);
  ASSERT_EQ(media::openWindow(2, 0, 0, 100, 100, "Second", media::WindowCaption, nullptr), 1);
  ASSERT_EQ(media::createPushButton(3, 0, 0, 50, 20, "second"), 1);
  EXPECT_EQ(media::controlText(3), "second");
  const int picked = media::createPushButton(media::AnyNumber, 0, 0, 50, 20, "any");
  EXPECT_NE(picked, 3);
  EXPECT_GE(picked, 0);
  media::closeWindow(2);
  EXPECT_FALSE(media::controlExists(3)) << "the replacement belonged to the closed window";
  EXPECT_FALSE(media::controlExists(picked));
}

}  // namespace
