// The configuration store against real files with POSIX calls: a save that
// waits for another copy's flock, a write refused by the file-size limit, and
// a file's permissions and symbolic link kept.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <thread>

#include "config_fixture.h"
#include "settings/config_file.h"
#include "settings/game_settings.h"

namespace {

const std::string DefaultSettings =
    "[Settings]\r\nColors = 4\r\nSize = 36\r\nMode = P\r\nTime = 3600\r\nUndo = 1\r\n"
    "Sound = 1\r\nVol = 50\r\nCollection = 111111111111\r\n";

TEST_F(ConfigFileTest, ASaveWaitsForAnotherCopysSaveAndKeepsWhatItStored) {
  writeFile(config, "[Settings]\nSize=24\n");
  ConfigFile::open(config);
  ConfigFile::selectGroup("Settings");
  ConfigFile::writeInt("Size", 36);
  // A second copy in the middle of its own save: it holds the file's lock,
  // writes its result in place and lets go.
  int other = ::open(config.c_str(), O_RDWR);
  ASSERT_GE(other, 0);
  ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
  std::thread otherSave([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    const std::string stored = "[Settings]\nSize=24\n[Lvl-Lo]\nOA_Won=3\n";
    EXPECT_EQ(::pwrite(other, stored.data(), stored.size(), 0), static_cast<ssize_t>(stored.size()));
    ::flock(other, LOCK_UN);
  });
  ConfigFile::close();
  otherSave.join();
  ::close(other);
  EXPECT_EQ(readFile(config), "\xEF\xBB\xBF\r\n[Settings]\r\nSize = 36\r\n[Lvl-Lo]\r\nOA_Won = 3\r\n");
}

TEST_F(ConfigFileTest, FailedSaveLeavesTheOldFileByteForByte) {
  std::string before = Mark + DefaultSettings + "[Lvl-Lo]\r\nOA_Won = 12\r\n";
  writeFile(config, before);
  ConfigFile::open(config);
  ConfigFile::selectGroup("Settings");
  ConfigFile::writeInt("Colors", 5);
  ConfigFile::writeString("Comment", std::string(4096, 'x'));
  // Files may not grow beyond 64 bytes: every write of the new content fails.
  struct rlimit saved {};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  struct rlimit small = saved;
  small.rlim_cur = 64;
  auto previous = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  ConfigFile::close();
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  EXPECT_EQ(readFile(config), before);
  EXPECT_EQ(dir.entryCount(), 1) << "the temporary file was left behind";
}

TEST_F(ConfigFileTest, SaveReplacesTheFileKeepingPermissionsAndLinks) {
  std::string target = dir.file("real.ini");
  writeFile(target, "[A]\n");
  ::chmod(target.c_str(), 0640);
  ASSERT_EQ(::symlink("real.ini", config.c_str()), 0);
  struct stat before {};
  ::stat(target.c_str(), &before);
  ConfigFile::open(config);
  ConfigFile::selectGroup("A");
  ConfigFile::writeInt("a", 1);
  ConfigFile::close();
  struct stat link {}, after {};
  ::lstat(config.c_str(), &link);
  ::stat(target.c_str(), &after);
  EXPECT_TRUE(S_ISLNK(link.st_mode));
  EXPECT_EQ(readFile(target), Mark + "[A]\r\na = 1\r\n");
  EXPECT_EQ(after.st_mode & 07777, 0640u);
  EXPECT_NE(after.st_ino, before.st_ino) << "the new content was not written to a new file";
  EXPECT_EQ(dir.entryCount(), 2);
}


}  // namespace
