// The scene of a test that runs game code: a fresh scratch directory that is
// the working directory while the scene lives (so config.ini is the test's
// own), and at its end the game's leftovers cleared before the directory goes:
// config.ini closed if the game left it open, every object of the media layer
// released. It works with either media back end.
#pragma once

#include <optional>
#include <string_view>

#include "tests/support/scratch_dir.h"

namespace test_support {

class GameScene : public ScratchDir {
 public:
  // The directory is made in base (see ScratchDir) and entered.
  explicit GameScene(std::string_view base = {});
  ~GameScene();
};

// For tests of one window of the game without the rest of start-up: the media
// layer initialised, a fresh application record, and the main window open as
// the owner of the dialogs (620 x 544, its caption only). False when the
// window did not open.
bool openBareMainWindow();

// Resets the application record and runs the real start-up steps in the
// working directory, then sets no game, as StartUp does before its loop. With
// config, config.ini is first written with exactly those bytes. On the
// headless back end use startGame (headless_game.h), which also guards the
// exit of a failed start-up.
void startUp(std::optional<std::string_view> config = std::nullopt);

}  // namespace test_support
