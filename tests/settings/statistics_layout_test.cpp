// The statistics window's controls at their places with their texts and
// alignment, and the back end's widgets where the records say. Built twice:
// on the headless and on the Qt back end.
#include <string>
#include <tuple>
#include <vector>

#include "common/ids.h"
#include "media/backend.h"
#include "media/media.h"
#include "media/testing.h"
#include "statistics_fixture.h"

namespace {

struct Expected {
  int kind;
  int x, y, width, height;
  std::string text;
  unsigned flags;
};

// The controls of one tab in creation order, after the tab's label texts.
std::vector<Expected> tabControls(const std::string& won, const std::string& lost, const std::string& current) {
  using namespace media;
  return {
      {ControlFrame, 20, 20, 250, 70, "Total Number of Games: 0", 0},
      {ControlTextLabel, 40, 40, 50, 20, won, LabelLeft},
      {ControlTextLabel, 90, 40, 70, 20, "0", LabelRight},
      {ControlTextLabel, 170, 40, 60, 20, "(0.00%)", LabelRight},
      {ControlTextLabel, 40, 60, 50, 20, lost, LabelLeft},
      {ControlTextLabel, 90, 60, 70, 20, "0", LabelRight},
      {ControlTextLabel, 170, 60, 60, 20, " (0.00%)", LabelRight},
      {ControlFrame, 20, 100, 250, 70, "Current Session: 0", 0},
      {ControlTextLabel, 40, 120, 50, 20, won, LabelLeft},
      {ControlTextLabel, 90, 120, 70, 20, "0", LabelRight},
      {ControlTextLabel, 170, 120, 60, 20, "(0.00%)", LabelRight},
      {ControlTextLabel, 40, 140, 50, 20, lost, LabelLeft},
      {ControlTextLabel, 90, 140, 70, 20, "0", LabelRight},
      {ControlTextLabel, 170, 140, 60, 20, " (0.00%)", LabelRight},
      {ControlFrame, 20, 180, 250, 90, "Lucky / Losing Streaks", 0},
      {ControlTextLabel, 40, 200, 50, 20, won, LabelLeft},
      {ControlTextLabel, 90, 200, 70, 20, "0", LabelRight},
      {ControlTextLabel, 40, 220, 50, 20, lost, LabelLeft},
      {ControlTextLabel, 90, 220, 70, 20, "0", LabelRight},
      {ControlTextLabel, 40, 240, 50, 20, current, LabelLeft},
      {ControlTextLabel, 90, 240, 70, 20, "0", LabelRight},
      {ControlTextLabel, 170, 240, 60, 20, " ", LabelLeft},
      {ControlPushButton, 20, 290, 250, 20, "Reset", 0},
  };
}

class StatisticsLayoutTest : public StatisticsTest {
 protected:
  static void expectControl(int number, const Expected& e, int container, int tabIndex) {
    const media::ControlRecord& c = control(number);
    SCOPED_TRACE("control \"" + e.text + "\" at " + std::to_string(e.x) + ", " + std::to_string(e.y));
    EXPECT_EQ(c.window, ids::StatisticsWindow);
    EXPECT_EQ(c.container, container);
    EXPECT_EQ(c.tab, tabIndex);
    EXPECT_EQ(c.kind, e.kind);
    EXPECT_EQ(c.rect.x, e.x);
    EXPECT_EQ(c.rect.y, e.y);
    EXPECT_EQ(c.rect.width, e.width);
    EXPECT_EQ(c.rect.height, e.height);
    EXPECT_EQ(c.text, e.text);
    EXPECT_EQ(c.flags, e.flags);
    const media::testing::Placement placed = media::testing::controlPlacement(number);
    EXPECT_EQ(std::tie(placed.x, placed.y, placed.width, placed.height),
              std::tie(c.rect.x, c.rect.y, c.rect.width, c.rect.height))
        << "the back end placed the control elsewhere";
  }
};

TEST_F(StatisticsLayoutTest, WindowTabsAndEveryControlAtItsPlace) {
  openStatisticsWindowSteps();
  const media::WindowRecord* w = media::core::findWindow(ids::StatisticsWindow);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->title, "Statistics");
  EXPECT_EQ(w->client.width, 330);
  EXPECT_EQ(w->client.height, 410);
  EXPECT_EQ(w->ownerWindow, ids::MainWindow);
  EXPECT_TRUE(w->flags & media::WindowCaption);
  EXPECT_TRUE(media::windowDisabled(ids::MainWindow));

  const int panel = StatisticsControls.tabPanel;
  const media::ControlRecord& p = control(panel);
  EXPECT_EQ(p.kind, media::ControlTabPanel);
  EXPECT_EQ((std::vector<int>{p.rect.x, p.rect.y, p.rect.width, p.rect.height}), (std::vector<int>{20, 20, 290, 350}));
  EXPECT_EQ(p.tabs, (std::vector<std::string>{"Easy", "Hard"}));

  // The controls of each tab, in creation (number) order.
  const std::vector<Expected> tabs[2] = {tabControls("Won: ", "Lost: ", "Current: "),
                                         tabControls("Won:", "Lost:", "Current:")};
  for (int t = 0; t < 2; ++t) {
    const std::vector<int> numbers = test_support::findControls(
        [&](const media::ControlRecord& c) { return c.container == panel && c.tab == t; });
    ASSERT_EQ(numbers.size(), tabs[t].size());
    for (std::size_t i = 0; i < numbers.size(); ++i) expectControl(numbers[i], tabs[t][i], panel, t);
    EXPECT_EQ(tab(t).reset, numbers.back());
  }
  expectControl(StatisticsControls.resetAll, {media::ControlPushButton, 20, 380, 140, 20, "Reset all", 0}, -1, -1);
  expectControl(StatisticsControls.close, {media::ControlPushButton, 170, 380, 140, 20, "Close", 0}, -1, -1);
}

TEST_F(StatisticsLayoutTest, FiguresReplaceTheSampleTexts) {
  writeConfig(Mark + SilentDefaults + "[Lvl-Hi]\r\nOA_Won = 1\r\nOA_Lost = 2\r\nST_Won = 1\r\nST_Lost = 2\r\n");
  startProgram();
  openStatisticsWindowSteps();
  EXPECT_EQ(figures(1), "Total Number of Games: 3|1|(33.33%)|2| (66.67%)|"
                        "Current Session: 0|0|(0.00%)|0| (0.00%)|1|2|0| |");
  closeWindow();
}

}  // namespace
