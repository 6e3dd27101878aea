// The configuration store where its file is shared or hostile, with POSIX
// calls: copies of the game saving as real processes, saves in place that a
// kill or a full disk must not tear, a shared sticky folder, temporary files
// left by a killed save, and a dangling symbolic link.
#include <gtest/gtest.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <string>
#include <vector>

#include "config_fixture.h"
#include "settings/config_disk.h"
#include "settings/config_file.h"
#include "settings/config_text.h"

namespace {

// Set while a test watches a save: the file's text before each fsync and
// ftruncate of the store, the moments between which a kill or a power cut
// freezes what is on disk.
std::vector<std::string>* observedTexts = nullptr;

void observe(int descriptor) {
  struct stat status {};
  if (observedTexts == nullptr || ::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) return;
  std::string text(static_cast<std::size_t>(status.st_size), '\0');
  if (::pread(descriptor, text.data(), text.size(), 0) == status.st_size) observedTexts->push_back(text);
}

}  // namespace

// The store's fsync and ftruncate calls in this program go through here.
extern "C" int fsync(int descriptor) {
  static const auto real = reinterpret_cast<int (*)(int)>(::dlsym(RTLD_NEXT, "fsync"));
  observe(descriptor);
  return real(descriptor);
}

extern "C" int ftruncate(int descriptor, off_t length) {
  static const auto real = reinterpret_cast<int (*)(int, off_t)>(::dlsym(RTLD_NEXT, "ftruncate"));
  observe(descriptor);
  return real(descriptor, length);
}

namespace {

// The file's entries as the reader sees them, one line each.
std::string entriesOf(const std::string& bytes) {
  std::string lines;
  for (const ConfigText::Entry& entry : ConfigText::parse(bytes).entries)
    lines += std::to_string(static_cast<int>(entry.kind)) + "|" + entry.name + "|" + entry.value + "\n";
  return lines;
}

// Runs body in a child process and returns its exit code (-signal when killed).
template <typename Body>
int inChild(Body body) {
  pid_t child = ::fork();
  if (child == 0) {
    ConfigFile::close();
    ::_exit(body());
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

TEST_F(ConfigSharing, CopiesRecordingAtTheSameMomentAsProcessesLoseNoResult) {
  constexpr int Copies = 6;
  constexpr int ResultsEach = 30;
  std::vector<pid_t> copies;
  for (int i = 0; i < Copies; ++i) {
    pid_t child = ::fork();
    if (child == 0) {
      for (int n = 0; n < ResultsEach; ++n) {
        ConfigFile::open(config);
        ConfigFile::selectGroup(i % 2 ? "Lvl-Hi" : "Lvl-Lo");
        ConfigFile::addInt("OA_Lost", 1);
        ConfigFile::raiseInt("ST_Lost", n + 1);
        ConfigFile::close();
      }
      ::_exit(0);
    }
    copies.push_back(child);
  }
  // Meanwhile a copy with a dialog open writes a setting and closes last.
  ConfigFile::open(config);
  ConfigFile::selectGroup("Settings");
  ConfigFile::writeString("Mode", "T");
  for (pid_t child : copies) {
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  ConfigFile::close();
  ConfigFile::open(config);
  for (const char* group : {"Lvl-Lo", "Lvl-Hi"}) {
    ConfigFile::selectGroup(group);
    EXPECT_EQ(ConfigFile::readInt("OA_Lost", 0), Copies / 2 * ResultsEach) << group;
    EXPECT_EQ(ConfigFile::readInt("ST_Lost", 0), ResultsEach) << group;
  }
  ConfigFile::selectGroup("Settings");
  EXPECT_EQ(ConfigFile::readString("Mode", ""), "T");
  ConfigFile::close();
  EXPECT_EQ(dir.entryCount(), 1);
}

TEST_F(ConfigSharing, ASaveInPlaceReadsAsOldOrNewAtEveryMoment) {
  const std::string longer = Mark + "[Settings]\r\nSize = 24\r\nCollection = 111111111111\r\n[Lvl-Hi]\r\nST_Lost = 16\r\n";
  const std::string shorter = Mark + "[Settings]\r\nSize = 36\r\n";
  writeFile(config, longer);
  if (!makeUnwritable(dir.path())) GTEST_SKIP() << "cannot make a directory unwritable here";
  for (const auto& [from, to] : {std::pair{longer, shorter}, std::pair{shorter, longer}}) {
    writeFile(config, from);
    std::vector<std::string> observed;
    observedTexts = &observed;
    ConfigFile::open(config);
    ConfigFile::removeGroup("Settings");
    ConfigFile::removeGroup("Lvl-Hi");
    for (const ConfigText::Entry& entry : ConfigText::parse(to).entries) {
      if (entry.kind == ConfigText::EntryKind::Group) ConfigFile::selectGroup(entry.name);
      if (entry.kind == ConfigText::EntryKind::Key) ConfigFile::writeString(entry.name, entry.value);
    }
    ConfigFile::close();
    observedTexts = nullptr;
    ASSERT_FALSE(observed.empty());
    for (const std::string& text : observed)
      EXPECT_TRUE(entriesOf(text) == entriesOf(from) || entriesOf(text) == entriesOf(to)) << text;
    EXPECT_EQ(readFile(config), to);
  }
}

TEST_F(ConfigSharing, AFullDiskDuringASaveInPlaceLeavesTheOldFile) {
  const std::string before = Mark + "[Lvl-Hi]\r\nOA_Lost = 9\r\nST_Lost = 16\r\n";
  writeFile(config, before);
  if (!makeUnwritable(dir.path())) GTEST_SKIP() << "cannot make a directory unwritable here";
  const int code = inChild([&] {
    // The disk takes only a few more bytes than the file has.
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{static_cast<rlim_t>(before.size() + 4), static_cast<rlim_t>(before.size() + 4)};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 2;
    ConfigFile::open(config);
    ConfigFile::selectGroup("Settings");
    ConfigFile::writeString("Collection", "111111111111");
    ConfigFile::close();
    return 0;
  });
  ASSERT_EQ(code, 0);
  EXPECT_EQ(readFile(config), before);
}

TEST_F(ConfigSharing, ASharedStickyFolderIsWrittenInPlace) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to give the file to another user";
  ASSERT_EQ(::chmod(dir.path().c_str(), 01777), 0);
  writeFile(config, Mark + "[Settings]\r\nSize = 36\r\n");
  ASSERT_EQ(::chown(config.c_str(), 65533, 65533), 0);
  ASSERT_EQ(::chmod(config.c_str(), 0666), 0);
  struct stat before {};
  ::stat(config.c_str(), &before);
  const int code = inChild([&] {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) return 2;
    ConfigFile::open(config);
    ConfigFile::selectGroup("Settings");
    ConfigFile::writeInt("Size", 24);
    ConfigFile::close();
    return 0;
  });
  ASSERT_EQ(code, 0);
  EXPECT_EQ(readFile(config), Mark + "[Settings]\r\nSize = 24\r\n");
  struct stat after {};
  ::stat(config.c_str(), &after);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(after.st_uid, 65533u);
  EXPECT_EQ(dir.entryCount(), 1);
}

TEST_F(ConfigSharing, TemporaryFilesOfAKilledSaveAreRemovedOthersAreNot) {
  writeFile(config, Mark + "[Settings]\r\nSize = 36\r\n");
  const std::string stale = dir.file(".config.ini.Ab3xY9");
  const std::string fresh = dir.file(".config.ini.Qw8rT2");
  const std::string inUse = dir.file(".config.ini.Zz0000");
  const std::string foreign = dir.file(".config.ini.notours");
  for (const std::string& path : {stale, fresh, inUse, foreign}) writeFile(path, "[Settings]\r\n");
  const timespec longAgo[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
  for (const std::string& path : {stale, inUse, foreign}) ::utimensat(AT_FDCWD, path.c_str(), longAgo, 0);
  const int writer = ::open(inUse.c_str(), O_RDONLY);  // another copy still writing this one
  ASSERT_EQ(::flock(writer, LOCK_EX), 0);
  ConfigFile::open(config);
  ConfigFile::selectGroup("Settings");
  ConfigFile::writeInt("Size", 24);
  ConfigFile::close();
  ::close(writer);
  EXPECT_FALSE(fileExists(stale));
  EXPECT_TRUE(fileExists(fresh));
  EXPECT_TRUE(fileExists(inUse));
  EXPECT_TRUE(fileExists(foreign));
}

TEST_F(ConfigSharing, ADanglingSymbolicLinkIsKeptAndItsTargetWritten) {
  ASSERT_EQ(::mkdir(dir.file("kept").c_str(), 0700), 0);
  ASSERT_EQ(::symlink("kept/mirel.ini", config.c_str()), 0);
  EXPECT_FALSE(ConfigFile::open(config));
  ConfigFile::selectGroup("Settings");
  ConfigFile::writeInt("Size", 24);
  ConfigFile::close();
  struct stat link {};
  ASSERT_EQ(::lstat(config.c_str(), &link), 0);
  EXPECT_TRUE(S_ISLNK(link.st_mode));
  EXPECT_EQ(readFile(dir.file("kept/mirel.ini")), Mark + "[Settings]\r\nSize = 24\r\n");
}


}  // namespace
