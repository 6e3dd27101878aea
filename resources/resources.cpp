// The program's own pictures: one embedded block (resource_block.inc, made
// by the build from the files beside this one) cut into the named blobs.
#include "resources/resources.h"

#include "resource_block.inc"

namespace resources {
namespace {

// The n-th file of the block, in the order resources/CMakeLists.txt lists them.
constexpr Blob part(int n) {
  return Blob{ResourceBlock + ResourceBlockOffsets[n], ResourceBlockOffsets[n + 1] - ResourceBlockOffsets[n]};
}

}  // namespace

const Blob NewImage = part(0), QuitImage = part(1), PauseImage = part(2), UndoImage = part(3),
           ContinueImage = part(4);
const Blob AboutPicture = part(5), DonateImage = part(6), LicenceBadgeImage = part(7), BackgroundImage = part(8);
const Blob TrayIconImage = part(9), StatisticsIcon = part(10), OptionsIcon = part(11), HelpIcon = part(12);

}  // namespace resources
