// The text layer alone: what a line becomes, and that what the store writes
// reads back to the same entries.
#include <gtest/gtest.h>

#include "settings/config_text.h"

namespace {

using ConfigText::Entry;
using ConfigText::EntryKind;

TEST(ConfigTextTest, LinesBecomeGroupsKeysCommentsAndVerbatimLines) {
  auto parsed = ConfigText::parse("\xEF\xBB\xBF\r\n top = 1\r\n\t[G]x\r\n;no blank\r\n;  two\r\n k \t=\t v \r\nplain\r\n=5\r\n");
  ASSERT_EQ(parsed.entries.size(), 7u);
  EXPECT_EQ(parsed.entries[0].kind, EntryKind::Key);
  EXPECT_EQ(parsed.entries[0].name, "top");
  EXPECT_EQ(parsed.entries[1].kind, EntryKind::Group);
  EXPECT_EQ(parsed.entries[1].name, "G");
  EXPECT_EQ(parsed.entries[2].name, "no blank");
  EXPECT_EQ(parsed.entries[3].name, " two");
  EXPECT_EQ(parsed.entries[4].name, "k");
  EXPECT_EQ(parsed.entries[4].value, "v ");
  EXPECT_EQ(parsed.entries[5].kind, EntryKind::Verbatim);
  EXPECT_EQ(parsed.entries[6].name, "");
  EXPECT_EQ(parsed.entries[6].value, "5");
  EXPECT_TRUE(parsed.withMark);
}

TEST(ConfigTextTest, OnlyAnEmptyFileIsWrittenWithoutMark) {
  EXPECT_FALSE(ConfigText::parse("").withMark);
  EXPECT_TRUE(ConfigText::parse("\n").withMark);
  EXPECT_TRUE(ConfigText::parse("\xEF\xBB\xBF").withMark);
  EXPECT_EQ(ConfigText::serialise({}, true), "\xEF\xBB\xBF\r\n");
  EXPECT_EQ(ConfigText::serialise({{EntryKind::Group, "G", {}}}, false), "[G]\r\n");
}

TEST(ConfigTextTest, MarkIsOnlyAMarkAtTheStart) {
  // Without the mark at the start, EF BB BF are three Latin-1 characters.
  auto parsed = ConfigText::parse("; \xEF\xBB\xBF");
  ASSERT_EQ(parsed.entries.size(), 1u);
  EXPECT_EQ(parsed.entries[0].name, "\xC3\xAF\xC2\xBB\xC2\xBF");
}

TEST(ConfigTextTest, WrittenEntriesReadBackTheSame) {
  std::vector<Entry> entries = {
      {EntryKind::Key, "top", "x"},          {EntryKind::Comment, "", {}},
      {EntryKind::Comment, "  indented ; text", {}}, {EntryKind::Group, " Odd Name ", {}},
      {EntryKind::Key, "", "empty key"},     {EntryKind::Key, "k", "v = w  "},
      {EntryKind::Verbatim, "\tno equals sign", {}}, {EntryKind::Key, "utf8", "caf\xC3\xA9"},
  };
  std::string bytes = ConfigText::serialise(entries, true);
  auto parsed = ConfigText::parse(bytes);
  ASSERT_EQ(parsed.entries.size(), entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(parsed.entries[i].kind, entries[i].kind) << i;
    EXPECT_EQ(parsed.entries[i].name, entries[i].name) << i;
    EXPECT_EQ(parsed.entries[i].value, entries[i].value) << i;
  }
  EXPECT_EQ(ConfigText::serialise(parsed.entries, true), bytes);
}

TEST(ConfigTextTest, NamesMatchIgnoringAsciiCaseOnly) {
  EXPECT_TRUE(ConfigText::sameName("Lvl-Lo", "LVL-lo"));
  EXPECT_FALSE(ConfigText::sameName("Lvl-Lo", "Lvl-Lo "));
  EXPECT_FALSE(ConfigText::sameName("\xC3\xA9", "\xC3\x89"));  // é and É differ
  EXPECT_FALSE(ConfigText::sameName("[", "{"));  // 0x5B and 0x7B are not letters
}

}  // namespace
