// dlopen of the asset library and the extent of its mapped segments (POSIX).
#include "library.h"

#include <dlfcn.h>
#include <link.h>

#include <cstring>

namespace assetlib {

const char* path() { return MIRELGFX_PATH; }

Library load() {
  Library lib;
  lib.handle = dlopen(MIRELGFX_PATH, RTLD_NOW | RTLD_LOCAL);
  if (!lib.handle) return lib;
  lib.transGirl = reinterpret_cast<IndexFunction>(dlsym(lib.handle, "transGirl"));
  lib.gfxMsg = reinterpret_cast<IndexFunction>(dlsym(lib.handle, "gfxMsg"));
  lib.sounds = reinterpret_cast<IndexFunction>(dlsym(lib.handle, "sounds"));
  lib.tiles = reinterpret_cast<TileFunction>(dlsym(lib.handle, "tiles"));
  return lib;
}

namespace {

struct Search {
  std::uintptr_t address;
  std::size_t bytes;
};

int findSegment(dl_phdr_info* info, std::size_t, void* data) {
  auto* s = static_cast<Search*>(data);
  if (!info->dlpi_name || !std::strstr(info->dlpi_name, "mirelgfx01")) return 0;
  for (int i = 0; i < info->dlpi_phnum; ++i) {
    const ElfW(Phdr)& ph = info->dlpi_phdr[i];
    if (ph.p_type != PT_LOAD) continue;
    const std::uintptr_t start = info->dlpi_addr + ph.p_vaddr, end = start + ph.p_filesz;
    if (s->address >= start && s->address < end) {
      s->bytes = end - s->address;
      return 1;
    }
  }
  return 0;
}

}  // namespace

std::size_t mappedBytesFrom(const void* p) {
  Search s{reinterpret_cast<std::uintptr_t>(p), 0};
  dl_iterate_phdr(findSegment, &s);
  return s.bytes;
}

}  // namespace assetlib
