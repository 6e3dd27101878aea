// The dialog tests' fixture.
#include "dialog_fixture.h"

#include "media/media.h"
#include "settings/config_file.h"

void DialogTest::SetUp() {
  ASSERT_TRUE(test_support::openBareMainWindow());
  media::registerPngDecoder();
}

std::string DialogTest::stored(std::string_view key) {
  EXPECT_FALSE(ConfigFile::isOpen()) << "the window left config.ini open";
  ConfigFile::open(ids::ConfigFileName);
  ConfigFile::selectGroup("Settings");
  std::string value = ConfigFile::readString(key, "(absent)");
  ConfigFile::close();
  return value;
}
