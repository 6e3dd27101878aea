// The native part of the media layer. The portable core (object tables, event
// queue, timers, decoding, compositor, sound, libraries) calls these functions;
// exactly one back end implements them and is chosen at link time:
// media/qt (the program) or media/headless (tests).
//
// The core owns every record and passes it by reference; a back end may keep
// its native object in record.native and must release it in the matching
// destroy call. A back end reports user input by updating the record's state
// first (for example a ticked box) and then calling core::postEvent.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "media/records.h"

namespace media::core {

struct Event {
  int kind = EventNone;
  int window = -1;
  int object = -1;
  int type = 0;
  int timer = -1;
};

// Called by a back end to queue an event (user input, repaint, close request).
void postEvent(const Event& event);
// Called by a back end whose connection to the display has broken: runs the
// handler set with onDisplayLost (once), then ends the process with code 1.
[[noreturn]] void displayLost();
// True once displayLost has been called: the native objects can no longer be
// reached; releaseAll leaves them alone, and a back end ends the process
// without tearing them down.
bool displayIsLost();
// Looks a record up by number (nullptr when free). For back ends only.
WindowRecord* findWindow(int number);
ControlRecord* findControl(int number);
MenuRecord* findMenu(int number);
ToolbarRecord* findToolbar(int number);
TrayRecord* findTray(int number);
FontRecord* findFont(int number);
// Runs the window's callback for a static label's colour question; returns 1
// when the callback answered (colours filled in).
int askStaticColours(int window, int control, StaticColours& colours);
// Where sounds go (media/core/sound_output.h).
struct SoundOutput;

}  // namespace media::core

namespace media::backend {

void initialise();
void shutdown();

// Milliseconds of a monotonic clock (virtual in the headless back end).
std::int64_t clockMs();
// Pumps native input until an event has been posted or timeoutMs has passed
// (timeoutMs < 0: no limit). The headless back end advances its virtual clock
// by the timeout when nothing is pending.
void waitNative(std::int64_t timeoutMs);
void sleepMs(int ms);
[[noreturn]] void endProcess(int exitCode);

// Size of the screen the windows open on (the core centres windows on it).
void screenSize(int& width, int& height);

// Windows
bool createWindow(WindowRecord& window);
void destroyWindow(WindowRecord& window);
void updateWindow(WindowRecord& window);  // title, hidden, disabled, colour, background changed
void activateWindow(WindowRecord& window);
void invalidateWindow(WindowRecord& window, const Rect& rect, bool erase);
void repaintNow(WindowRecord& window);
// Cursor in client coordinates; false when outside the client rectangle.
bool mousePosition(const WindowRecord& window, int& x, int& y);
int windowScreenX(const WindowRecord& window);

// Controls. Accessible names: a picture button's text (never drawn) names it
// for assistive technology, a toolbar button's tool tip names that button, and
// the drawing surface is named by ScreenRecord::name. A picture button with
// PictureNoFocus never takes the keyboard focus.
bool createControl(ControlRecord& control);
void destroyControl(ControlRecord& control);
void updateControl(ControlRecord& control);  // any property of the record changed
void appendRichTextLine(ControlRecord& control, std::string_view line);
void addTab(ControlRecord& tabPanel, std::string_view title);

// Menus, toolbar, tray
bool createMenu(MenuRecord& menu);
void destroyMenu(MenuRecord& menu);
void updateMenu(MenuRecord& menu);  // items appended
void showMenu(MenuRecord& menu, const WindowRecord& owner);
bool createToolbar(ToolbarRecord& toolbar);
void destroyToolbar(ToolbarRecord& toolbar);
void updateToolbar(ToolbarRecord& toolbar);
bool trayAvailable();
bool createTray(TrayRecord& tray);
void destroyTray(TrayRecord& tray);
void updateTray(TrayRecord& tray);
// key is a ShortcutKey (KeyEscape .. KeyCtrlZ; KeyEnter stands for both Enter
// keys). It posts EventMenu(menuItem) for the window wherever the focus is in
// it, before any control can act on the key; a later call for the same key
// replaces the earlier one.
bool addShortcut(WindowRecord& window, int key, int menuItem);

// Dialog services
int messageBox(std::string_view caption, std::string_view text, int kind);
bool openDocument(std::string_view pathOrAddress);

// Fonts
bool createFont(FontRecord& font);  // fills pixelHeight from the display's resolution
void destroyFont(FontRecord& font);

// Images: called when an image gets a native handle and when it goes away.
void imageChanged(const Image& image);
void imageFreed(const Image& image);

// Drawing surface
bool createScreen(ScreenRecord& screen, WindowRecord& parent);
void destroyScreen(ScreenRecord& screen);
// pixels: width x height ARGB32 of the back buffer, every pixel opaque. It
// stays at that address, changed by nothing but the core's draws, until
// destroyScreen, so a back end may show it in place instead of copying it;
// screen.changed says which part needs showing anew.
void presentFrame(ScreenRecord& screen, const std::uint32_t* pixels, int width, int height);

// Sound: the back end's output (media/core/sound_output.h), which
// initialiseSound opens; nullptr when there is none.
const core::SoundOutput* soundOutput();
// A sound was started at that volume (0..100); the headless back end logs it.
void soundPlayed(int number, int volume);

}  // namespace media::backend
