// The image collection window: a thumbnail and a check box per portrait of the
// asset library, writing the selection into "Collection" at every change. The
// portraits are decoded and scaled once per run; later openings reuse them.
#include "dialogs/collection_window.h"

#include <cstdint>
#include <string>

#include "common/common.h"
#include "common/dialog_window.h"
#include "common/ids.h"
#include "dialogs/dialogs.h"
#include "dialogs/selection_string.h"
#include "media/media.h"
#include "settings/config_file.h"
#include "settings/keys.h"

CollectionWindow Collection;

namespace {

constexpr const char* Title = "Image Collection";
constexpr int Width = 400;
constexpr int Height = 350;
constexpr int ThumbnailWidth = 72;
constexpr int ThumbnailHeight = 108;
constexpr int ColumnWidth = 80;
constexpr int BoxWidening = 6;
constexpr const char* NoSelectionCaption = "No Image selected";
constexpr const char* NoSelectionText = "Please select at least one image";

void createControls() {
  using namespace media;
  CollectionWindow& c = Collection;
  c.scrollArea = createScrollArea(AnyNumber, 25, 30, 350, 195, 980, 170, 8);
  setControlAttribute(c.scrollArea, AttributeScrollStep, 8);
  closeControlList();
  c.countLabel = createTextLabel(AnyNumber, 135, 260, 130, 20, "12 Images selected", LabelCentre);
  c.selectAll = createPushButton(AnyNumber, 30, 260, 80, 20, "Select all");
  c.selectNone = createPushButton(AnyNumber, 290, 260, 80, 20, "Select none");
  c.close = createPushButton(AnyNumber, 30, 300, 340, 20, "Close");
}

// Decodes every portrait the library serves into a thumbnail; N counts them.
// The count stops at the first null answer or after the collection's twelve,
// so a library that never answers null cannot keep the window reading.
void loadThumbnails() {
  CollectionWindow& c = Collection;
  media::loadLibrary(ids::AssetLibrary, ids::AssetLibraryName);
  for (int k = 1; k <= ids::PortraitCount; ++k) {
    const std::intptr_t png = media::callLibrary(ids::AssetLibrary, "transGirl", k);
    if (png == 0) break;
    const int image = media::loadImage(media::AnyNumber, reinterpret_cast<const void*>(png), media::UnknownSize);
    media::resizeImage(image, ThumbnailWidth, ThumbnailHeight);
    c.thumbnails.push_back(image);
    c.portraits = k;
  }
  media::unloadLibrary(ids::AssetLibrary);
}

void createPortraits() {
  CollectionWindow& c = Collection;
  media::openControlList(c.scrollArea);
  for (int i = 1; i <= c.portraits; ++i) {
    const int x = 10 + ColumnWidth * (i - 1);
    c.pictures.push_back(media::createPictureControl(media::AnyNumber, x, 10, ThumbnailWidth, ThumbnailHeight,
                                                     media::imageHandle(c.thumbnails[i - 1]),
                                                     media::PictureSunken));
    // Right-aligned under its thumbnail, and 6 pixels wider to the left than the
    // thumbnail, so that "Girl No. 12" fits beside the box in 8-point Tahoma.
    const int box = media::createCheckBox(media::AnyNumber, x - BoxWidening, 130, ThumbnailWidth + BoxWidening, 20,
                                          "Girl No. " + std::to_string(i), media::CheckTextRight);
    media::setControlState(box, selection::selected(c.remembered, i));
    c.boxes.push_back(box);
  }
  media::closeControlList();
}

// The portrait whose check box the control is, from 1; 0 for any other control.
int portraitOfBox(int control) {
  const auto& boxes = Collection.boxes;
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    if (boxes[i] == control) return static_cast<int>(i) + 1;
  }
  return 0;
}

// Select all, Select none or a portrait's box: edits the stored string.
void handleSelection(int control) {
  CollectionWindow& c = Collection;
  std::string s = selection::filledUp(ConfigFile::readString(keys::Collection, "100000000000"), c.portraits);
  if (control == c.selectAll || control == c.selectNone) {
    const bool all = control == c.selectAll;
    s.assign(s.size(), all ? '1' : '0');
    for (const int box : c.boxes) media::setControlState(box, all);
  } else {
    selection::applyBox(s, portraitOfBox(control), media::controlState(control) == 1);
  }
  ConfigFile::writeString(keys::Collection, s);
  media::setControlText(c.countLabel, selection::countLabelText(s));
}

// A request to close is granted when the stored string selects a portrait.
// With no portraits loaded nothing could be ticked, so the window closes
// rather than trapping the player behind its refusal.
bool closeGranted() {
  CollectionWindow& c = Collection;
  c.remembered = ConfigFile::readString(keys::Collection, "1");
  return c.remembered.find('1') != std::string::npos || c.portraits == 0;
}

}  // namespace

void openCollectionWindowSteps() {
  CollectionWindow& c = Collection;
  c.scrollArea = c.countLabel = c.selectAll = c.selectNone = c.close = -1;
  c.pictures.clear();
  c.boxes.clear();
  ConfigFile::open(ids::ConfigFileName);
  ConfigFile::selectGroup(keys::Settings);
  media::disableWindow(ids::MainWindow, 1);
  dialogs::openDialogWindow(ids::CollectionWindow, Width, Height, Title, ids::MainWindow);
  createControls();
  if (c.portraits == 0) {
    c.remembered = ConfigFile::readString(keys::Collection, "1");
    loadThumbnails();
    c.remembered = selection::fitted(c.remembered, c.portraits);
  }
  createPortraits();
  media::setControlText(c.countLabel, selection::countLabelText(c.remembered));
}

int collectionWindowPass() {
  const CollectionWindow& c = Collection;
  const int kind = dialogs::waitDialogEvent(ids::CollectionWindow);
  const int control = media::eventObject();
  if (kind == media::EventCloseWindow || (kind == media::EventControl && control == c.close)) {
    if (closeGranted()) {
      ConfirmQuit();
      return 0;
    }
    media::messageBox(NoSelectionCaption, NoSelectionText, media::BoxInformationOk);
  } else if (kind == media::EventControl &&
             (control == c.selectAll || control == c.selectNone || portraitOfBox(control) != 0)) {
    handleSelection(control);
  }
  return 1;
}

void openCollectionWindow() {
  openCollectionWindowSteps();
  while (collectionWindowPass()) {
  }
}
