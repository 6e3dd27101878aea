// openWebLink: the address behind each link control of the About and licence
// windows, handed to the desktop's web browser.
#include "dialogs/about_window.h"
#include "dialogs/dialogs.h"
#include "dialogs/links.h"
#include "media/media.h"

void openWebLink(int control) {
  if (control == About.makerLink) {
    media::openDocument(links::MakerSiteAddress);
  } else if (control == About.donateButton) {
    media::openDocument(links::DonationAddress);
  } else if (control == License.badgeButton) {
    media::openDocument(links::LicenceAddress);
  }
}
