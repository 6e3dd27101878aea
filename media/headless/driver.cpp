// The test driver on the headless back end: input acts on the records as a
// user would and posts the events the real desktop raises; output is read
// from what the back end recorded.
#include "media/backend.h"
#include "media/core/core.h"
#include "media/headless/headless.h"
#include "media/headless/state.h"
#include "media/testing.h"

namespace media {
namespace {

using headless::post;
using headless::State;
using headless::state;

bool windowTakesInput(int window) {
  const WindowRecord* record = core::findWindow(window);
  return record && !record->hidden && !record->disabled;
}

// The control can be reached by the user: shown and enabled, as is every
// container around it, in the current tab of its tab panel, in a window that
// takes input.
bool reachable(const ControlRecord& control) {
  const ControlRecord* at = &control;
  for (int levels = 0; levels < 64; ++levels) {
    if (at->hidden || at->disabled) return false;
    if (at->container < 0) return windowTakesInput(at->window);
    const ControlRecord* container = core::findControl(at->container);
    if (!container) return false;
    if (container->kind == ControlTabPanel && at->tab != container->state) return false;
    at = container;
  }
  return false;
}

// Client position of a control's top-left corner (scrolling areas unscrolled).
Rect clientRect(const ControlRecord& control) {
  Rect rect = control.rect;
  for (const ControlRecord* at = core::findControl(control.container); at; at = core::findControl(at->container)) {
    rect.x += at->rect.x;
    rect.y += at->rect.y;
  }
  return rect;
}

// Hyperlinks follow the mouse with their hover state.
void updateHover() {
  core::controls().forEach([&](int, ControlRecord& control) {
    if (control.kind != ControlHyperlink) return;
    const Rect r = clientRect(control);
    const State& s = state();
    const int over = s.mouseWindow == control.window && s.mouseX >= r.x && s.mouseX < r.x + r.width &&
                     s.mouseY >= r.y && s.mouseY < r.y + r.height;
    if (over == control.hovered) return;
    control.hovered = over;
    backend::updateControl(control);
  });
}

}  // namespace

int testing::clickControl(int control) {
  ControlRecord* record = core::findControl(control);
  if (!record || !reachable(*record)) return 0;
  switch (record->kind) {
    case ControlCheckBox:
      setControlState(control, !record->state);
      break;
    case ControlOptionButton:
      setControlState(control, 1);
      break;
    case ControlPictureButton:
      if (record->flags & PictureToggle) setControlState(control, !record->state);
      break;
    case ControlPushButton:
    case ControlPictureControl:
    case ControlHyperlink:
      break;
    default:
      return 0;  // labels, frames, panels and text boxes raise no click events
  }
  post(EventControl, record->window, control, 0);
  return 1;
}

int testing::changeControl(int control, int newState) {
  ControlRecord* record = core::findControl(control);
  if (!record || !reachable(*record)) return 0;
  switch (record->kind) {
    case ControlTrackBar:
    case ControlTabPanel:
    case ControlCheckBox:
    case ControlOptionButton:
      break;
    case ControlPictureButton:
      if (record->flags & PictureToggle) break;
      return 0;
    default:
      return 0;
  }
  if (!setControlState(control, newState)) return 0;
  post(EventControl, record->window, control, 1);
  return 1;
}

int testing::moveMouse(int window, int x, int y) {
  const WindowRecord* record = core::findWindow(window);
  if (!record) return 0;
  const bool inside = x >= 0 && y >= 0 && x < record->client.width && y < record->client.height;
  state().mouseWindow = inside ? window : -1;
  state().mouseX = inside ? x : -1;
  state().mouseY = inside ? y : -1;
  updateHover();
  if (inside && !record->disabled && !record->hidden) post(EventMouseMove, window);
  return 1;
}

int testing::leftClick(int window, int x, int y) {
  if (!windowTakesInput(window) || !moveMouse(window, x, y) || state().mouseWindow != window) return 0;
  post(EventLeftClick, window);
  return 1;
}

int testing::pressShortcut(int window, int key) {
  const int item = headless::shortcutItem(window, key);
  if (item < 0 || !windowTakesInput(window)) return 0;
  post(EventMenu, window, item);
  return 1;
}

int testing::chooseMenuItem(int menu, int item) {
  const MenuRecord* record = core::findMenu(menu);
  if (!record) return 0;
  for (const auto& entry : record->items)
    if (entry.item == item && item >= 0) {
      state().menuChoices[menu].push_back(item);
      return 1;
    }
  return 0;
}

int testing::clickToolbarButton(int toolbar, int item) {
  const ToolbarRecord* record = core::findToolbar(toolbar);
  if (!record || !windowTakesInput(record->window)) return 0;
  for (const auto& button : record->buttons)
    if (button.item == item && !button.disabled) {
      post(EventMenu, record->window, item);
      return 1;
    }
  return 0;
}

int testing::clickTrayIcon(int number) {
  const TrayRecord* record = core::findTray(number);
  if (!record) return 0;
  post(EventTray, record->window, number);
  return 1;
}

int testing::requestClose(int window) {
  if (!windowTakesInput(window)) return 0;
  post(EventCloseWindow, window);
  return 1;
}

void testing::answerMessageBox(int button) { state().boxAnswers.push_back(button); }
std::vector<testing::ShownMessageBox> testing::shownMessageBoxes() { return state().boxes; }
std::vector<std::string> testing::openedDocuments() { return state().documents; }
testing::Placement testing::controlPlacement(int control) {
  const ControlRecord* record = core::findControl(control);
  if (!record) return {};
  return {record->rect.x, record->rect.y, record->rect.width, record->rect.height};
}
int testing::presentedFrameCount() { return state().frames; }
testing::Frame testing::lastPresentedFrame() { return state().lastFrame; }
testing::Placement testing::lastPresentedChange() {
  const Rect& r = state().lastChange;
  return {r.x, r.y, r.width, r.height};
}

}  // namespace media
