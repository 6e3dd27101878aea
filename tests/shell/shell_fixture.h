// The scenario fixture of the shell tests: the real start-up on the headless
// back end in a fresh working directory, and helpers that play the game the
// way a player does (click New, move the mouse, press keys) one loop pass at
// a time.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/app_state.h"
#include "media/testing.h"

class ShellScenario : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

 public:
  // Runs loop passes until one finds no event (the virtual clock moves on 15 ms
  // per empty pass); at most `limit` passes.
  static void Settle(int limit = 50);
  // Writes settings into config.ini the way the options window would.
  static void WriteSettings(const std::string& mode, int tileSize);
  // Starts a game with the New button: "P" practice or "T" tournament.
  static void StartGame(const std::string& mode, int tileSize = 36);
  // Client coordinates of the middle of a board cell.
  static int CellX(int column);
  static int CellY(int row);
  // A cell whose tile has a neighbour of its own colour, so a click removes a group.
  static Cell CellWithGroup();
  static std::string ReadConfig();

 protected:
  std::filesystem::path previousDirectory_;
  std::filesystem::path workDirectory_;
};

bool SameFrame(const media::testing::Frame& a, const media::testing::Frame& b);
// The pixels of one cell of a frame, row by row.
std::vector<std::uint32_t> CellPixels(const media::testing::Frame& frame, Cell cell, int tileSize);
