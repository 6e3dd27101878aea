// Creating controls: the shared table (one across windows), placement in the
// current control list, the option-button groups and the default font.
// Consecutive option buttons share a group; any other control, a new window or
// a change of control list ends the group.
#include <algorithm>

#include "media/core/core.h"

namespace media {
namespace {

core::Table<ControlRecord> controlTable;
int nextGroup = 0;
int openGroup = -1;  // the group the next option button joins, -1 none
int defaultFont = -1;

void destroy(int number) {
  std::unique_ptr<ControlRecord> record = controlTable.take(number);
  if (!record) return;
  core::forgetContainerList(number);
  backend::destroyControl(*record);
}

// Nesting depth of a control in containers, so children go before parents.
int depth(const ControlRecord& control) {
  int levels = 0;
  for (const ControlRecord* at = &control; at && at->container >= 0 && levels < 64; ++levels)
    at = controlTable.find(at->container);
  return levels;
}

// Makes the record of a new control in the current list; nullptr when no list
// is open or the size is impossible.
ControlRecord* begin(int number, int kind, int x, int y, int width, int height, int& picked) {
  picked = controlTable.pick(number);
  const core::ControlList* list = core::currentControlList();
  if (picked < 0 || !list || width < 0 || height < 0) return nullptr;
  const core::ControlList where = *list;  // replacing a container may drop the list
  if (controlTable.find(picked)) destroy(picked);
  if (!core::findWindow(where.window)) return nullptr;
  auto record = std::make_unique<ControlRecord>();
  record->number = picked;
  record->kind = kind;
  record->window = where.window;
  record->container = where.container;
  record->tab = where.tab;
  record->rect = {x, y, width, height};
  record->font = defaultFont;
  if (kind == ControlOptionButton) {
    if (openGroup < 0) openGroup = nextGroup++;
    record->group = openGroup;
  } else {
    openGroup = -1;
  }
  return &controlTable.put(picked, std::move(record));
}

int finish(int number, int picked, ControlRecord* record) {
  if (!record) return core::createResult(number, picked, false);
  if (!backend::createControl(*record)) {
    controlTable.take(picked);
    return core::createResult(number, picked, false);
  }
  return core::createResult(number, picked, true);
}

// Creates a control of that kind; fill sets its kind's properties before the
// back end realises it.
template <class Fill>
int create(int number, int kind, int x, int y, int width, int height, Fill fill) {
  int picked = -1;
  ControlRecord* record = begin(number, kind, x, y, width, height, picked);
  if (record) fill(*record);
  return finish(number, picked, record);
}

int createWithText(int number, int kind, int x, int y, int width, int height, std::string_view text,
                   unsigned flags) {
  return create(number, kind, x, y, width, height, [&](ControlRecord& record) {
    record.text = text;
    record.flags = flags;
  });
}

}  // namespace

core::Table<ControlRecord>& core::controls() { return controlTable; }
ControlRecord* core::findControl(int number) { return controlTable.find(number); }
void core::resetOptionGroup() { openGroup = -1; }
void core::setDefaultControlFont(int font) { defaultFont = font; }

void core::closeControlsOf(int window) {
  std::vector<std::pair<int, int>> doomed;  // depth, number
  controlTable.forEach([&](int number, ControlRecord& control) {
    if (control.window == window) doomed.emplace_back(depth(control), number);
  });
  std::sort(doomed.rbegin(), doomed.rend());
  for (const auto& [level, number] : doomed) destroy(number);
}

void core::releaseControls() {
  while (!controlTable.empty()) destroy(controlTable.firstNumber());
  defaultFont = -1;
  openGroup = -1;
}

int createTextLabel(int number, int x, int y, int width, int height, std::string_view text, unsigned flags) {
  return createWithText(number, ControlTextLabel, x, y, width, height, text, flags);
}

int createPushButton(int number, int x, int y, int width, int height, std::string_view text) {
  return createWithText(number, ControlPushButton, x, y, width, height, text, 0);
}

int createPictureButton(int number, int x, int y, int width, int height, NativeHandle picture, unsigned flags) {
  return create(number, ControlPictureButton, x, y, width, height, [&](ControlRecord& record) {
    record.picture = core::imageFromHandle(picture);
    record.flags = flags;
  });
}

int createCheckBox(int number, int x, int y, int width, int height, std::string_view text, unsigned flags) {
  return createWithText(number, ControlCheckBox, x, y, width, height, text, flags);
}

int createOptionButton(int number, int x, int y, int width, int height, std::string_view text) {
  return createWithText(number, ControlOptionButton, x, y, width, height, text, 0);
}

int createTrackBar(int number, int x, int y, int width, int height, int minimum, int maximum, unsigned flags) {
  if (minimum > maximum) {
    const int picked = controlTable.pick(number);
    destroy(picked);  // a failed creation leaves the number free
    return core::createResult(number, picked, false);
  }
  return create(number, ControlTrackBar, x, y, width, height, [&](ControlRecord& record) {
    record.minimum = minimum;
    record.maximum = maximum;
    record.state = minimum;
    record.flags = flags;
  });
}

int createFrame(int number, int x, int y, int width, int height, std::string_view caption) {
  return createWithText(number, ControlFrame, x, y, width, height, caption, 0);
}

int createPictureControl(int number, int x, int y, int width, int height, NativeHandle picture, unsigned flags) {
  return create(number, ControlPictureControl, x, y, width, height, [&](ControlRecord& record) {
    record.picture = core::imageFromHandle(picture);
    record.flags = flags;
    if (!record.picture) return;
    const int border = flags & PictureSunken ? 4 : 0;  // 2 pixels on each side
    record.rect.width = record.picture->width + border;
    record.rect.height = record.picture->height + border;
  });
}

int createHyperlink(int number, int x, int y, int width, int height, std::string_view text, int hoverColour,
                    unsigned flags) {
  return create(number, ControlHyperlink, x, y, width, height, [&](ControlRecord& record) {
    record.text = text;
    record.hoverColour = hoverColour;
    record.flags = flags;
  });
}

int createRichText(int number, int x, int y, int width, int height, unsigned flags) {
  return createWithText(number, ControlRichText, x, y, width, height, "", flags);
}

int createTabPanel(int number, int x, int y, int width, int height) {
  return createWithText(number, ControlTabPanel, x, y, width, height, "", 0);
}

int createScrollArea(int number, int x, int y, int width, int height, int innerWidth, int innerHeight,
                     int scrollStep) {
  const int result = create(number, ControlScrollArea, x, y, width, height, [&](ControlRecord& record) {
    record.innerWidth = innerWidth;
    record.innerHeight = innerHeight;
    record.scrollStep = scrollStep;
  });
  const int picked = number == AnyNumber ? result : number;
  if (picked >= 0 && controlTable.find(picked)) core::pushContainerList(picked, -1);
  return result;
}

}  // namespace media
