// The toolbar button "Statistics" of the real program opens the window, whose
// own loop runs until it is closed; start-up has loaded the stored figures.
#include <gtest/gtest.h>

#include <string>

#include "common/ids.h"
#include "common/statistics.h"
#include "dialogs/statistics_window.h"
#include "media/backend.h"
#include "media/headless/headless.h"
#include "media/media.h"
#include "media/testing.h"
#include "settings/config_file.h"
#include "tests/support/game_scene.h"
#include "tests/support/headless_game.h"

namespace {

TEST(StatisticsCommandTest, ToolbarButtonOpensTheWindowUntilItIsClosed) {
  const test_support::GameScene scene;
  test_support::startGame("[Settings]\nColors=4\n[Lvl-Hi]\nOA_Won=3\nOA_Lost=1\n");
  std::string shownTitle, shownTotal;
  int shownTab = -1;
  media::headless::setIdleHook([&] {
    if (!media::windowExists(ids::StatisticsWindow)) return;
    if (shownTitle.empty()) {
      shownTitle = media::core::findWindow(ids::StatisticsWindow)->title;
      shownTotal = media::controlText(StatisticsControls.tabs[1].totalFrame);
      shownTab = media::controlState(StatisticsControls.tabPanel);
      media::testing::clickControl(StatisticsControls.close);
    }
  });
  ASSERT_EQ(media::testing::clickToolbarButton(ids::Toolbar, ids::CommandStatistics), 1);
  test_support::settle();
  media::headless::setIdleHook(nullptr);

  EXPECT_EQ(shownTitle, "Statistics");
  EXPECT_EQ(shownTotal, "Total Number of Games: 4");
  EXPECT_EQ(shownTab, 0);
  EXPECT_FALSE(media::windowExists(ids::StatisticsWindow));
  EXPECT_FALSE(media::windowDisabled(ids::MainWindow));
  EXPECT_FALSE(ConfigFile::isOpen());
}

}  // namespace
