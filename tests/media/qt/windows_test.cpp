// Windows on the Qt back end: the native form of the window flags, owned
// windows, close requests, repaint events, the mouse and the shortcuts.
#include <QAction>
#include <QEvent>
#include <QPointer>
#include <QToolBar>

#include "media/backend.h"
#include "qt_test_support.h"

namespace media::qt::test {
namespace {

using WindowsOnQt = QtBackend;

TEST_F(WindowsOnQt, AWindowKeepsItsClientSizeAndHasNoMaximiseBox) {
  ASSERT_EQ(openWindow(0, 0, 0, 300, 200, "Plain", WindowCaption | WindowCentreScreen, nullptr), 1);
  ASSERT_EQ(openWindow(1, 0, 0, 620, 544, "Main", WindowCaption | WindowMinimiseBox, nullptr), 1);
  QWidget* plain = windowWidgetOf(0);
  QWidget* main = windowWidgetOf(1);
  ASSERT_TRUE(plain && main);
  EXPECT_EQ(plain->windowTitle(), "Plain");
  EXPECT_EQ(plain->size(), QSize(300, 200));
  EXPECT_EQ(plain->minimumSize(), plain->maximumSize());
  EXPECT_EQ(main->minimumSize(), QSize(620, 544));
  EXPECT_EQ(main->maximumSize(), QSize(620, 544));
  EXPECT_FALSE(plain->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(main->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(plain->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(main->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(main->windowFlags() & Qt::WindowCloseButtonHint);
}

TEST_F(WindowsOnQt, AnOwnedWindowStaysAboveItsOwnerAndOutlivesIt) {
  ASSERT_EQ(openWindow(0, 0, 0, 400, 300, "Owner", WindowCaption, nullptr), 1);
  ASSERT_EQ(openWindow(1, 0, 0, 200, 100, "Owned", WindowCaption | WindowCentreOwner, windowHandle(0)), 1);
  QPointer<QWidget> owned = windowWidgetOf(1);
  ASSERT_TRUE(owned);
  EXPECT_EQ(owned->parentWidget(), windowWidgetOf(0));
  EXPECT_TRUE(owned->isWindow());

  EXPECT_EQ(closeWindow(0), 1);
  ASSERT_TRUE(owned) << "closing the owner must not delete the owned window behind the layer's back";
  EXPECT_EQ(windowWidgetOf(1), owned.data());
  EXPECT_TRUE(owned->isVisible());
  EXPECT_EQ(hideWindow(1, 1), 1);
  EXPECT_FALSE(owned->isVisible());
}

TEST_F(WindowsOnQt, DisablingAnOwnerLeavesItsOwnedWindowsAsTheyAre) {
  ASSERT_EQ(openWindow(0, 0, 0, 400, 300, "Main", WindowCaption, nullptr), 1);
  ASSERT_EQ(openWindow(1, 0, 0, 300, 200, "About", WindowCaption | WindowCentreOwner, windowHandle(0)), 1);
  ASSERT_EQ(openWindow(2, 0, 0, 200, 100, "Licence", WindowCaption | WindowCentreOwner, windowHandle(1)), 1);
  ASSERT_EQ(disableWindow(0, 1), 1);
  EXPECT_FALSE(windowWidgetOf(0)->isEnabled());
  EXPECT_TRUE(windowWidgetOf(1)->isEnabled()) << "the dialog that disabled its owner must stay usable";
  EXPECT_TRUE(windowWidgetOf(2)->isEnabled());
  ASSERT_EQ(disableWindow(1, 1), 1);
  ASSERT_EQ(disableWindow(0, 0), 1);
  EXPECT_TRUE(windowWidgetOf(0)->isEnabled());
  EXPECT_FALSE(windowWidgetOf(1)->isEnabled()) << "enabling the owner keeps an owned window's own state";
  EXPECT_TRUE(windowWidgetOf(2)->isEnabled());
  EXPECT_EQ(testing::requestClose(1), 0);
  EXPECT_EQ(testing::requestClose(2), 1);
}

TEST_F(WindowsOnQt, ACloseRequestIsAnEventAndTheWindowStaysOpen) {
  ASSERT_EQ(openWindow(0, 10, 10, 200, 100, "Stay", WindowCaption, nullptr), 1);
  drain(EventRepaint);
  ASSERT_EQ(testing::requestClose(0), 1);
  ASSERT_EQ(waitEvent(0), EventCloseWindow);
  EXPECT_EQ(eventWindow(), 0);
  EXPECT_TRUE(windowWidgetOf(0)->isVisible());
  EXPECT_EQ(windowExists(0), 1);
}

int otherMessages = 0;
std::intptr_t swallowCloseRequests(int, NativeMessage& message) {
  if (message.kind != MessageOther) return CallbackUnhandled;
  ++otherMessages;
  return message.raw == QEvent::Close ? 0 : CallbackUnhandled;
}

TEST_F(WindowsOnQt, TheCallbackSeesOtherMessagesAndAnAnswerEndsTheirHandling) {
  ASSERT_EQ(openWindow(0, 10, 10, 200, 100, "Hooked", WindowCaption, nullptr), 1);
  ASSERT_EQ(setWindowCallback(swallowCloseRequests, 0), 1);
  otherMessages = 0;
  drain(EventRepaint);
  ASSERT_EQ(testing::requestClose(0), 1);
  EXPECT_GT(otherMessages, 0);
  EXPECT_EQ(drain(EventCloseWindow), 0) << "the callback answered the close request itself";
  EXPECT_TRUE(windowWidgetOf(0)->isVisible()) << "and the window is still open";
  ASSERT_EQ(setWindowCallback(nullptr, 0), 1);
  ASSERT_EQ(testing::requestClose(0), 1);
  EXPECT_EQ(drain(EventCloseWindow), 1);
}

// The background is announced when it was erased or first shown, never for a
// label repainting itself (that would make the game redraw on every text change).
TEST_F(WindowsOnQt, RepaintEventsComeFromErasingAndShowingOnly) {
  ASSERT_EQ(openWindow(0, 0, 0, 320, 240, "Paint", WindowCaption, nullptr), 1);
  ASSERT_EQ(createTextLabel(5, 10, 200, 100, 18, "Steps: 1", LabelLeft), 1);
  // The window system shows the window in its own time (at once offscreen).
  int shown = 0;
  for (int tries = 0; tries < 20 && !shown; ++tries) shown = drain(EventRepaint, 100);
  EXPECT_EQ(shown, 1) << "the first show raises one repaint";

  setControlText(5, "Steps: 2");
  windowWidgetOf(0)->repaint();
  invalidateWindow(0, 0, 0, 320, 240, 0);
  updateWindow(0);
  EXPECT_EQ(drain(EventRepaint, 5), 0);

  invalidateWindow(0, 0, 195, 320, 45, 1);
  updateWindow(0);
  ASSERT_EQ(waitEvent(0), EventRepaint) << "repainting at once raises the event before the next wait";
  EXPECT_EQ(eventWindow(), 0);
  EXPECT_EQ(drain(EventRepaint), 0);
}

TEST_F(WindowsOnQt, TheMousePositionCountsOverControlsButNotOverTheFrame) {
  ASSERT_EQ(openWindow(0, 100, 100, 300, 200, "Mouse", WindowCaption, nullptr), 1);
  ASSERT_EQ(createTextLabel(1, 0, 0, 100, 40, "label", LabelLeft), 1);
  ASSERT_EQ(testing::moveMouse(0, 20, 15), 1);
  EXPECT_EQ(windowMouseX(0), 20);
  EXPECT_EQ(windowMouseY(0), 15);
  EXPECT_GE(drain(EventMouseMove), 1) << "a move over a label reaches its window";
  ASSERT_EQ(testing::moveMouse(0, -5, -5), 1);
  EXPECT_EQ(windowMouseX(0), -1);
  EXPECT_EQ(windowMouseY(0), -1);
  EXPECT_EQ(drain(EventMouseMove), 0);
  testing::moveMouse(0, 300, 10);  // just past the right edge
  EXPECT_EQ(windowMouseX(0), -1);
}

// A game follows the pointer by its window's mouse moves: when the pointer
// goes from the field onto a control, the window must hear of it, although Qt
// sends the window no move while the pointer is over a button or the toolbar.
TEST_F(WindowsOnQt, ThePointerEnteringAnyControlIsAMouseMoveOfItsWindow) {
  ASSERT_EQ(openWindow(0, 0, 0, 620, 544, "Field", WindowCaption, nullptr), 1);
  ASSERT_EQ(createToolbar(0, windowHandle(0), ToolbarLargeIcons), 1);
  ASSERT_EQ(addToolbarButton(0, 0, imageHandle(solidImage(QColor(0, 0, 200), 24, 24))), 1);
  ASSERT_EQ(createPictureButton(4, 39, 428, 96, 36, imageHandle(solidImage(QColor(0, 90, 0), 96, 36)), 0), 1);
  ASSERT_EQ(createTextLabel(5, 10, 524, 145, 18, "Steps: 0", LabelLeft), 1);
  ASSERT_EQ(initialiseSprites(), 1);
  ASSERT_EQ(openScreen(windowHandle(0), 305, 52, 288, 432), 1);
  drain(EventRepaint);

  const QPoint toolbarButton = windowWidgetOf(0)->findChild<QToolBar*>()->geometry().topLeft() + QPoint(8, 8);
  const QPoint places[] = {toolbarButton, {80, 440}, {20, 530}};
  for (const QPoint& control : places) {
    ASSERT_EQ(testing::moveMouse(0, 400, 200), 1);  // over the field
    drain(EventMouseMove);
    ASSERT_EQ(testing::moveMouse(0, control.x(), control.y()), 1);
    EXPECT_GE(drain(EventMouseMove), 1) << "at " << control.x() << ", " << control.y();
    EXPECT_EQ(windowMouseX(0), control.x());
  }
  closeScreen();
}

TEST_F(WindowsOnQt, AClickOnTheSurfaceIsTheWindowsButOnAButtonTheButtons) {
  ASSERT_EQ(openWindow(0, 0, 0, 400, 300, "Field", WindowCaption, nullptr), 1);
  ASSERT_EQ(createPushButton(7, 300, 10, 80, 24, "New"), 1);
  ASSERT_EQ(initialiseSprites(), 1);
  ASSERT_EQ(openScreen(windowHandle(0), 50, 50, 200, 200), 1);
  drain(EventRepaint);

  ASSERT_EQ(testing::leftClick(0, 60, 70), 1);
  EXPECT_EQ(nextEventButMoves(), EventLeftClick);

  ASSERT_EQ(testing::leftClick(0, 310, 20), 1);
  EXPECT_EQ(nextEventButMoves(), EventControl);
  EXPECT_EQ(eventObject(), 7);
  EXPECT_EQ(drain(EventLeftClick), 0);
  closeScreen();
}

// Without a notification area Escape minimises the main window: the window
// really goes, and the record follows whatever the window manager does next.
TEST_F(WindowsOnQt, MinimisingIsRealAndTheRecordFollowsTheWindowsState) {
  ASSERT_EQ(openWindow(0, 0, 0, 300, 200, "Main", WindowCaption | WindowMinimiseBox, nullptr), 1);
  QWidget* widget = windowWidgetOf(0);
  drain(EventRepaint);
  ASSERT_EQ(minimiseWindow(0), 1);
  EXPECT_TRUE(widget->isMinimized());
  EXPECT_EQ(core::findWindow(0)->minimised, 1);
  EXPECT_EQ(windowMouseX(0), -1) << "a minimised window has no pointer over it";

  // Other changes of the window leave it minimised.
  disableWindow(0, 1);
  disableWindow(0, 0);
  EXPECT_TRUE(widget->isMinimized());

  widget->showNormal();  // as the window manager restores it on activation
  EXPECT_EQ(core::findWindow(0)->minimised, 0);
  EXPECT_GE(drain(EventRepaint), 1) << "the restored window is painted again";

  widget->showMinimized();  // the minimise box
  EXPECT_EQ(core::findWindow(0)->minimised, 1);
  widget->showNormal();
  ASSERT_EQ(minimiseWindow(0), 1) << "and the layer can minimise it a second time";
  EXPECT_TRUE(widget->isMinimized());
}

TEST_F(WindowsOnQt, ShortcutsAreWindowWideActionsAndTheLastOneForAKeyWins) {
  ASSERT_EQ(openWindow(0, 0, 0, 200, 100, "Keys", WindowCaption, nullptr), 1);
  ASSERT_EQ(addKeyboardShortcut(0, KeyCtrlQ, 1001), 1);
  ASSERT_EQ(addKeyboardShortcut(0, KeyEscape, 1000), 1);
  ASSERT_EQ(addKeyboardShortcut(0, KeyEscape, 1003), 1);
  int escapes = 0;
  for (QAction* action : windowWidgetOf(0)->actions()) {
    EXPECT_EQ(action->shortcutContext(), Qt::WindowShortcut);
    if (action->shortcut() == QKeySequence(Qt::Key_Escape)) ++escapes;
  }
  EXPECT_EQ(escapes, 1);
  drain(EventRepaint);
  ASSERT_EQ(testing::pressShortcut(0, KeyEscape), 1);
  ASSERT_EQ(waitEvent(0), EventMenu);
  EXPECT_EQ(eventObject(), 1003);
  ASSERT_EQ(testing::pressShortcut(0, KeyCtrlQ), 1);
  ASSERT_EQ(waitEvent(0), EventMenu);
  EXPECT_EQ(eventObject(), 1001);
  EXPECT_EQ(testing::pressShortcut(0, KeyF1), 0) << "F1 was never registered";
}

TEST_F(WindowsOnQt, EnterIsBothEnterKeysAndTheArrowsAreTheArrowKeys) {
  ASSERT_EQ(openWindow(0, 0, 0, 200, 100, "Keys", WindowCaption, nullptr), 1);
  ASSERT_EQ(addKeyboardShortcut(0, KeyEnter, 1007), 1);
  ASSERT_EQ(addKeyboardShortcut(0, KeyLeft, 1003), 1);
  ASSERT_EQ(addKeyboardShortcut(0, KeyCtrlZ, 1008), 1);
  QList<QKeySequence> keys;
  for (QAction* action : windowWidgetOf(0)->actions()) keys += action->shortcuts();
  EXPECT_TRUE(keys.contains(QKeySequence(Qt::Key_Return)));
  EXPECT_TRUE(keys.contains(QKeySequence(Qt::KeypadModifier | Qt::Key_Enter)));
  EXPECT_TRUE(keys.contains(QKeySequence(Qt::Key_Left)));
  EXPECT_TRUE(keys.contains(QKeySequence(Qt::CTRL | Qt::Key_Z)));
  EXPECT_EQ(keys.size(), 4);
}

}  // namespace
}  // namespace media::qt::test

namespace media::qt::test {
namespace {

// Ending the process tears Qt down with windows, an owned window, a surface
// and a tray icon still open, and exits with the code given.
TEST(EndingOnQt, EndProcessTearsQtDownAndExitsWithTheCode) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        media::initialise();
        openWindow(0, 0, 0, 400, 300, "Owner", WindowCaption, nullptr);
        openWindow(1, 0, 0, 200, 100, "Owned", WindowCaption | WindowCentreOwner, windowHandle(0));
        initialiseSprites();
        openScreen(windowHandle(0), 10, 10, 50, 50);
        present();
        addTrayIcon(0, windowHandle(0), imageHandle(solidImage(QColor(1, 2, 3), 16, 16)));
        media::endProcess(3);
      },
      ::testing::ExitedWithCode(3), "");
}

}  // namespace
}  // namespace media::qt::test
