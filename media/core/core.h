// Internal declarations shared by the files of the portable core: the object
// tables, handle look-ups, the decoders and the per-concern release calls that
// closing a window and releaseAll sweep through. Not for game code.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "media/backend.h"
#include "media/records.h"
#include "media/core/tables.h"

namespace media::core {

Table<WindowRecord>& windows();
Table<ControlRecord>& controls();
Table<MenuRecord>& menus();
Table<ToolbarRecord>& toolbars();
Table<TrayRecord>& trays();
Table<Image>& images();
Table<FontRecord>& fonts();

// A record's handle is its native object when the back end made one, else the
// record's own address; both are accepted back.
template <class Record>
NativeHandle handleOf(Record& record) {
  return static_cast<NativeHandle>(record.native ? record.native : static_cast<void*>(&record));
}
template <class Record>
Record* recordFromHandle(Table<Record>& table, NativeHandle handle) {
  Record* found = nullptr;
  if (!handle) return nullptr;
  table.forEach([&](int, Record& record) {
    if (handleOf(record) == handle) found = &record;
  });
  return found;
}
// An image's handle is the image's own address.
const Image* imageFromHandle(NativeHandle handle);
int windowNumberFromHandle(NativeHandle handle);  // -1 when none

// Pieces of closing a window and of releasing everything.
void closeControlsOf(int window);
void forgetControlLists(int window);
void forgetWindowEvents(int window);  // its timers and its queued events
// Drops the user's input still queued (clicks, keys, menu choices, close
// requests, mouse moves); timers and repaints stay.
void dropQueuedInput();
void closeToolbarsOf(int window);
void releaseControls();
void releaseMenus();
void releaseImages();
void releaseFonts();
void releaseLibraries();
void releaseWindows();
void releaseEvents();
void releaseSprites();
void closeScreenOf(int window);  // the surface goes with its parent window
void releaseSound();
// A picture decoded ahead from exactly these bytes: true and the result (which
// may be a failure, ok false) handed over once; false when none was asked for.
bool takeDecodedAhead(const void* data, std::size_t size, bool& ok, Image& out);
void releaseDecodedAhead();  // waits for the helper thread and drops what is left
// Called before each wait: once no sound has started and the pointer has not
// moved for SoundQuietMs, the output may pause its device, so an idle program
// does not keep the mixer busy. Until then the device stays ready, so a click
// in a game does not wait for it to wake.
constexpr std::int64_t SoundQuietMs = 5000;
void pauseIdleSound();
// The pointer moved: a click, and its sound, may follow; a resting output
// wakes now rather than on the click's path.
void wakeSound();
void resetOptionGroup();  // the next option button starts a new group
void setDefaultControlFont(int font);

// Decoders: false (and out untouched) when the data does not decode.
// decodeImage takes PNG or icon data, walking a PNG of UnknownSize to its end.
bool decodeImage(const void* data, std::size_t size, Image& out);
bool decodePng(const void* data, std::size_t size, Image& out);
bool decodeIco(const void* data, std::size_t size, Image& out);
// Length of a PNG from its signature to the end of IEND; 0 when none is found
// within limit bytes (and a cap that keeps a length-less walk bounded).
std::size_t pngLength(const void* data, std::size_t limit = UnknownSize);
std::size_t icoLength(const void* data);  // from the icon directory; 0 when not an icon
// Area-averaging resize of a picture to width x height (both > 0).
Image resized(const Image& source, int width, int height);

struct PcmClip {
  int channels = 0;
  int rate = 0;
  std::vector<std::int16_t> samples;  // interleaved
};
bool decodeOgg(const void* data, std::size_t size, PcmClip& out);

// Starts the random generator's sequence anew from seed.
void seedRandom(std::uint64_t seed);

}  // namespace media::core

namespace media::core {

// The control-list stack: where the next control goes.
struct ControlList {
  int window = -1;
  int container = -1;  // tab panel or scrolling area, -1 the window itself
  int tab = -1;
};
const ControlList* currentControlList();  // nullptr when no window is open
void pushWindowList(int window);          // a newly opened window becomes current
void pushContainerList(int container, int tab);
void forgetContainerList(int container);  // the container control is going away

}  // namespace media::core
