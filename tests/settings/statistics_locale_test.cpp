// The statistics window's shares read the same in a locale whose decimal
// separator is a comma, as the program runs in one once the toolkit has
// taken the user's locale.
#include <string>

#include "common/statistics.h"
#include "statistics_fixture.h"
#include "tests/common/scoped_locale.h"

namespace {

TEST_F(StatisticsTest, SharesKeepTheDecimalPointInAGermanLocale) {
  SET_LOCALE_OR_SKIP(locale, "de_DE.UTF-8");
  startProgram();
  record(StatisticsWon);
  record(StatisticsLost);
  record(StatisticsLost);
  record(StatisticsLost);
  openStatisticsWindowSteps();
  EXPECT_EQ(figures(0), "Total Number of Games: 4|1|(25.00%)|3| (75.00%)|"
                        "Current Session: 4|1|(25.00%)|3| (75.00%)|1|3|3|(Lost)|");
  closeWindow();
}

}  // namespace
