// Setting the layer up, the one sweep that releases everything, the one place
// that ends the process, and the report of a display that has gone.
#include "media/core/core.h"

namespace media {

namespace {
DisplayLostHandler displayLostHandler = nullptr;
bool lost = false;
}  // namespace

void initialise() {
  lost = false;
  backend::initialise();
}

void releaseAll() {
  if (lost) {
    // The toolkit's objects went with the display, and one of them may still
    // be running (a modal message box owned by a window): they are left to
    // the end of the process, which comes next. What lies outside the
    // toolkit is released.
    core::releaseLibraries();
    core::releaseSound();
    core::releaseDecodedAhead();
    return;
  }
  core::releaseLibraries();
  core::releaseSprites();
  core::releaseSound();
  core::releaseFonts();
  core::releaseImages();
  core::releaseDecodedAhead();
  core::releaseMenus();
  core::releaseWindows();
  core::releaseControls();
  core::releaseEvents();
  backend::shutdown();
}

void endProcess(int exitCode) { backend::endProcess(exitCode); }

void onDisplayLost(DisplayLostHandler handler) { displayLostHandler = handler; }

bool core::displayIsLost() { return lost; }

void core::displayLost() {
  // A second report (the handler's own teardown noticing the broken
  // connection again) ends the process at once.
  if (!lost) {
    lost = true;
    if (displayLostHandler) displayLostHandler();
  }
  backend::endProcess(1);
}

}  // namespace media
