// The font table. The back end fills in the pixel height from the display's
// vertical resolution (points x dpi / 72) when it makes the font.
#include "media/core/core.h"

namespace media {
namespace {

core::Table<FontRecord> fontTable;

void destroy(int number) {
  if (auto record = fontTable.take(number)) backend::destroyFont(*record);
}

}  // namespace

core::Table<FontRecord>& core::fonts() { return fontTable; }
FontRecord* core::findFont(int number) { return fontTable.find(number); }

void core::releaseFonts() {
  while (!fontTable.empty()) destroy(fontTable.firstNumber());
}

int loadFont(int number, std::string_view face, int points, unsigned flags) {
  const int picked = fontTable.pick(number);
  if (picked >= 0) destroy(picked);
  if (picked < 0 || points <= 0 || face.empty()) return core::createResult(number, picked, false);
  auto& record = fontTable.put(picked, std::make_unique<FontRecord>());
  record.number = picked;
  record.face = face;
  record.points = points;
  record.flags = flags;
  const bool ok = backend::createFont(record);
  if (!ok) fontTable.take(picked);
  return core::createResult(number, picked, ok);
}

NativeHandle fontHandle(int font) {
  FontRecord* record = fontTable.find(font);
  return record ? core::handleOf(*record) : nullptr;
}

int fontPixelHeight(int font) {
  FontRecord* record = fontTable.find(font);
  return record ? record->pixelHeight : 0;
}

}  // namespace media
