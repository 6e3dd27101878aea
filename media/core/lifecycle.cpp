// Setting the layer up, the one sweep that releases everything, and the one
// place that ends the process.
#include "media/core/core.h"

namespace media {

void initialise() { backend::initialise(); }

void releaseAll() {
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

}  // namespace media
