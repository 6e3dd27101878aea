// Fault runs of the configuration file: the real game on the headless back end,
// started in a directory whose config.ini is read-only, lies in a read-only
// directory, is a directory, is 10 MB of random bytes, or holds garbage,
// negative or huge settings. Every run plays a whole session (the dialogs, a
// tournament or practice game, Escape and the tray, quitting) and must never
// crash; a player's statistics in a writable file must come out intact.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <random>
#include <string>

#include "common/app_state.h"
#include "common/common.h"
#include "common/ids.h"
#include "media/headless/headless.h"
#include "media/media.h"
#include "media/testing.h"
#include "settings/config_file.h"
#include "shell/shell.h"
#include "tests/support/files.h"
#include "tests/support/game_scene.h"
#include "tests/support/headless_game.h"
#include "tests/support/records.h"
#include "tests/support/stored_config.h"

namespace {

using test_support::advanceClock;
using test_support::ProgramEnded;
using test_support::readFile;
using test_support::ReadStoredConfig;
using test_support::settle;
using test_support::StoredConfig;
using test_support::writeFile;

// A player's file: tournament settings and stored statistics of both levels.
std::string PlayersFile(std::string_view settings) {
  return "\xEF\xBB\xBF\r\n[Settings]\r\n" + std::string(settings) +
         "[Lvl-Lo]\r\nOA_Won = 7\r\nOA_Lost = 3\r\nST_Won = 4\r\nST_Lost = 2\r\n"
         "[Lvl-Hi]\r\nOA_Won = 11\r\nOA_Lost = 13\r\nST_Won = 5\r\nST_Lost = 6\r\n";
}
constexpr const char* TournamentSettings =
    "Colors = 3\r\nSize = 36\r\nMode = T\r\nTime = 300\r\nUndo = 1\r\nSound = 1\r\nVol = 50\r\n"
    "Collection = 111111111111\r\n";

struct Statistics {
  int won, lost, longestWon, longestLost;
  bool operator==(const Statistics&) const = default;
};
Statistics StoredStatistics(const StoredConfig& config, const char* group) {
  return {config.number(group, "OA_Won", 0), config.number(group, "OA_Lost", 0), config.number(group, "ST_Won", 0),
          config.number(group, "ST_Lost", 0)};
}
// What PlayersFile stores for each level.
constexpr Statistics PlayersEasy{7, 3, 4, 2}, PlayersHard{11, 13, 5, 6};
void PrintTo(const Statistics& s, std::ostream* os) {
  *os << "{won " << s.won << ", lost " << s.lost << ", streaks " << s.longestWon << "/" << s.longestLost << "}";
}

class ConfigFault : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(test_support::honourFilePermissions()); }

  std::string ConfigPath() const { return scene.file(ids::ConfigFileName); }

  // Start-up must reach the main loop: the main window open and shown.
  void Start() {
    ASSERT_NO_THROW(test_support::startGame());
    test_support::throwWhenProgramEnds();
    ASSERT_TRUE(media::windowExists(ids::MainWindow));
    // Dialogs opened by the session are closed as soon as they wait; a
    // collection window that refuses for want of a selection gets one.
    media::headless::setIdleHook([this] {
      const int dialog = test_support::topDialog();
      if (dialog < 0) return;
      ++dialogWaits;
      if (dialog == ids::CollectionWindow && dialogWaits % 2 == 0)
        media::testing::clickControl(test_support::controlWithText(dialog, "Select all"));
      else
        media::testing::requestClose(dialog);
    });
  }

  void OpenFromMenu(int toolbarButton, int menu, int item) {
    if (media::testing::clickToolbarButton(ids::Toolbar, toolbarButton)) {
      media::testing::chooseMenuItem(menu, item);
      settle();
    }
  }

  void ClickEveryCell() {
    const int t = TileSize() > 0 ? TileSize() : 36;
    for (int column = 0; column < ids::FieldWidth / t; ++column)
      for (int row = ids::FieldHeight / t - 1; row >= 0; --row) {
        media::testing::leftClick(ids::MainWindow, ids::FieldX + column * t + t / 2, ids::FieldY + row * t + t / 2);
        settle();
      }
  }

  // What a player does in one sitting short of quitting: every dialog before
  // the game, a new game played over the whole field, some seconds of the
  // clock, Escape and back from the tray, the statistics during the game.
  void PlaySession() {
    OpenFromMenu(ids::CommandOptions, ids::SettingsMenu, ids::CommandGameSettings);
    OpenFromMenu(ids::CommandOptions, ids::SettingsMenu, ids::CommandImageCollection);
    OpenFromMenu(ids::CommandHelpMenu, ids::InfoMenu, ids::CommandAbout);
    media::testing::clickToolbarButton(ids::Toolbar, ids::CommandStatistics);
    settle();
    EXPECT_FALSE(ConfigFile::isOpen()) << "a closed dialog left the configuration file open";

    media::testing::clickControl(ids::NewButton);
    settle();
    EXPECT_EQ(App.GameState, Running);
    EXPECT_GT(media::testing::presentedFrameCount(), 0);
    // Read before the clicks, which may end the game and hide the button.
    pauseShownInTheGame = !media::controlHidden(ids::PauseButton);
    ClickEveryCell();
    advanceClock(3000);
    media::testing::pressShortcut(ids::MainWindow, media::KeyEscape);
    settle();
    media::testing::clickTrayIcon(ids::TrayIcon);
    settle();
    EXPECT_FALSE(media::windowHidden(ids::MainWindow));
    media::testing::clickToolbarButton(ids::Toolbar, ids::CommandStatistics);
    settle();
  }

  // Quits with the answer Yes; the program must end with exit code 0.
  void QuitAnsweringYes() {
    if (App.GameState == Running || App.GameState == Paused) media::testing::answerMessageBox(media::ButtonYes);
    try {
      media::testing::clickControl(ids::QuitButton);
      settle();
      ADD_FAILURE() << "Quit did not end the program";
    } catch (const ProgramEnded& ended) {
      EXPECT_EQ(ended.exitCode, 0);
    }
  }

  test_support::GameScene scene;
  int dialogWaits = 0;
  bool pauseShownInTheGame = false;
};

TEST_F(ConfigFault, ReadOnlyFileIsPlayedAndLeftUntouched) {
  const std::string original = PlayersFile(TournamentSettings);
  writeFile(ConfigPath(), original);
  chmod(ConfigPath().c_str(), 0444);
  Start();
  PlaySession();
  EXPECT_TRUE(pauseShownInTheGame) << "the read-only file's tournament mode was not used";
  QuitAnsweringYes();
  EXPECT_EQ(readFile(ConfigPath()), original);
}

TEST_F(ConfigFault, WritableFileInReadOnlyDirectoryKeepsEveryResult) {
  writeFile(ConfigPath(), PlayersFile(TournamentSettings));
  chmod(scene.path().c_str(), 0555);
  Start();
  PlaySession();
  // Quitting a tournament game counts it as lost; the file must take it.
  QuitAnsweringYes();
  const StoredConfig config = ReadStoredConfig(ConfigPath());
  EXPECT_EQ(StoredStatistics(config, "Lvl-Lo"), (Statistics{PlayersEasy.won, PlayersEasy.lost + 1, 4, 2}));
  EXPECT_EQ(StoredStatistics(config, "Lvl-Hi"), PlayersHard);
  EXPECT_EQ(test_support::MissingSettings(config), "");
}

TEST_F(ConfigFault, ReadOnlyDirectoryWithoutFilePlaysOnFallbacks) {
#ifdef _WIN32
  GTEST_SKIP() << "a folder's read-only attribute does not stop new files on Windows";
#endif
  chmod(scene.path().c_str(), 0555);
  Start();
  PlaySession();
  // The fallbacks of a new game: three colours on the easy level.
  EXPECT_EQ(TileSize(), 36);
  EXPECT_FALSE(std::filesystem::exists(ConfigPath()));
  QuitAnsweringYes();
}

TEST_F(ConfigFault, DirectoryInPlaceOfTheFileIsLeftAlone) {
  std::filesystem::create_directory(ConfigPath());
  writeFile(ConfigPath() + "/keep", "x");
  Start();
  PlaySession();
  QuitAnsweringYes();
  EXPECT_TRUE(std::filesystem::is_directory(ConfigPath()));
  EXPECT_EQ(readFile(ConfigPath() + "/keep"), "x");
}

TEST_F(ConfigFault, SixHundredKilobytesOfRandomBytesGetTheDefaultSettings) {
  std::mt19937 generator(20261208);
  std::string noise(600 * 1024, '\0');
  for (char& byte : noise) byte = static_cast<char>(generator());
  writeFile(ConfigPath(), noise);
  Start();
  PlaySession();
  QuitAnsweringYes();
  EXPECT_EQ(test_support::MissingSettings(ReadStoredConfig(ConfigPath())), "");
}

TEST_F(ConfigFault, TenMegabytesOfRandomBytesAreNoConfigurationAndAreLeftAlone) {
  std::mt19937 generator(20261208);
  std::string noise(10 * 1024 * 1024, '\0');
  for (char& byte : noise) byte = static_cast<char>(generator());
  writeFile(ConfigPath(), noise);
  Start();
  PlaySession();
  QuitAnsweringYes();
  EXPECT_TRUE(test_support::readFile(ConfigPath()) == noise);
}

TEST_F(ConfigFault, GarbageInEverySettingStillPlaysAndKeepsTheStatistics) {
  writeFile(ConfigPath(),
                         PlayersFile("Colors = many\r\nSize = huge\r\nMode = ??\r\nTime = soon\r\nUndo = maybe\r\n"
                                     "Sound = loud\r\nVol = \xC3\xA9\xC3\xA9\r\nCollection = none of them\r\n"));
  Start();
  PlaySession();
  QuitAnsweringYes();
  // An unknown mode is no tournament: nothing may have been counted.
  const StoredConfig config = ReadStoredConfig(ConfigPath());
  EXPECT_EQ(StoredStatistics(config, "Lvl-Lo"), PlayersEasy);
  EXPECT_EQ(StoredStatistics(config, "Lvl-Hi"), PlayersHard);
}

TEST_F(ConfigFault, NegativeSettingsPlayATournamentThatIsCounted) {
  // "Size" -36 is not 36, so the hard level; a negative time still ends the game.
  writeFile(ConfigPath(),
                         PlayersFile("Colors = 4\r\nSize = -36\r\nMode = T\r\nTime = -300\r\nUndo = -1\r\n"
                                     "Sound = -1\r\nVol = -50\r\nCollection = -1\r\n"));
  Start();
  PlaySession();
  QuitAnsweringYes();
  const StoredConfig config = ReadStoredConfig(ConfigPath());
  EXPECT_EQ(StoredStatistics(config, "Lvl-Lo"), PlayersEasy);
  const Statistics hard = StoredStatistics(config, "Lvl-Hi");
  EXPECT_EQ(hard.won + hard.lost, PlayersHard.won + PlayersHard.lost + 1) << "the tournament game was not counted exactly once";
}

TEST_F(ConfigFault, NegativeColoursRestoreTheDefaultsAndKeepTheStatistics) {
  writeFile(ConfigPath(), PlayersFile("Colors = -2147483648\r\nSize = 24\r\nMode = T\r\n"));
  Start();
  PlaySession();
  QuitAnsweringYes();
  const StoredConfig config = ReadStoredConfig(ConfigPath());
  EXPECT_EQ(config.value("Settings", "Mode"), "P");
  EXPECT_EQ(config.value("Settings", "Size"), "36");
  EXPECT_EQ(StoredStatistics(config, "Lvl-Lo"), PlayersEasy);
  EXPECT_EQ(StoredStatistics(config, "Lvl-Hi"), PlayersHard);
}

TEST_F(ConfigFault, HugeNumbersPlayATournamentThatIsCounted) {
  writeFile(ConfigPath(),
                         PlayersFile("Colors = 2147483647\r\nSize = 99999999999999999999\r\nMode = T\r\n"
                                     "Time = 2147483647\r\nUndo = 2147483647\r\nSound = 2147483647\r\n"
                                     "Vol = 99999999999999999999\r\nCollection = 1111111111111111111111111111\r\n"));
  Start();
  PlaySession();
  QuitAnsweringYes();
  const StoredConfig config = ReadStoredConfig(ConfigPath());
  const Statistics easy = StoredStatistics(config, "Lvl-Lo");
  const Statistics hard = StoredStatistics(config, "Lvl-Hi");
  EXPECT_EQ(easy.won + easy.lost + hard.won + hard.lost,
            PlayersEasy.won + PlayersEasy.lost + PlayersHard.won + PlayersHard.lost + 1);
}

}  // namespace
