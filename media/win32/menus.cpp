// Pop-up menus, the toolbar and the notification-area icon. A menu item, a
// toolbar button and a tray click each become one event: EventMenu with the
// item number, or EventTray.
//
// Pop-up menus do not stop the game: TrackPopupMenu runs its own modal loop,
// so it runs on a helper thread of its own (with a hidden owner window there)
// and showMenu returns at once; the program's loop and its timers go on, and
// the choice comes back to the message window as MenuChosenMessage.
#include "media/win32/win32_internal.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <thread>


namespace media::win32 {
namespace {

// Menu item identifiers are the item number plus one: TrackPopupMenu answers 0
// for no choice, and 0 is a valid item.
UINT_PTR itemId(int item) { return static_cast<UINT_PTR>(item) + 1; }

void runMenu(HMENU menu, POINT at, int owner, HWND answerTo) {
  const HWND host = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, at.x, at.y, 0, 0, nullptr, nullptr,
                                    instance(), nullptr);
  // The keyboard stays with the program's thread, whose window has the focus:
  // sharing its input state lets the menu's loop take the arrow keys, Enter
  // and Escape (under Wine they never reach this thread otherwise).
  const DWORD self = GetCurrentThreadId(), program = GetWindowThreadProcessId(answerTo, nullptr);
  const bool attached = program != self && AttachThreadInput(self, program, TRUE);
  SetForegroundWindow(host);
  const BOOL chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x, at.y, 0, host, nullptr);
  if (attached) AttachThreadInput(self, program, FALSE);
  PostMessageW(host, WM_NULL, 0, 0);  // closes the menu's loop properly, as Windows asks
  DestroyWindow(host);
  PostMessageW(answerTo, MenuChosenMessage, chosen ? static_cast<WPARAM>(chosen - 1) : static_cast<WPARAM>(-1),
               owner);
}

// The flat toolbar lets the window's picture show behind its buttons, and
// passes mouse moves on to its window, as the controls do.
LRESULT CALLBACK toolbarProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR window) {
  if (message == WM_MOUSEMOVE) reportMouseMove(static_cast<int>(window));
  if (message != WM_ERASEBKGND) return DefSubclassProc(hwnd, message, wParam, lParam);
  const auto dc = reinterpret_cast<HDC>(wParam);
  RECT area;
  GetClientRect(hwnd, &area);
  FillRect(dc, &area, backgroundBrush(static_cast<int>(window), hwnd, dc));
  return 1;
}

HWND toolbarOf(const ToolbarRecord& toolbar) { return static_cast<HWND>(toolbar.native); }

int iconSize(const ToolbarRecord& toolbar) { return toolbar.flags & ToolbarLargeIcons ? 24 : 16; }

// Room around the icon inside a button, for its frame when hovered or held.
constexpr int ButtonPadding = 4;

void sizeButtons(const ToolbarRecord& record, HWND toolbar) {
  const int needed = iconSize(record) + ButtonPadding;
  int width = std::max(record.buttonWidth, needed);
  if (record.minWidth > 0) width = std::max(width, record.minWidth);
  if (record.maxWidth > 0) width = std::min(width, record.maxWidth);
  const int height = std::max(record.buttonHeight, needed);
  SendMessageW(toolbar, TB_SETBUTTONSIZE, 0, MAKELPARAM(toDevice(width), toDevice(height)));
  RECT parent;
  GetClientRect(GetParent(toolbar), &parent);
  SetWindowPos(toolbar, nullptr, 0, 0, parent.right, toDevice(height + 2), SWP_NOZORDER | SWP_NOACTIVATE);
}

std::wstring& trayTip(NOTIFYICONDATAW& data, const TrayRecord& tray) {
  static std::wstring tip;
  tip = wide(tray.toolTip).substr(0, std::size(data.szTip) - 1);
  std::copy(tip.begin(), tip.end(), data.szTip);
  data.szTip[tip.size()] = L'\0';
  return tip;
}

NOTIFYICONDATAW trayData(const TrayRecord& tray) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = messageWindow();
  data.uID = static_cast<UINT>(tray.number);
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = TrayMessage;
  data.hIcon = static_cast<HICON>(tray.native);
  trayTip(data, tray);
  return data;
}

}  // namespace

void menuChosen(WPARAM wParam, LPARAM lParam) {
  const int item = static_cast<int>(static_cast<INT_PTR>(wParam));
  if (item >= 0) post(EventMenu, static_cast<int>(lParam), item);
}

// The left or the right button, or a double click, brings the game back.
void trayMessage(LPARAM lParam, WPARAM wParam) {
  const UINT mouse = LOWORD(lParam);
  if (mouse != WM_LBUTTONUP && mouse != WM_RBUTTONUP && mouse != WM_LBUTTONDBLCLK) return;
  if (const TrayRecord* tray = core::findTray(static_cast<int>(wParam))) post(EventTray, tray->window, tray->number);
}

}  // namespace media::win32

namespace media::backend {

using namespace media::win32;

bool createMenu(MenuRecord& menu) {
  menu.native = CreatePopupMenu();
  updateMenu(menu);
  return menu.native != nullptr;
}

void destroyMenu(MenuRecord& menu) {
  if (menu.native) DestroyMenu(static_cast<HMENU>(menu.native));
  menu.native = nullptr;
}

void updateMenu(MenuRecord& menu) {
  const auto hmenu = static_cast<HMENU>(menu.native);
  if (!hmenu) return;
  // Items are only ever appended: add those the menu does not have yet.
  for (std::size_t i = static_cast<std::size_t>(GetMenuItemCount(hmenu)); i < menu.items.size(); ++i) {
    const MenuItem& entry = menu.items[i];
    if (entry.item < 0)
      AppendMenuW(hmenu, MF_SEPARATOR, 0, nullptr);
    else
      AppendMenuW(hmenu, MF_STRING, itemId(entry.item), wide(entry.text).c_str());
  }
}

void showMenu(MenuRecord& menu, const WindowRecord& owner) {
  if (!menu.native) return;
  POINT at;
  GetCursorPos(&at);
  std::thread(runMenu, static_cast<HMENU>(menu.native), at, owner.number, messageWindow()).detach();
}

bool createToolbar(ToolbarRecord& toolbar) {
  const HWND window = hwndOf(toolbar.window);
  if (!window) return false;
  const HWND hwnd = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                                    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS |
                                        TBSTYLE_TRANSPARENT | CCS_NORESIZE | CCS_NODIVIDER | CCS_NOPARENTALIGN,
                                    0, 0, 0, 0, window, nullptr, instance(), nullptr);
  if (!hwnd) return false;
  markToolbar(hwnd);
  SetWindowSubclass(hwnd, toolbarProcedure, 1, static_cast<DWORD_PTR>(toolbar.window));
  SendMessageW(hwnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  // The buttons' texts are their names: tool tips, not shown beside the icons.
  SendMessageW(hwnd, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_MIXEDBUTTONS);
  const int icon = toDevice(iconSize(toolbar));
  SendMessageW(hwnd, TB_SETBITMAPSIZE, 0, MAKELPARAM(icon, icon));
  SendMessageW(hwnd, TB_SETIMAGELIST, 0,
               reinterpret_cast<LPARAM>(ImageList_Create(icon, icon, ILC_COLOR32, 8, 8)));
  toolbar.native = hwnd;
  updateToolbar(toolbar);
  return true;
}

void destroyToolbar(ToolbarRecord& toolbar) {
  const HWND hwnd = toolbarOf(toolbar);
  toolbar.native = nullptr;
  if (!hwnd) return;
  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(hwnd, TB_GETIMAGELIST, 0, 0));
  DestroyWindow(hwnd);
  if (images) ImageList_Destroy(images);
}

void updateToolbar(ToolbarRecord& toolbar) {
  const HWND hwnd = toolbarOf(toolbar);
  if (!hwnd) return;
  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(hwnd, TB_GETIMAGELIST, 0, 0));
  const int icon = toDevice(iconSize(toolbar));
  for (auto i = static_cast<std::size_t>(SendMessageW(hwnd, TB_BUTTONCOUNT, 0, 0)); i < toolbar.buttons.size(); ++i) {
    const HBITMAP picture = scaledBitmap(toolbar.buttons[i].picture, icon, icon);
    const int image = ImageList_Add(images, picture, nullptr);
    if (picture) DeleteObject(picture);
    TBBUTTON button{image, toolbar.buttons[i].item + 0, TBSTATE_ENABLED, BTNS_BUTTON};
    SendMessageW(hwnd, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
  }
  for (const ToolbarButton& button : toolbar.buttons) {
    std::wstring name = wide(button.toolTip);
    TBBUTTONINFOW info{sizeof info, TBIF_TEXT};
    info.pszText = name.data();
    SendMessageW(hwnd, TB_SETBUTTONINFOW, static_cast<WPARAM>(button.item), reinterpret_cast<LPARAM>(&info));
    SendMessageW(hwnd, TB_ENABLEBUTTON, static_cast<WPARAM>(button.item), button.disabled ? FALSE : TRUE);
  }
  sizeButtons(toolbar, hwnd);
}

bool trayAvailable() { return FindWindowW(L"Shell_TrayWnd", nullptr) != nullptr; }

bool createTray(TrayRecord& tray) {
  tray.native = iconOf(tray.picture);
  NOTIFYICONDATAW data = trayData(tray);
  if (Shell_NotifyIconW(NIM_ADD, &data)) return true;
  if (tray.native) DestroyIcon(static_cast<HICON>(tray.native));
  tray.native = nullptr;
  return false;
}

void destroyTray(TrayRecord& tray) {
  NOTIFYICONDATAW data = trayData(tray);
  Shell_NotifyIconW(NIM_DELETE, &data);
  if (tray.native) DestroyIcon(static_cast<HICON>(tray.native));
  tray.native = nullptr;
}

void updateTray(TrayRecord& tray) {
  const HICON old = static_cast<HICON>(tray.native);
  tray.native = iconOf(tray.picture);
  NOTIFYICONDATAW data = trayData(tray);
  Shell_NotifyIconW(NIM_MODIFY, &data);
  if (old) DestroyIcon(old);
}

}  // namespace media::backend
