// The main window as assistive technology sees it on the Qt back end, read
// through Qt's accessibility interface: the picture buttons, the toolbar
// buttons and the play field carry their names, the Pause button's follows
// its face, and no picture button of the main window can take the focus.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QToolBar>
#include <QWidget>

#include "common/app_state.h"
#include "common/common.h"
#include "common/ids.h"
#include "engine/engine.h"
#include "media/media.h"
#include "shell/shell.h"
#include "tests/support/game_scene.h"

namespace {

constexpr const char* TournamentConfig =
    "[Settings]\r\nColors = 4\r\nSize = 36\r\nMode = T\r\nTime = 300\r\nUndo = 1\r\nSound = 0\r\nVol = 50\r\n"
    "Collection = 111111111111\r\n";

QWidget* widgetOf(media::NativeHandle handle) { return reinterpret_cast<QWidget*>(handle); }
QWidget* mainWindow() { return widgetOf(media::windowHandle(ids::MainWindow)); }
QWidget* button(int control) { return widgetOf(media::controlHandle(control)); }

QAccessibleInterface* accessible(QWidget* widget) {
  return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
}
std::string nameOf(QWidget* widget) {
  QAccessibleInterface* face = accessible(widget);
  return face ? face->text(QAccessible::Name).toStdString() : "(no interface)";
}

class Accessibility : public ::testing::Test {
 protected:
  void SetUp() override {
    test_support::startUp(TournamentConfig);
    ASSERT_NE(mainWindow(), nullptr);
  }
  test_support::GameScene scene_;
};

TEST_F(Accessibility, ThePictureButtonsAreNamedButtons) {
  const std::pair<int, const char*> buttons[] = {
      {ids::NewButton, "New"}, {ids::QuitButton, "Quit"}, {ids::PauseButton, "Pause"}, {ids::UndoButton, "Undo"}};
  for (const auto& [control, name] : buttons) {
    QAccessibleInterface* face = accessible(button(control));
    ASSERT_NE(face, nullptr) << name;
    // The toggle button Pause is a check box to assistive technology (pressed or not).
    EXPECT_EQ(face->role(), control == ids::PauseButton ? QAccessible::CheckBox : QAccessible::Button) << name;
    EXPECT_EQ(nameOf(button(control)), name);
  }
}

TEST_F(Accessibility, TheToolbarButtonsAreNamedByTheirToolTips) {
  auto* bar = mainWindow()->findChild<QToolBar*>();
  ASSERT_NE(bar, nullptr);
  std::vector<std::string> names;
  for (QAction* action : bar->actions()) names.push_back(nameOf(bar->widgetForAction(action)));
  EXPECT_EQ(names, (std::vector<std::string>{"Statistics", "Options", "Help"}));
}

TEST_F(Accessibility, ThePlayFieldIsNamedAndPauseBecomesContinue) {
  NewGame();
  ASSERT_EQ(App.GameState, Running);
  const QRect place(ids::FieldX, ids::FieldY, ids::FieldWidth, ids::FieldHeight);
  QWidget* field = nullptr;
  for (QWidget* child : mainWindow()->findChildren<QWidget*>())
    if (child->geometry() == place) field = child;
  ASSERT_NE(field, nullptr);
  EXPECT_EQ(nameOf(field), "Play field");

  media::setControlState(ids::PauseButton, 1);
  TogglePause();
  EXPECT_EQ(nameOf(button(ids::PauseButton)), "Continue");
  media::setControlState(ids::PauseButton, 0);
  TogglePause();
  EXPECT_EQ(nameOf(button(ids::PauseButton)), "Pause");
}

// A focused button would take Space or Enter: after a press on Quit released
// outside it, Space ended the program.
TEST_F(Accessibility, NoPictureButtonOfTheMainWindowTakesTheFocus) {
  for (int control : {ids::NewButton, ids::QuitButton, ids::PauseButton, ids::UndoButton})
    EXPECT_EQ(button(control)->focusPolicy(), Qt::NoFocus) << control;
}

}  // namespace
