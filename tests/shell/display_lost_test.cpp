// The display going away while the options window holds changes in the open
// config.ini: the handler that start-up gives the layer runs the one shutdown,
// which writes the file back and ends with exit code 0. The headless back end
// never loses its display, so the test reports the loss as a back end would.
#include <string>

#include "common/ids.h"
#include "dialogs/options_window.h"
#include "media/backend.h"
#include "media/headless/headless.h"
#include "media/media.h"
#include "settings/config_file.h"
#include "tests/shell/shell_fixture.h"

namespace {

struct Ended {
  int code;
};

using DisplayLostTest = ShellScenario;

TEST_F(DisplayLostTest, WritesTheOpenConfigurationBackAndEndsWithCodeZero) {
  openOptionsWindowSteps();
  ASSERT_EQ(media::testing::clickControl(Options.hard), 1);
  ASSERT_EQ(optionsWindowPass(), 1);
  ASSERT_TRUE(ConfigFile::isOpen());
  ASSERT_NE(ReadConfig().find("Size = 36\r\n"), std::string::npos) << "nothing reaches the disk before the close";

  media::headless::setEndProcessHook([](int code) { throw Ended{code}; });
  int code = -1;
  try {
    media::core::displayLost();
  } catch (const Ended& ended) {
    code = ended.code;
  }
  EXPECT_EQ(code, 0);
  EXPECT_FALSE(ConfigFile::isOpen());
  EXPECT_NE(ReadConfig().find("Size = 24\r\n"), std::string::npos) << ReadConfig();
  // After a loss the layer leaves every window record alone; a fresh layer has
  // its display again, so the fixture's release sweeps them all.
  media::initialise();
}

}  // namespace
