// The pictures the program carries inside itself, embedded at build time.
#pragma once

#include <cstddef>

namespace resources {

struct Blob {
  const unsigned char* data;
  std::size_t size;
};

extern const Blob NewImage, QuitImage, PauseImage, UndoImage, ContinueImage;
extern const Blob AboutPicture, DonateImage, LicenceBadgeImage, BackgroundImage;
extern const Blob TrayIconImage, StatisticsIcon, OptionsIcon, HelpIcon;

}  // namespace resources
