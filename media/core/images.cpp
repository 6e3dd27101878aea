// The image table: pictures for controls, decoded from PNG or icon data in
// memory. An image's handle is its own address and stays valid while the
// number holds a picture; loading into a used number replaces the picture in
// place, so controls showing it follow. Freeing clears every reference.
#include <cstring>

#include "media/core/core.h"

namespace media {
namespace {

core::Table<Image> imageTable;

// Drops references to a picture that is going away.
void forget(const Image* picture) {
  core::windows().forEach([&](int, WindowRecord& window) {
    if (window.background != picture) return;
    window.background = nullptr;
    backend::updateWindow(window);
  });
  core::controls().forEach([&](int, ControlRecord& control) {
    if (control.picture != picture && control.pressedPicture != picture) return;
    if (control.picture == picture) control.picture = nullptr;
    if (control.pressedPicture == picture) control.pressedPicture = nullptr;
    backend::updateControl(control);
  });
  core::toolbars().forEach([&](int, ToolbarRecord& toolbar) {
    for (auto& button : toolbar.buttons)
      if (button.picture == picture) button.picture = nullptr;
    backend::updateToolbar(toolbar);
  });
  core::trays().forEach([&](int, TrayRecord& tray) {
    if (tray.picture != picture) return;
    tray.picture = nullptr;
    backend::updateTray(tray);
  });
}

}  // namespace

bool core::decodeImage(const void* data, std::size_t size, Image& out) {
  if (!data || size == 0) return false;
  if (size == UnknownSize) {
    size = core::pngLength(data);
    if (size == 0) size = core::icoLength(data);
    if (size == 0) return false;
  }
  if (size >= 8 && std::memcmp(data, "\x89PNG", 4) == 0) return core::decodePng(data, size, out);
  return core::decodeIco(data, size, out);
}

core::Table<Image>& core::images() { return imageTable; }

const Image* core::imageFromHandle(NativeHandle handle) {
  const Image* found = nullptr;
  if (!handle) return nullptr;
  imageTable.forEach([&](int, Image& image) {
    if (static_cast<void*>(&image) == static_cast<void*>(handle)) found = &image;
  });
  return found;
}

void core::releaseImages() {
  while (!imageTable.empty()) freeImage(imageTable.firstNumber());
}

int registerPngDecoder() { return 1; }  // libpng is linked in; nothing to register

int loadImage(int number, const void* data, std::size_t size) {
  const int picked = imageTable.pick(number);
  Image decoded;
  bool ok = false;
  if (picked >= 0 && !core::takeDecodedAhead(data, size, ok, decoded)) ok = core::decodeImage(data, size, decoded);
  if (!ok) {
    freeImage(picked);
    return core::createResult(number, picked, false);
  }
  if (Image* existing = imageTable.find(picked)) {
    *existing = std::move(decoded);
    backend::imageChanged(*existing);
  } else {
    backend::imageChanged(imageTable.put(picked, std::make_unique<Image>(std::move(decoded))));
  }
  return core::createResult(number, picked, true);
}

int resizeImage(int image, int width, int height) {
  Image* record = imageTable.find(image);
  if (!record || width <= 0 || height <= 0) return 0;
  if (width != record->width || height != record->height) *record = core::resized(*record, width, height);
  backend::imageChanged(*record);
  return 1;
}

int imageWidth(int image) {
  Image* record = imageTable.find(image);
  return record ? record->width : 0;
}

int imageHeight(int image) {
  Image* record = imageTable.find(image);
  return record ? record->height : 0;
}

NativeHandle imageHandle(int image) {
  Image* record = imageTable.find(image);
  return record ? reinterpret_cast<NativeHandle>(record) : nullptr;
}

int freeImage(int image) {
  Image* record = imageTable.find(image);
  if (!record) return 0;
  forget(record);
  backend::imageFreed(*record);
  imageTable.take(image);
  return 1;
}

}  // namespace media
