// The headless back end's state: the simulated desktop and what the layer did
// with it. Shared by the back-end functions and the test driver.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "media/records.h"
#include "media/testing.h"

namespace media::headless {

struct State {
  std::int64_t clockMs = 0;
  int screenWidth = 1920, screenHeight = 1080;
  int trayAvailable = 1;
  int verticalDpi = 96;
  int audioAvailable = 1;
  std::function<void()> idleHook;
  std::function<void(int)> endProcessHook;
  std::uint64_t inputPosted = 0;  // counts input events the driver posted

  int mouseWindow = -1;  // the window the cursor is over, -1 none
  int mouseX = -1, mouseY = -1;

  std::map<std::pair<int, int>, int> shortcuts;  // (window, key) -> menu item
  std::map<int, std::deque<int>> menuChoices;    // menu -> queued item choices
  std::deque<int> boxAnswers;
  std::vector<testing::ShownMessageBox> boxes;
  std::vector<std::string> documents;
  std::vector<int> activations;
  std::vector<int> menusShown;
  std::map<int, Rect> invalidated;
  const ScreenRecord* screen = nullptr;
  int frames = 0;
  testing::Frame lastFrame;
  Rect lastChange;  // the changed part of the last frame
};

State& state();
void resetState();  // back to the defaults, keeping the desktop settings' defaults too
void post(int kind, int window, int object = -1, int type = 0);

}  // namespace media::headless
