// The program's own pictures as embedded: each decodes with libpng to its
// size and format, none holds the forbidden colour, the tray icon is a
// well-formed icon file, and the background shows the buttons in place and
// keeps the status band calm.
#include <gtest/gtest.h>

#include "probe.h"
#include "resources/resources.h"

#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using resources::Blob;

struct Expected {
  const char* name;
  const Blob* blob;
  unsigned width, height;
  int colourType;
};

const Expected Pictures[] = {
    {"NewImage", &resources::NewImage, 96, 36, 3},
    {"QuitImage", &resources::QuitImage, 96, 36, 3},
    {"PauseImage", &resources::PauseImage, 96, 36, 3},
    {"UndoImage", &resources::UndoImage, 96, 36, 3},
    {"ContinueImage", &resources::ContinueImage, 96, 36, 3},
    {"AboutPicture", &resources::AboutPicture, 200, 149, 6},
    {"DonateImage", &resources::DonateImage, 150, 50, 6},
    {"LicenceBadgeImage", &resources::LicenceBadgeImage, 96, 39, 6},
    {"BackgroundImage", &resources::BackgroundImage, 620, 544, 6},
    {"StatisticsIcon", &resources::StatisticsIcon, 24, 24, 6},
    {"OptionsIcon", &resources::OptionsIcon, 24, 24, 6},
    {"HelpIcon", &resources::HelpIcon, 24, 24, 6},
};

probe::Png decode(const Blob& b) { return probe::decodePng(b.data, b.size); }

TEST(Resources, EveryPictureDecodesToItsSizeAndFormatAsOneCompleteFile) {
  for (const Expected& e : Pictures) {
    SCOPED_TRACE(e.name);
    EXPECT_EQ(probe::pngLength(e.blob->data, e.blob->size), e.blob->size);
    const probe::Png png = decode(*e.blob);
    ASSERT_TRUE(png.ok);
    EXPECT_EQ(png.width, e.width);
    EXPECT_EQ(png.height, e.height);
    EXPECT_EQ(png.colourType, e.colourType);
    EXPECT_EQ(png.bitDepth, 8);
    EXPECT_FALSE(probe::holdsColour(png, 30, 211, 47));
  }
}

TEST(Resources, TheFiveButtonFacesAreDifferentPictures) {
  for (int i = 0; i < 5; ++i)
    for (int j = i + 1; j < 5; ++j)
      EXPECT_NE(decode(*Pictures[i].blob).rgba, decode(*Pictures[j].blob).rgba)
          << Pictures[i].name << " and " << Pictures[j].name;
}

TEST(Resources, ToolbarIconsStandOnATransparentGround) {
  for (int i = 9; i < 12; ++i) {
    SCOPED_TRACE(Pictures[i].name);
    const probe::Png png = decode(*Pictures[i].blob);
    int clear = 0, solid = 0;
    for (std::size_t k = 3; k < png.rgba.size(); k += 4) {
      clear += png.rgba[k] == 0;
      solid += png.rgba[k] == 255;
    }
    EXPECT_GT(clear, 24);
    EXPECT_GT(solid, 24 * 24 / 5);
  }
}

// The application icons for desktop integration lie beside the embedded pictures as files.
TEST(Resources, ApplicationIconsAreSquareRgbaPicturesWithClearCorners) {
  for (unsigned size : {128u, 64u, 48u}) {
    const std::string path = std::string(MIREL_ICON_DIR) + "/mirel-" + std::to_string(size) + ".png";
    SCOPED_TRACE(path);
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const probe::Png png = probe::decodePng(bytes.data(), bytes.size());
    ASSERT_TRUE(png.ok);
    EXPECT_EQ(png.width, size);
    EXPECT_EQ(png.height, size);
    EXPECT_EQ(png.colourType, 6);
    EXPECT_EQ(png.a(0, 0), 0);
    EXPECT_EQ(png.a(int(size) / 2, int(size) / 2), 255);
    EXPECT_FALSE(probe::holdsColour(png, 30, 211, 47));
  }
}

std::uint32_t le32(const unsigned char* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t(p[3]) << 24); }
std::uint16_t le16(const unsigned char* p) { return std::uint16_t(p[0] | (p[1] << 8)); }

TEST(Resources, TrayIconIsAnIconFileWithOne24BitImage) {
  const Blob& ico = resources::TrayIconImage;
  ASSERT_GE(ico.size, 22u + 40u);
  const unsigned char* p = ico.data;
  EXPECT_EQ(le16(p), 0);      // reserved
  EXPECT_EQ(le16(p + 2), 1);  // an icon, not a cursor
  EXPECT_EQ(le16(p + 4), 1);  // one image
  EXPECT_EQ(p[6], 64);
  EXPECT_EQ(p[7], 64);
  EXPECT_EQ(le16(p + 12), 24);
  const std::uint32_t bytes = le32(p + 14), offset = le32(p + 18);
  EXPECT_EQ(offset + bytes, ico.size);
  const unsigned char* bmp = p + offset;
  EXPECT_EQ(le32(bmp), 40u);
  EXPECT_EQ(le32(bmp + 4), 64u);
  EXPECT_EQ(le32(bmp + 8), 128u);  // colour rows and mask rows
  EXPECT_EQ(le16(bmp + 14), 24);
  EXPECT_EQ(le32(bmp + 16), 0u);
  EXPECT_EQ(bytes, 40u + 64 * 64 * 3 + 64 * 8);
  for (std::size_t i = 0; i + 2 < 64 * 64 * 3; i += 3)
    ASSERT_FALSE(bmp[40 + i + 2] == 30 && bmp[40 + i + 1] == 211 && bmp[40 + i] == 47);
}

// A button face and where the background paints it.
struct Placed {
  const Blob* face;
  int x, y;
};

class Background : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { wall = decode(resources::BackgroundImage); }
  static probe::Png wall;
};
probe::Png Background::wall;

TEST_F(Background, ShowsTheNewAndQuitFacesExactlyInPlace) {
  const Placed placed[] = {{&resources::NewImage, 39, 428}, {&resources::QuitImage, 156, 428}};
  for (const auto& p : placed) {
    const probe::Png face = decode(*p.face);
    for (int y = 0; y < 36; ++y)
      for (int x = 0; x < 96; ++x) {
        ASSERT_EQ(wall.r(p.x + x, p.y + y), face.r(x, y)) << p.x << "+" << x << "," << p.y << "+" << y;
        ASSERT_EQ(wall.g(p.x + x, p.y + y), face.g(x, y));
        ASSERT_EQ(wall.b(p.x + x, p.y + y), face.b(x, y));
      }
  }
}

// A greyed face: without colour, yet with the face's light and dark in place.
TEST_F(Background, ShowsGreyedPauseAndUndoFacesInPlace) {
  const Placed placed[] = {{&resources::PauseImage, 39, 376}, {&resources::UndoImage, 156, 376}};
  // The face's rim, half covered, and its rounded corners: there the panel shows through.
  auto onRim = [](int x, int y) { return x < 1 || x > 94 || y < 1 || y > 34 || ((x < 7 || x > 88) && (y < 7 || y > 28)); };
  for (const auto& p : placed) {
    const probe::Png face = decode(*p.face);
    double sa = 0, sb = 0, saa = 0, sbb = 0, sab = 0;
    int n = 0;
    for (int y = 0; y < 36; ++y)
      for (int x = 0; x < 96; ++x) {
        if (onRim(x, y)) continue;
        const int r = wall.r(p.x + x, p.y + y), g = wall.g(p.x + x, p.y + y), b = wall.b(p.x + x, p.y + y);
        ASSERT_LT(std::max({r, g, b}) - std::min({r, g, b}), 12) << "coloured at " << x << "," << y;
        const double a = (r + g + b) / 3.0, f = (face.r(x, y) * 30 + face.g(x, y) * 59 + face.b(x, y) * 11) / 100.0;
        sa += a;
        sb += f;
        saa += a * a;
        sbb += f * f;
        sab += a * f;
        ++n;
      }
    const double cov = sab / n - sa / n * sb / n;
    const double corr = cov / std::sqrt((saa / n - sa * sa / n / n) * (sbb / n - sb * sb / n / n));
    EXPECT_GT(corr, 0.9);
    // The outermost corner pixel is the panel beside the face, not a grey box.
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{95, 0}, std::pair{0, 35}, std::pair{95, 35}}) {
      const int beside = x == 0 ? p.x - 3 : p.x + 98;
      for (auto channel : {&probe::Png::r, &probe::Png::g, &probe::Png::b})
        EXPECT_NEAR((wall.*channel)(p.x + x, p.y + y), (wall.*channel)(beside, p.y + y), 6)
            << "corner " << x << "," << y << " of the face at " << p.x;
    }
  }
}

double luminanceSpread(const probe::Png& png, int y0, int y1, double* mean) {
  double s = 0, ss = 0;
  int n = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = 0; x < int(png.width); ++x) {
      const double l = 0.3 * png.r(x, y) + 0.59 * png.g(x, y) + 0.11 * png.b(x, y);
      s += l;
      ss += l * l;
      ++n;
    }
  *mean = s / n;
  return std::sqrt(ss / n - *mean * *mean);
}

TEST_F(Background, StatusBandIsCalmAndLightBehindBlueText) {
  double mean = 0;
  EXPECT_LT(luminanceSpread(wall, 497, 544, &mean), 10);
  EXPECT_GT(mean, 170);
  // Fully opaque, so the window shows no hole there.
  for (int y = 495; y < 544; ++y)
    for (int x = 0; x < 620; ++x) ASSERT_EQ(wall.a(x, y), 255);
}

TEST_F(Background, TopBandUnderTheToolbarIsPlain) {
  double mean = 0;
  EXPECT_LT(luminanceSpread(wall, 0, 30, &mean), 10);
}

TEST_F(Background, PlayFieldAreaIsFramed) {
  // The frame line just outside the field differs clearly from the field's dark ground.
  auto lum = [](const probe::Png& p, int x, int y) { return 0.3 * p.r(x, y) + 0.59 * p.g(x, y) + 0.11 * p.b(x, y); };
  for (int y = 60; y < 480; y += 20) {
    EXPECT_GT(std::fabs(lum(wall, 299, y) - lum(wall, 310, y)), 40) << y;
    EXPECT_GT(std::fabs(lum(wall, 598, y) - lum(wall, 588, y)), 40) << y;
  }
}

}  // namespace
