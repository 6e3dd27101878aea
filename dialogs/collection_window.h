// The image collection window: its record and the two halves of
// openCollectionWindow, so a test can drive the window one event at a time.
#pragma once

#include <string>
#include <vector>

struct CollectionWindow {
  // Controls of the open window.
  int scrollArea = -1, countLabel = -1, selectAll = -1, selectNone = -1, close = -1;
  std::vector<int> pictures;  // thumbnail picture control of portrait i at [i - 1]
  std::vector<int> boxes;     // check box of portrait i at [i - 1]
  // Kept for the rest of the run once a loading found portraits.
  int portraits = 0;          // N, the number of portraits loaded
  std::vector<int> thumbnails;  // image number of portrait i's 72 x 108 thumbnail, -1 undecodable
  std::string remembered;     // the selection string as last read by the window
};

extern CollectionWindow Collection;

// Opening steps 1 to 6: the window, the portraits (loaded once) and their boxes.
void openCollectionWindowSteps();
// Waits for the next event of the window and handles it; returns 0 once the
// window has been handed to ConfirmQuit, 1 while it stays open.
int collectionWindowPass();
