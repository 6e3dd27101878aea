// The one configuration-file store: loads an INI-style file whole, lets the
// game read and write keys of groups, and saves it on close when changed.
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
void removeGroup(std::string_view group);
void close();
bool isOpen();

}  // namespace ConfigFile
