// The dialog tests' fixture.
#include "dialog_fixture.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "common/app_state.h"
#include "common/ids.h"
#include "media/backend.h"
#include "media/media.h"
#include "settings/config_file.h"

void DialogTest::SetUp() {
  previousDirectory_ = std::filesystem::current_path();
  std::string pattern = (std::filesystem::temp_directory_path() / "dialogs-XXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  directory_ = pattern;
  std::filesystem::current_path(directory_);
  media::initialise();
  media::registerPngDecoder();
  App = AppState{};
  ASSERT_NE(media::openWindow(ids::MainWindow, 0, 0, 620, 544, "Free Mirel ! v4",
                              media::WindowCaption | media::WindowCentreScreen, nullptr),
            0);
}

void DialogTest::TearDown() {
  if (ConfigFile::isOpen()) ConfigFile::close();
  media::releaseAll();
  std::filesystem::current_path(previousDirectory_);
  std::filesystem::remove_all(directory_);
}

void DialogTest::writeConfig(std::string_view settingsLines) {
  std::ofstream(ids::ConfigFileName, std::ios::binary) << "[Settings]\n" << settingsLines;
}

bool DialogTest::configExists() { return std::filesystem::exists(ids::ConfigFileName); }

std::string DialogTest::stored(std::string_view key) {
  EXPECT_FALSE(ConfigFile::isOpen()) << "the window left config.ini open";
  ConfigFile::open(ids::ConfigFileName);
  ConfigFile::selectGroup("Settings");
  std::string value = ConfigFile::readString(key, "(absent)");
  ConfigFile::close();
  return value;
}

std::string DialogTest::configBytes() {
  std::ostringstream bytes;
  bytes << std::ifstream(ids::ConfigFileName, std::ios::binary).rdbuf();
  return bytes.str();
}

const media::ControlRecord& DialogTest::control(int number) {
  static const media::ControlRecord none;
  const media::ControlRecord* record = media::core::findControl(number);
  EXPECT_NE(record, nullptr) << "no control " << number;
  return record ? *record : none;
}

const media::WindowRecord& DialogTest::window(int number) {
  static const media::WindowRecord none;
  const media::WindowRecord* record = media::core::findWindow(number);
  EXPECT_NE(record, nullptr) << "no window " << number;
  return record ? *record : none;
}

void DialogTest::pass(int (*windowPass)(), bool staysOpen) { EXPECT_EQ(windowPass() != 0, staysOpen); }
