// The editing rules of the collection's selection string.
#include <gtest/gtest.h>

#include <string>

#include "dialogs/selection_string.h"

namespace {

TEST(SelectionString, IsFilledUpWithZerosOrCutToTheCount) {
  EXPECT_EQ(selection::fitted("1", 12), "100000000000");
  EXPECT_EQ(selection::fitted("1111111111111", 12), "111111111111");
  EXPECT_EQ(selection::fitted("111", 0), "");
  EXPECT_EQ(selection::fitted("", 3), "000");
  EXPECT_EQ(selection::filledUp("1111", 2), "1111");
  EXPECT_EQ(selection::filledUp("1", 3), "100");
}

TEST(SelectionString, APortraitIsSelectedByAnyDigitOneToNine) {
  EXPECT_TRUE(selection::selected("19", 1));
  EXPECT_TRUE(selection::selected("19", 2));
  EXPECT_FALSE(selection::selected("0x", 1));
  EXPECT_FALSE(selection::selected("0x", 2));
  EXPECT_FALSE(selection::selected("1", 2));  // a missing character counts as "0"
  EXPECT_FALSE(selection::selected("1", 0));
  // Only "1" counts towards the label.
  EXPECT_EQ(selection::countLabelText("1910"), "2 Images selected");
  EXPECT_EQ(selection::countLabelText(""), "0 Images selected");
}

TEST(SelectionString, ABoxChangesTheFirstMatchingCharacterAtOrAfterItsPosition) {
  std::string s = "111111111111";
  selection::applyBox(s, 3, false);
  EXPECT_EQ(s, "110111111111");
  selection::applyBox(s, 3, true);
  EXPECT_EQ(s, "111111111111");
  // A stored string out of step with the boxes: the next match moves instead.
  s = "1100";
  selection::applyBox(s, 2, true);
  EXPECT_EQ(s, "1110");
  selection::applyBox(s, 4, false);  // no "1" at or after position 4
  EXPECT_EQ(s, "1110");
  selection::applyBox(s, 9, true);  // past the end
  EXPECT_EQ(s, "1110");
}

}  // namespace
