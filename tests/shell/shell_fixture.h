// The scenario fixture of the shell tests: the real start-up on the headless
// back end in a fresh working directory, and helpers that play the game the
// way a player does (click New, move the mouse, press keys) one loop pass at
// a time.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "common/app_state.h"
#include "common/ids.h"
#include "media/testing.h"
#include "tests/support/files.h"
#include "tests/support/game_scene.h"
#include "tests/support/headless_game.h"

class ShellScenario : public ::testing::Test {
 protected:
  void SetUp() override {
    test_support::startGame();
    Settle();
  }

 public:
  static void Settle() { test_support::settle(); }
  // Writes settings into config.ini the way the options window would.
  static void WriteSettings(const std::string& mode, int tileSize);
  // Starts a game with the New button: "P" practice or "T" tournament.
  static void StartGame(const std::string& mode, int tileSize = 36);
  // Client coordinates of the middle of a board cell.
  static int CellX(int column);
  static int CellY(int row);
  // A cell whose tile has a neighbour of its own colour, so a click removes a group.
  static Cell CellWithGroup();
  static std::string ReadConfig() { return test_support::readFile(ids::ConfigFileName); }

 protected:
  test_support::GameScene scene_;
};

bool SameFrame(const media::testing::Frame& a, const media::testing::Frame& b);
// The pixels of one cell of a frame, row by row.
std::vector<std::uint32_t> CellPixels(const media::testing::Frame& frame, Cell cell, int tileSize);
