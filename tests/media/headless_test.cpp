// What only the headless back end can show: its virtual clock, the exact
// placement on its simulated screen, the order of activations, fonts at a
// given resolution, the sound log, a machine without sound, the idle and
// end-of-process hooks. Message boxes and documents are in the contract suite
// (dialog_services_test.cpp).
#include <algorithm>
#include <stdexcept>
#include <string>

#include "contract.h"
#include "media/backend.h"
#include "media/core/sound_output.h"
#include "media/headless/headless.h"
#include "media/testing.h"

namespace {

namespace mh = media::headless;
namespace mt = media::testing;
using Headless = Contract;

TEST_F(Headless, AWaitWithNothingPendingAdvancesTheClockByItsTimeout) {
  const std::int64_t start = mh::now();
  EXPECT_EQ(media::waitEvent(15), media::EventNone);
  EXPECT_EQ(mh::now() - start, 15);
  media::delay(100);
  EXPECT_EQ(mh::now() - start, 115);
}

TEST_F(Headless, TimersFireOnTheVirtualClockAtTheirPeriod) {
  media::addWindowTimer(MainWindow, 3, 1000);
  const std::int64_t start = mh::now();
  ASSERT_EQ(media::waitEvent(-1), media::EventTimer) << "an endless wait ends at the next timer";
  EXPECT_EQ(mh::now() - start, 1000);
  std::vector<std::int64_t> ticks;
  while (ticks.size() < 3)
    if (media::waitEvent(15) == media::EventTimer) ticks.push_back(mh::now() - start);
  EXPECT_EQ(ticks, (std::vector<std::int64_t>{2000, 3000, 4000}));
}

TEST_F(Headless, InputWaitingIsDeliveredBeforeADueTimer) {
  media::addWindowTimer(MainWindow, 3, 10);
  mh::advance(20);
  mt::requestClose(MainWindow);
  EXPECT_EQ(media::waitEvent(0), media::EventCloseWindow);
  EXPECT_EQ(media::waitEvent(0), media::EventTimer);
}

TEST_F(Headless, CentringOnTheScreenUsesItsSize) {
  mh::setScreenSize(1000, 800);
  ASSERT_EQ(media::openWindow(2, 5, 5, 620, 544, "Main", media::WindowCaption | media::WindowCentreScreen, nullptr),
            1);
  EXPECT_EQ(media::core::findWindow(2)->client.x, 190);
  EXPECT_EQ(media::core::findWindow(2)->client.y, 128);
  EXPECT_EQ(media::windowX(2), 190);
  mh::setScreenSize(600, 500);
  ASSERT_EQ(media::openWindow(3, 5, 5, 620, 544, "Main", media::WindowCaption | media::WindowCentreScreen, nullptr),
            1);
  EXPECT_EQ(media::core::findWindow(3)->client.x, 0);
  ASSERT_EQ(media::openWindow(4, 33, 44, 10, 10, "Placed", media::WindowCaption, nullptr), 1);
  EXPECT_EQ(media::core::findWindow(4)->client.x, 33) << "without a centring flag the position is kept";
}

TEST_F(Headless, ClosingActivatesTheOwnerBeforeTheWindowGoes) {
  ASSERT_EQ(media::openWindow(2, 0, 0, 100, 100, "Dialog", media::WindowCaption, media::windowHandle(MainWindow)),
            1);
  ASSERT_EQ(media::openWindow(3, 0, 0, 100, 100, "Unowned", media::WindowCaption, nullptr), 1);
  const std::size_t before = mh::activatedWindows().size();
  media::closeWindow(2);
  const auto after = mh::activatedWindows();
  ASSERT_EQ(after.size(), before + 1);
  EXPECT_EQ(after.back(), MainWindow);
  media::closeWindow(3);
  EXPECT_EQ(mh::activatedWindows().size(), before + 1) << "no owner, nothing activated";
}

TEST_F(Headless, ShownBoxesAndOpenedDocumentsStartAnewWithTheLayer) {
  media::messageBox("Quit", "Really?", media::BoxWarningYesNo);
  media::openDocument("https://example.org/");
  ASSERT_EQ(mt::shownMessageBoxes().size(), 1u);
  ASSERT_EQ(mt::openedDocuments().size(), 1u);
  media::releaseAll();
  media::initialise();
  EXPECT_TRUE(mt::shownMessageBoxes().empty());
  EXPECT_TRUE(mt::openedDocuments().empty());
}

TEST_F(Headless, FontPixelHeightsFollowTheVerticalResolution) {
  ASSERT_EQ(media::loadFont(1, "Tahoma", 9, 0), 1);
  EXPECT_EQ(media::fontPixelHeight(1), 12);
  mh::setVerticalDpi(120);
  ASSERT_EQ(media::loadFont(2, "Tahoma", 9, media::FontBold), 1);
  EXPECT_EQ(media::fontPixelHeight(2), 15);
  EXPECT_EQ(media::core::findFont(2)->flags, unsigned(media::FontBold));
  EXPECT_EQ(media::loadFont(3, "Tahoma", 0, 0), 0);
}

TEST_F(Headless, HyperlinksFollowTheMouse) {
  media::createHyperlink(9, 10, 10, 50, 12, "Link", 0xff0000, 0);
  mt::moveMouse(MainWindow, 20, 15);
  EXPECT_EQ(media::core::findControl(9)->hovered, 1);
  mt::moveMouse(MainWindow, 100, 100);
  EXPECT_EQ(media::core::findControl(9)->hovered, 0);
}

TEST_F(Headless, PlayedSoundsAreLoggedWithTheirVolume) {
  ASSERT_EQ(media::initialiseSound(), 1);
  const auto ogg = sineOgg(1, 22050, 0.1, 0.3, 500);
  ASSERT_EQ(media::loadSound(4, ogg.data(), ogg.size()), 1);
  media::setSoundVolume(4, 60);
  media::playSound(4);
  const auto played = mh::playedSounds();
  ASSERT_EQ(played.size(), 1u);
  EXPECT_EQ(played[0].number, 4);
  EXPECT_EQ(played[0].volume, 60);
}

// An output that notes when it is told to rest, to wake and to start.
std::vector<std::string> outputCalls;
constexpr media::core::SoundOutput notingOutput{
    [] { return true; }, [] {}, [](const media::core::PcmClip&) { return 0; }, [](int) {},
    [](int) { outputCalls.push_back("start"); }, [](int, float) {}, [] { outputCalls.push_back("idle"); },
    nullptr, [] { outputCalls.push_back("wake"); }};

// The speaker's device stays ready for some quiet seconds after a play or a
// pointer move, then may rest; a pointer move wakes it before a click's play.
TEST_F(Headless, TheSoundDeviceRestsOnlyAfterQuietSecondsAndWakesOnAPointerMove) {
  outputCalls.clear();
  media::core::setSoundOutput(&notingOutput);
  ASSERT_EQ(media::initialiseSound(), 1);
  const auto ogg = sineOgg(1, 22050, 0.1, 0.3, 500);
  ASSERT_EQ(media::loadSound(4, ogg.data(), ogg.size()), 1);
  auto waitFor = [](std::int64_t ms) {
    for (const std::int64_t end = mh::now() + ms; mh::now() < end;) media::waitEvent(15);
  };
  auto idles = [] { return std::count(outputCalls.begin(), outputCalls.end(), "idle"); };

  waitFor(media::core::SoundQuietMs - 100);
  EXPECT_EQ(idles(), 0) << "still within the quiet seconds of the start";
  waitFor(200);
  EXPECT_GT(idles(), 0);

  media::playSound(4);
  EXPECT_EQ(outputCalls.back(), "start");
  const auto afterPlay = idles();
  waitFor(media::core::SoundQuietMs - 100);
  EXPECT_EQ(idles(), afterPlay) << "a play keeps the device ready";

  waitFor(200);
  ASSERT_GT(idles(), afterPlay);
  ASSERT_EQ(mt::moveMouse(MainWindow, 40, 40), 1);
  ASSERT_EQ(mt::moveMouse(MainWindow, 50, 40), 1);
  EXPECT_EQ(std::count(outputCalls.begin(), outputCalls.end(), "wake"), 1) << "a resting device wakes once";
  EXPECT_EQ(outputCalls.back(), "wake");
  const auto afterMove = idles();
  waitFor(media::core::SoundQuietMs - 100);
  EXPECT_EQ(idles(), afterMove) << "a pointer move keeps the device ready too";

  // With every sound at volume 0 nothing could be heard: pointer moves neither
  // keep the device ready nor wake it.
  auto wakes = [] { return std::count(outputCalls.begin(), outputCalls.end(), "wake"); };
  media::setSoundVolume(-1, 0);
  for (int i = 0; i < 60; ++i) {
    waitFor(media::core::SoundQuietMs / 50);
    ASSERT_EQ(mt::moveMouse(MainWindow, 40 + i % 2 * 10, 40), 1);
  }
  EXPECT_GT(idles(), afterMove) << "with the sound off, moves do not keep the device ready";
  EXPECT_EQ(wakes(), 1) << "a move with the sound off leaves the device at rest";
  media::setSoundVolume(4, 30);
  ASSERT_EQ(mt::moveMouse(MainWindow, 50, 40), 1);
  EXPECT_EQ(wakes(), 2) << "once a sound can be heard, a move wakes the device";
  media::core::setSoundOutput(nullptr);
}

TEST_F(Headless, WithoutASoundDeviceTheGameRunsSilent) {
  mh::setAudioAvailable(0);
  EXPECT_EQ(media::initialiseSound(), 0);
  const auto ogg = sineOgg(1, 22050, 0.1, 0.3, 500);
  EXPECT_EQ(media::loadSound(1, ogg.data(), ogg.size()), 0);
  EXPECT_EQ(media::playSound(1), 0);
  EXPECT_TRUE(mh::playedSounds().empty());
}

TEST_F(Headless, WithoutANotificationAreaNoTrayIconIsMade) {
  mh::setTrayAvailable(0);
  EXPECT_EQ(media::trayAvailable(), 0);
  EXPECT_EQ(media::addTrayIcon(0, media::windowHandle(MainWindow), nullptr), 0);
  EXPECT_EQ(media::core::findTray(0), nullptr);
}

TEST_F(Headless, TheIdleHookCanGiveInputToAWaitingLoop) {
  int calls = 0;
  mh::setIdleHook([&] {
    if (++calls == 3) mt::requestClose(MainWindow);
  });
  int event = media::EventNone;
  while (event == media::EventNone) event = media::waitEvent(15);
  EXPECT_EQ(event, media::EventCloseWindow);
  EXPECT_EQ(calls, 3);
  mh::setIdleHook(nullptr);
}

TEST_F(Headless, EndProcessHandsTheExitCodeToTheHook) {
  int code = -1;
  mh::setEndProcessHook([&](int exitCode) {
    code = exitCode;
    throw std::runtime_error("ended");
  });
  EXPECT_THROW(media::endProcess(3), std::runtime_error);
  EXPECT_EQ(code, 3);
  mh::setEndProcessHook(nullptr);
}

TEST_F(Headless, AnErasingInvalidateRecordsTheRectangle) {
  media::invalidateWindow(MainWindow, 0, 495, 620, 49, 1);
  const media::Rect band = mh::lastInvalidated(MainWindow);
  EXPECT_EQ(band.y, 495);
  EXPECT_EQ(band.height, 49);
  EXPECT_EQ(media::waitEvent(0), media::EventRepaint);
  media::invalidateWindow(MainWindow, 0, 0, 5, 5, 0);
  EXPECT_EQ(media::waitEvent(0), media::EventNone) << "without erase no repaint event";
}

TEST_F(Headless, TheScreenRecordSitsInItsWindow) {
  media::initialiseSprites();
  ASSERT_EQ(media::openScreen(media::windowHandle(MainWindow), 305, 52, 288, 432), 1);
  ASSERT_NE(mh::screen(), nullptr);
  EXPECT_EQ(mh::screen()->window, MainWindow);
  EXPECT_EQ(mh::screen()->rect.x, 305);
  media::closeWindow(MainWindow);
  EXPECT_EQ(media::screenExists(), 0) << "the surface goes with its window";
}

}  // namespace
