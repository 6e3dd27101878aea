// Broken asset libraries handed to the layer's loader: a file cut off at some
// point must be refused (0, the slot left free), never crash the program, so
// start-up can show its "Library Error" box and end normally.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "media/media.h"
#include "tests/support/files.h"
#include "tests/support/platform.h"
#include "tests/support/scratch_dir.h"

namespace {

// The real library of this build, beside the test, cut to a number of bytes.
std::string CutLibrary(const test_support::ScratchDir& work, std::uintmax_t (*size)(std::uintmax_t whole)) {
  const std::string real = media::pathPart(media::programFileName()) + test_support::AssetLibraryFile;
  const std::string bytes = test_support::readFile(real);
  const std::string cut = work.file(test_support::AssetLibraryFile);
  test_support::writeFile(cut, std::string_view(bytes).substr(0, size(bytes.size())));
  return cut;
}

class CutLibraryLoad : public ::testing::Test {
 protected:
  void SetUp() override { media::initialise(); }
  void TearDown() override { media::releaseAll(); }
  test_support::ScratchDir work;
};

TEST_F(CutLibraryLoad, EmptyOrHeaderOnlyFileIsRefused) {
  for (auto size : {+[](std::uintmax_t) -> std::uintmax_t { return 0; },
                    +[](std::uintmax_t) -> std::uintmax_t { return 64; }}) {
    EXPECT_EQ(media::loadLibrary(0, CutLibrary(work, size)), 0);
    EXPECT_EQ(media::libraryLoaded(0), 0);
  }
}

// The system loader would map segments past the end of the file and touch
// them (SIGBUS inside dlopen); the layer checks the file first.
TEST_F(CutLibraryLoad, FileCutToHalfIsRefusedWithoutACrash) {
  const std::string cut = CutLibrary(work, [](std::uintmax_t whole) { return whole / 2; });
  EXPECT_EQ(media::loadLibrary(0, cut), 0);
  EXPECT_EQ(media::libraryLoaded(0), 0);
}

// The machine field of the real library changed to another processor's: ELF
// e_machine to AArch64, PE's file header Machine to ARM64. Such a file, like
// one that is no library at all, is refused and the slot stays free.
TEST_F(CutLibraryLoad, ALibraryForAnotherMachineOrNoLibraryAtAllIsRefused) {
  std::string bytes = test_support::readFile(media::pathPart(media::programFileName()) +
                                             test_support::AssetLibraryFile);
  ASSERT_GT(bytes.size(), 256u);
#ifdef _WIN32
  // e_lfanew (its low half is enough here) points to "PE\0\0", then Machine.
  const std::size_t header = static_cast<unsigned char>(bytes[0x3c]) | static_cast<unsigned char>(bytes[0x3d]) << 8;
  bytes[header + 4] = '\x64';
  bytes[header + 5] = '\xaa';
#else
  bytes[18] = '\xb7';
  bytes[19] = '\x00';
#endif
  const std::string foreign = work.file(std::string("foreign") + test_support::LibrarySuffix);
  test_support::writeFile(foreign, bytes);
  EXPECT_EQ(media::loadLibrary(0, foreign), 0);
  EXPECT_EQ(media::libraryLoaded(0), 0);
  const std::string text = work.file(std::string("text") + test_support::LibrarySuffix);
  test_support::writeFile(text, std::string(4096, 'x'));
  EXPECT_EQ(media::loadLibrary(0, text), 0);
  EXPECT_EQ(media::libraryLoaded(0), 0);
}

}  // namespace
