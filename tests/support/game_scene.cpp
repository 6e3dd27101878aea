// The scene of a game test; see game_scene.h.
#include "tests/support/game_scene.h"

#include "common/app_state.h"
#include "common/ids.h"
#include "media/media.h"
#include "settings/config_file.h"
#include "shell/shell.h"
#include "tests/support/files.h"

namespace test_support {

GameScene::GameScene(std::string_view base) : ScratchDir(base) { enter(); }

GameScene::~GameScene() {
  if (ConfigFile::isOpen()) ConfigFile::close();
  media::releaseAll();
}

bool openBareMainWindow() {
  media::initialise();
  App = AppState{};
  return media::openWindow(ids::MainWindow, 0, 0, 620, 544, "Free Mirel ! v4",
                           media::WindowCaption | media::WindowCentreScreen, nullptr) != 0;
}

void startUp(std::optional<std::string_view> config) {
  if (config) writeFile(ids::ConfigFileName, *config);
  App = AppState{};
  StartUpSteps();
  App.GameState = NoGame;
}

}  // namespace test_support
