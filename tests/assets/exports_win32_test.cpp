// The library file itself on Windows, read from its PE headers once loaded:
// exactly four exported names, its own module name, and no imported DLL at
// all (it carries no C runtime).
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "library.h"

namespace {

const unsigned char* loadedImage() {
  static const assetlib::Library lib = assetlib::load();
  return static_cast<const unsigned char*>(lib.handle);
}

const IMAGE_DATA_DIRECTORY& directory(const unsigned char* image, int entry) {
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(image + dos->e_lfanew);
  return nt->OptionalHeader.DataDirectory[entry];
}

TEST(LibraryFile, ExportsExactlyTheFourFunctions) {
  const unsigned char* image = loadedImage();
  ASSERT_NE(image, nullptr) << "cannot load " << assetlib::path();
  const IMAGE_DATA_DIRECTORY& entry = directory(image, IMAGE_DIRECTORY_ENTRY_EXPORT);
  ASSERT_NE(entry.VirtualAddress, 0u);
  const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(image + entry.VirtualAddress);
  const auto* names = reinterpret_cast<const DWORD*>(image + exports->AddressOfNames);
  std::set<std::string> exported;
  for (DWORD i = 0; i < exports->NumberOfNames; ++i) exported.insert(reinterpret_cast<const char*>(image + names[i]));
  EXPECT_EQ(exported, (std::set<std::string>{"gfxMsg", "sounds", "tiles", "transGirl"}));
  EXPECT_EQ(exports->NumberOfFunctions, 4u) << "exports by number only";
}

TEST(LibraryFile, NamesItselfMirelgfx01) {
  const unsigned char* image = loadedImage();
  ASSERT_NE(image, nullptr) << "cannot load " << assetlib::path();
  const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(
      image + directory(image, IMAGE_DIRECTORY_ENTRY_EXPORT).VirtualAddress);
  EXPECT_STREQ(reinterpret_cast<const char*>(image + exports->Name), "mirelgfx01.dll");
}

TEST(LibraryFile, ImportsNoDll) {
  const unsigned char* image = loadedImage();
  ASSERT_NE(image, nullptr) << "cannot load " << assetlib::path();
  const IMAGE_DATA_DIRECTORY& entry = directory(image, IMAGE_DIRECTORY_ENTRY_IMPORT);
  if (entry.VirtualAddress == 0) return;
  // The table may be there, holding only its closing empty record.
  const auto* first = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(image + entry.VirtualAddress);
  for (const auto* import = first; import->Name != 0; ++import)
    ADD_FAILURE() << "imports " << reinterpret_cast<const char*>(image + import->Name);
}

}  // namespace
