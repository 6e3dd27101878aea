// The shares are written with a decimal point in every locale, also in those
// whose own decimal separator is a comma.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

#include "common/common.h"
#include "tests/common/scoped_locale.h"

namespace {

class CommaLocale : public ::testing::TestWithParam<const char*> {};

TEST_P(CommaLocale, SharesKeepTheDecimalPoint) {
  SET_LOCALE_OR_SKIP(locale, GetParam());
  EXPECT_EQ(ProgressText(60, 96), "62.50%");
  EXPECT_EQ(ProgressText(1, 3), "33.33%");
  EXPECT_EQ(ProgressText(2, 3), "66.67%");
  EXPECT_EQ(ProgressText(5, 5), "100.00%");
  EXPECT_EQ(ProgressText(0, 96), "0.00%");
  EXPECT_EQ(ProgressText(0, 0), "0.00%");
  EXPECT_EQ(ProgressText(-1, 4), "-25.00%");  // a hand-edited negative count
}

// Every share the game forms (tiles of either level, game counts of the
// statistics) is rounded as "%.2f" rounds it in the C locale.
TEST_P(CommaLocale, EveryShareRoundsAsTwoDecimalsInTheCLocale) {
  std::vector<std::string> expected;
  const auto reference = [](int done, int total) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f%%", static_cast<double>(done) / total * 100.0);
    return std::string(text);
  };
  for (int total = 1; total <= 400; ++total)
    for (int done = 0; done <= total; ++done) expected.push_back(reference(done, total));
  SET_LOCALE_OR_SKIP(locale, GetParam());
  std::size_t i = 0;
  int mismatches = 0;
  for (int total = 1; total <= 400; ++total)
    for (int done = 0; done <= total; ++done, ++i)
      if (ProgressText(done, total) != expected[i] && ++mismatches <= 5)
        ADD_FAILURE() << done << " of " << total << ": " << ProgressText(done, total) << ", not " << expected[i];
  EXPECT_EQ(mismatches, 0);
}

INSTANTIATE_TEST_SUITE_P(Locales, CommaLocale, ::testing::Values("de_DE.UTF-8", "tr_TR.UTF-8"),
                         [](const auto& info) { return std::string(info.param).substr(0, 5); });

}  // namespace
