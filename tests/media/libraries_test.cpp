// The library loader with a module built beside the test program: the
// Windows-style name maps to the platform's, results are pointer-sized, and a
// missing module or function gives 0.
#include <filesystem>

#include "contract.h"
#include "tests/support/platform.h"

namespace {

using Libraries = Contract;

TEST_F(Libraries, ADllNameLoadsTheModuleFromTheProgramsDirectory) {
  // From another working directory, so only the program's own directory can hold it.
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path("/");
  const int loaded = media::loadLibrary(1, "contractmod.dll");
  std::filesystem::current_path(previous);
  ASSERT_EQ(loaded, 1);
  EXPECT_EQ(media::libraryLoaded(1), 1);
  // Linux: only the suffix changes, so the name in capitals names no file;
  // Windows keeps the name, and its file names ignore case.
  EXPECT_EQ(media::loadLibrary(2, "CONTRACTMOD.DLL") != 0, std::filesystem::exists(
      media::pathPart(media::programFileName()) + "CONTRACTMOD" + test_support::LibrarySuffix));
}

TEST_F(Libraries, ResultsKeepAllTheirBits) {
  ASSERT_EQ(media::loadLibrary(1, "contractmod.dll"), 1);
  const std::intptr_t combined = media::callLibrary(1, "contractCombine", 0x12345678, 0x0abcdef0);
  if constexpr (sizeof(std::intptr_t) == 8) {
    EXPECT_EQ(combined, static_cast<std::intptr_t>(0x123456780abcdef0LL));
  }
  const std::intptr_t first = media::callLibrary(1, "contractCell", 0);
  const std::intptr_t second = media::callLibrary(1, "contractCell", 1);
  EXPECT_NE(first, 0);
  EXPECT_EQ(second - first, 4) << "addresses of neighbouring cells";
}

TEST_F(Libraries, AMissingFunctionOrLibraryGivesZero) {
  ASSERT_EQ(media::loadLibrary(1, "contractmod.dll"), 1);
  EXPECT_EQ(media::callLibrary(1, "noSuchFunction", 1), 0);
  EXPECT_EQ(media::callLibrary(1, "noSuchFunction", 1, 2), 0);
  EXPECT_EQ(media::callLibrary(1, nullptr, 1), 0);
  EXPECT_EQ(media::loadLibrary(2, "notthere.dll"), 0);
  EXPECT_EQ(media::loadLibrary(media::AnyNumber, std::string("/nowhere/notthere") + test_support::LibrarySuffix),
            media::CreateFailed);
  EXPECT_EQ(media::libraryLoaded(2), 0);
  EXPECT_EQ(media::unloadLibrary(1), 1);
  EXPECT_EQ(media::callLibrary(1, "contractCombine", 1, 2), 0) << "unloaded";
}

TEST_F(Libraries, AnAbsolutePathIsLoadedAsGiven) {
  const std::string path = media::pathPart(media::programFileName()) + "contractmod" + test_support::LibrarySuffix;
  const int number = media::loadLibrary(media::AnyNumber, path);
  ASSERT_GE(number, 0);
  EXPECT_EQ(media::callLibrary(number, "contractCombine", 0, 9), 9);
}

}  // namespace
