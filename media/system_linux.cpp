// The operating-system calls of the layer on Linux: the program's own path
// and shared-library loading. Another system replaces this one file.
#include <dlfcn.h>
#include <limits.h>
#include <stdlib.h>

#include "media/system.h"

namespace media::system {

std::string programFileName() {
  char resolved[PATH_MAX];
  if (!realpath("/proc/self/exe", resolved)) return {};
  return resolved;
}

void* openLibrary(const std::string& path) { return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL); }

void closeLibrary(void* library) {
  if (library) dlclose(library);
}

void* librarySymbol(void* library, const char* name) { return library && name ? dlsym(library, name) : nullptr; }

}  // namespace media::system
