// The licence window, owned by the About window: the program's own licence
// with a link to it, and the notices of the components it uses.
#include <cstring>

#include "common/app_state.h"
#include "common/common.h"
#include "common/dialog_window.h"
#include "common/ids.h"
#include "dialogs/about_window.h"
#include "dialogs/dialogs.h"
#include "dialogs/links.h"
#include "dialogs/notices.h"
#include "media/media.h"

LicenseWindow License;

namespace {

constexpr const char* Title = "License Agreement";
constexpr int Width = 420;
constexpr int Height = 380;
constexpr const char* EndMarker = "\x03";

// Appends the notices from their first line up to, not including, the end marker.
void fillNotices(int box) {
  const char* const* line = App.ComponentNotices != nullptr ? App.ComponentNotices : ComponentNoticeLines;
  for (; std::strcmp(*line, EndMarker) != 0; ++line) media::addRichTextLine(box, *line);
}

}  // namespace

void openLicenseWindowSteps() {
  using namespace media;
  LicenseWindow& l = License;
  l = {};
  // The About window is disabled before its owned window exists: on some
  // desktops disabling an owner disables the windows it already owns too.
  disableWindow(ids::AboutWindow, 1);
  dialogs::openDialogWindow(ids::LicenseWindow, Width, Height, Title, ids::AboutWindow);
  l.statement = createTextLabel(AnyNumber, 10, 30, 400, 40, "Text", LabelCentre | LabelWrap);
  l.badgeButton = createPictureButton(AnyNumber, 162, 75, 96, 39, imageHandle(App.LicenceBadgeImage), 0);
  setToolTip(l.badgeButton, "Click here for Details");
  l.notices = createRichText(AnyNumber, 10, 130, 400, 240, RichReadOnly | RichWordWrap);
  setControlText(l.statement, links::LicenceStatement);
  activateWindow(ids::LicenseWindow);
  fillNotices(l.notices);
}

int licenseWindowPass() {
  const int kind = dialogs::waitDialogEvent(ids::LicenseWindow);
  if (kind == media::EventCloseWindow) {
    ConfirmQuit();
    License = {};  // its numbers are free again; openWebLink must not match them
    return 0;
  }
  if (kind == media::EventControl && media::eventObject() == License.badgeButton) openWebLink(License.badgeButton);
  return 1;
}

void openLicenseWindow() {
  openLicenseWindowSteps();
  while (licenseWindowPass()) {
  }
}
