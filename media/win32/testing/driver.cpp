// The test driver on the Win32 back end. Input goes through the native
// controls as the user's would: buttons get BM_CLICK, track bars and tabs are
// moved and tell their window as they do, the cursor is placed with
// SetCursorPos and the mouse messages go to the window under it, keys go
// through the window's accelerator table with the keyboard state of the
// modifier held. Message boxes, pop-up menus and documents are answered by the
// stand-ins (stand_ins.h); rendered sound and seeding come from the core's
// test part. A control is reachable when its window and every window around
// it are visible and enabled, as Windows itself decides.
#include "media/win32/win32_internal.h"

#include <commctrl.h>

#include "media/testing.h"
#include "media/win32/testing/stand_ins.h"

namespace media::win32 {
namespace {

void pump() {
  MSG message;
  for (int round = 0; round < 3; ++round) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

bool reachable(HWND hwnd) {
  if (!hwnd || !IsWindowVisible(hwnd)) return false;
  for (HWND at = hwnd; at; at = GetParent(at))
    if (!IsWindowEnabled(at)) return false;
  return true;
}

HWND reachableControl(int control) {
  const HWND hwnd = controlHwnd(control);
  return reachable(hwnd) ? hwnd : nullptr;
}

// The window the mouse would hit at a client point of the top-level window
// (the drawing surface lets it through), and the point in its coordinates.
HWND hitWindow(HWND window, POINT& point) {
  HWND target = window;
  for (;;) {
    const HWND child = ChildWindowFromPointEx(target, point, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED);
    if (!child || child == target) break;
    wchar_t name[32] = L"";
    GetClassNameW(child, name, 32);
    if (lstrcmpW(name, SurfaceClass) == 0) break;
    MapWindowPoints(target, child, &point, 1);
    target = child;
  }
  return target;
}

LPARAM pointParameter(POINT point) { return MAKELPARAM(point.x, point.y); }

}  // namespace
}  // namespace media::win32

namespace media::testing {

using namespace media::win32;

int clickControl(int control) {
  const HWND hwnd = reachableControl(control);
  if (!hwnd) return 0;
  switch (core::findControl(control)->kind) {
    case ControlPushButton:
    case ControlPictureButton:
    case ControlCheckBox:
    case ControlOptionButton: SendMessageW(hwnd, BM_CLICK, 0, 0); break;
    case ControlPictureControl:
    case ControlHyperlink:
      // What a static control with SS_NOTIFY tells its window when clicked.
      SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), STN_CLICKED),
                   reinterpret_cast<LPARAM>(hwnd));
      break;
    default: return 0;  // labels, frames, panels and text boxes raise no click events
  }
  pump();
  return 1;
}

namespace {

// The track bar tells its window of the move; one put back where it was
// still reports the move, as a drag there and back does.
int moveTrackBar(const ControlRecord& record, HWND hwnd, int position) {
  const int before = record.state;
  SendMessageW(hwnd, TBM_SETPOS, TRUE, position);
  SendMessageW(GetParent(hwnd), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position), reinterpret_cast<LPARAM>(hwnd));
  if (record.state == before) post(EventControl, record.window, record.number, 1);
  pump();
  return 1;
}

// The tab panel tells its window that another tab was chosen (the same one too).
int pickTab(HWND hwnd, int tab) {
  if (tab < 0 || tab >= TabCtrl_GetItemCount(hwnd)) return 0;
  TabCtrl_SetCurSel(hwnd, tab);
  NMHDR header{hwnd, static_cast<UINT_PTR>(GetDlgCtrlID(hwnd)), static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageW(GetParent(hwnd), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
  pump();
  return 1;
}

}  // namespace

int changeControl(int control, int state) {
  const HWND hwnd = reachableControl(control);
  if (!hwnd) return 0;
  const ControlRecord& record = *core::findControl(control);
  if (record.kind == ControlTrackBar) return moveTrackBar(record, hwnd, state);
  if (record.kind == ControlTabPanel) return pickTab(hwnd, state);
  const bool settable = record.kind == ControlCheckBox || record.kind == ControlOptionButton ||
                        (record.kind == ControlPictureButton && (record.flags & PictureToggle));
  if (!settable) return 0;
  // No single native gesture sets these: set them as the user's clicks would leave them.
  setControlState(control, state);
  post(EventControl, record.window, control, 1);
  pump();
  return 1;
}

int moveMouse(int window, int x, int y) {
  const WindowRecord* record = core::findWindow(window);
  const HWND hwnd = record ? hwndOf(*record) : nullptr;
  if (!hwnd) return 0;
  POINT point{toDevice(x), toDevice(y)};
  POINT screen = point;
  ClientToScreen(hwnd, &screen);
  SetCursorPos(screen.x, screen.y);
  pump();
  const bool inside = x >= 0 && y >= 0 && x < record->client.width && y < record->client.height;
  if (inside && reachable(hwnd)) {
    const HWND target = hitWindow(hwnd, point);
    SendMessageW(target, WM_MOUSEMOVE, 0, pointParameter(point));
    pump();
  }
  return 1;
}

int leftClick(int window, int x, int y) {
  const WindowRecord* record = core::findWindow(window);
  const HWND hwnd = record ? hwndOf(*record) : nullptr;
  const bool inside = record && x >= 0 && y >= 0 && x < record->client.width && y < record->client.height;
  if (!reachable(hwnd) || !inside || !moveMouse(window, x, y)) return 0;
  POINT point{toDevice(x), toDevice(y)};
  const HWND target = hitWindow(hwnd, point);
  SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, pointParameter(point));
  SendMessageW(target, WM_LBUTTONUP, 0, pointParameter(point));
  pump();
  return 1;
}

// The key goes through the window's accelerator table as a key press would,
// with Ctrl held for Ctrl+Q and Ctrl+Z.
int pressShortcut(int window, int key) {
  const HWND hwnd = hwndOf(window);
  if (!reachable(hwnd)) return 0;
  WORD virtualKey = 0;
  bool control = false;
  if (!shortcutKey(key, virtualKey, control)) return 0;
  BYTE keys[256];
  GetKeyboardState(keys);
  const BYTE held = keys[VK_CONTROL];
  keys[VK_CONTROL] = control ? 0x80 : 0;
  SetKeyboardState(keys);
  MSG message{hwnd, WM_KEYDOWN, virtualKey, 1};
  const bool taken = translateShortcut(message);
  keys[VK_CONTROL] = held;
  SetKeyboardState(keys);
  pump();
  return taken ? 1 : 0;
}

int chooseMenuItem(int menu, int item) {
  if (!core::findMenu(menu)) return 0;
  standins::queueMenuChoice(menu, item);
  return 1;
}

int clickToolbarButton(int toolbar, int item) {
  const ToolbarRecord* record = core::findToolbar(toolbar);
  const auto hwnd = record ? static_cast<HWND>(record->native) : nullptr;
  if (!reachable(hwnd) || SendMessageW(hwnd, TB_COMMANDTOINDEX, static_cast<WPARAM>(item), 0) < 0 ||
      !SendMessageW(hwnd, TB_ISBUTTONENABLED, static_cast<WPARAM>(item), 0))
    return 0;
  // What the toolbar tells its window when a button is clicked.
  SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(item, BN_CLICKED), reinterpret_cast<LPARAM>(hwnd));
  pump();
  return 1;
}

int clickTrayIcon(int number) {
  if (!core::findTray(number) || !core::findTray(number)->native) return 0;
  SendMessageW(messageWindow(), TrayMessage, static_cast<WPARAM>(number), WM_LBUTTONUP);
  return 1;
}

int requestClose(int window) {
  const HWND hwnd = hwndOf(window);
  if (!reachable(hwnd)) return 0;
  SendMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
  pump();
  return 1;
}

void answerMessageBox(int button) { standins::queueBoxAnswer(button); }
std::vector<ShownMessageBox> shownMessageBoxes() { return standins::shownBoxes(); }
std::vector<std::string> openedDocuments() { return standins::documents(); }

Placement controlPlacement(int control) {
  const HWND hwnd = controlHwnd(control);
  if (!hwnd) return {};
  RECT area;
  GetWindowRect(hwnd, &area);
  MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&area), 2);
  return {toLogical(area.left), toLogical(area.top), toLogical(area.right - area.left),
          toLogical(area.bottom - area.top)};
}

namespace {

BOOL CALLBACK findSurface(HWND window, LPARAM found) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId()) return TRUE;
  const HWND child = FindWindowExW(window, nullptr, SurfaceClass, nullptr);
  if (child) *reinterpret_cast<HWND*>(found) = child;
  return child ? FALSE : TRUE;
}

// The drawing surface now open, found among this program's windows.
const Surface* surface() {
  HWND hwnd = nullptr;
  EnumWindows(findSurface, reinterpret_cast<LPARAM>(&hwnd));
  return hwnd ? reinterpret_cast<const Surface*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)) : nullptr;
}

}  // namespace

int presentedFrameCount() {
  const Surface* shown = surface();
  return shown ? shown->presented : 0;
}

Placement lastPresentedChange() {
  const Surface* shown = surface();
  const Rect area = shown ? shown->lastChange : Rect{};
  return {area.x, area.y, area.width, area.height};
}

// The surface as it paints itself (WM_PRINTCLIENT), whatever covers it.
Frame lastPresentedFrame() {
  Frame frame;
  const Surface* shown = surface();
  if (!shown || shown->presented == 0) return frame;
  RECT area;
  GetClientRect(shown->hwnd, &area);
  frame.width = area.right;
  frame.height = area.bottom;
  frame.pixels.resize(static_cast<std::size_t>(frame.width) * frame.height);
  const HDC window = GetDC(shown->hwnd);
  const HDC copy = CreateCompatibleDC(window);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), frame.width, -frame.height, 1, 32, BI_RGB};
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(window, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = SelectObject(copy, bitmap);
  SendMessageW(shown->hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(copy), PRF_CLIENT);
  GdiFlush();
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  for (std::size_t i = 0; i < frame.pixels.size(); ++i) frame.pixels[i] = pixels[i] | 0xFF000000u;
  SelectObject(copy, old);
  DeleteObject(bitmap);
  DeleteDC(copy);
  ReleaseDC(shown->hwnd, window);
  return frame;
}

}  // namespace media::testing
