// Operations on existing controls: text, state with its per-kind rules,
// enabling, visibility, colours, fonts, attributes, tool tips and handles.
// Each changes the record first and then lets the back end follow it.
#include <algorithm>

#include "media/core/core.h"

namespace media {
namespace {

ControlRecord* find(int control) { return core::findControl(control); }

int changed(ControlRecord& record) {
  backend::updateControl(record);
  return 1;
}

// Selecting an option button clears the other buttons of its group.
void selectOption(ControlRecord& selected) {
  core::controls().forEach([&](int, ControlRecord& other) {
    if (&other == &selected || other.kind != ControlOptionButton || other.group != selected.group) return;
    if (other.state == 0) return;
    other.state = 0;
    backend::updateControl(other);
  });
  selected.state = 1;
}

}  // namespace

int setControlText(int control, std::string_view text) {
  ControlRecord* record = find(control);
  if (!record) return 0;
  record->text = text;
  if (record->kind == ControlRichText) {
    record->lines.clear();
    std::size_t start = 0;
    while (start <= text.size() && !text.empty()) {
      const std::size_t end = std::min(text.find('\n', start), text.size());
      record->lines.emplace_back(text.substr(start, end - start));
      start = end + 1;
    }
  }
  return changed(*record);
}

std::string controlText(int control) {
  ControlRecord* record = find(control);
  if (!record) return {};
  if (record->kind != ControlRichText) return record->text;
  std::string text;
  for (std::size_t i = 0; i < record->lines.size(); ++i) text += (i ? "\n" : "") + record->lines[i];
  return text;
}

int addRichTextLine(int control, std::string_view line) {
  ControlRecord* record = find(control);
  if (!record || record->kind != ControlRichText) return 0;
  record->lines.emplace_back(line);
  backend::appendRichTextLine(*record, line);
  return 1;
}

int addTab(int tabPanel, std::string_view title) {
  ControlRecord* record = find(tabPanel);
  if (!record || record->kind != ControlTabPanel) return 0;
  record->tabs.emplace_back(title);
  backend::addTab(*record, title);
  core::pushContainerList(tabPanel, static_cast<int>(record->tabs.size()) - 1);
  return 1;
}

int setControlState(int control, int state) {
  ControlRecord* record = find(control);
  if (!record) return 0;
  switch (record->kind) {
    case ControlCheckBox:
    case ControlPictureButton:
      record->state = state ? 1 : 0;
      break;
    case ControlOptionButton:
      if (state)
        selectOption(*record);
      else
        record->state = 0;
      break;
    case ControlTrackBar:
      record->state = std::clamp(state, record->minimum, record->maximum);
      break;
    case ControlTabPanel:
      if (state < 0 || state >= static_cast<int>(record->tabs.size())) return 0;
      record->state = state;
      break;
    default:
      return 0;  // this kind has no state
  }
  return changed(*record);
}

int controlState(int control) {
  ControlRecord* record = find(control);
  return record ? record->state : 0;
}

int disableControl(int control, int state) {
  ControlRecord* record = find(control);
  if (!record) return 0;
  record->disabled = state ? 1 : 0;
  return changed(*record);
}

int hideControl(int control, int state) {
  ControlRecord* record = find(control);
  if (!record) return 0;
  record->hidden = state ? 1 : 0;
  return changed(*record);
}

int controlHidden(int control) {
  ControlRecord* record = find(control);
  return record ? record->hidden : 0;
}

int controlDisabled(int control) {
  ControlRecord* record = find(control);
  return record ? record->disabled : 0;
}

int controlExists(int control) { return find(control) ? 1 : 0; }

int setControlColours(int control, int textColour, int backgroundColour) {
  ControlRecord* record = find(control);
  if (!record) return 0;
  if (textColour != -1) record->textColour = textColour;
  if (backgroundColour != -1) record->backgroundColour = backgroundColour;
  return changed(*record);
}

int setControlFont(int control, int font) {
  if (font != -1 && !core::fonts().find(font)) return 0;
  if (control == DefaultControl) {
    core::setDefaultControlFont(font);
    return 1;
  }
  ControlRecord* record = find(control);
  if (!record) return 0;
  record->font = font;
  return changed(*record);
}

int setControlAttribute(int control, int attribute, std::intptr_t value) {
  ControlRecord* record = find(control);
  if (!record) return 0;
  if (attribute == AttributePressedPicture && record->kind == ControlPictureButton) {
    record->pressedPicture = core::imageFromHandle(reinterpret_cast<NativeHandle>(value));
  } else if (attribute == AttributeScrollStep && record->kind == ControlScrollArea) {
    record->scrollStep = static_cast<int>(value);
  } else {
    return 0;
  }
  return changed(*record);
}

int setToolTip(int control, std::string_view text) {
  ControlRecord* record = find(control);
  if (!record) return 0;
  record->toolTip = text;
  return changed(*record);
}

NativeHandle controlHandle(int control) {
  ControlRecord* record = find(control);
  return record ? core::handleOf(*record) : nullptr;
}

}  // namespace media
