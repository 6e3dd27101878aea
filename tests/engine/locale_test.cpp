// The lost message of a tournament game in a locale whose decimal separator
// is a comma: the uncovered share keeps its decimal point.
#include <string>
#include <vector>

#include "common/ids.h"
#include "tests/common/scoped_locale.h"
#include "tests/engine/game_fixture.h"

namespace {

TEST_F(GameTest, LostMessageKeepsTheDecimalPointInATurkishLocale) {
  SET_LOCALE_OR_SKIP(locale, "tr_TR.UTF-8");
  WriteSettings({{"Mode", "T"}, {"Time", "300"}});
  PressNew();
  std::vector<std::string> rows(11, "........");
  rows.push_back("AAB.....");
  SetPosition(rows);
  ClickCell(0, 11);  // the lone B is left without a partner
  ASSERT_EQ(App.GameState, Lost);
  EXPECT_EQ(Text(ids::TilesField), "66.67% - Game over ...");
}

}  // namespace
