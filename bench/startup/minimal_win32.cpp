// The least a Win32 program does to show a 620 x 544 window with a sound
// device open (WinMM's waveOut, as the game's Win32 back end has) and to wake
// every 15 ms (a timer, as the game's loop must): the start-up time, memory
// and idle CPU of mirel.exe under Wine are measured against it.
#include <windows.h>
#include <mmsystem.h>

namespace {

LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int main() {
  WAVEFORMATEX format{WAVE_FORMAT_PCM, 1, 44100, 88200, 2, 16, 0};
  HWAVEOUT device = nullptr;
  if (waveOutOpen(&device, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) device = nullptr;
  WNDCLASSEXW type{sizeof type};
  type.lpfnWndProc = procedure;
  type.hInstance = GetModuleHandleW(nullptr);
  type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  type.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  type.lpszClassName = L"MinimalWindow";
  RegisterClassExW(&type);
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT frame{0, 0, 620, 544};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  const HWND window =
      CreateWindowExW(0, L"MinimalWindow", L"Minimal Win32 Window", style | WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                      frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, type.hInstance, nullptr);
  SetTimer(window, 1, 15, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  if (device) waveOutClose(device);
  return 0;
}
