// The fixture of the statistics tests: the media layer with a main window that
// has the Pause and Undo buttons, config.ini in a fresh working directory, and
// helpers that load and record statistics the way start-up and a game end do.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "common/ids.h"
#include "common/statistics.h"
#include "dialogs/statistics_window.h"
#include "media/records.h"
#include "tests/support/files.h"
#include "tests/support/game_scene.h"
#include "tests/support/records.h"

class StatisticsTest : public ::testing::Test {
 protected:
  void SetUp() override;

  static void writeConfig(const std::string& bytes) { test_support::writeFile(ids::ConfigFileName, bytes); }
  static std::string configBytes();
  // A program start: fresh records, then statistics action 2 with the file open.
  static void startProgram();
  // A game result recorded as the game end does: the file opened around it.
  static void record(int code);
  // Writes one key of "Settings" (as the options window would).
  static void setSetting(const std::string& key, const std::string& value);

  static std::string text(int control) { return test_support::controlRecord(control).text; }
  static const media::ControlRecord& control(int number) { return test_support::controlRecord(number); }
  static const StatisticsTab& tab(int levelIndex) { return StatisticsControls.tabs[levelIndex]; }
  // The figures of a tab in reading order, one string.
  static std::string figures(int levelIndex);
  // Closes the window with its close box, which ends the window's loop.
  static void closeWindow();

 private:
  test_support::GameScene scene_;
};

extern const std::string Mark;           // EF BB BF CR LF
extern const std::string SilentDefaults;  // the "Settings" group written without sound
