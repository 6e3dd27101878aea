// Windows: client size, placement when centred on the owner, the states, and
// what closing takes along; the program's path.
#include <filesystem>

#include "contract.h"
#include "media/backend.h"
#include "media/testing.h"

namespace {

using Windows = Contract;

TEST_F(Windows, TheSizeGivenIsTheClientArea) {
  EXPECT_EQ(media::windowWidth(MainWindow), 320);
  EXPECT_EQ(media::windowHeight(MainWindow), 240);
  EXPECT_EQ(media::core::findWindow(MainWindow)->title, "Contract");
  EXPECT_NE(media::windowHandle(MainWindow), nullptr);
}

TEST_F(Windows, CentringOnTheOwnerIsClampedToTheScreensOrigin) {
  const media::Rect owner = media::core::findWindow(MainWindow)->client;
  ASSERT_EQ(media::openWindow(2, 0, 0, 100, 40, "Child", media::WindowCaption | media::WindowCentreOwner,
                              media::windowHandle(MainWindow)),
            1);
  const media::WindowRecord* child = media::core::findWindow(2);
  EXPECT_EQ(child->ownerWindow, MainWindow);
  EXPECT_EQ(child->client.x, std::max(0, owner.x + (owner.width - 100) / 2));
  EXPECT_EQ(child->client.y, std::max(0, owner.y + (owner.height - 40) / 2));

  ASSERT_EQ(media::openWindow(3, 0, 0, 1000, 900, "Wide", media::WindowCaption | media::WindowCentreOwner,
                              media::windowHandle(MainWindow)),
            1);
  EXPECT_EQ(media::core::findWindow(3)->client.x, 0) << "a larger child would start left of the screen";
  EXPECT_EQ(media::core::findWindow(3)->client.y, 0);
}

TEST_F(Windows, HideDisableAndColourAreKeptOnTheWindow) {
  EXPECT_EQ(media::windowHidden(MainWindow), 0);
  media::hideWindow(MainWindow, 1);
  EXPECT_EQ(media::windowHidden(MainWindow), 1);
  media::hideWindow(MainWindow, 0);
  EXPECT_EQ(media::windowHidden(MainWindow), 0);
  media::disableWindow(MainWindow, 1);
  EXPECT_EQ(media::windowDisabled(MainWindow), 1);
  EXPECT_EQ(media::testing::requestClose(MainWindow), 0) << "a disabled window takes no input";
  media::disableWindow(MainWindow, 0);
  EXPECT_EQ(media::setWindowColour(MainWindow, 0x00ff00), 1);
  EXPECT_EQ(media::core::findWindow(MainWindow)->colour, 0x00ff00);
  EXPECT_EQ(media::activateWindow(MainWindow), 1);
}

TEST_F(Windows, ClosingAWindowFreesItsControlsTimersAndToolbar) {
  ASSERT_EQ(media::openWindow(2, 0, 0, 200, 100, "Dialog", media::WindowCaption, media::windowHandle(MainWindow)),
            1);
  media::createPushButton(20, 0, 0, 50, 20, "OK");
  media::createTabPanel(21, 0, 30, 150, 60);
  media::addTab(21, "One");
  media::createCheckBox(22, 5, 5, 60, 20, "Inner", 0);
  media::createToolbar(3, media::windowHandle(2), 0);
  media::addWindowTimer(2, 1, 10);
  media::testing::requestClose(2);  // raised, but not taken before the window goes
  ASSERT_EQ(media::closeWindow(2), 1);
  EXPECT_FALSE(media::windowExists(2));
  for (int i = 0; i < 5; ++i) {
    if (media::waitEvent(10) != media::EventNone) {
      EXPECT_NE(media::eventWindow(), 2) << "an event of a closed window";
    }
  }
  for (int control : {20, 21, 22}) EXPECT_FALSE(media::controlExists(control)) << control;
  EXPECT_EQ(media::toolbarHandle(3), nullptr);
  EXPECT_EQ(media::removeWindowTimer(2, 1), 0);
  EXPECT_TRUE(media::windowExists(MainWindow));
  EXPECT_EQ(media::createPushButton(23, 0, 0, 50, 20, "Back"), 1) << "the main window's list is current again";
  EXPECT_EQ(media::core::findControl(23)->window, MainWindow);
}

TEST_F(Windows, ThePathPartEndsAtTheLastSeparator) {
  const std::string program = media::programFileName();
  ASSERT_FALSE(program.empty());
  EXPECT_TRUE(std::filesystem::path(program).is_absolute()) << program;
  EXPECT_NE(program.find("media_contract_"), std::string::npos) << program;
  EXPECT_EQ(media::pathPart("/usr/lib/mirel/mirel"), "/usr/lib/mirel/");
  EXPECT_EQ(media::pathPart("mirel"), "");
  EXPECT_EQ(media::pathPart("/"), "/");
#ifdef _WIN32
  // Either separator ends a folder's name; the program's own path uses '\'.
  EXPECT_EQ(media::pathPart("C:\\Games\\Mirel\\mirel.exe"), "C:\\Games\\Mirel\\");
  EXPECT_EQ(media::pathPart("C:/Games\\Mirel/mirel.exe"), "C:/Games\\Mirel/");
  EXPECT_EQ(media::pathPart(program) + "x", program.substr(0, program.rfind('\\') + 1) + "x");
  EXPECT_EQ(media::pathSeparator(), '\\');
#else
  EXPECT_EQ(program.front(), '/');
  EXPECT_EQ(media::pathSeparator(), '/');
#endif
}

}  // namespace
