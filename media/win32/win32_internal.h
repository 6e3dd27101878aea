// Internal declarations shared by the files of the Win32 back end: posting
// events to the core, UTF-8 / UTF-16 conversion, the DPI scale, colours,
// native handles of records, and the message handling that every window
// holding controls shares (the top-level windows, tab pages, scrolling areas).
//
// Coordinates: the layer works in logical pixels (96 DPI); the process is
// per-monitor DPI aware, and every position and size handed to Windows is
// scaled by the monitor's DPI / 96 (toDevice), every pointer position read
// back is divided, rounding down (toLogical), so a click lands on the cell
// under the pointer at any scaling.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "media/backend.h"
#include "media/records.h"

namespace media::core {
struct SoundOutput;
}

namespace media::win32 {

// Window classes registered by initialise.
constexpr const wchar_t* WindowClass = L"FreeMirelWindow";
constexpr const wchar_t* PageClass = L"FreeMirelPage";       // tab page, inside of a scrolling area
constexpr const wchar_t* ScrollClass = L"FreeMirelScroll";   // a scrolling area's frame
constexpr const wchar_t* SurfaceClass = L"FreeMirelSurface";  // the drawing surface
// Control identifiers are the control's number plus this, away from the
// toolbar's item numbers and IDOK / IDCANCEL.
constexpr int ControlIdBase = 0x1000;
// Posted to the message window: a pop-up menu closed with a choice (wParam the
// item, lParam the owner window's number) or without one (wParam -1).
constexpr UINT MenuChosenMessage = WM_APP + 1;
// The tray icon's callback message, sent to the message window.
constexpr UINT TrayMessage = WM_APP + 2;

HINSTANCE instance();
// Registers a window class of this program once (later calls do nothing).
void registerClass(const wchar_t* name, WNDPROC procedure, HBRUSH background);
// The hidden message-only window: the wait's timer, menu choices, tray clicks.
HWND messageWindow();

// Queues the event in the core and ends the current wait.
void post(int kind, int window, int object, int type = 0);

std::wstring wide(std::string_view text);
std::string utf8(const wchar_t* text, int length = -1);

// Logical pixels to the device pixels of the current DPI, and back (rounding down).
int dpi();
int toDevice(int logical);
int toLogical(int device);

COLORREF toColorRef(int colour);  // the layer's red + green*256 + blue*65536

HWND hwndOf(const WindowRecord& window);
HWND hwndOf(int window);
// The top-level window's record number, -1 when it is none of the layer's.
int windowNumber(HWND hwnd);

// A control's native object: its window, and what a tab panel or a scrolling
// area holds (their pages or inner area).
struct ControlNative {
  HWND hwnd = nullptr;
  std::vector<HWND> pages;  // tab panel: one page per tab
  HWND inner = nullptr;     // scrolling area: the scrolled inside
  HBRUSH brush = nullptr;   // the background colour's brush
  HWND toolTip = nullptr;   // its tool tip, once it has one
};
ControlNative* controlNative(const ControlRecord& control);
HWND controlHwnd(int control);
// The window a control is placed in: the top-level window, a tab page or a
// scrolling area's inside.
HWND containerHandle(const ControlRecord& control);

// The user chose an option button: it is set, the others of its group cleared.
void selectOption(int control);

// Handles the messages that the controls send to the window holding them
// (commands, track-bar moves, tab changes, colour questions, owner drawing).
// Returns true with result set when the message was one of them.
bool handleControlMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
// The brush of a window's background behind one of its children: the window's
// picture, aligned so that the child's pixels match the window's; its colour;
// or the dialog face colour. A transparent label, a picture button's uncovered
// edge and the flat toolbar show the window through it.
HBRUSH backgroundBrush(int window, HWND child, HDC dc);
// Marks a toolbar, whose commands are menu items rather than controls'.
void markToolbar(HWND toolbar);
// The control's own hover tracking and hand cursor (hyperlinks) and mouse moves
// passed on to its window, through a subclass procedure.
void subclassControl(HWND hwnd, int control);

// The device-pixel bitmap of a core image at its logical size scaled to the
// DPI, made once and cached until the image changes or goes away; nullptr for
// no image. Drawn with its alpha through AlphaBlend.
HBITMAP bitmapOf(const Image* image);
void drawImage(HDC dc, const Image* image, int x, int y, int width, int height);
void dropBitmapCache();
// A new bitmap (the caller deletes it) of the image at that device size.
HBITMAP scaledBitmap(const Image* image, int width, int height);
// An icon of the image (the tray's), which the caller destroys.
HICON iconOf(const Image* image);

// The font of a font number, or the default control font ("Tahoma" 8 points)
// for -1 or a free number.
HFONT fontOf(int font);

// Keyboard shortcuts: translates a key message for the window it belongs to;
// true when it became a shortcut's event.
bool translateShortcut(MSG& message);
void dropShortcuts(int window);
// The virtual key of a layer key (KeyEscape ...) and whether Ctrl goes with it;
// false for an unknown key.
bool shortcutKey(int key, WORD& virtualKey, bool& control);

// Tray clicks and menu choices arriving at the message window.
void trayMessage(LPARAM lParam, WPARAM wParam);
void menuChosen(WPARAM wParam, LPARAM lParam);

// The mouse left or moved over a control: the window gets its mouse move.
void reportMouseMove(int window);

// The drawing surface's window and the core's back buffer it shows in place
// (ARGB32; the core keeps it at its address until the surface closes).
struct Surface {
  HWND hwnd = nullptr;
  const std::uint32_t* pixels = nullptr;
  int width = 0, height = 0;
  int presented = 0;
  Rect lastChange;  // the part the last present showed anew, logical pixels
};
Surface* surfaceOf(const ScreenRecord& screen);

// The waveOut stream over the core's software mixer.
const core::SoundOutput& waveOutput();

}  // namespace media::win32
