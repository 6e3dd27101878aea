// LoadLibrary of the asset library beside the test program and the extent of
// its sections in memory (Windows).
#include <windows.h>

#include <string>

#include "library.h"

namespace assetlib {

namespace {

std::string libraryPath() {
  std::wstring self(32768, L'\0');
  self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
  self = self.substr(0, self.find_last_of(L"\\/") + 1) + L"mirelgfx01.dll";
  const int length = WideCharToMultiByte(CP_UTF8, 0, self.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, self.c_str(), -1, utf8.data(), length, nullptr, nullptr);
  utf8.resize(static_cast<std::size_t>(length - 1));
  return utf8;
}

template <typename Function>
Function lookUp(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

const char* path() {
  static const std::string path = libraryPath();
  return path.c_str();
}

Library load() {
  Library lib;
  const std::string utf8 = path();
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, wide.data(), length);
  HMODULE module = LoadLibraryW(wide.c_str());
  lib.handle = module;
  if (!module) return lib;
  lib.transGirl = lookUp<IndexFunction>(module, "transGirl");
  lib.gfxMsg = lookUp<IndexFunction>(module, "gfxMsg");
  lib.sounds = lookUp<IndexFunction>(module, "sounds");
  lib.tiles = lookUp<TileFunction>(module, "tiles");
  return lib;
}

std::size_t mappedBytesFrom(const void* p) {
  const auto* base = reinterpret_cast<const unsigned char*>(GetModuleHandleW(L"mirelgfx01.dll"));
  if (!base) return 0;
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
  const auto* at = static_cast<const unsigned char*>(p);
  for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section) {
    const unsigned char* start = base + section->VirtualAddress;
    const unsigned char* end = start + section->Misc.VirtualSize;
    if (at >= start && at < end) return static_cast<std::size_t>(end - at);
  }
  return 0;
}

}  // namespace assetlib
