// The event queue: waits and their timeouts, window timers, and the events
// that input raises (repaint, close request, shortcut, menu, toolbar, tray,
// mouse, control clicks).
#include "contract.h"
#include "media/backend.h"
#include "media/testing.h"

namespace {

namespace mt = media::testing;

class Events : public Contract {
 protected:
  void SetUp() override {
    Contract::SetUp();
    settle();
  }
  // Lets the events of opening the window pass.
  static void settle() {
    for (int i = 0; i < 50 && media::waitEvent(20) != media::EventNone;) ++i;
  }
};

TEST_F(Events, AWaitOf15MsReturnsZeroWhenNothingHappens) {
  EXPECT_EQ(media::waitEvent(15), media::EventNone);
  EXPECT_EQ(media::waitEvent(0), media::EventNone);
}

TEST_F(Events, ATimerHasAtMostOneEventWaiting) {
  ASSERT_EQ(media::addWindowTimer(MainWindow, 3, 10), 1);
  media::delay(120);  // a dozen periods pass without a wait
  ASSERT_EQ(media::waitEvent(0), media::EventTimer);
  EXPECT_EQ(media::eventTimer(), 3);
  EXPECT_EQ(media::eventWindow(), MainWindow);
  EXPECT_NE(media::waitEvent(0), media::EventTimer) << "missed periods do not pile up";
  EXPECT_TRUE(awaitEvent(media::EventTimer)) << "the timer goes on beating";
}

TEST_F(Events, ARemovedTimerFiresNoMoreEvenWithAnEventWaiting) {
  ASSERT_EQ(media::addWindowTimer(MainWindow, 4, 10), 1);
  media::delay(30);
  ASSERT_EQ(media::removeWindowTimer(MainWindow, 4), 1);
  for (int i = 0; i < 5; ++i) EXPECT_NE(media::waitEvent(15), media::EventTimer);
}

TEST_F(Events, APausedTimerFiresNothingAndResumesWithWhatWasLeft) {
  ASSERT_EQ(media::addWindowTimer(MainWindow, 3, 300), 1);
  ASSERT_EQ(media::pauseWindowTimer(MainWindow, 3), 1);
  ASSERT_EQ(media::pauseWindowTimer(MainWindow, 3), 1) << "pausing twice changes nothing";
  media::delay(700);  // two periods
  EXPECT_EQ(drainEvents(), 0);
  for (int i = 0; i < 30; ++i) EXPECT_NE(media::waitEvent(10), media::EventTimer);
  ASSERT_EQ(media::resumeWindowTimer(MainWindow, 3), 1);
  EXPECT_TRUE(awaitEvent(media::EventTimer)) << "it goes on after the resume";
  EXPECT_EQ(media::pauseWindowTimer(MainWindow, 9), 0) << "no such timer";
  EXPECT_EQ(media::resumeWindowTimer(MainWindow, 9), 0);

  ASSERT_EQ(media::pauseWindowTimer(MainWindow, 3), 1);
  ASSERT_EQ(media::addWindowTimer(MainWindow, 3, 20), 1);
  EXPECT_TRUE(awaitEvent(media::EventTimer)) << "adding a paused timer again starts it afresh";
}

TEST_F(Events, ATickWaitingWhenTheTimerIsPausedComesFirstAfterTheResume) {
  ASSERT_EQ(media::addWindowTimer(MainWindow, 3, 200), 1);
  media::delay(250);
  ASSERT_EQ(media::pauseWindowTimer(MainWindow, 3), 1);
  EXPECT_EQ(media::waitEvent(0), media::EventNone) << "the waiting tick was taken back";
  ASSERT_EQ(media::resumeWindowTimer(MainWindow, 3), 1);
  EXPECT_EQ(media::waitEvent(0), media::EventTimer);
  EXPECT_EQ(media::eventTimer(), 3);
}

TEST_F(Events, TimersAreNumberedPerWindowAndEndWithTheirWindow) {
  ASSERT_EQ(media::openWindow(2, 0, 0, 50, 50, "Other", media::WindowCaption, nullptr), 1);
  settle();
  ASSERT_EQ(media::addWindowTimer(2, 3, 10), 1);
  ASSERT_EQ(media::addWindowTimer(MainWindow, 3, 25), 1);
  ASSERT_TRUE(awaitEvent(media::EventTimer));
  EXPECT_EQ(media::eventWindow(), 2) << "the faster timer of window 2 comes first";
  media::closeWindow(2);
  for (int i = 0; i < 10; ++i) {
    if (media::waitEvent(10) == media::EventTimer) {
      EXPECT_EQ(media::eventWindow(), MainWindow);
    }
  }
}

TEST_F(Events, AnErasingInvalidateRaisesARepaintOfThatWindow) {
  ASSERT_EQ(media::invalidateWindow(MainWindow, 0, 0, 20, 20, 1), 1);
  ASSERT_TRUE(awaitEvent(media::EventRepaint));
  EXPECT_EQ(media::eventWindow(), MainWindow);
}

TEST_F(Events, ACloseRequestIsAnEventAndTheWindowStaysOpen) {
  ASSERT_EQ(mt::requestClose(MainWindow), 1);
  ASSERT_TRUE(awaitEvent(media::EventCloseWindow));
  EXPECT_EQ(media::eventWindow(), MainWindow);
  EXPECT_TRUE(media::windowExists(MainWindow));
}

// The keys of keyboard play are shortcuts like the others; a code past them is refused.
TEST_F(Events, EveryShortcutKeyRaisesItsOwnMenuEvent) {
  for (int key = media::KeyEscape; key <= media::KeyCtrlZ; ++key)
    ASSERT_EQ(media::addKeyboardShortcut(MainWindow, key, 100 + key), 1) << key;
  for (int key = media::KeyEscape; key <= media::KeyCtrlZ; ++key) {
    ASSERT_EQ(mt::pressShortcut(MainWindow, key), 1) << key;
    ASSERT_TRUE(awaitEvent(media::EventMenu));
    EXPECT_EQ(media::eventObject(), 100 + key);
  }
  EXPECT_EQ(media::addKeyboardShortcut(MainWindow, media::KeyCtrlZ + 1, 99), 0);
  EXPECT_EQ(media::addKeyboardShortcut(MainWindow, 0, 99), 0);
}

TEST_F(Events, ShortcutsMenusAndToolbarButtonsRaiseMenuEventsWithTheirItem) {
  ASSERT_EQ(media::addKeyboardShortcut(MainWindow, media::KeyCtrlQ, 42), 1);
  ASSERT_EQ(mt::pressShortcut(MainWindow, media::KeyCtrlQ), 1);
  ASSERT_TRUE(awaitEvent(media::EventMenu));
  EXPECT_EQ(media::eventObject(), 42);
  EXPECT_EQ(mt::pressShortcut(MainWindow, media::KeyF1), 0) << "F1 was never registered";

  ASSERT_EQ(media::createPopupMenu(1), 1);
  media::addMenuItem(1, 11, "Eleven");
  media::addMenuSeparator(1);
  media::addMenuItem(1, 12, "Twelve");
  ASSERT_EQ(mt::chooseMenuItem(1, 12), 1);
  ASSERT_EQ(media::showPopupMenu(1, media::windowHandle(MainWindow)), 1);
  ASSERT_TRUE(awaitEvent(media::EventMenu));
  EXPECT_EQ(media::eventObject(), 12);

  ASSERT_EQ(media::createToolbar(0, media::windowHandle(MainWindow), media::ToolbarLargeIcons), 1);
  ASSERT_EQ(media::addToolbarButton(0, 7, nullptr), 1);
  ASSERT_EQ(media::addToolbarButton(0, 8, nullptr), 1);
  media::disableToolbarButton(0, 8, 1);
  EXPECT_EQ(media::toolbarButtonDisabled(0, 8), 1);
  EXPECT_EQ(mt::clickToolbarButton(0, 8), 0) << "a disabled button takes no click";
  ASSERT_EQ(mt::clickToolbarButton(0, 7), 1);
  ASSERT_TRUE(awaitEvent(media::EventMenu));
  EXPECT_EQ(media::eventObject(), 7);
}

TEST_F(Events, TheTrayIconsClickIsATrayEvent) {
  if (!media::trayAvailable()) GTEST_SKIP() << "no notification area";
  const auto png = rgbPng(1, 1, {0xffff0000});
  const int image = media::loadImage(media::AnyNumber, png.data(), png.size());
  ASSERT_EQ(media::addTrayIcon(0, media::windowHandle(MainWindow), media::imageHandle(image)), 1);
  media::setTrayToolTip(0, "Tip");
  ASSERT_EQ(mt::clickTrayIcon(0), 1);
  ASSERT_TRUE(awaitEvent(media::EventTray));
  EXPECT_EQ(media::removeTrayIcon(0), 1);
  EXPECT_EQ(mt::clickTrayIcon(0), 0);
}

TEST_F(Events, TheMousePositionIsMinusOneOutsideTheClientArea) {
  ASSERT_EQ(mt::moveMouse(MainWindow, 20, 30), 1);
  EXPECT_EQ(media::windowMouseX(MainWindow), 20);
  EXPECT_EQ(media::windowMouseY(MainWindow), 30);
  ASSERT_TRUE(awaitEvent(media::EventMouseMove));
  EXPECT_EQ(media::eventWindow(), MainWindow);
  mt::moveMouse(MainWindow, -3, -3);  // over the frame
  EXPECT_EQ(media::windowMouseX(MainWindow), -1);
  EXPECT_EQ(media::windowMouseY(MainWindow), -1);
  mt::moveMouse(MainWindow, 320, 10);  // just right of the client area
  EXPECT_EQ(media::windowMouseX(MainWindow), -1);
  EXPECT_EQ(media::windowMouseY(MainWindow), -1);
}

TEST_F(Events, ALeftClickComesWithThePositionItWasMadeAt) {
  ASSERT_EQ(mt::leftClick(MainWindow, 40, 50), 1);
  ASSERT_TRUE(awaitEvent(media::EventLeftClick));
  EXPECT_EQ(media::eventWindow(), MainWindow);
  EXPECT_EQ(media::windowMouseX(MainWindow), 40);
  EXPECT_EQ(media::windowMouseY(MainWindow), 50);
}

TEST_F(Events, AButtonClickIsAControlEventOfTypeClick) {
  ASSERT_EQ(media::createPushButton(5, 10, 10, 80, 24, "Press"), 1);
  settle();
  ASSERT_EQ(mt::clickControl(5), 1);
  ASSERT_TRUE(awaitEvent(media::EventControl));
  EXPECT_EQ(media::eventObject(), 5);
  EXPECT_EQ(media::eventType(), 0);
  EXPECT_EQ(media::eventWindow(), MainWindow);
}

TEST_F(Events, HiddenOrDisabledControlsTakeNoClicks) {
  media::createPushButton(5, 10, 10, 80, 24, "Hidden");
  media::createCheckBox(6, 10, 40, 80, 24, "Disabled", 0);
  media::hideControl(5, 1);
  media::disableControl(6, 1);
  EXPECT_EQ(mt::clickControl(5), 0);
  EXPECT_EQ(mt::clickControl(6), 0);
  EXPECT_EQ(media::controlState(6), 0);
  EXPECT_EQ(media::waitEvent(15), media::EventNone);
}

TEST_F(Events, TheWindowCallbackAnswersTheLabelColourQuestion) {
  media::createTextLabel(8, 0, 0, 100, 20, "Status", media::LabelLeft);
  media::StaticColours colours;
  EXPECT_EQ(media::core::askStaticColours(MainWindow, 8, colours), 0) << "no callback yet";
  media::setWindowCallback(
      [](int, media::NativeMessage& message) -> std::intptr_t {
        if (message.kind != media::MessageStaticColours || message.control != 8) return media::CallbackUnhandled;
        message.colours->transparentBackground = 1;
        message.colours->textColour = 0x0000ff;
        return 1;
      },
      MainWindow);
  ASSERT_EQ(media::core::askStaticColours(MainWindow, 8, colours), 1);
  EXPECT_EQ(colours.transparentBackground, 1);
  EXPECT_EQ(colours.textColour, 0x0000ff);
  media::StaticColours other;
  EXPECT_EQ(media::core::askStaticColours(MainWindow, 9, other), 0) << "unhandled for another label";
}

}  // namespace
