// The back-end-neutral test driver: drive input and observe output of the media
// layer the same way on every back end, so one contract suite runs on all of
// them. Each back end implements these functions (media/headless with records
// and a virtual clock, media/qt/testing with synthetic toolkit events);
// renderSound, soundSampleRate and seedRandom are implemented once, in
// media/core/testing_core.cpp. Only tests link them, never the program.
//
// Input functions act as the user would: they change the record's state first
// (a ticked box, a moved slider), then post the event the real input raises.
// They return 0 and post nothing when the user could not reach the target: a
// free number, a hidden or disabled control or window, a control inside a
// hidden container or on a tab not shown.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace media::testing {

// A click on a control: a check box toggles, an option button is selected (its
// group's others are cleared), a toggle picture button flips; then EventControl
// of type 0. Labels, frames, text boxes, tab panels, track bars and scrolling
// areas raise no click event (0).
int clickControl(int control);
// The user moves a control to a new state (track-bar position, current tab,
// check state); then EventControl of type 1.
int changeControl(int control, int state);
// Moves the mouse to client coordinates of the window; coordinates outside the
// client rectangle (for example -5, -5: over the frame) leave it. Inside, the
// window gets EventMouseMove.
int moveMouse(int window, int x, int y);
// Moves the mouse there and releases the left button: EventLeftClick.
int leftClick(int window, int x, int y);
// Presses a key registered with addKeyboardShortcut on the window.
int pressShortcut(int window, int key);
// Queues the user's choice for the next showPopupMenu of that menu; the showing
// then raises EventMenu with the item.
int chooseMenuItem(int menu, int item);
int clickToolbarButton(int toolbar, int item);
int clickTrayIcon(int number);
// The user clicks the close box: EventCloseWindow, the window stays open.
int requestClose(int window);

// Queues the button the user presses in the next message box.
void answerMessageBox(int button);
struct ShownMessageBox {
  std::string caption;
  std::string text;
  int kind = 0;
};
// Every message box shown since the layer was initialised, oldest first.
std::vector<ShownMessageBox> shownMessageBoxes();

// Documents and addresses handed to the desktop, oldest first.
std::vector<std::string> openedDocuments();

struct Frame {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // ARGB32, row-major
};
// Where the back end put a control: its rectangle in the client coordinates of
// what holds it (the window, a tab page or a scrolling area's inside); all 0
// for a free number.
struct Placement {
  int x = 0, y = 0, width = 0, height = 0;
};
Placement controlPlacement(int control);

int presentedFrameCount();
Frame lastPresentedFrame();
// The part of the last presented frame the back end showed anew (all 0 when
// nothing changed).
Placement lastPresentedChange();

// Renders frames of mono float samples of the sound output into samples;
// returns 1, or 0 when the output does not render into memory (a speaker).
int renderSound(float* samples, int frames);
int soundSampleRate();

// Seeds the random generator, so a test can replay one sequence (implemented
// by the portable core; the game itself never seeds).
void seedRandom(std::uint64_t seed);

}  // namespace media::testing
