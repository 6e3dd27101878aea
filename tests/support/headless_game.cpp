// Starting and driving the game on the headless back end; see headless_game.h.
#include "tests/support/headless_game.h"

#include "tests/support/game_scene.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/app_state.h"
#include "common/common.h"
#include "media/headless/headless.h"
#include "media/media.h"
#include "shell/shell.h"
#include "tests/support/platform.h"

namespace test_support {

namespace {

// Start-up ends the process itself when it fails, before a test could set a
// hook; that exit must fail the test, not pass it.
bool startingUp = false;
void FailExitDuringStartUp() {
  if (!startingUp) return;
  std::fprintf(stderr, "the program ended during start-up (is %s beside the test?)\n", AssetLibraryFile);
  std::_Exit(1);
}

}  // namespace

void startGame(std::optional<std::string_view> config) {
  static const bool guarded = std::atexit(FailExitDuringStartUp) == 0;
  (void)guarded;
  startingUp = true;
  startUp(config);
  startingUp = false;
}

void throwWhenProgramEnds() {
  media::headless::setEndProcessHook([](int code) { throw ProgramEnded{code}; });
}

bool settle(const std::function<void()>& afterEvent) {
  for (int pass = 0; pass < SettlePassLimit; ++pass) {
    RunMainLoopPass();
    if (App.LastEvent == media::EventNone) return true;
    if (afterEvent) afterEvent();
  }
  ADD_FAILURE() << "the main loop was still busy after " << SettlePassLimit << " passes";
  return false;
}

void advanceClock(int ms, const std::function<void()>& afterEvent) {
  const std::int64_t end = media::headless::now() + ms;
  while (media::headless::now() < end) {
    RunMainLoopPass();
    if (afterEvent && App.LastEvent != media::EventNone) afterEvent();
  }
}

}  // namespace test_support
