// The fixture of the dialog tests: a fresh working directory for config.ini,
// the media layer initialised with a main window 0 to own the dialogs, and
// readers for the records and for the file on disk.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "media/records.h"

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes config.ini with a "Settings" group holding these "Key = value" lines.
  static void writeConfig(std::string_view settingsLines);
  static bool configExists();
  // The value of a "Settings" key as config.ini holds it on disk; "(absent)" when missing.
  static std::string stored(std::string_view key);
  static std::string configBytes();

  static const media::ControlRecord& control(int number);
  static const media::WindowRecord& window(int number);
  // Runs one pass of a dialog and checks whether the window stayed open.
  static void pass(int (*windowPass)(), bool staysOpen = true);

 private:
  std::filesystem::path previousDirectory_;
  std::filesystem::path directory_;
};
