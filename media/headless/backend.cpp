// The headless back end: no native objects, a virtual clock, and a simulated
// desktop whose every effect is recorded for tests. It keeps the whole
// contract of the real back end: the same repaint, close, menu and tray events.
#include <cstdio>
#include <cstdlib>

#include "media/backend.h"
#include "media/core/sound_mixer.h"
#include "media/headless/headless.h"
#include "media/headless/state.h"

namespace media {
namespace headless {
namespace {

constexpr std::int64_t clockStart = 1000000;  // away from 0, so no time reads as "unset"

// Every sound played since the layer last released everything; it outlives
// initialise, as the sounds themselves do.
std::vector<PlayedSound>& playLog() {
  static std::vector<PlayedSound> log;
  return log;
}

}  // namespace

std::vector<PlayedSound> playedSounds() { return playLog(); }

State& state() {
  static State instance;
  return instance;
}

void resetState() {
  state() = State{};
  state().clockMs = clockStart;
}

void post(int kind, int window, int object, int type) {
  core::postEvent({kind, window, object, type, -1});
  ++state().inputPosted;
}

void setScreenSize(int width, int height) {
  state().screenWidth = width;
  state().screenHeight = height;
}
void setTrayAvailable(int available) { state().trayAvailable = available; }
void setVerticalDpi(int dpi) { state().verticalDpi = dpi; }
void setAudioAvailable(int available) { state().audioAvailable = available; }
std::int64_t now() { return state().clockMs; }
void advance(int ms) { state().clockMs += ms > 0 ? ms : 0; }
void setIdleHook(std::function<void()> hook) { state().idleHook = std::move(hook); }
void setEndProcessHook(std::function<void(int)> hook) { state().endProcessHook = std::move(hook); }
const ScreenRecord* screen() { return state().screen; }
std::vector<int> activatedWindows() { return state().activations; }
std::vector<int> shownMenus() { return state().menusShown; }

Rect lastInvalidated(int window) {
  auto it = state().invalidated.find(window);
  return it == state().invalidated.end() ? Rect{} : it->second;
}

int shortcutItem(int window, int key) {
  auto it = state().shortcuts.find({window, key});
  return it == state().shortcuts.end() ? -1 : it->second;
}

}  // namespace headless

namespace backend {

using headless::State;
using headless::state;

void initialise() { headless::resetState(); }
void shutdown() { headless::playLog().clear(); }

std::int64_t clockMs() { return state().clockMs; }

void waitNative(std::int64_t timeoutMs) {
  const std::uint64_t before = state().inputPosted;
  if (state().idleHook) state().idleHook();
  if (state().inputPosted != before) return;
  if (timeoutMs < 0) {
    std::fprintf(stderr, "headless: waiting without a timeout, and no input or timer can ever come\n");
    std::abort();
  }
  state().clockMs += timeoutMs;
}

void sleepMs(int ms) { state().clockMs += ms; }

void endProcess(int exitCode) {
  if (state().endProcessHook) state().endProcessHook(exitCode);
  std::exit(exitCode);
}

void screenSize(int& width, int& height) {
  width = state().screenWidth;
  height = state().screenHeight;
}

bool createWindow(WindowRecord& window) {
  state().activations.push_back(window.number);
  return true;
}

void destroyWindow(WindowRecord& window) {
  std::erase_if(state().shortcuts, [&](const auto& entry) { return entry.first.first == window.number; });
  state().invalidated.erase(window.number);
  if (state().mouseWindow == window.number) state().mouseWindow = -1;
}

void updateWindow(WindowRecord&) {}
void activateWindow(WindowRecord& window) { state().activations.push_back(window.number); }

void invalidateWindow(WindowRecord& window, const Rect& rect, bool erase) {
  state().invalidated[window.number] = rect;
  if (erase) headless::post(EventRepaint, window.number);
}

void repaintNow(WindowRecord&) {}

bool mousePosition(const WindowRecord& window, int& x, int& y) {
  const State& s = state();
  if (s.mouseWindow != window.number || s.mouseX < 0 || s.mouseY < 0 || s.mouseX >= window.client.width ||
      s.mouseY >= window.client.height)
    return false;
  x = s.mouseX;
  y = s.mouseY;
  return true;
}

int windowScreenX(const WindowRecord& window) { return window.client.x; }

bool createControl(ControlRecord&) { return true; }
void destroyControl(ControlRecord&) {}
void updateControl(ControlRecord&) {}
void appendRichTextLine(ControlRecord&, std::string_view) {}
void addTab(ControlRecord&, std::string_view) {}

bool createMenu(MenuRecord&) { return true; }
void destroyMenu(MenuRecord& menu) { state().menuChoices.erase(menu.number); }
void updateMenu(MenuRecord&) {}

void showMenu(MenuRecord& menu, const WindowRecord& owner) {
  state().menusShown.push_back(menu.number);
  auto& choices = state().menuChoices[menu.number];
  if (choices.empty()) return;  // the user dismissed the menu
  const int item = choices.front();
  choices.pop_front();
  headless::post(EventMenu, owner.number, item);
}

bool createToolbar(ToolbarRecord&) { return true; }
void destroyToolbar(ToolbarRecord&) {}
void updateToolbar(ToolbarRecord&) {}
bool trayAvailable() { return state().trayAvailable != 0; }
bool createTray(TrayRecord&) { return state().trayAvailable != 0; }
void destroyTray(TrayRecord&) {}
void updateTray(TrayRecord&) {}

bool addShortcut(WindowRecord& window, int key, int menuItem) {
  state().shortcuts[{window.number, key}] = menuItem;
  return true;
}

int messageBox(std::string_view caption, std::string_view text, int kind) {
  state().boxes.push_back({std::string(caption), std::string(text), kind});
  // Unanswered, a box is dismissed with its safe button: OK, or No.
  int answer = kind == BoxWarningYesNo ? ButtonNo : ButtonOk;
  if (!state().boxAnswers.empty()) {
    const int queued = state().boxAnswers.front();
    state().boxAnswers.pop_front();
    const bool fits = kind == BoxWarningYesNo ? (queued == ButtonYes || queued == ButtonNo) : queued == ButtonOk;
    if (fits) answer = queued;
  }
  return answer;
}

bool openDocument(std::string_view pathOrAddress) {
  state().documents.emplace_back(pathOrAddress);
  return true;
}

bool createFont(FontRecord& font) {
  font.pixelHeight = (font.points * state().verticalDpi + 36) / 72;
  return true;
}
void destroyFont(FontRecord&) {}

void imageChanged(const Image&) {}
void imageFreed(const Image&) {}

bool createScreen(ScreenRecord& screen, WindowRecord&) {
  state().screen = &screen;
  return true;
}
void destroyScreen(ScreenRecord&) { state().screen = nullptr; }

// The kept frame takes only the changed rows, as a screen would; a frame of
// another size is taken whole.
void presentFrame(ScreenRecord& screen, const std::uint32_t* pixels, int width, int height) {
  ++state().frames;
  testing::Frame& kept = state().lastFrame;
  state().lastChange = screen.changed;
  if (kept.width != width || kept.height != height) {
    kept.width = width;
    kept.height = height;
    kept.pixels.assign(pixels, pixels + std::size_t(width) * height);
    return;
  }
  const Rect& changed = screen.changed;
  for (int row = changed.y; row < changed.y + changed.height; ++row) {
    const std::size_t start = std::size_t(row) * width + changed.x;
    std::copy_n(pixels + start, changed.width, kept.pixels.begin() + static_cast<std::ptrdiff_t>(start));
  }
}

// The software mixer renders into memory, where tests read the samples.
const core::SoundOutput* soundOutput() { return state().audioAvailable ? &core::softwareMixer() : nullptr; }
void soundPlayed(int number, int volume) { headless::playLog().push_back({number, volume}); }

}  // namespace backend
}  // namespace media
