// The seam to the operating system: everything the layer asks of it beyond
// the back end. One implementation per system, picked by the build:
// system_linux.cpp, system_win32.cpp. Paths are UTF-8 on every system.
#pragma once

#include <cstdint>
#include <string>

namespace media::system {

#ifdef _WIN32
constexpr char separator = '\\';
constexpr const char* separators = "\\/";  // both end a folder's name
constexpr const char* librarySuffix = ".dll";
#else
constexpr char separator = '/';
constexpr const char* separators = "/";
constexpr const char* librarySuffix = ".so";
#endif

std::string programFileName();  // absolute, links resolved; empty when unknown
// A path (one holding a separator) is checked to be a whole library file of
// the system's format before the loader sees it; a bare name goes to the
// system's search. nullptr when it does not load.
void* openLibrary(const std::string& path);
void closeLibrary(void* library);
void* librarySymbol(void* library, const char* name);  // nullptr when not exported
// The process and thread identifiers mixed into one value, which differs
// between programs running at the same time (seeds the random generator).
std::uint64_t processAndThread();

}  // namespace media::system
