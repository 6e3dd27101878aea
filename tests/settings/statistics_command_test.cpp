// The toolbar button "Statistics" of the real program opens the window, whose
// own loop runs until it is closed; start-up has loaded the stored figures.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "common/app_state.h"
#include "common/common.h"
#include "common/ids.h"
#include "common/statistics.h"
#include "dialogs/statistics_window.h"
#include "media/backend.h"
#include "media/headless/headless.h"
#include "media/media.h"
#include "media/testing.h"
#include "settings/config_file.h"
#include "shell/shell.h"

namespace {

TEST(StatisticsCommandTest, ToolbarButtonOpensTheWindowUntilItIsClosed) {
  const auto previous = std::filesystem::current_path();
  std::string pattern = (std::filesystem::temp_directory_path() / "statistics-command-XXXXXX").string();
  ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
  std::filesystem::current_path(pattern);
  std::ofstream(ids::ConfigFileName, std::ios::binary) << "[Settings]\nColors=4\n[Lvl-Hi]\nOA_Won=3\nOA_Lost=1\n";

  App = AppState{};
  StartUpSteps();
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
  for (int pass = 0; pass < 20 && shownTitle.empty(); ++pass) RunMainLoopPass();
  media::headless::setIdleHook(nullptr);

  EXPECT_EQ(shownTitle, "Statistics");
  EXPECT_EQ(shownTotal, "Total Number of Games: 4");
  EXPECT_EQ(shownTab, 0);
  EXPECT_FALSE(media::windowExists(ids::StatisticsWindow));
  EXPECT_FALSE(media::windowDisabled(ids::MainWindow));
  EXPECT_FALSE(ConfigFile::isOpen());

  media::releaseAll();
  std::filesystem::current_path(previous);
  std::filesystem::remove_all(pattern);
}

}  // namespace
