// The configuration store against real files: the bytes it writes, what it
// keeps of hand-edited files, and that no save ever destroys the old file.
// What needs the calls of one system is in config_file_posix_test.cpp.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

#include "config_fixture.h"
#include "settings/config_file.h"
#include "settings/game_settings.h"

namespace {

const std::string DefaultSettings =
    "[Settings]\r\nColors = 4\r\nSize = 36\r\nMode = P\r\nTime = 3600\r\nUndo = 1\r\n"
    "Sound = 1\r\nVol = 50\r\nCollection = 111111111111\r\n";

TEST_F(ConfigFileTest, FirstStartWritesTheEightDefaultsWithMarkAndEmptyLine) {
  EXPECT_FALSE(ConfigFile::open(config));
  ensureDefaultSettings(1);
  ConfigFile::close();
  EXPECT_EQ(readFile(config), Mark + DefaultSettings);

  ScratchDir silent;
  ConfigFile::open(silent.file("config.ini"));
  ensureDefaultSettings(0);
  ConfigFile::close();
  std::string expected = DefaultSettings;
  expected.replace(expected.find("Sound = 1"), 9, "Sound = 0");
  EXPECT_EQ(readFile(silent.file("config.ini")), Mark + expected);
}

TEST_F(ConfigFileTest, NegativeColorsOverwritesAllDefaultsAndKeepsTheRest) {
  std::string before = Mark +
      "; my own settings\r\n[Settings]\r\nColors = -1\r\nSize = 24\r\nMode = T\r\n; keep me\r\n"
      "Time = 600\r\n[Lvl-Lo]\r\nOA_Won = 3\r\n";
  std::string after = afterEdit(before, [] { ensureDefaultSettings(1); });
  EXPECT_EQ(after, Mark +
      "; my own settings\r\n[Settings]\r\nColors = 4\r\nSize = 36\r\nMode = P\r\n; keep me\r\n"
      "Time = 3600\r\nUndo = 1\r\nSound = 1\r\nVol = 50\r\nCollection = 111111111111\r\n"
      "[Lvl-Lo]\r\nOA_Won = 3\r\n");
}

TEST_F(ConfigFileTest, ColorsThatIsNoNumberDoesNotTriggerTheDefaults) {
  std::string before = Mark + "[Settings]\r\nColors = many\r\n";
  EXPECT_EQ(afterEdit(before, [] { ensureDefaultSettings(1); }), before);
}

TEST_F(ConfigFileTest, Latin1FileIsRewrittenAsUtf8WithMark) {
  std::string after = afterEdit("; caf\xE9\r\n[Settings]\r\nSize = 24\r\n", [] {
    ConfigFile::selectGroup("Settings");
    ConfigFile::writeInt("Size", 36);
  });
  EXPECT_EQ(after, Mark + "; caf\xC3\xA9\r\n[Settings]\r\nSize = 36\r\n");
}

// The bytes of a text as UTF-16 with its mark, in either byte order.
std::string utf16(const std::u16string& text, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t unit : text) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

// A config.ini saved as UTF-16 (Windows' Notepad does so) reads as text, every
// character kept, and is saved back as UTF-8 with its mark.
TEST_F(ConfigFileTest, Utf16FileOfEitherByteOrderReadsAsTextAndIsSavedAsUtf8) {
  const std::u16string text = u"; caf\u00E9 \u20AC \U0001F600\r\n[Settings]\r\nSize = 24\r\nMode = T\r\n";
  for (bool bigEndian : {false, true}) {
    SCOPED_TRACE(bigEndian ? "big-endian" : "little-endian");
    writeFile(config, utf16(text, bigEndian));
    ASSERT_TRUE(ConfigFile::open(config));
    ASSERT_TRUE(ConfigFile::selectGroup("Settings"));
    EXPECT_EQ(ConfigFile::readInt("Size", 36), 24);
    EXPECT_EQ(ConfigFile::readString("Mode", "P"), "T");
    ConfigFile::writeInt("Size", 36);
    ConfigFile::close();
    EXPECT_EQ(readFile(config), Mark + "; caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80\r\n[Settings]\r\nSize = 36\r\nMode = T\r\n");
  }
  // A lone surrogate and a last odd byte cannot be kept: they read as U+FFFD.
  writeFile(config, utf16(u"; a" u"\xD800" u"b\r\n[Settings]\r\n", false) + "x");
  ConfigFile::open(config);
  ConfigFile::selectGroup("Settings");
  ConfigFile::writeInt("Size", 24);
  ConfigFile::close();
  EXPECT_EQ(readFile(config), Mark + "; a\xEF\xBF\xBD" "b\r\n[Settings]\r\n\xEF\xBF\xBD\r\nSize = 24\r\n");
}

TEST_F(ConfigFileTest, KeyIsFoundInAnyCaseAndTakesTheWritersSpelling) {
  writeFile(config, Mark + "[settings]\r\nsize=24\r\n");
  ASSERT_TRUE(ConfigFile::open(config));
  ASSERT_TRUE(ConfigFile::selectGroup("Settings"));
  EXPECT_EQ(ConfigFile::readInt("Size", 36), 24);
  ConfigFile::writeInt("Size", 36);
  ConfigFile::close();
  EXPECT_EQ(readFile(config), Mark + "[settings]\r\nSize = 36\r\n");
}

TEST_F(ConfigFileTest, BlanksAroundValuesAreNotPartOfThem) {
  writeFile(config, Mark + "[Settings]\r\nTime = 600   \r\nMode =  T  \r\nName\t=\tA B\t\r\n");
  ConfigFile::open(config);
  ConfigFile::selectGroup("Settings");
  EXPECT_EQ(ConfigFile::readInt("Time", 0), 600);
  EXPECT_EQ(ConfigFile::readString("Mode", "P"), "T");
  EXPECT_EQ(ConfigFile::readString("Name", ""), "A B");
}

TEST_F(ConfigFileTest, WritingAnEqualValueStillSaves) {
  std::string after = afterEdit("[Settings]\nSize=36\n", [] {
    ConfigFile::selectGroup("Settings");
    ConfigFile::writeInt("Size", 36);
  });
  EXPECT_EQ(after, Mark + "[Settings]\r\nSize = 36\r\n");
}

TEST_F(ConfigFileTest, BlankLinesVanishCommentsStayAndAllLineEndsWork) {
  std::string after = afterEdit("\r\n   \r\n\t\n;c1\r[A]\n\n  ;  c2\r\n\tk=v\r\n;\n[B]\rx = 1", [] {
    ConfigFile::selectGroup("B");
    ConfigFile::writeInt("x", 2);
  });
  EXPECT_EQ(after, Mark + "; c1\r\n[A]\r\n;  c2\r\nk = v\r\n; \r\n[B]\r\nx = 2\r\n");
}

TEST_F(ConfigFileTest, EmptyFileIsSavedWithoutMarkOrEmptyFirstLine) {
  std::string after = afterEdit("", [] {
    ConfigFile::selectGroup("Settings");
    ConfigFile::writeInt("Size", 24);
  });
  EXPECT_EQ(after, "[Settings]\r\nSize = 24\r\n");
}

TEST_F(ConfigFileTest, RemovingAGroupTakesItsKeysAndCommentsOthersKeepOrder) {
  std::string after = afterEdit(Mark + "[A]\r\na = 1\r\n[Lvl-Lo]\r\nOA_Won = 2\r\n; note\r\n[B]\r\nb = 2\r\n",
                                [] { ConfigFile::removeGroup("lvl-lo"); });
  EXPECT_EQ(after, Mark + "[A]\r\na = 1\r\n[B]\r\nb = 2\r\n");
}

TEST_F(ConfigFileTest, RemovingAnAbsentGroupSavesNothing) {
  std::string before = "[A]\na=1\n";  // not in the written format, so a save would show
  EXPECT_EQ(afterEdit(before, [] { ConfigFile::removeGroup("Lvl-Hi"); }), before);
  EXPECT_EQ(afterEdit(before, [] {}), before);
}

TEST_F(ConfigFileTest, RemovingTheCurrentGroupMakesTheTopSectionCurrent) {
  std::string after = afterEdit(Mark + "top = 1\r\n[A]\r\na = 1\r\n[B]\r\nb = 1\r\n", [] {
    ConfigFile::selectGroup("B");
    ConfigFile::removeGroup("A");
    ConfigFile::writeInt("b", 5);  // B stays current although it moved up
    ConfigFile::removeGroup("B");
    ConfigFile::writeInt("top2", 2);
  });
  EXPECT_EQ(after, Mark + "top = 1\r\ntop2 = 2\r\n");
}

TEST_F(ConfigFileTest, OnlyTheFirstOfTwoGroupsOfOneNameCounts) {
  writeFile(config, Mark + "[Settings]\r\nSize = 24\r\nSize = 30\r\n[SETTINGS]\r\nSize = 36\r\nVol = 10\r\n");
  ConfigFile::open(config);
  ConfigFile::selectGroup("Settings");
  EXPECT_EQ(ConfigFile::readInt("Size", 0), 24);
  EXPECT_EQ(ConfigFile::readInt("Vol", 99), 99);
  ConfigFile::writeInt("Vol", 70);
  ConfigFile::writeInt("size", 36);
  ConfigFile::close();
  EXPECT_EQ(readFile(config),
            Mark + "[Settings]\r\nsize = 36\r\nSize = 30\r\nVol = 70\r\n[SETTINGS]\r\nSize = 36\r\nVol = 10\r\n");
}

TEST_F(ConfigFileTest, NewKeysGoToTheEndOfTheirGroupOrBeforeTheFirstGroup) {
  std::string after = afterEdit(Mark + "; head\r\n[A]\r\na = 1\r\n; tail of A\r\n[B]\r\n", [] {
    ConfigFile::selectGroup("");
    ConfigFile::writeInt("top", 1);
    ConfigFile::selectGroup("A");
    ConfigFile::writeInt("a2", 2);
  });
  EXPECT_EQ(after, Mark + "; head\r\ntop = 1\r\n[A]\r\na = 1\r\n; tail of A\r\na2 = 2\r\n[B]\r\n");
}

TEST_F(ConfigFileTest, PendingGroupReadsFallbacksAndIsAppendedByTheFirstWrite) {
  writeFile(config, Mark + "[Settings]\r\nSize = 36\r\n[Other]\r\n");
  ConfigFile::open(config);
  EXPECT_FALSE(ConfigFile::selectGroup("Lvl-Lo"));
  EXPECT_EQ(ConfigFile::readInt("Size", 7), 7);
  EXPECT_EQ(ConfigFile::readString("Size", "x"), "x");
  ConfigFile::writeInt("OA_Won", 1);
  ConfigFile::writeInt("ST_Won", 1);
  EXPECT_TRUE(ConfigFile::selectGroup("lvl-lo"));
  EXPECT_EQ(ConfigFile::readInt("OA_Won", 0), 1);
  ConfigFile::close();
  EXPECT_EQ(readFile(config), Mark + "[Settings]\r\nSize = 36\r\n[Other]\r\n[Lvl-Lo]\r\nOA_Won = 1\r\nST_Won = 1\r\n");
}

TEST_F(ConfigFileTest, GroupNameEndsAtTheFirstBracket) {
  std::string after = afterEdit(Mark + "[Lvl-Lo] junk ] more\r\n[Open\r\nk = 1\r\n", [] {
    EXPECT_TRUE(ConfigFile::selectGroup("Open"));
    ConfigFile::writeInt("k", 2);
  });
  EXPECT_EQ(after, Mark + "[Lvl-Lo]\r\n[Open]\r\nk = 2\r\n");
}

TEST_F(ConfigFileTest, KeyLineWithoutEqualsIsKeptUnchanged) {
  std::string after = afterEdit(Mark + "[Settings]\r\n  just some words\r\nSize = 24\r\n", [] {
    ConfigFile::selectGroup("Settings");
    EXPECT_EQ(ConfigFile::readString("just some words", "none"), "none");
    ConfigFile::writeInt("Size", 36);
  });
  EXPECT_EQ(after, Mark + "[Settings]\r\n  just some words\r\nSize = 36\r\n");
}

TEST_F(ConfigFileTest, ReadsFollowAtoiAndSaturateBeyond32Bits) {
  writeFile(config, Mark + "[N]\r\na =  -12abc\r\nb = abc\r\nc = +7\r\nd = 99999999999999999999\r\n"
                     "e = -99999999999\r\nf = 2147483647\r\ng = -2147483648\r\nh = 2147483648\r\ni = - 5\r\nj =\r\n");
  ConfigFile::open(config);
  ConfigFile::selectGroup("N");
  EXPECT_EQ(ConfigFile::readInt("a", 1), -12);
  EXPECT_EQ(ConfigFile::readInt("b", 1), 0);
  EXPECT_EQ(ConfigFile::readInt("c", 1), 7);
  EXPECT_EQ(ConfigFile::readInt("d", 1), INT32_MAX);
  EXPECT_EQ(ConfigFile::readInt("e", 1), INT32_MIN);
  EXPECT_EQ(ConfigFile::readInt("f", 1), INT32_MAX);
  EXPECT_EQ(ConfigFile::readInt("g", 1), INT32_MIN);
  EXPECT_EQ(ConfigFile::readInt("h", 1), INT32_MAX);
  EXPECT_EQ(ConfigFile::readInt("i", 1), 0);
  EXPECT_EQ(ConfigFile::readInt("j", 1), 0);
  EXPECT_EQ(ConfigFile::readInt("absent", 1), 1);
  ConfigFile::close();
  EXPECT_EQ(ConfigFile::readInt("a", 3), 3);  // no file open
}

TEST_F(ConfigFileTest, OpenSavesTheFileOpenBefore) {
  ConfigFile::open(config);
  ConfigFile::selectGroup("Settings");
  ConfigFile::writeString("Mode", "T");
  ScratchDir other;
  ConfigFile::open(other.file("config.ini"));
  EXPECT_EQ(readFile(config), Mark + "[Settings]\r\nMode = T\r\n");
}

TEST_F(ConfigFileTest, UnwritableFileIsReadButNeverWritten) {
  std::string before = "[Settings]\nSize=24\n";
  writeFile(config, before);
  if (!makeUnwritable(config)) GTEST_SKIP() << "cannot make a file unwritable here";
  EXPECT_TRUE(ConfigFile::open(config));
  ConfigFile::selectGroup("Settings");
  EXPECT_EQ(ConfigFile::readInt("Size", 36), 24);
  ConfigFile::writeInt("Size", 36);
  ConfigFile::close();
  EXPECT_EQ(readFile(config), before);
  EXPECT_EQ(dir.entryCount(), 1);
}

TEST_F(ConfigFileTest, NothingIsCreatedWhereTheDirectoryAdmitsNoFile) {
  std::string nowhere = dir.file("missing/config.ini");
  EXPECT_FALSE(ConfigFile::open(nowhere));
  ensureDefaultSettings(1);
  ConfigFile::close();
  EXPECT_FALSE(fileExists(nowhere));

  ScratchDir locked;
  if (!makeUnwritable(locked.path())) GTEST_SKIP() << "cannot make a directory unwritable here";
  EXPECT_FALSE(ConfigFile::open(locked.file("config.ini")));
  ensureDefaultSettings(1);
  ConfigFile::close();
  EXPECT_EQ(locked.entryCount(), 0);
  EXPECT_FALSE(ConfigFile::open(locked.file("config.ini")));
}

TEST_F(ConfigFileTest, FileInAnUnwritableDirectoryIsRewrittenInPlace) {
  writeFile(config, "[Settings]\n; a long comment that makes the old file longer than the new one\nSize=24\n");
  if (!makeUnwritable(dir.path())) GTEST_SKIP() << "cannot make a directory unwritable here";
  std::string after = afterEdit(readFile(config), [] {
    ConfigFile::selectGroup("Settings");
    ConfigFile::removeGroup("Settings");
    ConfigFile::writeInt("Size", 36);
  });
  EXPECT_EQ(after, Mark + "Size = 36\r\n");
}

TEST_F(ConfigFileTest, DirectoryOrHugeRandomFileDoesNotBreakTheStore) {
  ASSERT_TRUE(std::filesystem::create_directory(config));
  EXPECT_FALSE(ConfigFile::open(config));
  ConfigFile::selectGroup("Settings");
  EXPECT_EQ(ConfigFile::readInt("Size", 36), 36);
  ensureDefaultSettings(1);
  ConfigFile::close();
  EXPECT_EQ(dir.entryCount(), 1);

  std::string huge(900 * 1024, '\0');
  std::uint32_t state = 12345;
  for (char& c : huge) {
    state = state * 1664525u + 1013904223u;
    c = static_cast<char>(state >> 24);
  }
  std::string big = dir.file("big.ini");
  writeFile(big, huge);
  EXPECT_TRUE(ConfigFile::open(big));
  ConfigFile::selectGroup("Settings");
  ConfigFile::readInt("Size", 36);
  ConfigFile::close();
  EXPECT_EQ(readFile(big), huge);

  // Beyond any configuration file: not loaded, and never written.
  std::string vast = dir.file("vast.ini");
  writeFile(vast, "[Settings]\n");
  std::filesystem::resize_file(vast, 2 * 1024 * 1024);
  EXPECT_FALSE(ConfigFile::open(vast));
  ensureDefaultSettings(1);
  ConfigFile::close();
  EXPECT_EQ(std::filesystem::file_size(vast), 2u * 1024 * 1024);
}

}  // namespace
