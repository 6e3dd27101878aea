// Start-up and teardown of the Win32 back end, the monotonic clock, the DPI
// scale and the wait for native input. The wait pumps the thread's messages
// until one of them posts an event to the core or the time is up;
// MsgWaitForMultipleObjectsEx sleeps in between, so an idle program uses no
// processor.
#include "media/win32/win32_internal.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "media/core/core.h"

namespace media::win32 {
namespace {

HWND hiddenWindow = nullptr;
bool posted = false;
int currentDpi = 96;
LARGE_INTEGER frequency{};
LARGE_INTEGER started{};

LRESULT CALLBACK messageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case TrayMessage: trayMessage(lParam, wParam); return 0;
    case MenuChosenMessage: menuChosen(wParam, lParam); return 0;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

LRESULT CALLBACK pageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (handleControlMessage(hwnd, message, wParam, lParam, result)) return result;
  if (message == WM_ERASEBKGND) {
    RECT area;
    GetClientRect(hwnd, &area);
    FillRect(reinterpret_cast<HDC>(wParam), &area, GetSysColorBrush(COLOR_BTNFACE));
    return 1;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// A scrolling area: its scroll bars move the inner page.
void scrollArea(HWND hwnd, int bar, WPARAM wParam) {
  SCROLLINFO info{sizeof info, SIF_ALL};
  GetScrollInfo(hwnd, bar, &info);
  const int step = std::max(1, static_cast<int>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)));
  int position = info.nPos;
  switch (LOWORD(wParam)) {
    case SB_LINEUP: position -= step; break;
    case SB_LINEDOWN: position += step; break;
    case SB_PAGEUP: position -= static_cast<int>(info.nPage); break;
    case SB_PAGEDOWN: position += static_cast<int>(info.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    case SB_TOP: position = info.nMin; break;
    case SB_BOTTOM: position = info.nMax; break;
    default: break;
  }
  position = std::clamp(position, info.nMin, std::max(info.nMin, info.nMax - static_cast<int>(info.nPage) + 1));
  SetScrollPos(hwnd, bar, position, TRUE);
  const HWND inner = GetWindow(hwnd, GW_CHILD);
  if (!inner) return;
  const int x = -GetScrollPos(hwnd, SB_HORZ), y = -GetScrollPos(hwnd, SB_VERT);
  SetWindowPos(inner, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK scrollProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_VSCROLL || message == WM_HSCROLL) {
    scrollArea(hwnd, message == WM_VSCROLL ? SB_VERT : SB_HORZ, wParam);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// Per-monitor awareness where Windows (or Wine) has it, else the system DPI.
void becomeDpiAware() {
  using SetContext = BOOL(WINAPI*)(HANDLE);
  const HMODULE user = GetModuleHandleW(L"user32.dll");
  auto set = reinterpret_cast<SetContext>(
      reinterpret_cast<void*>(GetProcAddress(user, "SetProcessDpiAwarenessContext")));
  // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2 and _PER_MONITOR_AWARE.
  if (!set || (!set(reinterpret_cast<HANDLE>(-4)) && !set(reinterpret_cast<HANDLE>(-3)))) SetProcessDPIAware();
  const HDC screen = GetDC(nullptr);
  currentDpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  if (currentDpi <= 0) currentDpi = 96;
}

}  // namespace

void registerClass(const wchar_t* name, WNDPROC procedure, HBRUSH background) {
  WNDCLASSEXW existing{sizeof existing};
  if (GetClassInfoExW(instance(), name, &existing)) return;
  WNDCLASSEXW window{sizeof window};
  window.lpfnWndProc = procedure;
  window.hInstance = instance();
  window.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window.hbrBackground = background;
  window.lpszClassName = name;
  // The application icon: resource 1 of the program, when it has one, at the
  // large size and at the caption's small size.
  window.hIcon = LoadIconW(instance(), MAKEINTRESOURCEW(1));
  window.hIconSm = static_cast<HICON>(LoadImageW(instance(), MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
  RegisterClassExW(&window);
}

HINSTANCE instance() { return GetModuleHandleW(nullptr); }
HWND messageWindow() { return hiddenWindow; }

void post(int kind, int window, int object, int type) {
  core::postEvent({kind, window, object, type, -1});
  posted = true;
}

std::wstring wide(std::string_view text) {
  if (text.empty()) return {};
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring result(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), length);
  return result;
}

std::string utf8(const wchar_t* text, int length) {
  if (!text) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string result(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, length, result.data(), size, nullptr, nullptr);
  if (length < 0 && !result.empty()) result.pop_back();  // the terminating zero
  return result;
}

int dpi() { return currentDpi; }
int toDevice(int logical) { return MulDiv(logical, currentDpi, 96); }
int toLogical(int device) {
  const long long scaled = static_cast<long long>(device) * 96;
  return static_cast<int>(scaled >= 0 ? scaled / currentDpi : -((-scaled + currentDpi - 1) / currentDpi));
}

COLORREF toColorRef(int colour) { return RGB(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

}  // namespace media::win32

namespace media::backend {

using namespace media::win32;

void initialise() {
  if (!hiddenWindow) {
    becomeDpiAware();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES |
                                                       ICC_STANDARD_CLASSES | ICC_LINK_CLASS};
    InitCommonControlsEx(&controls);
    registerClass(L"FreeMirelMessages", messageProc, nullptr);
    registerClass(PageClass, pageProc, nullptr);
    registerClass(ScrollClass, scrollProc, GetSysColorBrush(COLOR_BTNFACE));
    hiddenWindow = CreateWindowExW(0, L"FreeMirelMessages", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance(),
                                   nullptr);
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&started);
  }
}

void shutdown() { dropBitmapCache(); }

std::int64_t clockMs() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return (now.QuadPart - started.QuadPart) * 1000 / frequency.QuadPart;
}

void waitNative(std::int64_t timeoutMs) {
  posted = false;
  const std::int64_t deadline = timeoutMs > 0 ? clockMs() + timeoutMs : 0;
  for (;;) {
    // What is queued first; with nothing posted, sleep until more input
    // arrives or the time is up (one wait, no timer to set and kill).
    MSG message;
    while (!posted && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (translateShortcut(message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (posted || timeoutMs == 0) return;
    DWORD wait = INFINITE;
    if (timeoutMs > 0) {
      const std::int64_t left = deadline - clockMs();
      if (left <= 0) return;
      wait = static_cast<DWORD>(std::min<std::int64_t>(left, 0x7FFFFFFE));
    }
    if (MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE) == WAIT_TIMEOUT) return;
  }
}

void sleepMs(int ms) {
  if (ms > 0) Sleep(static_cast<DWORD>(ms));
}

void screenSize(int& width, int& height) {
  RECT area{0, 0, 1024, 768};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  width = toLogical(area.right - area.left);
  height = toLogical(area.bottom - area.top);
}

void endProcess(int exitCode) {
  std::fflush(nullptr);
  std::exit(exitCode);
}

}  // namespace media::backend
