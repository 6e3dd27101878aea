// The About window: title, version, maker link, donation button and the way
// to the licence window, all on a light grey ground.
#include "dialogs/about_window.h"

#include <string_view>

#include "common/app_state.h"
#include "common/common.h"
#include "common/dialog_window.h"
#include "common/ids.h"
#include "dialogs/dialogs.h"
#include "dialogs/links.h"
#include "media/media.h"

AboutWindow About;

namespace {

constexpr const char* Title = "About";
constexpr int Width = 550;
constexpr int Height = 270;
constexpr int Grey = 225 + 225 * 256 + 225 * 65536;
constexpr int Blue = 255 * 65536;
constexpr int Black = 0;

// A label on the window's grey in the given font.
int createLabel(int x, int y, int width, int height, std::string_view text, unsigned flags, int font) {
  const int label = media::createTextLabel(media::AnyNumber, x, y, width, height, text, flags);
  media::setControlColours(label, -1, Grey);
  media::setControlFont(label, font);
  return label;
}

void createControls() {
  using namespace media;
  AboutWindow& a = About;
  a.title = createLabel(270, 20, 230, 30, "Free Mirel!", LabelCentre, ids::TitleFont);
  a.makerLine = createLabel(270, 90, 130, 20, links::MakerLineText, LabelRight, ids::TextFont);
  a.makerLink = createHyperlink(AnyNumber, 400, 90, 70, 20, links::MakerName, Black, LinkUnderline);
  setControlColours(a.makerLink, Blue, Grey);
  setControlFont(a.makerLink, ids::TextFont);
  a.titleFrame = createFrame(AnyNumber, 220, 10, 320, 50, "");
  a.version = createLabel(270, 60, 230, 20, App.VersionText, LabelCentre, ids::TextFont);
  a.licenceButton = createPushButton(AnyNumber, 310, 130, 150, 30, "License Agreement");
  a.freewareLine2 =
      createLabel(20, 210, 280, 20, "However, if you find this software useful,", LabelCentre, ids::TextFont);
  a.freewareLine3 = createLabel(20, 230, 280, 20, "feel free to donate a small amount.", LabelCentre, ids::TextFont);
  a.logo = createPictureControl(AnyNumber, 60, 20, 200, 149, imageHandle(App.AboutPicture), 0);
  a.donateButton = createPictureButton(AnyNumber, 310, 190, 150, 50, imageHandle(App.DonateImage), 0);
  setToolTip(a.donateButton, "Click here to make a Donation");
}

}  // namespace

void openAboutWindowSteps() {
  About = {};
  media::disableWindow(ids::MainWindow, 1);
  dialogs::openDialogWindow(ids::AboutWindow, Width, Height, Title, ids::MainWindow);
  media::setWindowColour(ids::AboutWindow, Grey);
  createControls();
}

int aboutWindowPass() {
  const int kind = dialogs::waitDialogEvent(ids::AboutWindow);
  if (kind == media::EventCloseWindow) {
    ConfirmQuit();
    return 0;
  }
  if (kind == media::EventControl) {
    const int control = media::eventObject();
    if (control == About.makerLink || control == About.donateButton) openWebLink(control);
    if (control == About.licenceButton) openLicenseWindow();
  }
  return 1;
}

void openAboutWindow() {
  openAboutWindowSteps();
  while (aboutWindowPass()) {
  }
}
