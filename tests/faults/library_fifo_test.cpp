// A named pipe in the asset library's place. Opening a pipe for reading waits
// for a writer that never comes, so the loader must refuse anything but a
// regular file without waiting; start-up then takes its "Library Error" path
// as for a missing library.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include "common/app_state.h"
#include "media/media.h"
#include "media/testing.h"
#include "shell/shell.h"
#include "tests/support/files.h"
#include "tests/support/run_copy.h"
#include "tests/support/scratch_dir.h"

namespace {

constexpr auto Patience = std::chrono::seconds(5);

// Releases a reader stuck in open() on the pipe once the patience has run
// out, so a loader that waits fails the test instead of hanging it.
class PipeWatchdog {
 public:
  explicit PipeWatchdog(std::string pipe) : pipe_(std::move(pipe)), thread_([this] { run(); }) {}
  ~PipeWatchdog() {
    done_ = true;
    thread_.join();
  }
  bool released() const { return released_; }

 private:
  void run() {
    const auto end = std::chrono::steady_clock::now() + Patience;
    while (!done_ && std::chrono::steady_clock::now() < end) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    // Without a reader waiting, a non-blocking open for writing fails; retry until the loader returns.
    while (!done_) {
      const int fd = ::open(pipe_.c_str(), O_WRONLY | O_NONBLOCK);
      if (fd >= 0) {
        released_ = true;
        ::close(fd);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }
  std::string pipe_;
  std::atomic<bool> done_{false};
  std::atomic<bool> released_{false};
  std::thread thread_;
};

class PipeInsteadOfLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    media::initialise();
    pipe = work.file("mirelgfx01.so");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  }
  void TearDown() override { media::releaseAll(); }
  test_support::ScratchDir work;
  std::string pipe;
};

TEST_F(PipeInsteadOfLibrary, IsRefusedAtOnceByPath) {
  const auto start = std::chrono::steady_clock::now();
  int loaded = -1;
  bool released = false;
  {
    PipeWatchdog watchdog(pipe);
    loaded = media::loadLibrary(0, pipe);
    released = watchdog.released();
  }
  EXPECT_FALSE(released) << "the loader waited in open() for a writer to the pipe";
  EXPECT_LT(std::chrono::steady_clock::now() - start, Patience);
  EXPECT_EQ(loaded, 0);
  EXPECT_EQ(media::libraryLoaded(0), 0);
}

// Started again in a directory of its own beside a pipe named like the
// library, a copy of this test runs the real start-up and reports at its exit
// what it got to. A start-up that waits on the pipe never ends (the test's
// time limit then fails it).
TEST(PipeInsteadOfLibraryAtStartUp, GivesTheLibraryErrorBoxAndExitCodeZero) {
  test_support::ScratchDir work;
  ASSERT_EQ(mkfifo(work.file("mirelgfx01.so").c_str(), 0600), 0);
  const std::string report = work.file("report.txt");
  const test_support::CopyRun run =
      test_support::runCopyOfThisProgram(work.path(), "library_fifo_test",
                                         {"--gtest_filter=PipeInsteadOfLibraryChild.StartUp"},
                                         {"MIREL_FIFO_REPORT=" + report});
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_EQ(test_support::readFile(report), "boxes 1\nLibrary Error|Unable to import Images|1\nmain window 0\n");
}

void WriteReport() {
  std::ofstream out(std::getenv("MIREL_FIFO_REPORT"));
  const auto boxes = media::testing::shownMessageBoxes();
  out << "boxes " << boxes.size() << "\n";
  for (const auto& b : boxes) out << b.caption << "|" << b.text << "|" << b.kind << "\n";
  out << "main window " << media::windowExists(0) << "\n";
}

// The child half of the test above; it does nothing unless started by it.
TEST(PipeInsteadOfLibraryChild, StartUp) {
  if (!std::getenv("MIREL_FIFO_REPORT")) GTEST_SKIP() << "started only by PipeInsteadOfLibraryAtStartUp";
  media::testing::shownMessageBoxes();  // the layer's state is made first, so it outlives the exit handler
  std::atexit(WriteReport);
  App = AppState{};
  StartUpSteps();  // the headless box is dismissed with its OK button, then the program ends
  ADD_FAILURE() << "start-up went on with a pipe for its library";
}

}  // namespace
