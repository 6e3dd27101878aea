// The scene of an engine test: a fresh temporary working directory with a
// config.ini of the test's own settings, the real start-up on the headless
// back end, and helpers that drive the real main loop with the virtual clock
// and read back what the player would see.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "common/app_state.h"
#include "tests/support/game_scene.h"
#include "tests/support/headless_game.h"

using Settings = std::map<std::string, std::string>;

class GameTest : public ::testing::Test {
 protected:
  void SetUp() override;

  // Writes config.ini: group "Settings" with these keys over the defaults of
  // a first start (Easy, 4 colours, practice, sound off).
  void WriteSettings(const Settings& changes);
  // Reads a key of a group back from config.ini on disk ("" when missing).
  std::string StoredValue(const std::string& group, const std::string& key);

  // The main loop and the virtual clock, as tests/support/headless_game.h drives them.
  static void Settle() { test_support::settle(); }
  static void Advance(int ms) { test_support::advanceClock(ms); }
  void PressNew();
  void PressUndo();
  void PressPause();
  // Hovers and clicks the cell through the main window, as the player does.
  void ClickCell(int column, int row);

  // Replaces step 0 of a running game by a position written as rows from the
  // top, one character per column: '.' cleared, 'A' sprite 3, 'B' 4 and so on.
  void SetPosition(const std::vector<std::string>& rows);
  // The grid of the step in play, in the same notation.
  std::vector<std::string> Position();

  std::string Text(int control);
  int Hidden(int control);
  // The numbers of the sounds played since the layer was initialised.
  std::vector<int> PlayedSounds();

  int tileSize();

  test_support::GameScene scene;
};

// A board printed one row a line, for failure messages.
std::string Show(const std::vector<std::string>& rows);
