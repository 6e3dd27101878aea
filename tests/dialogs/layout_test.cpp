// Every control of the four windows at its place with its text, as the
// windows are laid out, and the back end's widgets where the records say.
// Built twice: on the headless and on the Qt back end.
#include <string>
#include <tuple>
#include <vector>

#include "common/app_state.h"
#include "common/ids.h"
#include "dialog_fixture.h"
#include "dialogs/about_window.h"
#include "dialogs/collection_window.h"
#include "dialogs/notices.h"
#include "dialogs/options_window.h"
#include "media/media.h"
#include "media/testing.h"

namespace {

struct Expected {
  int control;
  int kind;
  int x, y, width, height;
  std::string text;
  unsigned flags;
};

class LayoutTest : public DialogTest {
 protected:
  static void expectWindow(int number, int width, int height, const std::string& title, int owner) {
    const media::WindowRecord& w = window(number);
    EXPECT_EQ(w.title, title);
    EXPECT_EQ(w.client.width, width);
    EXPECT_EQ(w.client.height, height);
    EXPECT_EQ(w.ownerWindow, owner);
    EXPECT_TRUE(w.flags & media::WindowCaption);
  }
  static void expectControls(int windowNumber, const std::vector<Expected>& expected) {
    int previous = -1;
    for (const Expected& e : expected) {
      const media::ControlRecord& c = control(e.control);
      SCOPED_TRACE("control \"" + e.text + "\" at " + std::to_string(e.x) + ", " + std::to_string(e.y));
      EXPECT_EQ(c.window, windowNumber);
      EXPECT_EQ(c.kind, e.kind);
      EXPECT_EQ(c.rect.x, e.x);
      EXPECT_EQ(c.rect.y, e.y);
      if (e.kind != media::ControlPictureControl) {  // those size themselves to the picture
        EXPECT_EQ(c.rect.width, e.width);
        EXPECT_EQ(c.rect.height, e.height);
      }
      EXPECT_EQ(c.text, e.text);
#ifdef NATIVE_BACK_END
      EXPECT_NE(c.native, nullptr) << "the back end made no widget";
#endif
      const media::testing::Placement placed = media::testing::controlPlacement(e.control);
      EXPECT_EQ(std::tie(placed.x, placed.y, placed.width, placed.height),
                std::tie(c.rect.x, c.rect.y, c.rect.width, c.rect.height))
          << "the back end placed the control elsewhere";
      EXPECT_EQ(c.flags, e.flags);
      EXPECT_GT(e.control, previous) << "created out of order";
      previous = e.control;
    }
  }
  // A real desktop may send the window other events (activation, repaints)
  // before the close request; the window ignores those.
  static void close(int number, int (*windowPass)()) {
    ASSERT_EQ(media::testing::requestClose(number), 1);
    for (int events = 0; events < 100 && windowPass(); ++events) {
    }
    EXPECT_FALSE(media::windowExists(number));
  }
};

TEST_F(LayoutTest, OptionsWindow) {
  using namespace media;
  openOptionsWindowSteps();
  expectWindow(ids::OptionsWindow, 250, 490, "Settings", ids::MainWindow);
  const OptionsWindow& o = Options;
  expectControls(ids::OptionsWindow, {
      {o.levelFrame, ControlFrame, 20, 20, 210, 90, "", 0},
      {o.levelLabel, ControlTextLabel, 30, 40, 80, 20, "Select Level", LabelLeft},
      {o.easy, ControlOptionButton, 30, 60, 80, 20, "Easy", 0},
      {o.hard, ControlOptionButton, 30, 80, 80, 20, "Hard", 0},
      {o.colourSlider, ControlTrackBar, 130, 70, 70, 20, "", TrackTicks},
      {o.colourLabel, ControlTextLabel, 130, 40, 80, 20, "Tile Colors: 4", LabelLeft},
      {o.modeFrame, ControlFrame, 20, 130, 210, 160, "", 0},
      {o.modeLabel, ControlTextLabel, 30, 150, 190, 20, "Select Game Mode", LabelCentre},
      {o.practice, ControlOptionButton, 30, 170, 80, 20, "Practice", 0},
      {o.tournament, ControlOptionButton, 120, 170, 90, 20, "Tournament", 0},
      {o.timeLabel, ControlTextLabel, 30, 200, 190, 20, "Time Limit: 60 min.", LabelCentre},
      {o.timeSlider, ControlTrackBar, 30, 220, 180, 20, "", TrackTicks},
      {o.undoBox, ControlCheckBox, 40, 260, 160, 20, "Unlimited Undo's", CheckTextRight},
      {o.soundFrame, ControlFrame, 20, 320, 210, 110, "", 0},
      {o.soundBox, ControlCheckBox, 40, 340, 160, 20, "Sound", CheckTextRight},
      {o.volumeLabel, ControlTextLabel, 30, 370, 190, 20, "Volume: 100%", LabelCentre},
      {o.volumeSlider, ControlTrackBar, 30, 390, 180, 20, "", TrackTicks},
      {o.close, ControlPushButton, 20, 450, 210, 20, "Close", 0},
  });
  EXPECT_EQ(control(o.colourSlider).minimum, 3);
  EXPECT_EQ(control(o.colourSlider).maximum, 5);
  EXPECT_EQ(control(o.timeSlider).minimum, 1);
  EXPECT_EQ(control(o.timeSlider).maximum, 12);
  EXPECT_EQ(control(o.volumeSlider).minimum, 1);
  EXPECT_EQ(control(o.volumeSlider).maximum, 10);
  // Two independent pairs of option buttons.
  EXPECT_EQ(control(o.easy).group, control(o.hard).group);
  EXPECT_EQ(control(o.practice).group, control(o.tournament).group);
  EXPECT_NE(control(o.easy).group, control(o.practice).group);
  close(ids::OptionsWindow, optionsWindowPass);
}

TEST_F(LayoutTest, CollectionWindow) {
  using namespace media;
  writeConfig("Collection = 111111111111\n");
  Collection = CollectionWindow{};
  openCollectionWindowSteps();
  expectWindow(ids::CollectionWindow, 400, 350, "Image Collection", ids::MainWindow);
  const CollectionWindow& c = Collection;
  expectControls(ids::CollectionWindow, {
      {c.scrollArea, ControlScrollArea, 25, 30, 350, 195, "", 0},
      {c.countLabel, ControlTextLabel, 135, 260, 130, 20, "12 Images selected", LabelCentre},
      {c.selectAll, ControlPushButton, 30, 260, 80, 20, "Select all", 0},
      {c.selectNone, ControlPushButton, 290, 260, 80, 20, "Select none", 0},
      {c.close, ControlPushButton, 30, 300, 340, 20, "Close", 0},
  });
  EXPECT_EQ(control(c.scrollArea).innerWidth, 980);
  EXPECT_EQ(control(c.scrollArea).innerHeight, 170);
  EXPECT_EQ(control(c.scrollArea).scrollStep, 8);
  for (const int button : {c.countLabel, c.selectAll, c.selectNone, c.close}) {
    EXPECT_EQ(control(button).container, -1);
  }
  ASSERT_EQ(c.boxes.size(), 12u);
  EXPECT_GT(c.pictures.front(), c.close);
  EXPECT_GT(c.boxes.front(), c.pictures.front());
  EXPECT_GT(c.pictures[1], c.boxes.front());
  close(ids::CollectionWindow, collectionWindowPass);
}

TEST_F(LayoutTest, AboutAndLicenceWindows) {
  using namespace media;
  const int titleFont = loadFont(ids::TitleFont, "Tahoma", 16, FontBold);
  const int textFont = loadFont(ids::TextFont, "Tahoma", 10, 0);
  ASSERT_NE(titleFont, 0);
  ASSERT_NE(textFont, 0);
  App.VersionText = "Version: 4.0.2.697";
  App.ComponentNotices = ComponentNoticeLines;
  openAboutWindowSteps();
  expectWindow(ids::AboutWindow, 550, 270, "About", ids::MainWindow);
  constexpr int grey = 225 + 225 * 256 + 225 * 65536;
  EXPECT_EQ(window(ids::AboutWindow).colour, grey);
  const AboutWindow& a = About;
  expectControls(ids::AboutWindow, {
      {a.title, ControlTextLabel, 270, 20, 230, 30, "Free Mirel!", LabelCentre},
      {a.makerLine, ControlTextLabel, 270, 90, 130, 20, control(a.makerLine).text, LabelRight},
      {a.makerLink, ControlHyperlink, 400, 90, 70, 20, "Valdrane", LinkUnderline},
      {a.titleFrame, ControlFrame, 220, 10, 320, 50, "", 0},
      {a.version, ControlTextLabel, 270, 60, 230, 20, "Version: 4.0.2.697", LabelCentre},
      {a.licenceButton, ControlPushButton, 310, 130, 150, 30, "License Agreement", 0},
      {a.freewareLine2, ControlTextLabel, 20, 210, 280, 20, "However, if you find this software useful,",
       LabelCentre},
      {a.freewareLine3, ControlTextLabel, 20, 230, 280, 20, "feel free to donate a small amount.", LabelCentre},
      {a.logo, ControlPictureControl, 60, 20, 200, 149, "", 0},
      {a.donateButton, ControlPictureButton, 310, 190, 150, 50, "", 0},
  });
  EXPECT_FALSE(control(a.makerLine).text.empty());
  EXPECT_EQ(control(a.title).font, ids::TitleFont);
  for (const int c : {a.makerLine, a.makerLink, a.version, a.freewareLine2, a.freewareLine3}) {
    EXPECT_EQ(control(c).font, ids::TextFont);
  }
  for (const int c : {a.title, a.makerLine, a.makerLink, a.version, a.freewareLine2, a.freewareLine3}) {
    EXPECT_EQ(control(c).backgroundColour, grey);
  }
  EXPECT_EQ(control(a.donateButton).toolTip, "Click here to make a Donation");

  openLicenseWindowSteps();
  expectWindow(ids::LicenseWindow, 420, 380, "License Agreement", ids::AboutWindow);
  const LicenseWindow& l = License;
  expectControls(ids::LicenseWindow, {
      {l.statement, ControlTextLabel, 10, 30, 400, 40, control(l.statement).text, LabelCentre | LabelWrap},
      {l.badgeButton, ControlPictureButton, 162, 75, 96, 39, "", 0},
      {l.notices, ControlRichText, 10, 130, 400, 240, "", RichReadOnly | RichWordWrap},
  });
  EXPECT_NE(control(l.statement).text.find(
                "Creative Commons Attribution-NonCommercial-NoDerivatives 4.0 International"),
            std::string::npos);
  EXPECT_EQ(control(l.badgeButton).toolTip, "Click here for Details");
  EXPECT_EQ(control(l.notices).lines.size(), 156u);
  close(ids::LicenseWindow, licenseWindowPass);
  close(ids::AboutWindow, aboutWindowPass);
}

// On a real desktop the licence window is owned by the About window; it must
// still take input once the About window has been disabled.
TEST_F(LayoutTest, TheLicenceWindowTakesInputWhileTheAboutWindowIsDisabled) {
  App.ComponentNotices = ComponentNoticeLines;
  openAboutWindowSteps();
  openLicenseWindowSteps();
  ASSERT_EQ(media::windowDisabled(ids::AboutWindow), 1);
  ASSERT_EQ(media::testing::clickControl(License.badgeButton), 1);
  close(ids::LicenseWindow, licenseWindowPass);
  const std::vector<std::string> opened = media::testing::openedDocuments();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], "https://creativecommons.org/licenses/by-nc-nd/4.0/");
  close(ids::AboutWindow, aboutWindowPass);
}

}  // namespace
