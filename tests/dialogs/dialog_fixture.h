// The fixture of the dialog tests: a fresh working directory for config.ini,
// the media layer initialised with a main window 0 to own the dialogs, and
// readers for the records and for the file on disk.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "common/ids.h"
#include "media/records.h"
#include "tests/support/files.h"
#include "tests/support/game_scene.h"
#include "tests/support/records.h"

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override;

  // Writes config.ini with a "Settings" group holding these "Key = value" lines.
  static void writeConfig(std::string_view settingsLines) {
    test_support::writeFile(ids::ConfigFileName, "[Settings]\n" + std::string(settingsLines));
  }
  static bool configExists() { return test_support::fileExists(ids::ConfigFileName); }
  // The value of a "Settings" key as config.ini holds it on disk; "(absent)" when missing.
  static std::string stored(std::string_view key);
  static std::string configBytes() { return test_support::readFile(ids::ConfigFileName); }

  static const media::ControlRecord& control(int number) { return test_support::controlRecord(number); }
  static const media::WindowRecord& window(int number) { return test_support::windowRecord(number); }
  // Runs one pass of a dialog and checks whether the window stayed open.
  static void pass(int (*windowPass)(), bool staysOpen = true) { EXPECT_EQ(windowPass() != 0, staysOpen); }

 private:
  test_support::GameScene scene_;
};
