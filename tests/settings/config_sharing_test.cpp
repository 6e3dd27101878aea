// The configuration store where its file is shared: a second copy of the
// game saving into the same file, whose results a save keeps, and the size
// limit that reads and saves share. What needs the calls of one system
// (processes, saves in place, killed saves, links) is in
// config_sharing_posix_test.cpp and config_sharing_win32_test.cpp.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "config_fixture.h"
#include "settings/config_disk.h"
#include "settings/config_file.h"

namespace {

using test_support::replaceFile;

// Another copy of the game saving: the whole file replaced, as its store does.
void otherCopySaves(const std::string& path, const std::string& bytes) { replaceFile(path, bytes); }

TEST_F(ConfigSharing, ASaveWaitsForAnotherCopysSaveInProgressAndKeepsWhatItStored) {
  writeFile(config, "[Settings]\nSize=24\n");
  ConfigFile::open(config);
  ConfigFile::selectGroup("Settings");
  ConfigFile::writeInt("Size", 36);
  // A second copy in the middle of its own save, which takes a while.
  std::atomic<bool> saving = false;
  std::thread otherSave([&] {
    ConfigDisk::Loaded other = ConfigDisk::load(config);
    EXPECT_TRUE(ConfigDisk::save(config, other, [&](std::string_view current, bool) {
      saving = true;
      std::this_thread::sleep_for(std::chrono::milliseconds(150));
      return std::string(current) + "[Lvl-Lo]\nOA_Won=3\n";
    }));
    ConfigDisk::release(other);
  });
  while (!saving) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  ConfigFile::close();
  otherSave.join();
  EXPECT_EQ(readFile(config), Mark + "[Settings]\r\nSize = 36\r\n[Lvl-Lo]\r\nOA_Won = 3\r\n");
}

TEST_F(ConfigSharing, ASaveKeepsWhatAnotherCopyStoredSinceTheOpen) {
  writeFile(config, Mark + "[Settings]\r\nSize = 36\r\n[Lvl-Hi]\r\nOA_Lost = 1\r\n");
  ConfigFile::open(config);  // a dialog of this copy is open
  ConfigFile::selectGroup("Settings");
  ConfigFile::writeInt("Size", 24);
  otherCopySaves(config, Mark + "[Settings]\r\nSize = 36\r\n[Lvl-Hi]\r\nOA_Lost = 2\r\nST_Lost = 2\r\n");
  ConfigFile::close();
  EXPECT_EQ(readFile(config), Mark + "[Settings]\r\nSize = 24\r\n[Lvl-Hi]\r\nOA_Lost = 2\r\nST_Lost = 2\r\n");
}

TEST_F(ConfigSharing, CountersAreCountedUpFromTheFileAsItIsAtTheSave) {
  writeFile(config, Mark + "[Lvl-Lo]\r\nOA_Won = 4\r\nST_Won = 3\r\n");
  ConfigFile::open(config);
  ConfigFile::selectGroup("Lvl-Lo");
  ConfigFile::addInt("OA_Won", 1);
  ConfigFile::raiseInt("ST_Won", 5);
  ConfigFile::selectGroup("Lvl-Hi");  // a group the file does not have yet
  ConfigFile::addInt("OA_Lost", 1);
  EXPECT_EQ(ConfigFile::readInt("OA_Lost", 0), 1);
  otherCopySaves(config, Mark + "[Lvl-Lo]\r\nOA_Won = 7\r\nST_Won = 9\r\n[Lvl-Hi]\r\nOA_Lost = 2\r\n");
  ConfigFile::close();
  EXPECT_EQ(readFile(config), Mark + "[Lvl-Lo]\r\nOA_Won = 8\r\nST_Won = 9\r\n[Lvl-Hi]\r\nOA_Lost = 3\r\n");
}

TEST_F(ConfigSharing, ARemovedGroupStaysRemovedAndLaterWritesFollowTheTopSection) {
  writeFile(config, Mark + "[Settings]\r\nSize = 36\r\n[Lvl-Lo]\r\nOA_Won = 4\r\n");
  ConfigFile::open(config);
  ConfigFile::selectGroup("Lvl-Lo");
  ConfigFile::removeGroup("Lvl-Lo");
  ConfigFile::writeString("Note", "top");  // the top section is current now
  otherCopySaves(config, Mark + "[Settings]\r\nSize = 24\r\n[Lvl-Lo]\r\nOA_Won = 5\r\n");
  ConfigFile::close();
  EXPECT_EQ(readFile(config), Mark + "Note = top\r\n[Settings]\r\nSize = 24\r\n");
}

TEST_F(ConfigSharing, NoSaveWritesAFileTheStoreWouldRefuseToRead) {
  // Just under the limit with LF line ends; CR LF would carry it past.
  std::string lines;
  while (lines.size() + 16 < ConfigDisk::LargestFile) lines += "; padding line\n";
  writeFile(config, lines);
  EXPECT_TRUE(ConfigFile::open(config));
  ConfigFile::selectGroup("Lvl-Lo");
  ConfigFile::addInt("OA_Won", 1);
  ConfigFile::close();
  EXPECT_EQ(readFile(config), lines);
  // The file still reads, so the next start sees the same figures.
  EXPECT_TRUE(ConfigFile::open(config));
  ConfigFile::selectGroup("Lvl-Lo");
  EXPECT_EQ(ConfigFile::readInt("OA_Won", -1), -1);
}

}  // namespace
