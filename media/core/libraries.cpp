// Loaded libraries by number. A bare Windows-style name ("x.dll") becomes the
// platform's name ("x.so" on Linux; on Windows it stays as it is), tried in
// the program's own directory first, then through the system loader's search.
// Calls return a pointer-sized result, so addresses handed out by a library
// survive on 64-bit systems.
#include "media/core/core.h"
#include "media/core/system.h"

namespace media {
namespace {

struct Library {
  void* handle = nullptr;
};
core::Table<Library> libraryTable;

bool endsWithDll(std::string_view name) {
  if (name.size() < 4) return false;
  std::string_view suffix = name.substr(name.size() - 4);
  return suffix[0] == '.' && (suffix[1] | 0x20) == 'd' && (suffix[2] | 0x20) == 'l' && (suffix[3] | 0x20) == 'l';
}

void* open(std::string_view fileName) {
  std::string name(fileName);
  const bool bare = name.find_first_of("/\\") == std::string::npos;
  if (!bare) return system::openLibrary(name);
  if (endsWithDll(name)) name = name.substr(0, name.size() - 4) + system::librarySuffix;
  const std::string own = pathPart(system::programFileName()) + name;
  if (void* handle = system::openLibrary(own)) return handle;
  return system::openLibrary(name);
}

void* symbol(int library, const char* name) {
  Library* record = libraryTable.find(library);
  return record ? system::librarySymbol(record->handle, name) : nullptr;
}

}  // namespace

void core::releaseLibraries() {
  while (!libraryTable.empty()) unloadLibrary(libraryTable.firstNumber());
}

int loadLibrary(int number, std::string_view fileName) {
  const int picked = libraryTable.pick(number);
  if (picked >= 0) unloadLibrary(picked);
  void* handle = picked >= 0 && !fileName.empty() ? open(fileName) : nullptr;
  if (!handle) return core::createResult(number, picked, false);
  libraryTable.put(picked, std::make_unique<Library>(Library{handle}));
  return core::createResult(number, picked, true);
}

int unloadLibrary(int library) {
  auto record = libraryTable.take(library);
  if (!record) return 0;
  system::closeLibrary(record->handle);
  return 1;
}

int libraryLoaded(int library) { return libraryTable.find(library) ? 1 : 0; }

std::intptr_t callLibrary(int library, const char* name, std::int32_t a) {
  void* function = symbol(library, name);
  if (!function) return 0;
  return reinterpret_cast<std::intptr_t (*)(std::int32_t)>(function)(a);
}

std::intptr_t callLibrary(int library, const char* name, std::int32_t a, std::int32_t b) {
  void* function = symbol(library, name);
  if (!function) return 0;
  return reinterpret_cast<std::intptr_t (*)(std::int32_t, std::int32_t)>(function)(a, b);
}

}  // namespace media
