// The toolbar, pop-up menus and the tray icon on the Qt back end.
#include <QAction>
#include <QSystemTrayIcon>
#include <QToolBar>
#include <QToolButton>

#include "media/backend.h"
#include "media/qt/testing/stand_ins.h"
#include "qt_test_support.h"

namespace media::qt::test {
namespace {

using MenusOnQt = QtBackend;

QToolBar* toolbarIn(int window) { return windowWidgetOf(window)->findChild<QToolBar*>(); }

void openMainWithToolbar() {
  ASSERT_EQ(openWindow(0, 0, 0, 620, 544, "Free Mirel ! v4", WindowCaption | WindowMinimiseBox, nullptr), 1);
  ASSERT_EQ(setWindowBackgroundImage(0, solidImage(QColor(150, 60, 40), 620, 544)), 1);
  ASSERT_EQ(createToolbar(0, windowHandle(0), ToolbarLargeIcons), 1);
  for (int item = 0; item < 3; ++item) {
    ASSERT_EQ(addToolbarButton(0, item, imageHandle(solidImage(QColor(0, 0, 80 * item + 40), 24, 24))), 1);
  }
  setToolbarToolTip(0, 0, "Statistics");
  setToolbarToolTip(0, 1, "Options");
  setToolbarToolTip(0, 2, "Help");
  setToolbarWidthRange(0, 16, 32);
  setToolbarButtonSize(0, 24, 24);
}

TEST_F(MenusOnQt, TheToolbarLiesFlatAlongTheTopWithItsButtonsInRange) {
  openMainWithToolbar();
  QToolBar* bar = toolbarIn(0);
  ASSERT_TRUE(bar);
  EXPECT_EQ(bar->geometry().topLeft(), QPoint(0, 0));
  EXPECT_EQ(bar->width(), 620);
  EXPECT_EQ(bar->iconSize(), QSize(24, 24));
  const QList<QAction*> actions = bar->actions();
  ASSERT_EQ(actions.size(), 3);
  EXPECT_EQ(actions[1]->toolTip(), "Options");
  for (QAction* action : actions) {
    QWidget* button = bar->widgetForAction(action);
    EXPECT_GE(button->width(), 24);
    EXPECT_LE(button->width(), 32);
  }
  // Between and beside the buttons the window's picture shows through.
  const QImage window = painted(windowWidgetOf(0));
  EXPECT_EQ(window.pixelColor(600, 5), QColor(150, 60, 40));
}

// The background picture paints the toolbar's band from y = 0 to 30; a button
// that is hovered or held draws its frame inside it, not over the bricks below.
TEST_F(MenusOnQt, TheToolbarAndItsButtonFramesStayInTheirBand) {
  openMainWithToolbar();
  QToolBar* bar = toolbarIn(0);
  ASSERT_TRUE(bar);
  EXPECT_LE(bar->geometry().bottom(), 29);
  const QImage plain = painted(windowWidgetOf(0));
  for (QAction* action : bar->actions()) {
    auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action));
    ASSERT_TRUE(button);
    const QRect place(button->mapTo(windowWidgetOf(0), QPoint(0, 0)), button->size());
    EXPECT_GE(place.top(), 0);
    EXPECT_LE(place.bottom(), 29) << "button " << action->data().toInt();
    button->setDown(true);
    const QImage held = painted(windowWidgetOf(0));
    button->setDown(false);
    for (int y = 30; y < 40; ++y)
      for (int x = 0; x < 120; ++x)
        ASSERT_EQ(held.pixel(x, y), plain.pixel(x, y)) << "at " << x << ", " << y;
  }
}

TEST_F(MenusOnQt, ADisabledToolbarButtonTakesNoClick) {
  openMainWithToolbar();
  drain(EventRepaint);
  ASSERT_EQ(disableToolbarButton(0, 1, 1), 1);
  QToolBar* bar = toolbarIn(0);
  EXPECT_FALSE(bar->widgetForAction(bar->actions()[1])->isEnabled());
  EXPECT_EQ(testing::clickToolbarButton(0, 1), 0);
  ASSERT_EQ(disableToolbarButton(0, 1, 0), 1);
  ASSERT_EQ(testing::clickToolbarButton(0, 1), 1);
  ASSERT_EQ(waitEvent(0), EventMenu);
  EXPECT_EQ(eventObject(), 1);
  EXPECT_EQ(eventWindow(), 0);
}

TEST_F(MenusOnQt, AMenuChoiceIsReportedForTheWindowThatShowedIt) {
  ASSERT_EQ(openWindow(2, 0, 0, 200, 100, "Owner", WindowCaption, nullptr), 1);
  drain(EventRepaint);
  ASSERT_EQ(createPopupMenu(6), 1);
  addMenuItem(6, 7, "About");
  addMenuSeparator(6);
  addMenuItem(6, 8, "Help");
  ASSERT_EQ(testing::chooseMenuItem(6, 8), 1);
  showPopupMenu(6, windowHandle(2));
  ASSERT_EQ(waitEvent(0), EventMenu);
  EXPECT_EQ(eventObject(), 8);
  EXPECT_EQ(eventWindow(), 2);
  showPopupMenu(6, windowHandle(2));
  EXPECT_EQ(waitEvent(0), EventNone) << "no choice queued: the menu closes without one";
}

// Only message boxes and the dialog windows hold the game's loop up: while a
// pop-up menu is open the timers (the tournament clock, the banner) go on.
TEST_F(MenusOnQt, TimersGoOnWhileAPopUpMenuIsOpen) {
  ASSERT_EQ(openWindow(2, 0, 0, 200, 100, "Owner", WindowCaption, nullptr), 1);
  drain(EventRepaint);
  ASSERT_EQ(createPopupMenu(6), 1);
  addMenuItem(6, 8, "Help");
  ASSERT_EQ(addWindowTimer(2, 3, 40), 1);
  standins::holdMenusOpen(600);
  ASSERT_EQ(testing::chooseMenuItem(6, 8), 1);
  showPopupMenu(6, windowHandle(2));
  int ticks = 0;
  bool chosen = false;
  for (int pass = 0; pass < 300 && !chosen; ++pass) {
    const int got = waitEvent(10);
    if (got == EventTimer) ++ticks;
    chosen = got == EventMenu;
  }
  standins::holdMenusOpen(0);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(eventObject(), 8);
  EXPECT_EQ(eventWindow(), 2);
  EXPECT_GE(ticks, 6) << "the timer ticked while the menu was open";
}

TEST_F(MenusOnQt, ATrayClickIsATrayEventUntilTheIconIsRemoved) {
  ASSERT_EQ(openWindow(0, 0, 0, 200, 100, "Hidden", WindowCaption, nullptr), 1);
  drain(EventRepaint);
  ASSERT_EQ(addTrayIcon(0, windowHandle(0), imageHandle(solidImage(QColor(200, 0, 0), 64, 64))), 1);
  ASSERT_EQ(setTrayToolTip(0, "Free Mirel!"), 1);
  ASSERT_EQ(testing::clickTrayIcon(0), 1);
  ASSERT_EQ(waitEvent(0), EventTray);
  EXPECT_EQ(eventWindow(), 0);
  EXPECT_EQ(removeTrayIcon(0), 1);
  EXPECT_EQ(testing::clickTrayIcon(0), 0);
}

// The left button, the right button and a double click each bring the game
// back; a middle click is not one of them.
TEST_F(MenusOnQt, TheTrayIconAnswersTheLeftAndRightButtonAndADoubleClick) {
  ASSERT_EQ(openWindow(0, 0, 0, 200, 100, "Hidden", WindowCaption, nullptr), 1);
  drain(EventRepaint);
  ASSERT_EQ(addTrayIcon(0, windowHandle(0), imageHandle(solidImage(QColor(200, 0, 0), 64, 64))), 1);
  auto* icon = reinterpret_cast<QSystemTrayIcon*>(core::findTray(0)->native);
  ASSERT_TRUE(icon);
  for (auto reason : {QSystemTrayIcon::Trigger, QSystemTrayIcon::Context, QSystemTrayIcon::DoubleClick}) {
    emit icon->activated(reason);
    EXPECT_EQ(drain(EventTray), 1) << "reason " << reason;
  }
  emit icon->activated(QSystemTrayIcon::MiddleClick);
  EXPECT_EQ(drain(EventTray), 0);
}

}  // namespace
}  // namespace media::qt::test
