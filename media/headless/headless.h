// The headless back end's own test API (besides the back-end-neutral driver in
// media/testing.h): settings of the simulated desktop, the virtual clock, and
// readers for everything the layer showed, played or opened. The records
// themselves are read with media::core::findWindow / findControl or the
// find functions of media/backend.h.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "media/records.h"

namespace media::headless {

// The simulated desktop; each setting holds until media::initialise resets it.
void setScreenSize(int width, int height);  // default 1920 x 1080
void setTrayAvailable(int available);       // default 1
void setVerticalDpi(int dpi);               // default 96
void setAudioAvailable(int available);      // default 1: the software mixer opens

// The virtual clock in milliseconds. Waiting with nothing pending and delay
// move it on; advance moves it without waiting (timers fall due, the next wait
// delivers them).
std::int64_t now();
void advance(int ms);

// Called whenever the program waits with nothing queued, before the clock moves
// on; input posted from it is delivered by that wait. Without a hook a wait with
// no timeout and no timer would never end: it aborts with a message instead.
void setIdleHook(std::function<void()> hook);
// Called by endProcess with the exit code. It may throw to return to the test;
// when it returns, the process exits with the code.
void setEndProcessHook(std::function<void(int exitCode)> hook);

// The drawing surface's record; nullptr while none is open. The other records
// are read through media::core::findWindow, findControl, findMenu ...
const ScreenRecord* screen();

// What happened, oldest first.
std::vector<int> activatedWindows();
std::vector<int> shownMenus();
Rect lastInvalidated(int window);  // empty when never invalidated
int shortcutItem(int window, int key);  // the menu item of a registered key, -1 none
struct PlayedSound {
  int number = -1;
  int volume = 0;
};
std::vector<PlayedSound> playedSounds();

}  // namespace media::headless
