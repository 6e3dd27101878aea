// The seam to the operating system: everything the layer asks of it beyond
// the back end. One implementation per system (system_linux.cpp).
#pragma once

#include <string>

namespace media::system {

constexpr char separator = '/';
constexpr const char* librarySuffix = ".so";

std::string programFileName();  // absolute, links resolved; empty when unknown
void* openLibrary(const std::string& path);  // nullptr when it does not load
void closeLibrary(void* library);
void* librarySymbol(void* library, const char* name);  // nullptr when not exported

}  // namespace media::system
