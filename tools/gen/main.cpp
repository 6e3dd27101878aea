// The generator's entry: draws every picture, synthesises every sound,
// writes them under the repository given as the one argument, checks that no
// picture holds the forbidden colour, and lays out the contact sheet.
#include "art.h"
#include "contact_sheet.h"
#include "ico_write.h"
#include "png_write.h"
#include "sounds.h"

#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <string>

using namespace gen;

namespace {

std::string root;
SheetList sheet;

void picture(const std::string& path, const std::string& label, const Raster& r, PngFormat f) {
  const Raster stored = asStored(r, f);
  for (const Rgba& p : stored.pixels)
    if (isForbidden(p)) {
      std::fprintf(stderr, "%s holds the forbidden colour\n", path.c_str());
      std::exit(1);
    }
  writeFile(root + "/" + path, encodePng(r, f));
  sheet.push_back({label, stored});
  std::printf("%s\n", path.c_str());
}

void libraryAssets() {
  picture("assets/data/girl00.png", "transGirl(0)", pauseCover(), PngFormat::PaletteTrns);
  for (int n = 1; n <= 12; ++n) {
    char path[64], label[32];
    std::snprintf(path, sizeof path, "assets/data/girl%02d.png", n);
    std::snprintf(label, sizeof label, "transGirl(%d)", n);
    picture(path, label, portrait(n), n == 2 ? PngFormat::Rgba : PngFormat::Rgb);
  }
  for (int size : {36, 24})
    for (int kind = 0; kind < 8; ++kind) {
      char path[64], label[32];
      std::snprintf(path, sizeof path, "assets/data/tile%d_%d.png", size, kind);
      std::snprintf(label, sizeof label, "tiles(%d,%d)", size, kind);
      const PngFormat f = size == 24 ? PngFormat::Rgba : kind == 0 ? PngFormat::Palette4 : PngFormat::Rgb;
      picture(path, label, tile(size, kind), f);
    }
  picture("assets/data/banner0.png", "gfxMsg(0)", banner("You won!"), PngFormat::PaletteTrns);
  picture("assets/data/banner1.png", "gfxMsg(1)", banner("You lost!"), PngFormat::Rgba);
  for (int i = 0; i < 5; ++i) {
    const std::string path = "assets/data/sound" + std::to_string(i) + ".ogg";
    writeFile(root + "/" + path, encodeVorbis(synthesise(i), soundFormat(i)));
    std::printf("%s\n", path.c_str());
  }
}

void programPictures() {
  const Faces faces{buttonFace("Pause"), buttonFace("Undo"), buttonFace("New"), buttonFace("Quit")};
  picture("resources/NewImage.png", "NewImage", faces.fresh, PngFormat::Palette);
  picture("resources/QuitImage.png", "QuitImage", faces.quit, PngFormat::Palette);
  picture("resources/PauseImage.png", "PauseImage", faces.pause, PngFormat::Palette);
  picture("resources/UndoImage.png", "UndoImage", faces.undo, PngFormat::Palette);
  picture("resources/ContinueImage.png", "ContinueImage", buttonFace("Continue", true), PngFormat::Palette);
  picture("resources/AboutPicture.png", "AboutPicture", aboutPicture(), PngFormat::Rgba);
  picture("resources/DonateImage.png", "DonateImage", donateImage(), PngFormat::Rgba);
  picture("resources/LicenceBadgeImage.png", "LicenceBadgeImage", licenceBadge(), PngFormat::Rgba);
  // The faces are painted from their stored (quantised) form, so the
  // background shows exactly the pictures the buttons show.
  const Faces stored{asStored(faces.pause, PngFormat::Palette), asStored(faces.undo, PngFormat::Palette),
                     asStored(faces.fresh, PngFormat::Palette), asStored(faces.quit, PngFormat::Palette)};
  picture("resources/BackgroundImage.png", "BackgroundImage", background(stored), PngFormat::Rgba);
  picture("resources/StatisticsIcon.png", "StatisticsIcon", toolbarIcon(ToolIcon::Statistics), PngFormat::Rgba);
  picture("resources/OptionsIcon.png", "OptionsIcon", toolbarIcon(ToolIcon::Options), PngFormat::Rgba);
  picture("resources/HelpIcon.png", "HelpIcon", toolbarIcon(ToolIcon::Help), PngFormat::Rgba);
  const Raster icon = appIcon(64);
  writeFile(root + "/resources/TrayIconImage.ico", encodeIco(icon, Rgba{0, 0, 0, 255}));
  sheet.push_back({"TrayIconImage", flatten(icon, Rgba{0, 0, 0, 255})});
  std::filesystem::create_directories(root + "/resources/icons");
  picture("resources/icons/mirel-64.png", "icon 64", icon, PngFormat::Rgba);
  picture("resources/icons/mirel-48.png", "icon 48", appIcon(48), PngFormat::Rgba);
  picture("resources/icons/mirel-128.png", "icon 128", appIcon(128), PngFormat::Rgba);
  // mirel.exe's own icon, at the sizes Windows shows it.
  writeFile(root + "/resources/icons/mirel.ico",
            encodePngIco({appIcon(16), appIcon(24), appIcon(32), appIcon(48), icon, appIcon(256)}));
  std::printf("resources/icons/mirel.ico\n");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <repository root>\n", argv[0]);
    return 2;
  }
  root = argv[1];
  std::filesystem::create_directories(root + "/assets/data");
  std::filesystem::create_directories(root + "/resources");
  std::filesystem::create_directories(root + "/docs");
  libraryAssets();
  programPictures();
  writeFile(root + "/docs/artwork.png", encodePng(contactSheet(sheet), PngFormat::Rgb));
  std::printf("docs/artwork.png\n");
  return 0;
}
