// The control-list stack. Every opened window starts a list of its own; a tab
// (once added) or a scrolling area nests a list inside the current one until
// closeControlList. Closing a window drops its lists, so the window opened
// before it becomes current again.
#include <vector>

#include "media/core/core.h"

namespace media {
namespace {

std::vector<core::ControlList> lists;

}  // namespace

const core::ControlList* core::currentControlList() { return lists.empty() ? nullptr : &lists.back(); }

void core::pushWindowList(int window) { lists.push_back({window, -1, -1}); }

void core::pushContainerList(int container, int tab) {
  const ControlRecord* record = findControl(container);
  if (!record) return;
  resetOptionGroup();
  if (!lists.empty() && lists.back().container == container) {
    lists.back().tab = tab;
    return;
  }
  lists.push_back({record->window, container, tab});
}

void core::forgetControlLists(int window) {
  std::erase_if(lists, [&](const ControlList& list) { return list.window == window; });
  resetOptionGroup();
}

void core::forgetContainerList(int container) {
  std::erase_if(lists, [&](const ControlList& list) { return list.container == container; });
}

int closeControlList() {
  if (lists.empty() || lists.back().container < 0) return 0;
  lists.pop_back();
  core::resetOptionGroup();
  return 1;
}

int openControlList(int control) {
  const ControlRecord* record = core::findControl(control);
  if (!record) return 0;
  if (record->kind == ControlTabPanel) {
    if (record->tabs.empty()) return 0;
    core::pushContainerList(control, static_cast<int>(record->tabs.size()) - 1);
    return 1;
  }
  if (record->kind != ControlScrollArea) return 0;
  core::pushContainerList(control, -1);
  return 1;
}

}  // namespace media
