// Windows: opening with their placement rules, closing with everything they
// own, and the window operations. The core keeps the record; the back end
// shows it.
#include <algorithm>

#include "media/core/core.h"

namespace media {
namespace {

core::Table<WindowRecord> windowTable;

WindowRecord* find(int window) { return windowTable.find(window); }

// Top-left of a client area of that size centred on the screen or on the
// owner's client area, never negative.
void placeCentred(WindowRecord& window, const WindowRecord* owner) {
  int areaX = 0, areaY = 0, areaWidth = 0, areaHeight = 0;
  if (window.flags & WindowCentreOwner && owner) {
    areaX = owner->client.x;
    areaY = owner->client.y;
    areaWidth = owner->client.width;
    areaHeight = owner->client.height;
  } else {
    backend::screenSize(areaWidth, areaHeight);
  }
  window.client.x = std::max(0, areaX + (areaWidth - window.client.width) / 2);
  window.client.y = std::max(0, areaY + (areaHeight - window.client.height) / 2);
}

}  // namespace

core::Table<WindowRecord>& core::windows() { return windowTable; }
WindowRecord* core::findWindow(int number) { return windowTable.find(number); }

int core::windowNumberFromHandle(NativeHandle handle) {
  WindowRecord* record = recordFromHandle(windowTable, handle);
  return record ? record->number : -1;
}

int core::askStaticColours(int window, int control, StaticColours& colours) {
  WindowRecord* record = find(window);
  if (!record || !record->callback) return 0;
  NativeMessage message;
  message.kind = MessageStaticColours;
  message.control = control;
  message.colours = &colours;
  return record->callback(window, message) != CallbackUnhandled ? 1 : 0;
}

int openWindow(int number, int x, int y, int width, int height, std::string_view title, unsigned flags,
               NativeHandle owner) {
  const int picked = windowTable.pick(number);
  if (picked < 0 || width <= 0 || height <= 0) return core::createResult(number, picked, false);
  if (find(picked)) closeWindow(picked);
  auto record = std::make_unique<WindowRecord>();
  record->number = picked;
  record->title = title;
  record->flags = flags;
  record->ownerWindow = core::windowNumberFromHandle(owner);
  record->client = {x, y, width, height};
  if (flags & (WindowCentreScreen | WindowCentreOwner)) placeCentred(*record, find(record->ownerWindow));
  WindowRecord& window = windowTable.put(picked, std::move(record));
  if (!backend::createWindow(window)) {
    windowTable.take(picked);
    return core::createResult(number, picked, false);
  }
  core::pushWindowList(picked);
  core::resetOptionGroup();
  return core::createResult(number, picked, true);
}

int closeWindow(int window) {
  WindowRecord* record = find(window);
  if (!record) return 0;
  if (WindowRecord* owner = find(record->ownerWindow)) backend::activateWindow(*owner);
  core::forgetWindowEvents(window);
  core::closeControlsOf(window);
  core::closeToolbarsOf(window);
  core::closeScreenOf(window);
  core::forgetControlLists(window);
  backend::destroyWindow(*record);
  windowTable.take(window);
  return 1;
}

void core::releaseWindows() {
  while (!windowTable.empty()) closeWindow(windowTable.firstNumber());
}

int hideWindow(int window, int state) {
  WindowRecord* record = find(window);
  if (!record) return 0;
  record->hidden = state ? 1 : 0;
  backend::updateWindow(*record);
  return 1;
}

int minimiseWindow(int window) {
  WindowRecord* record = find(window);
  if (!record) return 0;
  record->minimised = 1;
  backend::updateWindow(*record);
  return 1;
}

int disableWindow(int window, int state) {
  WindowRecord* record = find(window);
  if (!record) return 0;
  record->disabled = state ? 1 : 0;
  backend::updateWindow(*record);
  return 1;
}

int activateWindow(int window) {
  WindowRecord* record = find(window);
  if (!record) return 0;
  backend::activateWindow(*record);
  return 1;
}

NativeHandle windowHandle(int window) {
  WindowRecord* record = find(window);
  return record ? core::handleOf(*record) : nullptr;
}

int windowExists(int window) { return find(window) ? 1 : 0; }

int windowHidden(int window) {
  WindowRecord* record = find(window);
  return record ? record->hidden : 0;
}

int windowDisabled(int window) {
  WindowRecord* record = find(window);
  return record ? record->disabled : 0;
}

int windowMouseX(int window) {
  WindowRecord* record = find(window);
  int x = -1, y = -1;
  if (!record || !backend::mousePosition(*record, x, y)) return -1;
  return x;
}

int windowMouseY(int window) {
  WindowRecord* record = find(window);
  int x = -1, y = -1;
  if (!record || !backend::mousePosition(*record, x, y)) return -1;
  return y;
}

int windowWidth(int window) {
  WindowRecord* record = find(window);
  return record ? record->client.width : 0;
}

int windowHeight(int window) {
  WindowRecord* record = find(window);
  return record ? record->client.height : 0;
}

int windowX(int window) {
  WindowRecord* record = find(window);
  return record ? backend::windowScreenX(*record) : 0;
}

int setWindowColour(int window, int colour) {
  WindowRecord* record = find(window);
  if (!record) return 0;
  record->colour = colour;
  backend::updateWindow(*record);
  return 1;
}

int setWindowBackgroundImage(int window, int image) {
  WindowRecord* record = find(window);
  const Image* picture = core::images().find(image);
  if (!record || !picture) return 0;
  record->background = picture;
  backend::updateWindow(*record);
  return 1;
}

int invalidateWindow(int window, int x, int y, int width, int height, int erase) {
  WindowRecord* record = find(window);
  if (!record) return 0;
  backend::invalidateWindow(*record, {x, y, width, height}, erase != 0);
  return 1;
}

int updateWindow(int window) {
  WindowRecord* record = find(window);
  if (!record) return 0;
  backend::repaintNow(*record);
  return 1;
}

int setWindowCallback(WindowCallback callback, int window) {
  WindowRecord* record = find(window);
  if (!record) return 0;
  record->callback = callback;
  return 1;
}

}  // namespace media
