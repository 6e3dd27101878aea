// The Qt test driver's stand-ins for the user at a message box or a pop-up
// menu and for the desktop that opens documents. They are installed whenever
// a QApplication starts in a test that links the driver, and work from outside
// the back end with Qt's public means, so the back end runs as in the program:
// its message boxes are real modal QMessageBoxes, its menus real QMenus, its
// documents go to QDesktopServices.
//
// - A message box is read as it shows and answered from the queue of
//   testing::answerMessageBox by clicking its button from a zero timer, inside
//   the box's own event loop; with no answer queued, or one the box has no
//   button for, its safe button (No, or OK) is clicked.
// - A pop-up menu is answered, as it shows, with the choice queued for it by
//   testing::chooseMenuItem: the menu closes and the item's action triggers.
//   With no choice queued the menu just closes, as when the user dismisses it.
//   holdMenusOpen makes the user look at each menu for a while first.
// - Documents and addresses reach URL handlers (QDesktopServices::setUrlHandler
//   for file, http, https and mailto) instead of the desktop; a local file is
//   recorded as the absolute path the back end handed over, anything else as
//   its URL.
// - Mouse moves that reach a layer window are counted.
// - The sound output is OpenAL Soft's loopback device, so tests read the
//   rendered samples (testing::renderSound).
#pragma once

namespace media::qt::standins {

// Mouse-move events delivered to a layer window (a WindowWidget) so far.
int windowMouseMoves();
// Menus shown from now on stay open that many milliseconds before they are
// answered (0, the start value: at once).
void holdMenusOpen(int ms);

}  // namespace media::qt::standins
