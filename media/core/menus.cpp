// Pop-up menus, the toolbar, the tray icon and keyboard shortcuts: records in
// their tables, realised by the back end, which raises their events.
#include "media/core/core.h"

namespace media {
namespace {

core::Table<MenuRecord> menuTable;
core::Table<ToolbarRecord> toolbarTable;
core::Table<TrayRecord> trayTable;

void destroyMenu(int number) {
  if (auto record = menuTable.take(number)) backend::destroyMenu(*record);
}
void destroyToolbar(int number) {
  if (auto record = toolbarTable.take(number)) backend::destroyToolbar(*record);
}
void destroyTray(int number) {
  if (auto record = trayTable.take(number)) backend::destroyTray(*record);
}

ToolbarButton* findButton(int toolbar, int item) {
  ToolbarRecord* record = toolbarTable.find(toolbar);
  if (!record) return nullptr;
  for (auto& button : record->buttons)
    if (button.item == item) return &button;
  return nullptr;
}

}  // namespace

core::Table<MenuRecord>& core::menus() { return menuTable; }
core::Table<ToolbarRecord>& core::toolbars() { return toolbarTable; }
core::Table<TrayRecord>& core::trays() { return trayTable; }
MenuRecord* core::findMenu(int number) { return menuTable.find(number); }
ToolbarRecord* core::findToolbar(int number) { return toolbarTable.find(number); }
TrayRecord* core::findTray(int number) { return trayTable.find(number); }

void core::closeToolbarsOf(int window) {
  std::vector<int> doomedToolbars, doomedTrays;
  toolbarTable.forEach([&](int number, ToolbarRecord& t) {
    if (t.window == window) doomedToolbars.push_back(number);
  });
  trayTable.forEach([&](int number, TrayRecord& t) {
    if (t.window == window) doomedTrays.push_back(number);
  });
  for (int number : doomedToolbars) destroyToolbar(number);
  for (int number : doomedTrays) destroyTray(number);
}

void core::releaseMenus() {
  while (!menuTable.empty()) destroyMenu(menuTable.firstNumber());
  while (!toolbarTable.empty()) destroyToolbar(toolbarTable.firstNumber());
  while (!trayTable.empty()) destroyTray(trayTable.firstNumber());
}

int createPopupMenu(int number) {
  const int picked = menuTable.pick(number);
  if (picked < 0) return core::createResult(number, picked, false);
  destroyMenu(picked);
  auto& record = menuTable.put(picked, std::make_unique<MenuRecord>());
  record.number = picked;
  const bool ok = backend::createMenu(record);
  if (!ok) menuTable.take(picked);
  return core::createResult(number, picked, ok);
}

int addMenuItem(int menu, int item, std::string_view text) {
  MenuRecord* record = menuTable.find(menu);
  if (!record || item < 0) return 0;
  record->items.push_back({item, std::string(text)});
  backend::updateMenu(*record);
  return 1;
}

int addMenuSeparator(int menu) {
  MenuRecord* record = menuTable.find(menu);
  if (!record) return 0;
  record->items.push_back({-1, {}});
  backend::updateMenu(*record);
  return 1;
}

int showPopupMenu(int menu, NativeHandle owner) {
  MenuRecord* record = menuTable.find(menu);
  WindowRecord* window = core::findWindow(core::windowNumberFromHandle(owner));
  if (!record || !window) return 0;
  backend::showMenu(*record, *window);
  return 1;
}

int createToolbar(int number, NativeHandle window, unsigned flags) {
  const int picked = toolbarTable.pick(number);
  const int owner = core::windowNumberFromHandle(window);
  if (picked < 0 || owner < 0) return core::createResult(number, picked, false);
  destroyToolbar(picked);
  auto& record = toolbarTable.put(picked, std::make_unique<ToolbarRecord>());
  record.number = picked;
  record.window = owner;
  record.flags = flags;
  record.buttonWidth = record.buttonHeight = flags & ToolbarLargeIcons ? 24 : 16;
  const bool ok = backend::createToolbar(record);
  if (!ok) toolbarTable.take(picked);
  return core::createResult(number, picked, ok);
}

int addToolbarButton(int toolbar, int item, NativeHandle picture) {
  ToolbarRecord* record = toolbarTable.find(toolbar);
  if (!record || item < 0 || findButton(toolbar, item)) return 0;
  record->buttons.push_back({item, core::imageFromHandle(picture), {}, 0});
  backend::updateToolbar(*record);
  return 1;
}

int setToolbarToolTip(int toolbar, int item, std::string_view text) {
  ToolbarButton* button = findButton(toolbar, item);
  if (!button) return 0;
  button->toolTip = text;
  backend::updateToolbar(*toolbarTable.find(toolbar));
  return 1;
}

int disableToolbarButton(int toolbar, int item, int state) {
  ToolbarButton* button = findButton(toolbar, item);
  if (!button) return 0;
  button->disabled = state ? 1 : 0;
  backend::updateToolbar(*toolbarTable.find(toolbar));
  return 1;
}

int toolbarButtonDisabled(int toolbar, int item) {
  ToolbarButton* button = findButton(toolbar, item);
  return button ? button->disabled : 0;
}

int setToolbarButtonSize(int toolbar, int width, int height) {
  ToolbarRecord* record = toolbarTable.find(toolbar);
  if (!record || width <= 0 || height <= 0) return 0;
  record->buttonWidth = width;
  record->buttonHeight = height;
  backend::updateToolbar(*record);
  return 1;
}

int setToolbarWidthRange(int toolbar, int minimum, int maximum) {
  ToolbarRecord* record = toolbarTable.find(toolbar);
  if (!record || minimum > maximum) return 0;
  record->minWidth = minimum;
  record->maxWidth = maximum;
  backend::updateToolbar(*record);
  return 1;
}

NativeHandle toolbarHandle(int toolbar) {
  ToolbarRecord* record = toolbarTable.find(toolbar);
  return record ? core::handleOf(*record) : nullptr;
}

int trayAvailable() { return backend::trayAvailable() ? 1 : 0; }

int addTrayIcon(int number, NativeHandle window, NativeHandle picture) {
  const int owner = core::windowNumberFromHandle(window);
  if (number < 0 || owner < 0) return 0;
  destroyTray(number);
  auto& record = trayTable.put(number, std::make_unique<TrayRecord>());
  record.number = number;
  record.window = owner;
  record.picture = core::imageFromHandle(picture);
  const bool ok = backend::createTray(record);
  if (!ok) trayTable.take(number);
  return ok ? 1 : 0;
}

int setTrayToolTip(int number, std::string_view text) {
  TrayRecord* record = trayTable.find(number);
  if (!record) return 0;
  record->toolTip = text;
  backend::updateTray(*record);
  return 1;
}

int removeTrayIcon(int number) {
  if (!trayTable.find(number)) return 0;
  destroyTray(number);
  return 1;
}

int addKeyboardShortcut(int window, int key, int menuItem) {
  WindowRecord* record = core::findWindow(window);
  if (!record || key < KeyEscape || key > KeyCtrlZ) return 0;
  return backend::addShortcut(*record, key, menuItem) ? 1 : 0;
}

}  // namespace media
