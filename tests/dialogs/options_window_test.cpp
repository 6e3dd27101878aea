// The options window on the headless back end: what it shows for stored
// values, what each change writes, and config.ini on disk after closing.
#include <string>

#include "common/app_state.h"
#include "common/ids.h"
#include "dialog_fixture.h"
#include "dialogs/dialogs.h"
#include "dialogs/options_window.h"
#include "media/media.h"
#include "media/testing.h"
#include "scripted_input.h"

namespace {

using media::testing::changeControl;
using media::testing::clickControl;

class OptionsWindowTest : public DialogTest {
 protected:
  static std::string text(int c) { return control(c).text; }
  static int state(int c) { return control(c).state; }
  static int disabled(int c) { return control(c).disabled; }
  static void click(int c) {
    ASSERT_EQ(clickControl(c), 1);
    pass(optionsWindowPass);
  }
  static void change(int c, int position) {
    ASSERT_EQ(changeControl(c, position), 1);
    pass(optionsWindowPass);
  }
  static void closeByButton() {
    ASSERT_EQ(clickControl(Options.close), 1);
    pass(optionsWindowPass, false);
  }
};

TEST_F(OptionsWindowTest, WithoutStoredSettingsShowsTheFallbacksAndWritesNothing) {
  openOptionsWindowSteps();
  EXPECT_EQ(media::windowDisabled(ids::MainWindow), 1);
  EXPECT_EQ(state(Options.easy), 1);
  EXPECT_EQ(state(Options.hard), 0);
  EXPECT_EQ(state(Options.practice), 1);
  EXPECT_EQ(state(Options.tournament), 0);
  EXPECT_EQ(text(Options.colourLabel), "Tile Colors: 4");
  EXPECT_EQ(state(Options.colourSlider), 4);
  EXPECT_EQ(text(Options.timeLabel), "Time Limit: 60 min.");
  EXPECT_EQ(state(Options.timeSlider), 12);
  EXPECT_EQ(disabled(Options.timeLabel), 1);
  EXPECT_EQ(disabled(Options.timeSlider), 1);
  EXPECT_EQ(state(Options.undoBox), 1);
  EXPECT_EQ(state(Options.soundBox), 1);
  EXPECT_EQ(text(Options.volumeLabel), "Volume: 100%");
  EXPECT_EQ(state(Options.volumeSlider), 10);
  EXPECT_EQ(disabled(Options.volumeSlider), 0);
  // Clicking the option buttons already selected changes nothing.
  click(Options.easy);
  click(Options.practice);
  EXPECT_EQ(disabled(Options.timeSlider), 1);
  closeByButton();
  EXPECT_FALSE(media::windowExists(ids::OptionsWindow));
  EXPECT_EQ(media::windowDisabled(ids::MainWindow), 0);
  EXPECT_FALSE(configExists());
}

TEST_F(OptionsWindowTest, AnyModeButPShowsTournamentAndAnySizeBut36ShowsHard) {
  for (const char* value : {"T", "p", "24", "big"}) {
    writeConfig(std::string("Mode = ") + value + "\nSize = " + value + "\n");
    openOptionsWindowSteps();
    EXPECT_EQ(state(Options.tournament), 1) << value;
    EXPECT_EQ(state(Options.practice), 0) << value;
    EXPECT_EQ(disabled(Options.timeLabel), 0) << value;
    EXPECT_EQ(disabled(Options.timeSlider), 0) << value;
    EXPECT_EQ(state(Options.hard), 1) << value;
    EXPECT_EQ(state(Options.easy), 0) << value;
    closeByButton();
  }
}

TEST_F(OptionsWindowTest, OutOfRangeAndOddValuesPutTheThumbAtTheNearestStep) {
  writeConfig("Colors = 7\nTime = 3599\nVol = 5\n");
  openOptionsWindowSteps();
  EXPECT_EQ(state(Options.colourSlider), 5);
  EXPECT_EQ(text(Options.colourLabel), "Tile Colors: 7");
  EXPECT_EQ(state(Options.timeSlider), 11);
  EXPECT_EQ(text(Options.timeLabel), "Time Limit: 59 min.");
  EXPECT_EQ(state(Options.volumeSlider), 1);
  EXPECT_EQ(text(Options.volumeLabel), "Volume: 5%");
  closeByButton();
}

TEST_F(OptionsWindowTest, ClearingSoundGreysTheVolumeAndKeepsTheStoredVolume) {
  writeConfig("Sound = 1\nVol = 70\n");
  openOptionsWindowSteps();
  click(Options.soundBox);
  EXPECT_EQ(disabled(Options.volumeSlider), 1);
  EXPECT_EQ(disabled(Options.volumeLabel), 1);
  EXPECT_EQ(text(Options.volumeLabel), "Volume: 70%");
  closeByButton();
  EXPECT_EQ(stored("Sound"), "0");
  EXPECT_EQ(stored("Vol"), "70");
}

TEST_F(OptionsWindowTest, ASoundBoxClearedOnOpeningGreysTheVolumeUntilTicked) {
  writeConfig("Sound = 0\n");
  openOptionsWindowSteps();
  EXPECT_EQ(disabled(Options.volumeSlider), 1);
  click(Options.soundBox);
  EXPECT_EQ(disabled(Options.volumeSlider), 0);
  EXPECT_EQ(disabled(Options.volumeLabel), 0);
  click(Options.undoBox);
  closeByButton();
  EXPECT_EQ(stored("Sound"), "1");
  EXPECT_EQ(stored("Undo"), "0");
}

TEST_F(OptionsWindowTest, PracticeAfterTournamentGreysTheTimeAndKeepsTheStoredTime) {
  writeConfig("Mode = T\nTime = 1200\n");
  openOptionsWindowSteps();
  click(Options.practice);
  EXPECT_EQ(disabled(Options.timeLabel), 1);
  EXPECT_EQ(disabled(Options.timeSlider), 1);
  closeByButton();
  EXPECT_EQ(stored("Mode"), "P");
  EXPECT_EQ(stored("Time"), "1200");
}

TEST_F(OptionsWindowTest, DraggingTheTimeSliderFollowsTheThumbAndStoresTheLastPosition) {
  writeConfig("Mode = T\nTime = 3600\n");
  openOptionsWindowSteps();
  for (int position = 11; position >= 3; --position) {
    change(Options.timeSlider, position);
    EXPECT_EQ(text(Options.timeLabel), "Time Limit: " + std::to_string(position * 5) + " min.");
  }
  EXPECT_EQ(text(Options.timeLabel), "Time Limit: 15 min.");
  closeByButton();
  EXPECT_EQ(stored("Time"), "900");
}

TEST_F(OptionsWindowTest, SlidersStoreTheirScaledPositions) {
  openOptionsWindowSteps();
  change(Options.volumeSlider, 1);
  EXPECT_EQ(text(Options.volumeLabel), "Volume: 10%");
  change(Options.colourSlider, 5);
  EXPECT_EQ(text(Options.colourLabel), "Tile Colors: 5");
  closeByButton();
  EXPECT_EQ(stored("Vol"), "10");
  EXPECT_EQ(stored("Colors"), "5");
}

TEST_F(OptionsWindowTest, CloseBoxAndCloseButtonEndTheWindowAlike) {
  std::string files[2];
  for (int viaCloseBox = 0; viaCloseBox < 2; ++viaCloseBox) {
    writeConfig("Colors = 4\n");
    openOptionsWindowSteps();
    change(Options.colourSlider, 3);
    if (viaCloseBox) {
      ASSERT_EQ(media::testing::requestClose(ids::OptionsWindow), 1);
      pass(optionsWindowPass, false);
    } else {
      closeByButton();
    }
    EXPECT_FALSE(media::windowExists(ids::OptionsWindow));
    EXPECT_EQ(media::windowDisabled(ids::MainWindow), 0);
    EXPECT_EQ(App.GameState, NoGame);
    files[viaCloseBox] = configBytes();
  }
  EXPECT_EQ(files[0], files[1]);
  EXPECT_EQ(stored("Colors"), "3");
}

TEST_F(OptionsWindowTest, EventsOfTheMainWindowAreDropped) {
  ASSERT_EQ(media::addWindowTimer(ids::MainWindow, ids::TimeLimitTimer, 10), 1);
  openOptionsWindowSteps();
  media::delay(50);  // the main window's timer falls due before the click
  change(Options.colourSlider, 5);
  EXPECT_EQ(text(Options.colourLabel), "Tile Colors: 5");
  EXPECT_TRUE(media::windowExists(ids::OptionsWindow));
  closeByButton();
}

TEST_F(OptionsWindowTest, TheWholeWindowRunsUntilClosedAndLeavesTheValuesOnDisk) {
  scriptInput({
      [] { clickControl(Options.hard); },
      [] { clickControl(Options.tournament); },
      [] { changeControl(Options.volumeSlider, 4); },
      [] { media::testing::requestClose(ids::OptionsWindow); },
  });
  openOptionsWindow();
  EXPECT_FALSE(media::windowExists(ids::OptionsWindow));
  EXPECT_EQ(stored("Size"), "24");
  EXPECT_EQ(stored("Mode"), "T");
  EXPECT_EQ(stored("Vol"), "40");
}

}  // namespace
