// The shared scene of the engine tests: see game_fixture.h.
#include "tests/engine/game_fixture.h"

#include "common/ids.h"
#include "media/headless/headless.h"
#include "media/media.h"
#include "media/testing.h"
#include "tests/support/files.h"
#include "tests/support/stored_config.h"

namespace {

const Settings DefaultSettings = {
    {"Colors", "4"}, {"Size", "36"}, {"Mode", "P"}, {"Time", "3600"}, {"Undo", "1"},
    {"Sound", "0"},  {"Vol", "50"},  {"Collection", "111111111111"},
};

}  // namespace

std::string Show(const std::vector<std::string>& rows) {
  std::string text = "\n";
  for (const std::string& row : rows) text += "  " + row + "\n";
  return text;
}

void GameTest::SetUp() {
  WriteSettings({});
  test_support::startGame();
}

void GameTest::WriteSettings(const Settings& changes) {
  Settings settings = DefaultSettings;
  for (const auto& [key, value] : changes) settings[key] = value;
  std::string text = "\xEF\xBB\xBF\r\n[Settings]\r\n";
  for (const auto& [key, value] : settings) text += key + " = " + value + "\r\n";
  // Keep the statistics groups a test may have produced.
  for (const test_support::StoredGroup& group : test_support::ReadStoredConfig(ids::ConfigFileName).groups) {
    if (group.name == "Settings") continue;
    text += "[" + group.name + "]\r\n";
    for (const test_support::StoredKey& key : group.keys) text += key.name + " = " + key.value + "\r\n";
  }
  test_support::writeFile(ids::ConfigFileName, text);
}

std::string GameTest::StoredValue(const std::string& group, const std::string& key) {
  return test_support::ReadStoredConfig(ids::ConfigFileName).value(group, key).value_or("");
}

void GameTest::PressNew() {
  ASSERT_TRUE(media::testing::clickControl(ids::NewButton));
  Settle();
}

void GameTest::PressUndo() {
  ASSERT_TRUE(media::testing::clickControl(ids::UndoButton)) << "the Undo button is hidden";
  Settle();
}

void GameTest::PressPause() {
  ASSERT_TRUE(media::testing::clickControl(ids::PauseButton)) << "the Pause button is hidden";
  Settle();
}

int GameTest::tileSize() { return media::spriteWidth(ids::FirstTileSprite); }

void GameTest::ClickCell(int column, int row) {
  const int t = tileSize();
  ASSERT_GT(t, 0);
  const int x = ids::FieldX + column * t + t / 2;
  const int y = ids::FieldY + row * t + t / 2;
  media::testing::moveMouse(ids::MainWindow, x, y);
  Settle();
  media::testing::leftClick(ids::MainWindow, x, y);
  Settle();
}

void GameTest::SetPosition(const std::vector<std::string>& rows) {
  Board& board = App.GameBoard;
  ASSERT_EQ(static_cast<int>(rows.size()), board.rows);
  board.resizeSteps(1);
  App.CurrentStep = 0;
  int tiles = 0;
  for (int row = 0; row < board.rows; ++row) {
    ASSERT_EQ(static_cast<int>(rows[row].size()), board.columns);
    for (int column = 0; column < board.columns; ++column) {
      const char c = rows[row][column];
      board.at(column, row, 0) = c == '.' ? 0 : ids::FirstTileSprite + (c - 'A');
      tiles += c == '.' ? 0 : 1;
    }
  }
  App.TilesLeft.assign(1, tiles);
}

std::vector<std::string> GameTest::Position() {
  const Board& board = App.GameBoard;
  std::vector<std::string> rows(board.rows, std::string(board.columns, '.'));
  for (int row = 0; row < board.rows; ++row)
    for (int column = 0; column < board.columns; ++column)
      if (const int v = board.at(column, row, App.CurrentStep); v != 0)
        rows[row][column] = static_cast<char>('A' + v - ids::FirstTileSprite);
  return rows;
}

std::string GameTest::Text(int control) { return media::controlText(control); }

int GameTest::Hidden(int control) { return media::controlHidden(control); }

std::vector<int> GameTest::PlayedSounds() {
  std::vector<int> numbers;
  for (const auto& sound : media::headless::playedSounds()) numbers.push_back(sound.number);
  return numbers;
}
