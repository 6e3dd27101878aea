// The scenario fixture of the shell tests (see shell_fixture.h).
#include "tests/shell/shell_fixture.h"

#include "common/common.h"
#include "media/media.h"
#include "settings/config_file.h"
#include "shell/shell.h"

void ShellScenario::WriteSettings(const std::string& mode, int tileSize) {
  ConfigFile::open(ids::ConfigFileName);
  ConfigFile::selectGroup("Settings");
  ConfigFile::writeString("Mode", mode);
  ConfigFile::writeInt("Size", tileSize);
  ConfigFile::writeInt("Time", 300);
  ConfigFile::close();
}

void ShellScenario::StartGame(const std::string& mode, int tileSize) {
  WriteSettings(mode, tileSize);
  ASSERT_TRUE(media::testing::clickControl(ids::NewButton));
  Settle();
  ASSERT_EQ(App.GameState, Running);
  ASSERT_EQ(TileSize(), tileSize);
}

int ShellScenario::CellX(int column) { return ids::FieldX + column * TileSize() + TileSize() / 2; }
int ShellScenario::CellY(int row) { return ids::FieldY + row * TileSize() + TileSize() / 2; }

Cell ShellScenario::CellWithGroup() {
  const Board& b = App.GameBoard;
  for (int c = 0; c < b.columns; ++c)
    for (int r = 0; r < b.rows; ++r) {
      const int v = b.at(c, r, App.CurrentStep);
      if (v == 0) continue;
      if ((c + 1 < b.columns && b.at(c + 1, r, App.CurrentStep) == v) ||
          (r + 1 < b.rows && b.at(c, r + 1, App.CurrentStep) == v))
        return {c, r};
    }
  return {-1, -1};
}

bool SameFrame(const media::testing::Frame& a, const media::testing::Frame& b) {
  return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

std::vector<std::uint32_t> CellPixels(const media::testing::Frame& frame, Cell cell, int tileSize) {
  std::vector<std::uint32_t> out;
  for (int y = cell.row * tileSize; y < (cell.row + 1) * tileSize; ++y)
    for (int x = cell.column * tileSize; x < (cell.column + 1) * tileSize; ++x)
      out.push_back(frame.pixels[static_cast<std::size_t>(y) * frame.width + x]);
  return out;
}
