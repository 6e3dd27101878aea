// A message box is modal: user input still queued when it opens was aimed at
// windows it now blocks and is dropped; timer events stay.
#include "contract.h"
#include "media/testing.h"

namespace {

namespace mt = media::testing;

using MessageBoxes = Contract;

TEST_F(MessageBoxes, TakeTheQueuedClicksButLeaveTheTimers) {
  for (int i = 0; i < 50 && media::waitEvent(20) != media::EventNone;) ++i;  // opening the window
  const int button = media::createPushButton(media::AnyNumber, 10, 10, 80, 20, "New");
  ASSERT_GE(button, 0);
  ASSERT_EQ(media::addWindowTimer(MainWindow, 3, 10), 1);
  for (int i = 0; i < 3; ++i) ASSERT_EQ(mt::clickControl(button), 1);
  media::delay(30);
  ASSERT_EQ(media::waitEvent(0), media::EventControl);  // the first click asks the question
  mt::answerMessageBox(media::ButtonYes);
  ASSERT_EQ(media::messageBox("Quit Game", "Are you sure?", media::BoxWarningYesNo), media::ButtonYes);
  int controls = 0;
  bool timer = false;
  for (int kind; (kind = media::waitEvent(0)) != media::EventNone;) {
    controls += kind == media::EventControl;
    timer = timer || kind == media::EventTimer;
  }
  EXPECT_EQ(controls, 0) << "the clicks made before the box acted after it";
  EXPECT_TRUE(timer);
}

}  // namespace
