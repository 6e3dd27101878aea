// A new game after the asset library has gone: the "Library Error" box and the
// one shutdown with exit code 0. The game runs from a copy of this test beside
// a copy of the library, which the copy deletes once start-up has found it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "common/common.h"
#include "common/ids.h"
#include "media/headless/headless.h"
#include "media/media.h"
#include "media/testing.h"
#include "shell/shell.h"
#include "tests/engine/game_fixture.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* LibraryFile = "mirelgfx01.so";

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
  const fs::path self = fs::read_symlink("/proc/self/exe");
  char pattern[] = "/tmp/engine-alone-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const fs::path alone = pattern;
  fs::copy_file(self, alone / "game");
  fs::copy_file(self.parent_path() / LibraryFile, alone / LibraryFile);
  const std::string command = (alone / "game").string() +
                              " --gtest_also_run_disabled_tests --gtest_filter=*DISABLED_NewGameWithoutTheLibrary";
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
  const int status = pclose(pipe);
  fs::remove_all(alone);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << output;
  EXPECT_NE(output.find("box [Library Error] [Unable to import Images] " + std::to_string(media::BoxErrorOk)),
            std::string::npos)
      << output;
  EXPECT_NE(output.find("exit 0"), std::string::npos) << output;
  EXPECT_EQ(output.find("still running"), std::string::npos) << output;
}

}  // namespace
