// A new game after the asset library has gone: the "Library Error" box and the
// one shutdown with exit code 0. The game runs from a copy of this test beside
// a copy of the library, which the copy deletes once start-up has found it.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "common/common.h"
#include "common/ids.h"
#include "media/headless/headless.h"
#include "media/media.h"
#include "media/testing.h"
#include "shell/shell.h"
#include "tests/engine/game_fixture.h"
#include "tests/support/platform.h"
#include "tests/support/run_copy.h"
#include "tests/support/scratch_dir.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* LibraryFile = test_support::AssetLibraryFile;

// Run only inside the copy (see below); it ends the process itself.
TEST_F(GameTest, DISABLED_NewGameWithoutTheLibrary) {
  fs::remove(fs::path(media::pathPart(media::programFileName())) / LibraryFile);
  media::headless::setEndProcessHook([](int exitCode) {
    for (const auto& box : media::testing::shownMessageBoxes())
      std::printf("box [%s] [%s] %d\n", box.caption.c_str(), box.text.c_str(), box.kind);
    std::printf("exit %d\n", exitCode);
    std::fflush(stdout);
  });
  PressNew();
  std::printf("still running\n");
}

TEST(LibraryMissing, NewGameReportsItAndShutsDown) {
  test_support::ScratchDir alone;
  fs::copy_file(fs::path(media::pathPart(media::programFileName())) / LibraryFile, alone.file(LibraryFile));
  // The copy ends without its test's tear-down, so its scratch directory goes inside this one.
  const test_support::CopyRun run = test_support::runCopyOfThisProgram(
      alone.path(), "game", {"--gtest_also_run_disabled_tests", "--gtest_filter=*DISABLED_NewGameWithoutTheLibrary"},
      {"TMPDIR=" + alone.path()});
  const std::string& output = run.output;
  EXPECT_EQ(run.exitCode, 0) << output;
  EXPECT_NE(output.find("box [Library Error] [Unable to import Images] " + std::to_string(media::BoxErrorOk)),
            std::string::npos)
      << output;
  EXPECT_NE(output.find("exit 0"), std::string::npos) << output;
  EXPECT_EQ(output.find("still running"), std::string::npos) << output;
}

}  // namespace
