// The one configuration-file store: the file's entries in memory between open
// and close, the current and pending group, and the changed flag.
#include "settings/config_file.h"

#include <string>
#include <vector>

#include "settings/config_disk.h"
#include "settings/config_text.h"

namespace ConfigFile {
namespace {

using ConfigText::Entry;
using ConfigText::EntryKind;

constexpr std::ptrdiff_t TopSection = -1;
constexpr std::ptrdiff_t NotFound = -2;

struct Store {
  bool open = false;
  std::string fileName;
  ConfigDisk::Loaded file;
  std::vector<Entry> entries;
  bool withMark = true;
  std::ptrdiff_t currentGroup = TopSection;  // index of the group entry
  bool groupPending = false;
  std::string pendingGroup;
  bool changed = false;
};

Store store;

std::ptrdiff_t findGroup(std::string_view name) {
  for (std::size_t i = 0; i < store.entries.size(); ++i) {
    const Entry& entry = store.entries[i];
    if (entry.kind == EntryKind::Group && ConfigText::sameName(entry.name, name)) {
      return static_cast<std::ptrdiff_t>(i);
    }
  }
  return NotFound;
}

// One past the last entry of the current group: the next group line or the end.
std::size_t endOfCurrentGroup() {
  std::size_t i = static_cast<std::size_t>(store.currentGroup + 1);
  while (i < store.entries.size() && store.entries[i].kind != EntryKind::Group) ++i;
  return i;
}

// The key entry of the current group, or nullptr.
Entry* findKey(std::string_view key) {
  if (!store.open || store.groupPending) return nullptr;
  std::size_t end = endOfCurrentGroup();
  for (std::size_t i = static_cast<std::size_t>(store.currentGroup + 1); i < end; ++i) {
    Entry& entry = store.entries[i];
    if (entry.kind == EntryKind::Key && ConfigText::sameName(entry.name, key)) return &entry;
  }
  return nullptr;
}

}  // namespace

bool open(std::string_view fileName) {
  close();
  store.fileName = std::string(fileName);
  store.file = ConfigDisk::load(store.fileName);
  ConfigText::Parsed parsed = ConfigText::parse(store.file.bytes);
  store.file.bytes.clear();
  store.file.bytes.shrink_to_fit();
  store.entries = std::move(parsed.entries);
  store.withMark = parsed.withMark || store.file.access == ConfigDisk::Access::Missing;
  store.open = true;
  return store.file.access == ConfigDisk::Access::ReadWrite || store.file.access == ConfigDisk::Access::ReadOnly;
}

bool selectGroup(std::string_view group) {
  store.groupPending = false;
  store.pendingGroup.clear();
  store.currentGroup = TopSection;
  if (group.empty()) return true;
  std::ptrdiff_t found = findGroup(group);
  if (found >= 0) {
    store.currentGroup = found;
    return true;
  }
  store.groupPending = true;
  store.pendingGroup = std::string(group);
  return false;
}

std::int32_t readInt(std::string_view key, std::int32_t fallback) {
  const Entry* entry = findKey(key);
  return entry != nullptr ? ConfigText::toInt(entry->value) : fallback;
}

std::string readString(std::string_view key, std::string_view fallback) {
  const Entry* entry = findKey(key);
  return std::string(entry != nullptr ? ConfigText::trimmed(entry->value) : fallback);
}

void writeInt(std::string_view key, std::int32_t value) { writeString(key, std::to_string(value)); }

void writeString(std::string_view key, std::string_view value) {
  if (!store.open) return;
  if (store.groupPending) {
    store.entries.push_back({EntryKind::Group, store.pendingGroup, {}});
    store.currentGroup = static_cast<std::ptrdiff_t>(store.entries.size()) - 1;
    store.groupPending = false;
    store.pendingGroup.clear();
  }
  if (Entry* entry = findKey(key)) {
    entry->name = std::string(key);
    entry->value = std::string(value);
  } else {
    auto at = store.entries.begin() + static_cast<std::ptrdiff_t>(endOfCurrentGroup());
    store.entries.insert(at, {EntryKind::Key, std::string(key), std::string(value)});
  }
  store.changed = true;
}

void removeGroup(std::string_view group) {
  if (!store.open) return;
  std::ptrdiff_t found = findGroup(group);
  if (found < 0) return;
  std::size_t end = static_cast<std::size_t>(found) + 1;
  while (end < store.entries.size() && store.entries[end].kind != EntryKind::Group) ++end;
  auto removed = static_cast<std::ptrdiff_t>(end) - found;
  store.entries.erase(store.entries.begin() + found, store.entries.begin() + static_cast<std::ptrdiff_t>(end));
  if (store.currentGroup == found) {
    store.currentGroup = TopSection;
  } else if (store.currentGroup > found) {
    store.currentGroup -= removed;
  }
  store.changed = true;
}

void close() {
  if (!store.open) return;
  if (store.changed) {
    ConfigDisk::save(store.fileName, store.file, ConfigText::serialise(store.entries, store.withMark));
  }
  ConfigDisk::release(store.file);
  store = Store{};
}

bool isOpen() { return store.open; }

}  // namespace ConfigFile
