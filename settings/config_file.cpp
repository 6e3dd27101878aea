// The one configuration-file store: the file's entries in memory between open
// and close, the current and pending group, and the changed flag.
//
// Two copies of the game may share one folder and so one file. A save must not
// undo what the other copy stored since this one loaded the file, so every
// write and removal is also kept as a change, and the save replays the changes
// onto the file as it stands on disk at that moment (under the disk layer's
// lock). One copy alone replays onto what it loaded, which gives the same
// entries as its own.
#include "settings/config_file.h"

#include <algorithm>
#include <limits>
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

// Entries with a selected group: the store's own, and the file's on disk
// while a save replays the changes onto it.
struct Document {
  std::vector<Entry> entries;
  std::ptrdiff_t currentGroup = TopSection;  // index of the group entry
  bool groupPending = false;
  std::string pendingGroup;

  std::ptrdiff_t findGroup(std::string_view name) const {
    for (std::size_t i = 0; i < entries.size(); ++i) {
      const Entry& entry = entries[i];
      if (entry.kind == EntryKind::Group && ConfigText::sameName(entry.name, name)) {
        return static_cast<std::ptrdiff_t>(i);
      }
    }
    return NotFound;
  }

  // One past the last entry of the current group: the next group line or the end.
  std::size_t endOfCurrentGroup() const {
    std::size_t i = static_cast<std::size_t>(currentGroup + 1);
    while (i < entries.size() && entries[i].kind != EntryKind::Group) ++i;
    return i;
  }

  // The key entry of the current group, or nullptr.
  Entry* findKey(std::string_view key) {
    if (groupPending) return nullptr;
    std::size_t end = endOfCurrentGroup();
    for (std::size_t i = static_cast<std::size_t>(currentGroup + 1); i < end; ++i) {
      Entry& entry = entries[i];
      if (entry.kind == EntryKind::Key && ConfigText::sameName(entry.name, key)) return &entry;
    }
    return nullptr;
  }

  bool select(std::string_view group) {
    groupPending = false;
    pendingGroup.clear();
    currentGroup = TopSection;
    if (group.empty()) return true;
    std::ptrdiff_t found = findGroup(group);
    if (found >= 0) {
      currentGroup = found;
      return true;
    }
    groupPending = true;
    pendingGroup = std::string(group);
    return false;
  }

  void write(std::string_view key, std::string_view value) {
    if (groupPending) {
      entries.push_back({EntryKind::Group, pendingGroup, {}});
      currentGroup = static_cast<std::ptrdiff_t>(entries.size()) - 1;
      groupPending = false;
      pendingGroup.clear();
    }
    if (Entry* entry = findKey(key)) {
      entry->name = std::string(key);
      entry->value = std::string(value);
    } else {
      auto at = entries.begin() + static_cast<std::ptrdiff_t>(endOfCurrentGroup());
      entries.insert(at, {EntryKind::Key, std::string(key), std::string(value)});
    }
  }

  // The key's number, or nothing when the key is absent.
  bool number(std::string_view key, std::int32_t& value) {
    const Entry* entry = findKey(key);
    if (entry == nullptr) return false;
    value = ConfigText::toInt(entry->value);
    return true;
  }

  // Adds to the key's number (absent: 0), stopping at the 32-bit ends.
  void add(std::string_view key, std::int32_t amount) {
    std::int32_t value = 0;
    number(key, value);
    std::int64_t sum = std::int64_t{value} + amount;
    sum = std::min<std::int64_t>(std::max<std::int64_t>(sum, std::numeric_limits<std::int32_t>::min()),
                                 std::numeric_limits<std::int32_t>::max());
    write(key, std::to_string(sum));
  }

  // Stores value unless the key already holds a number at least as large.
  void raise(std::string_view key, std::int32_t value) {
    std::int32_t stored = 0;
    if (!number(key, stored) || stored < value) write(key, std::to_string(value));
  }

  void remove(std::string_view group) {
    std::ptrdiff_t found = findGroup(group);
    if (found < 0) return;
    std::size_t end = static_cast<std::size_t>(found) + 1;
    while (end < entries.size() && entries[end].kind != EntryKind::Group) ++end;
    auto removed = static_cast<std::ptrdiff_t>(end) - found;
    entries.erase(entries.begin() + found, entries.begin() + static_cast<std::ptrdiff_t>(end));
    if (currentGroup == found) {
      currentGroup = TopSection;
    } else if (currentGroup > found) {
      currentGroup -= removed;
    }
  }
};

// One write or removal, with the group selected when it was made.
struct Change {
  enum class Kind { Write, Add, Raise, RemoveGroup } kind;
  std::string group;  // the selected group's name as the caller gave it; "" the top section
  std::string key;    // the key, or the removed group
  std::string value;
  std::int32_t number = 0;
};

struct Store {
  bool open = false;
  std::string fileName;
  ConfigDisk::Loaded file;
  Document document;
  std::string selectedGroup;
  std::vector<Change> changes;
  bool withMark = true;
  bool changed = false;
};

Store store;

void apply(Document& document, const Change& change) {
  switch (change.kind) {
    case Change::Kind::Write: document.write(change.key, change.value); break;
    case Change::Kind::Add: document.add(change.key, change.number); break;
    case Change::Kind::Raise: document.raise(change.key, change.number); break;
    case Change::Kind::RemoveGroup: document.remove(change.key); break;
  }
}

// Makes a change to the store's entries and keeps it for the save.
void change(Change::Kind kind, std::string_view key, std::string_view value, std::int32_t number) {
  Change made{kind, store.selectedGroup, std::string(key), std::string(value), number};
  if (kind == Change::Kind::RemoveGroup) made.group.clear();
  apply(store.document, made);
  store.changes.push_back(std::move(made));
  store.changed = true;
}

// The bytes to save: this store's changes replayed onto the file as it is now.
std::string merged(std::string_view current, bool exists) {
  ConfigText::Parsed parsed = ConfigText::parse(current);
  Document document;
  document.entries = std::move(parsed.entries);
  for (const Change& made : store.changes) {
    if (made.kind != Change::Kind::RemoveGroup) document.select(made.group);
    apply(document, made);
  }
  return ConfigText::serialise(document.entries, parsed.withMark || !exists);
}

}  // namespace

bool open(std::string_view fileName) {
  close();
  store.fileName = std::string(fileName);
  store.file = ConfigDisk::load(store.fileName);
  ConfigText::Parsed parsed = ConfigText::parse(store.file.bytes);
  store.file.bytes.clear();
  store.file.bytes.shrink_to_fit();
  store.document.entries = std::move(parsed.entries);
  store.withMark = parsed.withMark || store.file.access == ConfigDisk::Access::Missing;
  store.open = true;
  return store.file.access == ConfigDisk::Access::ReadWrite || store.file.access == ConfigDisk::Access::ReadOnly;
}

bool selectGroup(std::string_view group) {
  store.selectedGroup = std::string(group);
  return store.document.select(group);
}

std::int32_t readInt(std::string_view key, std::int32_t fallback) {
  std::int32_t value = fallback;
  if (store.open) store.document.number(key, value);
  return value;
}

std::string readString(std::string_view key, std::string_view fallback) {
  const Entry* entry = store.open ? store.document.findKey(key) : nullptr;
  return std::string(entry != nullptr ? ConfigText::trimmed(entry->value) : fallback);
}

void writeInt(std::string_view key, std::int32_t value) { writeString(key, std::to_string(value)); }

void writeString(std::string_view key, std::string_view value) {
  if (store.open) change(Change::Kind::Write, key, value, 0);
}

void addInt(std::string_view key, std::int32_t amount) {
  if (store.open) change(Change::Kind::Add, key, {}, amount);
}

void raiseInt(std::string_view key, std::int32_t value) {
  if (store.open) change(Change::Kind::Raise, key, {}, value);
}

void removeGroup(std::string_view group) {
  if (!store.open || store.document.findGroup(group) < 0) return;
  // Removing the current group leaves the top section current.
  if (store.document.findGroup(group) == store.document.currentGroup) store.selectedGroup.clear();
  change(Change::Kind::RemoveGroup, group, {}, 0);
}

void close() {
  if (!store.open) return;
  if (store.changed) ConfigDisk::save(store.fileName, store.file, merged);
  ConfigDisk::release(store.file);
  store = Store{};
}

bool isOpen() { return store.open; }

}  // namespace ConfigFile
