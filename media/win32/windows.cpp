// Top-level windows of the Win32 back end: a caption with the system menu and
// close box, an optional minimise box, never resizable, the client area of the
// record's size at the record's place (the core centres it), owned windows
// kept above their owner. The window procedure hands every message to the
// window's callback first; then it paints the background (colour, picture),
// turns close, mouse and size messages into events, and passes the controls'
// messages to handleControlMessage. Keyboard shortcuts are an accelerator
// table per window, translated before a message is dispatched.
#include <map>
#include <set>

#include "media/win32/win32_internal.h"

namespace media::win32 {
namespace {

std::set<int> erasePending;
std::map<int, std::vector<ACCEL>> shortcutKeys;
std::map<int, HACCEL> accelerators;

WindowRecord* recordOf(HWND hwnd) { return core::findWindow(windowNumber(hwnd)); }

void paintBackground(HWND hwnd, const WindowRecord& record) {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(hwnd, &paint);
  const HBRUSH brush = record.colour >= 0 ? CreateSolidBrush(toColorRef(record.colour)) : nullptr;
  FillRect(dc, &paint.rcPaint, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
  if (brush) DeleteObject(brush);
  if (record.background)
    drawImage(dc, record.background, 0, 0, toDevice(record.background->width), toDevice(record.background->height));
  EndPaint(hwnd, &paint);
  if (erasePending.erase(record.number)) post(EventRepaint, record.number, -1);
}

// The record's client position follows the window wherever it is moved.
void trackPosition(HWND hwnd, WindowRecord& record) {
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  record.client.x = toLogical(origin.x);
  record.client.y = toLogical(origin.y);
}

LRESULT CALLBACK windowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  WindowRecord* record = recordOf(hwnd);
  if (record && record->callback && message != WM_CTLCOLORSTATIC) {
    NativeMessage native;
    native.kind = MessageOther;
    native.raw = static_cast<int>(message);
    const std::intptr_t answer = record->callback(record->number, native);
    if (answer != CallbackUnhandled) return static_cast<LRESULT>(answer);
  }
  LRESULT result = 0;
  if (handleControlMessage(hwnd, message, wParam, lParam, result)) return result;
  if (!record) return DefWindowProcW(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_ERASEBKGND: return 1;  // WM_PAINT paints it
    case WM_PAINT: paintBackground(hwnd, *record); return 0;
    case WM_CLOSE: post(EventCloseWindow, record->number, -1); return 0;
    case WM_MOUSEMOVE: post(EventMouseMove, record->number, -1); return 0;
    case WM_LBUTTONUP: post(EventLeftClick, record->number, -1); return 0;
    case WM_COMMAND:
      // A keyboard shortcut: an accelerator's command, with no control behind it.
      if (HIWORD(wParam) == 1 && lParam == 0) post(EventMenu, record->number, LOWORD(wParam));
      return 0;
    case WM_MOVE: trackPosition(hwnd, *record); return 0;
    case WM_GETMINMAXINFO: {
      // Exactly the frame around the record's client area, whatever the screen:
      // the window is never resized, by the user or by Windows.
      RECT frame{0, 0, toDevice(record->client.width), toDevice(record->client.height)};
      AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)), FALSE, 0);
      auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
      limits->ptMinTrackSize = limits->ptMaxTrackSize = limits->ptMaxSize = {frame.right - frame.left,
                                                                            frame.bottom - frame.top};
      return 0;
    }
    case WM_SIZE:
      record->minimised = wParam == SIZE_MINIMIZED ? 1 : 0;
      if (wParam == SIZE_RESTORED) {
        erasePending.insert(record->number);
        InvalidateRect(hwnd, nullptr, TRUE);
      }
      return 0;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

// The frame around a client area of the record's size, at its place.
RECT frameOf(const WindowRecord& window, DWORD style) {
  RECT frame{toDevice(window.client.x), toDevice(window.client.y), toDevice(window.client.x + window.client.width),
             toDevice(window.client.y + window.client.height)};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  return frame;
}

}  // namespace

HWND hwndOf(const WindowRecord& window) { return static_cast<HWND>(window.native); }

HWND hwndOf(int window) {
  const WindowRecord* record = core::findWindow(window);
  return record ? hwndOf(*record) : nullptr;
}

int windowNumber(HWND hwnd) {
  if (!hwnd) return -1;
  wchar_t name[32];
  if (!GetClassNameW(hwnd, name, 32) || lstrcmpW(name, WindowClass) != 0) return -1;
  return static_cast<int>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void reportMouseMove(int window) { post(EventMouseMove, window, -1); }

bool translateShortcut(MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  const HWND root = GetAncestor(message.hwnd, GA_ROOT);
  auto found = accelerators.find(windowNumber(root));
  if (found == accelerators.end() || !IsWindowEnabled(root)) return false;
  return TranslateAcceleratorW(root, found->second, &message) != 0;
}

// The keypad's Enter is VK_RETURN too (an extended key), so KeyEnter is both.
bool shortcutKey(int key, WORD& virtualKey, bool& control) {
  static const struct {
    int key;
    WORD virtualKey;
    bool control;
  } keys[] = {{KeyEscape, VK_ESCAPE, false}, {KeyCtrlQ, 'Q', true},      {KeyF1, VK_F1, false},
              {KeyLeft, VK_LEFT, false},     {KeyRight, VK_RIGHT, false}, {KeyUp, VK_UP, false},
              {KeyDown, VK_DOWN, false},     {KeySpace, VK_SPACE, false}, {KeyEnter, VK_RETURN, false},
              {KeyCtrlZ, 'Z', true}};
  for (const auto& entry : keys) {
    if (entry.key != key) continue;
    virtualKey = entry.virtualKey;
    control = entry.control;
    return true;
  }
  return false;
}

void dropShortcuts(int window) {
  auto found = accelerators.find(window);
  if (found != accelerators.end()) DestroyAcceleratorTable(found->second);
  accelerators.erase(window);
  shortcutKeys.erase(window);
}

}  // namespace media::win32

namespace media::backend {

using namespace media::win32;

bool createWindow(WindowRecord& window) {
  registerClass(WindowClass, windowProcedure, nullptr);
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  if (window.flags & WindowMinimiseBox) style |= WS_MINIMIZEBOX;
  const RECT frame = frameOf(window, style);
  const HWND hwnd = CreateWindowExW(0, WindowClass, wide(window.title).c_str(), style, frame.left, frame.top,
                                    frame.right - frame.left, frame.bottom - frame.top,
                                    hwndOf(window.ownerWindow), nullptr, instance(),
                                    reinterpret_cast<void*>(static_cast<INT_PTR>(window.number)));
  if (!hwnd) return false;
  window.native = hwnd;
  erasePending.insert(window.number);
  updateWindow(window);
  return true;
}

void destroyWindow(WindowRecord& window) {
  const HWND hwnd = hwndOf(window);
  window.native = nullptr;
  dropShortcuts(window.number);
  erasePending.erase(window.number);
  if (hwnd) DestroyWindow(hwnd);
}

void updateWindow(WindowRecord& window) {
  const HWND hwnd = hwndOf(window);
  if (!hwnd) return;
  const std::wstring title = wide(window.title);
  wchar_t shown[512] = L"";
  GetWindowTextW(hwnd, shown, 512);
  if (title != shown) SetWindowTextW(hwnd, title.c_str());
  EnableWindow(hwnd, window.disabled ? FALSE : TRUE);
  if (window.hidden) {
    ShowWindow(hwnd, SW_HIDE);
  } else if (window.minimised) {
    if (!IsIconic(hwnd)) ShowWindow(hwnd, SW_MINIMIZE);
  } else if (!IsWindowVisible(hwnd)) {
    erasePending.insert(window.number);
    ShowWindow(hwnd, SW_SHOW);
  }
  InvalidateRect(hwnd, nullptr, FALSE);
}

void activateWindow(WindowRecord& window) {
  if (const HWND hwnd = hwndOf(window)) {
    SetForegroundWindow(hwnd);
    SetActiveWindow(hwnd);
  }
}

void invalidateWindow(WindowRecord& window, const Rect& rect, bool erase) {
  const HWND hwnd = hwndOf(window);
  if (!hwnd) return;
  const RECT area{toDevice(rect.x), toDevice(rect.y), toDevice(rect.x + rect.width), toDevice(rect.y + rect.height)};
  if (erase) erasePending.insert(window.number);
  InvalidateRect(hwnd, &area, erase ? TRUE : FALSE);
}

void repaintNow(WindowRecord& window) {
  if (const HWND hwnd = hwndOf(window)) UpdateWindow(hwnd);
}

bool mousePosition(const WindowRecord& window, int& x, int& y) {
  const HWND hwnd = hwndOf(window);
  if (!hwnd || !IsWindowVisible(hwnd) || IsIconic(hwnd)) return false;
  POINT pointer;
  if (!GetCursorPos(&pointer) || !ScreenToClient(hwnd, &pointer)) return false;
  RECT client;
  GetClientRect(hwnd, &client);
  if (!PtInRect(&client, pointer)) return false;
  x = toLogical(pointer.x);
  y = toLogical(pointer.y);
  return x < window.client.width && y < window.client.height;
}

int windowScreenX(const WindowRecord& window) {
  RECT frame{};
  if (const HWND hwnd = hwndOf(window)) GetWindowRect(hwnd, &frame);
  return toLogical(frame.left);
}

bool addShortcut(WindowRecord& window, int key, int menuItem) {
  ACCEL accel{FVIRTKEY, 0, static_cast<WORD>(menuItem)};
  bool control = false;
  if (!shortcutKey(key, accel.key, control)) return false;
  if (control) accel.fVirt |= FCONTROL;
  if (!window.native || menuItem < 0 || menuItem > 0xFFFF) return false;
  // A later shortcut for the same key replaces the earlier one.
  std::vector<ACCEL>& keys = shortcutKeys[window.number];
  std::erase_if(keys, [&](const ACCEL& held) { return held.key == accel.key && held.fVirt == accel.fVirt; });
  keys.push_back(accel);
  auto found = accelerators.find(window.number);
  if (found != accelerators.end()) DestroyAcceleratorTable(found->second);
  accelerators[window.number] = CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
  return true;
}

}  // namespace media::backend
