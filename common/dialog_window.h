// What every dialog window shares: opening it centred on its owner, and the
// modal wait that takes every event of the program but hands back only those
// of the dialog itself.
#pragma once

#include <string_view>

namespace dialogs {

// Opens window `number` with a caption and close box, not resizable, its
// client area width x height, centred on and owned by window `owner`.
int openDialogWindow(int number, int width, int height, std::string_view title, int owner);

// Waits for the next event that belongs to `window` and returns its kind.
// Events of every other window (the owner's timer ticks and repaints
// included) are taken and dropped, so the rest of the game stands still.
int waitDialogEvent(int window);

}  // namespace dialogs
