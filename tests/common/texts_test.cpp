// The clock and progress texts the status line and the statistics show.
#include <gtest/gtest.h>

#include "common/common.h"

TEST(TimeText, ShowsTwoDigitMinutesAndSeconds) {
  EXPECT_EQ(TimeText(300), "05:00");
  EXPECT_EQ(TimeText(299), "04:59");
  EXPECT_EQ(TimeText(7), "00:07");
  EXPECT_EQ(TimeText(0), "00:00");
  EXPECT_EQ(TimeText(3600), "60:00");
  EXPECT_EQ(TimeText(2846), "47:26");
}

TEST(ProgressText, GivesTwoDecimalsAndZeroForAnEmptyTotal) {
  EXPECT_EQ(ProgressText(0, 96), "0.00%");
  EXPECT_EQ(ProgressText(96, 96), "100.00%");
  EXPECT_EQ(ProgressText(1, 3), "33.33%");
  EXPECT_EQ(ProgressText(2, 3), "66.67%");
  EXPECT_EQ(ProgressText(36, 96), "37.50%");
  EXPECT_EQ(ProgressText(60, 96), "62.50%");
  EXPECT_EQ(ProgressText(5, 0), "0.00%");
  EXPECT_EQ(ProgressText(0, 0), "0.00%");
}
