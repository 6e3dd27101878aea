// The Win32 test driver's stand-ins for the user at a message box or a pop-up
// menu and for the desktop that opens documents. They work from outside the
// back end, so it runs as in the program: its message boxes are real
// MessageBoxW boxes, its menus real TrackPopupMenu menus.
//
// - A watcher thread looks for this process's message boxes and pop-up menus.
//   A box is read (caption, text, kind from its buttons and icon) and answered
//   from the queue of testing::answerMessageBox by its button's command; with
//   no fitting answer queued, its safe button (No, or OK). A menu is answered
//   with the choice queued for it by testing::chooseMenuItem, by the keys a
//   user would press (down to the item, Enter); with none, Escape closes it.
// - Documents and addresses: the test program's import of ShellExecuteW is
//   pointed at a recorder, which answers success.
// - Sound: the software mixer renders into memory in place of its waveOut
//   stream, so tests read the samples the stream would play
//   (testing::renderSound).
#pragma once

#include <string>
#include <vector>

#include "media/testing.h"

namespace media::win32::standins {

// Starts the watcher and the recorder once; every driver call makes sure of it.
void install();
void queueMenuChoice(int menu, int item);
void queueBoxAnswer(int button);
std::vector<testing::ShownMessageBox> shownBoxes();
std::vector<std::string> documents();

}  // namespace media::win32::standins
