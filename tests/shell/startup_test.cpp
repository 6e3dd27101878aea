// Start-up as the player first sees it, the hook that paints the status texts,
// and the path taken when the asset library is missing.
#include <cstdlib>
#include <fstream>

#include "common/common.h"
#include "common/ids.h"
#include "dialogs/notices.h"
#include "media/backend.h"
#include "media/media.h"
#include "shell/shell.h"
#include "tests/shell/shell_fixture.h"
#include "tests/support/files.h"
#include "tests/support/run_copy.h"
#include "tests/support/scratch_dir.h"

using StartUpTest = ShellScenario;

TEST_F(StartUpTest, BeforeTheFirstGameTheFieldsAreBlankAndOnlyNewAndQuitShow) {
  EXPECT_EQ(App.GameState, NoGame);
  EXPECT_EQ(App.HoverCell.column, -1);
  EXPECT_EQ(App.HoverCell.row, -1);
  for (int field : {ids::StepsField, ids::TilesField, ids::TimeField}) EXPECT_EQ(media::controlText(field), " ");
  EXPECT_TRUE(media::controlHidden(ids::PauseButton));
  EXPECT_TRUE(media::controlHidden(ids::UndoButton));
  EXPECT_FALSE(media::controlHidden(ids::NewButton));
  EXPECT_FALSE(media::controlHidden(ids::QuitButton));
  EXPECT_FALSE(media::screenExists());
}

TEST_F(StartUpTest, TheMainWindowIsFixedCentredAndCarriesItsBackground) {
  const media::WindowRecord* w = media::core::findWindow(ids::MainWindow);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->title, "Free Mirel ! v4");
  EXPECT_EQ(media::windowWidth(ids::MainWindow), 620);
  EXPECT_EQ(media::windowHeight(ids::MainWindow), 544);
  EXPECT_EQ(w->flags, media::WindowCaption | media::WindowMinimiseBox | media::WindowCentreScreen);
  ASSERT_NE(w->background, nullptr);
  EXPECT_EQ(w->background->width, 620);
  EXPECT_EQ(w->background->height, 544);
}

TEST_F(StartUpTest, ButtonsAndStatusFieldsSitAtTheirPlaces) {
  struct Expected {
    int control, x, y, w, h;
  };
  for (const Expected& e : {Expected{ids::PauseButton, 39, 376, 96, 36}, Expected{ids::UndoButton, 156, 376, 96, 36},
                            Expected{ids::NewButton, 39, 428, 96, 36}, Expected{ids::QuitButton, 156, 428, 96, 36},
                            Expected{ids::StepsField, 10, 524, 145, 18}, Expected{ids::TilesField, 160, 524, 300, 18},
                            Expected{ids::TimeField, 465, 524, 145, 18}}) {
    const media::ControlRecord* c = media::core::findControl(e.control);
    ASSERT_NE(c, nullptr) << e.control;
    EXPECT_EQ(c->window, ids::MainWindow);
    EXPECT_EQ(c->rect.x, e.x) << e.control;
    EXPECT_EQ(c->rect.y, e.y) << e.control;
    EXPECT_EQ(c->rect.width, e.w) << e.control;
    EXPECT_EQ(c->rect.height, e.h) << e.control;
  }
  const media::ControlRecord* pause = media::core::findControl(ids::PauseButton);
  EXPECT_TRUE(pause->flags & media::PictureToggle);
  ASSERT_NE(pause->pressedPicture, nullptr);
  EXPECT_NE(pause->pressedPicture, pause->picture);  // "Continue" while pressed
  EXPECT_EQ(media::core::findControl(ids::StepsField)->flags, media::LabelLeft);
  EXPECT_EQ(media::core::findControl(ids::TilesField)->flags, media::LabelCentre);
  EXPECT_EQ(media::core::findControl(ids::TimeField)->flags, media::LabelRight);
  EXPECT_EQ(media::core::findControl(ids::TimeField)->font, ids::StatusFont);
}

TEST_F(StartUpTest, StatusTextsAreBlueOnTheBackgroundPictureAndOtherLabelsAreLeftAlone) {
  for (int field : {ids::StepsField, ids::TilesField, ids::TimeField}) {
    media::StaticColours colours;
    ASSERT_EQ(media::core::askStaticColours(ids::MainWindow, field, colours), 1) << field;
    EXPECT_EQ(colours.transparentBackground, 1);
    EXPECT_EQ(colours.textColour, 0xFF0000);  // RGB (0, 0, 255)
  }
  media::StaticColours colours;
  media::NativeMessage other{media::MessageStaticColours, ids::NewButton, &colours, 0};
  EXPECT_EQ(StatusColourHook(ids::MainWindow, other), media::CallbackUnhandled);
  EXPECT_EQ(colours.transparentBackground, 0);
  media::NativeMessage raw{media::MessageOther, ids::StepsField, nullptr, 15};
  EXPECT_EQ(StatusColourHook(ids::MainWindow, raw), media::CallbackUnhandled);
}

TEST_F(StartUpTest, VersionAndNoticesAreReadyForTheAboutWindow) {
  EXPECT_EQ(App.VersionText, "Version: 4.0.2.697");
  ASSERT_EQ(App.ComponentNotices, ComponentNoticeLines);
  EXPECT_STREQ(App.ComponentNotices[0], "In addition, this program uses the following components:");
}

TEST_F(StartUpTest, ArraysAndPicturesAreReady) {
  EXPECT_EQ(App.CollectionList.size(), 2u);
  EXPECT_EQ(App.TileKinds.size(), 7u);
  ASSERT_EQ(App.Statistics.size(), 2u);
  EXPECT_EQ(App.Statistics[0].groupName, "Lvl-Lo");  // loaded by the statistics start-up action
  EXPECT_EQ(App.Statistics[1].groupName, "Lvl-Hi");
  EXPECT_EQ(App.TilesLeft.size(), 1u);
  struct Picture {
    int image, w, h;
  };
  for (const Picture& p : {Picture{App.NewImage, 96, 36}, Picture{App.QuitImage, 96, 36},
                           Picture{App.PauseImage, 96, 36}, Picture{App.UndoImage, 96, 36},
                           Picture{App.ContinueImage, 96, 36}, Picture{App.AboutPicture, 200, 149},
                           Picture{App.DonateImage, 150, 50}, Picture{App.LicenceBadgeImage, 96, 39},
                           Picture{App.BackgroundImage, 620, 544}, Picture{App.TrayIconImage, 64, 64},
                           Picture{App.StatisticsIcon, 24, 24}, Picture{App.OptionsIcon, 24, 24},
                           Picture{App.HelpIcon, 24, 24}}) {
    EXPECT_EQ(media::imageWidth(p.image), p.w) << p.image;
    EXPECT_EQ(media::imageHeight(p.image), p.h) << p.image;
  }
  EXPECT_EQ(media::fontPixelHeight(ids::StatusFont) > 0, true);
  EXPECT_GT(media::fontPixelHeight(ids::TitleFont), media::fontPixelHeight(ids::TextFont));
}

TEST_F(StartUpTest, TheFirstStartLeavesTheDefaultSettingsOnDisk) {
  const std::string sound = App.SoundAvailable ? "1" : "0";
  EXPECT_EQ(ReadConfig(), "\xEF\xBB\xBF\r\n[Settings]\r\nColors = 4\r\nSize = 36\r\nMode = P\r\nTime = 3600\r\n"
                          "Undo = 1\r\nSound = " + sound + "\r\nVol = 50\r\nCollection = 111111111111\r\n");
}

// Started again where the program lies alone, without its asset library, a
// copy of this test program runs the start-up and reports at its exit what it
// got to. The library check must come before the window pictures are decoded
// and any window exists, and before config.ini is touched.
TEST(StartUpWithoutLibrary, OneErrorBoxThenExitCodeZeroAndNoWindow) {
  const test_support::ScratchDir alone;
  const std::string report = alone.file("report.txt");
  const test_support::CopyRun run = test_support::runCopyOfThisProgram(
      alone.path(), "shell_tests", {"--gtest_filter=StartUpAlone.Child"}, {"MIREL_ALONE_REPORT=" + report});
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_EQ(test_support::readFile(report), "boxes 1\nLibrary Error|Unable to import Images|1\nbutton faces decoded 1\n"
                                            "background decoded 0\n");
  EXPECT_FALSE(test_support::fileExists(alone.file("config.ini")));
}

namespace {
void WriteAloneReport() {
  std::ofstream out(std::getenv("MIREL_ALONE_REPORT"), std::ios::binary);
  const auto boxes = media::testing::shownMessageBoxes();
  out << "boxes " << boxes.size() << "\n";
  for (const auto& b : boxes) out << b.caption << "|" << b.text << "|" << b.kind << "\n";
  out << "button faces decoded " << (App.NewImage >= 0) << "\n";
  out << "background decoded " << (App.BackgroundImage >= 0) << "\n";
}
}  // namespace

// The child half of the test above; it does nothing unless started by it.
TEST(StartUpAlone, Child) {
  if (!std::getenv("MIREL_ALONE_REPORT")) GTEST_SKIP() << "started only by StartUpWithoutLibrary";
  media::testing::shownMessageBoxes();  // the layer's state is made first, so it outlives the exit handler
  std::atexit(WriteAloneReport);
  StartUpSteps();  // the headless box is dismissed with its OK button
  ADD_FAILURE() << "start-up went on without the asset library";
}
