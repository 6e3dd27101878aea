// The configuration store where its file is shared or hostile, with Windows
// calls: copies of the game saving as real processes, a copy killed in the
// middle of a save, temporary files such a copy left, a file another program
// holds open (so it cannot be replaced) or holds alone, a hidden file, and a
// folder whose name is not ASCII.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "config_fixture.h"
#include "settings/config_disk.h"
#include "settings/config_file.h"
#include "settings/game_settings.h"

namespace fs = std::filesystem;

namespace {

std::wstring wide(const std::string& utf8) {
  return fs::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size())).wstring();
}

// The environment variable that turns a child test on: "<config path>|<number>".
constexpr const char* ChildVariable = "MIREL_CONFIG_CHILD";

// Starts this program running one test, with the child variable set to value.
HANDLE startChild(const std::string& test, const std::string& value) {
  std::wstring self(32768, L'\0');
  self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
  std::wstring commandLine = L"\"" + self + L"\" --gtest_filter=" + wide(test);
  SetEnvironmentVariableW(wide(ChildVariable).c_str(), wide(value).c_str());
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const BOOL started =
      CreateProcessW(self.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
  SetEnvironmentVariableW(wide(ChildVariable).c_str(), nullptr);
  if (!started) return nullptr;
  CloseHandle(process.hThread);
  return process.hProcess;
}

DWORD exitCodeOf(HANDLE process) {
  WaitForSingleObject(process, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(process, &code);
  CloseHandle(process);
  return code;
}

// The child's config path and number; false outside a child.
bool childArguments(std::string& path, int& number) {
  const char* value = std::getenv(ChildVariable);
  if (!value) return false;
  const std::string text = value;
  path = text.substr(0, text.rfind('|'));
  number = std::atoi(text.c_str() + text.rfind('|') + 1);
  return true;
}

constexpr int Copies = 6;
constexpr int ResultsEach = 30;

// The children of the tests below; they do nothing unless started by them.
TEST(ConfigSharingChild, RecordsResults) {
  std::string config;
  int number = 0;
  if (!childArguments(config, number)) GTEST_SKIP() << "started only by ConfigSharing tests";
  for (int n = 0; n < ResultsEach; ++n) {
    ConfigFile::open(config);
    ConfigFile::selectGroup(number % 2 ? "Lvl-Hi" : "Lvl-Lo");
    ConfigFile::addInt("OA_Lost", 1);
    ConfigFile::raiseInt("ST_Lost", n + 1);
    ConfigFile::close();
  }
}

TEST(ConfigSharingChild, DiesInTheMiddleOfASave) {
  std::string config;
  int number = 0;
  if (!childArguments(config, number)) GTEST_SKIP() << "started only by ConfigSharing tests";
  ConfigDisk::Loaded file = ConfigDisk::load(config);
  ConfigDisk::save(config, file, [](std::string_view, bool) -> std::string {
    TerminateProcess(GetCurrentProcess(), 3);
    return {};
  });
  ADD_FAILURE() << "still alive";
}

TEST_F(ConfigSharing, CopiesRecordingAtTheSameMomentAsProcessesLoseNoResult) {
  std::vector<HANDLE> copies;
  for (int i = 0; i < Copies; ++i) {
    copies.push_back(startChild("ConfigSharingChild.RecordsResults", config + "|" + std::to_string(i)));
    ASSERT_NE(copies.back(), nullptr);
  }
  // Meanwhile a copy with a dialog open writes a setting and closes last.
  ConfigFile::open(config);
  ConfigFile::selectGroup("Settings");
  ConfigFile::writeString("Mode", "T");
  for (HANDLE copy : copies) EXPECT_EQ(exitCodeOf(copy), 0u);
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

// The dead copy's lock goes with it: the next save neither waits for it nor
// loses the file.
TEST_F(ConfigSharing, ACopyKilledDuringASaveLeavesTheFileAndNoWait) {
  const std::string before = Mark + "[Lvl-Hi]\r\nOA_Lost = 9\r\n";
  writeFile(config, before);
  EXPECT_EQ(exitCodeOf(startChild("ConfigSharingChild.DiesInTheMiddleOfASave", config + "|0")), 3u);
  EXPECT_EQ(readFile(config), before);
  const auto start = std::chrono::steady_clock::now();
  ConfigFile::open(config);
  ConfigFile::selectGroup("Lvl-Hi");
  ConfigFile::addInt("OA_Lost", 1);
  ConfigFile::close();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  EXPECT_EQ(readFile(config), Mark + "[Lvl-Hi]\r\nOA_Lost = 10\r\n");
}

void makeOld(const std::string& path) {
  HANDLE file = CreateFileW(wide(path).c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  ULARGE_INTEGER time{{now.dwLowDateTime, now.dwHighDateTime}};
  time.QuadPart -= 3600ull * 10000000;  // an hour ago
  const FILETIME old{time.LowPart, time.HighPart};
  SetFileTime(file, nullptr, nullptr, &old);
  CloseHandle(file);
}

TEST_F(ConfigSharing, TemporaryFilesOfAKilledSaveAreRemovedOthersAreNot) {
  writeFile(config, Mark + "[Settings]\r\nSize = 36\r\n");
  const std::string stale = dir.file(".config.ini.Ab3xY9");
  const std::string fresh = dir.file(".config.ini.Qw8rT2");
  const std::string inUse = dir.file(".config.ini.Zz0000");
  const std::string foreign = dir.file(".config.ini.notours");
  for (const std::string& path : {stale, fresh, inUse, foreign}) writeFile(path, "[Settings]\r\n");
  for (const std::string& path : {stale, inUse, foreign}) makeOld(path);
  // Another copy still writing this one holds it without sharing its deletion.
  HANDLE writer = CreateFileW(wide(inUse).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  ConfigFile::open(config);
  ConfigFile::selectGroup("Settings");
  ConfigFile::writeInt("Size", 24);
  ConfigFile::close();
  CloseHandle(writer);
  EXPECT_EQ(readFile(config), Mark + "[Settings]\r\nSize = 24\r\n");
  EXPECT_FALSE(fileExists(stale));
  EXPECT_TRUE(fileExists(fresh));
  EXPECT_TRUE(fileExists(inUse));
  EXPECT_TRUE(fileExists(foreign));
}

// A file another program holds open cannot be replaced on Windows: the save
// goes in place, longer and shorter, and what the other program reads through
// its own handle is the new text.
TEST_F(ConfigSharing, AFileAnotherProgramHoldsOpenIsRewrittenInPlace) {
  const std::string longer = Mark + "[Settings]\r\nSize = 24\r\nCollection = 111111111111\r\n[Lvl-Hi]\r\nST_Lost = 16\r\n";
  const std::string shorter = Mark + "[Settings]\r\nSize = 36\r\n";
  for (const auto& [from, to] : {std::pair{longer, shorter}, std::pair{shorter, longer}}) {
    writeFile(config, from);
    HANDLE holder = CreateFileW(wide(config).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    ConfigFile::open(config);
    ConfigFile::removeGroup("Settings");
    ConfigFile::removeGroup("Lvl-Hi");
    ConfigFile::selectGroup("Settings");
    if (to == shorter) {
      ConfigFile::writeString("Size", "36");
    } else {
      ConfigFile::writeString("Size", "24");
      ConfigFile::writeString("Collection", "111111111111");
      ConfigFile::selectGroup("Lvl-Hi");
      ConfigFile::writeString("ST_Lost", "16");
    }
    ConfigFile::close();
    std::string seen(4096, '\0');
    DWORD got = 0;
    ReadFile(holder, seen.data(), static_cast<DWORD>(seen.size()), &got, nullptr);
    seen.resize(got);
    CloseHandle(holder);
    EXPECT_EQ(seen, to);
    EXPECT_EQ(readFile(config), to);
    EXPECT_EQ(dir.entryCount(), 1) << "a temporary file was left behind";
  }
}

TEST_F(ConfigSharing, AFileAnotherProgramHoldsAloneIsNeitherReadNorWritten) {
  const std::string before = Mark + "[Settings]\r\nSize = 24\r\n";
  writeFile(config, before);
  HANDLE holder =
      CreateFileW(wide(config).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(ConfigFile::open(config));
  ConfigFile::selectGroup("Settings");
  EXPECT_EQ(ConfigFile::readInt("Size", 36), 36);
  ensureDefaultSettings(1);
  ConfigFile::close();
  CloseHandle(holder);
  EXPECT_EQ(readFile(config), before);
  EXPECT_EQ(dir.entryCount(), 1);
}

TEST_F(ConfigSharing, AHiddenFileStaysHidden) {
  writeFile(config, Mark + "[Settings]\r\nSize = 24\r\n");
  ASSERT_TRUE(SetFileAttributesW(wide(config).c_str(), FILE_ATTRIBUTE_HIDDEN));
  ConfigFile::open(config);
  ConfigFile::selectGroup("Settings");
  ConfigFile::writeInt("Size", 36);
  ConfigFile::close();
  EXPECT_EQ(readFile(config), Mark + "[Settings]\r\nSize = 36\r\n");
  EXPECT_TRUE(GetFileAttributesW(wide(config).c_str()) & FILE_ATTRIBUTE_HIDDEN);
}

TEST_F(ConfigSharing, AFolderNamedOutsideAsciiIsFoundAndWritten) {
  const std::string folder = dir.file("Spiele \xC3\xA4\xE2\x9C\x93");  // "Spiele ä✓" in UTF-8
  ASSERT_TRUE(CreateDirectoryW(wide(folder).c_str(), nullptr));
  const std::string file = folder + "\\config.ini";
  EXPECT_FALSE(ConfigFile::open(file));
  ConfigFile::selectGroup("Settings");
  ConfigFile::writeInt("Size", 24);
  ConfigFile::close();
  EXPECT_EQ(readFile(file), Mark + "[Settings]\r\nSize = 24\r\n");
  EXPECT_TRUE(fs::exists(fs::path(wide(folder)) / L"config.ini"));
  ConfigFile::open(file);
  ConfigFile::selectGroup("Settings");
  ConfigFile::writeInt("Size", 36);
  ConfigFile::close();
  EXPECT_EQ(readFile(file), Mark + "[Settings]\r\nSize = 36\r\n");
}

}  // namespace
