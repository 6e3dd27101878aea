// The names tests use that differ between systems: the suffix of a loadable
// library and the file of the asset library beside the test programs.
#pragma once

namespace test_support {

#ifdef _WIN32
inline constexpr const char* LibrarySuffix = ".dll";
inline constexpr const char* AssetLibraryFile = "mirelgfx01.dll";
#else
inline constexpr const char* LibrarySuffix = ".so";
inline constexpr const char* AssetLibraryFile = "mirelgfx01.so";
#endif

}  // namespace test_support
