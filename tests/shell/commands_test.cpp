// Toolbar, menu and shortcut commands: the pop-up menus, the help document
// reached two ways, and hiding the game behind the notification icon.
#include "common/common.h"
#include "common/ids.h"
#include "media/backend.h"
#include "media/headless/headless.h"
#include "media/media.h"
#include "shell/shell.h"
#include "tests/shell/shell_fixture.h"

namespace mt = media::testing;

using CommandTest = ShellScenario;

namespace {
std::string HelpDocument() {
  return media::pathPart(media::programFileName()) + "docs" + media::pathSeparator() + "Help.pdf";
}
}  // namespace

TEST_F(CommandTest, F1AndTheHelpItemOpenTheSameDocumentBesideTheProgram) {
  mt::pressShortcut(ids::MainWindow, media::KeyF1);
  Settle();
  mt::chooseMenuItem(ids::InfoMenu, ids::CommandHelp);
  mt::clickToolbarButton(ids::Toolbar, ids::CommandHelpMenu);
  Settle();
  const std::vector<std::string> opened = mt::openedDocuments();
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[0], HelpDocument());
  EXPECT_EQ(opened[1], HelpDocument());
}

TEST_F(CommandTest, TheOptionsAndHelpButtonsOpenTheirOwnMenus) {
  mt::clickToolbarButton(ids::Toolbar, ids::CommandOptions);
  Settle();
  mt::clickToolbarButton(ids::Toolbar, ids::CommandHelpMenu);
  Settle();
  EXPECT_EQ(media::headless::shownMenus(), (std::vector<int>{ids::SettingsMenu, ids::InfoMenu}));
  const media::MenuRecord* settings = media::core::findMenu(ids::SettingsMenu);
  const media::MenuRecord* info = media::core::findMenu(ids::InfoMenu);
  ASSERT_NE(settings, nullptr);
  ASSERT_NE(info, nullptr);
  ASSERT_EQ(settings->items.size(), 2u);
  EXPECT_EQ(settings->items[0].text, "Game Settings");
  EXPECT_EQ(settings->items[1].item, ids::CommandImageCollection);
  ASSERT_EQ(info->items.size(), 3u);
  EXPECT_EQ(info->items[0].text, "About");
  EXPECT_EQ(info->items[1].item, -1);  // the separator
  EXPECT_EQ(info->items[2].text, "Help");
  const media::ToolbarRecord* toolbar = media::core::findToolbar(ids::Toolbar);
  ASSERT_NE(toolbar, nullptr);
  ASSERT_EQ(toolbar->buttons.size(), 3u);
  EXPECT_EQ(toolbar->buttons[0].toolTip, "Statistics");
  EXPECT_EQ(toolbar->buttons[1].toolTip, "Options");
  EXPECT_EQ(toolbar->buttons[2].toolTip, "Help");
  EXPECT_EQ(toolbar->buttonWidth, 24);
  EXPECT_EQ(toolbar->minWidth, 16);
  EXPECT_EQ(toolbar->maxWidth, 32);
}

TEST_F(CommandTest, EscapeInATournamentPausesHidesAndShowsTheIcon) {
  StartGame("T", 36);
  ASSERT_TRUE(TimedGameRunning());
  mt::pressShortcut(ids::MainWindow, media::KeyEscape);
  Settle();
  EXPECT_EQ(App.GameState, Paused);
  EXPECT_EQ(media::controlState(ids::PauseButton), 1);
  EXPECT_TRUE(media::windowHidden(ids::MainWindow));
  const media::TrayRecord* tray = media::core::findTray(ids::TrayIcon);
  ASSERT_NE(tray, nullptr);
  EXPECT_EQ(tray->toolTip, "Free Mirel!");

  mt::clickTrayIcon(ids::TrayIcon);
  Settle();
  EXPECT_FALSE(media::windowHidden(ids::MainWindow));
  EXPECT_EQ(media::core::findTray(ids::TrayIcon), nullptr);
  EXPECT_EQ(App.GameState, Paused);  // the player resumes with the Pause button
}

TEST_F(CommandTest, EscapeInAPracticeGameOrWithoutAGameOnlyHides) {
  mt::pressShortcut(ids::MainWindow, media::KeyEscape);
  Settle();
  EXPECT_TRUE(media::windowHidden(ids::MainWindow));
  EXPECT_EQ(App.GameState, NoGame);
  mt::clickTrayIcon(ids::TrayIcon);
  Settle();
  ASSERT_FALSE(media::windowHidden(ids::MainWindow));

  StartGame("P", 36);
  mt::pressShortcut(ids::MainWindow, media::KeyEscape);
  Settle();
  EXPECT_TRUE(media::windowHidden(ids::MainWindow));
  EXPECT_EQ(App.GameState, Running);
  EXPECT_EQ(media::controlState(ids::PauseButton), 0);
}

// Without a notification area nothing could bring a hidden window back: the
// game is paused the same way and the window is minimised instead.
TEST_F(CommandTest, EscapeWithoutANotificationAreaPausesAndMinimises) {
  StartGame("T", 36);
  media::headless::setTrayAvailable(0);
  mt::pressShortcut(ids::MainWindow, media::KeyEscape);
  Settle();
  EXPECT_EQ(App.GameState, Paused);
  EXPECT_FALSE(media::windowHidden(ids::MainWindow));
  EXPECT_EQ(media::core::findWindow(ids::MainWindow)->minimised, 1);
  EXPECT_EQ(media::core::findTray(ids::TrayIcon), nullptr);
}
