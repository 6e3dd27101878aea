// The About and licence windows on the headless back end: the notices box,
// the maker link's colours, the web addresses, and which window is enabled
// when.
#include <cstring>
#include <string>
#include <vector>

#include "common/app_state.h"
#include "common/ids.h"
#include "dialog_fixture.h"
#include "dialogs/about_window.h"
#include "dialogs/dialogs.h"
#include "dialogs/notices.h"
#include "media/media.h"
#include "media/testing.h"
#include "resources/resources.h"
#include "scripted_input.h"

namespace {

using media::testing::clickControl;

class AboutWindowTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    App.ComponentNotices = ComponentNoticeLines;
  }
  static std::vector<std::string> noticesShown() { return control(License.notices).lines; }
  static void closeLicense() {
    ASSERT_EQ(media::testing::requestClose(ids::LicenseWindow), 1);
    pass(licenseWindowPass, false);
  }
};

TEST_F(AboutWindowTest, TheLicenceWindowShowsTheSameNoticesFromTheTopEveryTime) {
  openAboutWindowSteps();
  std::vector<std::string> expected;
  for (const char* const* line = ComponentNoticeLines; std::strcmp(*line, "\x03") != 0; ++line) {
    expected.emplace_back(*line);
  }
  for (int opening = 0; opening < 2; ++opening) {
    openLicenseWindowSteps();
    const std::vector<std::string> shown = noticesShown();
    EXPECT_EQ(shown, expected) << "opening " << opening + 1;
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown.front(), "In addition, this program uses the following components:");
    EXPECT_EQ(shown[shown.size() - 2], "OF THIS SOFTWARE, EVEN IF ADVISED OF THE POSSIBILITY OF SUCH DAMAGE.");
    EXPECT_EQ(shown.back(), "");
    for (const std::string& line : shown) EXPECT_EQ(line.find('\x03'), std::string::npos);
    closeLicense();
  }
}

TEST_F(AboutWindowTest, ClosingTheLicenceWindowReturnsToTheAboutWindow) {
  openAboutWindowSteps();
  EXPECT_EQ(media::windowDisabled(ids::MainWindow), 1);
  openLicenseWindowSteps();
  EXPECT_EQ(window(ids::LicenseWindow).ownerWindow, ids::AboutWindow);
  EXPECT_EQ(media::windowDisabled(ids::AboutWindow), 1);
  // The About window is disabled, so its close box does nothing meanwhile.
  EXPECT_EQ(media::testing::requestClose(ids::AboutWindow), 0);
  closeLicense();
  EXPECT_FALSE(media::windowExists(ids::LicenseWindow));
  EXPECT_TRUE(media::windowExists(ids::AboutWindow));
  EXPECT_EQ(media::windowDisabled(ids::AboutWindow), 0);
  EXPECT_EQ(media::windowDisabled(ids::MainWindow), 1);

  ASSERT_EQ(media::testing::requestClose(ids::AboutWindow), 1);
  pass(aboutWindowPass, false);
  EXPECT_FALSE(media::windowExists(ids::AboutWindow));
  EXPECT_EQ(media::windowDisabled(ids::MainWindow), 0);
}

TEST_F(AboutWindowTest, TheMakerLinkIsBlueAndBlackWhileTheMouseIsOverIt) {
  openAboutWindowSteps();
  const media::ControlRecord& link = control(About.makerLink);
  EXPECT_EQ(link.textColour, 255 * 65536);
  EXPECT_EQ(link.hoverColour, 0);
  EXPECT_EQ(link.hovered, 0);
  media::testing::moveMouse(ids::AboutWindow, 430, 100);
  pass(aboutWindowPass);
  EXPECT_EQ(control(About.makerLink).hovered, 1);
  media::testing::moveMouse(ids::AboutWindow, 100, 250);
  pass(aboutWindowPass);
  EXPECT_EQ(control(About.makerLink).hovered, 0);
}

TEST_F(AboutWindowTest, EachLinkOpensItsOwnAddress) {
  openAboutWindowSteps();
  ASSERT_EQ(clickControl(About.makerLink), 1);
  pass(aboutWindowPass);
  ASSERT_EQ(clickControl(About.donateButton), 1);
  pass(aboutWindowPass);
  openLicenseWindowSteps();
  ASSERT_EQ(clickControl(License.badgeButton), 1);
  pass(licenseWindowPass);
  closeLicense();

  const std::vector<std::string> opened = media::testing::openedDocuments();
  ASSERT_EQ(opened.size(), 3u);
  EXPECT_EQ(opened[0].rfind("https://", 0), 0u);
  EXPECT_EQ(opened[1].rfind("https://", 0), 0u);
  EXPECT_NE(opened[0], opened[1]);
  EXPECT_EQ(opened[2], "https://creativecommons.org/licenses/by-nc-nd/4.0/");
  EXPECT_TRUE(media::windowExists(ids::AboutWindow));
}

TEST_F(AboutWindowTest, LicenseAgreementRunsTheLicenceWindowInsideTheAboutWindow) {
  int aboutDisabledMeanwhile = -1;
  scriptInput({
      [] { clickControl(About.licenceButton); },
      [&] {
        aboutDisabledMeanwhile = media::windowDisabled(ids::AboutWindow);
        media::testing::requestClose(ids::LicenseWindow);
      },
      [] { media::testing::requestClose(ids::AboutWindow); },
  });
  openAboutWindow();
  EXPECT_EQ(aboutDisabledMeanwhile, 1);
  EXPECT_FALSE(media::windowExists(ids::LicenseWindow));
  EXPECT_FALSE(media::windowExists(ids::AboutWindow));
  EXPECT_EQ(media::windowDisabled(ids::MainWindow), 0);
}

TEST_F(AboutWindowTest, ShowsThePicturesTheProgramCarries) {
  const auto load = [](const resources::Blob& blob) {
    return media::loadImage(media::AnyNumber, blob.data, blob.size);
  };
  App.AboutPicture = load(resources::AboutPicture);
  App.DonateImage = load(resources::DonateImage);
  App.LicenceBadgeImage = load(resources::LicenceBadgeImage);

  openAboutWindowSteps();
  openLicenseWindowSteps();
  const auto sizeOf = [](int c) {
    const media::Image* image = control(c).picture;
    return image ? std::to_string(image->width) + "x" + std::to_string(image->height) : "none";
  };
  EXPECT_EQ(sizeOf(About.logo), "200x149");
  EXPECT_EQ(sizeOf(About.donateButton), "150x50");
  EXPECT_EQ(sizeOf(License.badgeButton), "96x39");
  EXPECT_EQ(control(About.logo).flags & media::PictureSunken, 0u);
  closeLicense();
}

}  // namespace
