// The one configuration-file store: loads an INI-style file whole, lets the
// game read and write keys of groups, and saves it on close when changed. The
// save writes this store's changes into the file as it is on disk at that
// moment, so another copy's results stored meanwhile are kept.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ConfigFile {

bool open(std::string_view fileName);          // true if the file existed
bool selectGroup(std::string_view group);      // true if the group exists
std::int32_t readInt(std::string_view key, std::int32_t fallback);
std::string readString(std::string_view key, std::string_view fallback);
void writeInt(std::string_view key, std::int32_t value);
void writeString(std::string_view key, std::string_view value);
// Counters that two copies of the game may both update: the save adds amount
// to the key's number as it stands in the file then (absent: 0), or raises it
// to value unless it already holds at least that.
void addInt(std::string_view key, std::int32_t amount);
void raiseInt(std::string_view key, std::int32_t value);
void removeGroup(std::string_view group);
void close();
bool isOpen();

}  // namespace ConfigFile
