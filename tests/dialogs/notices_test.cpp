// The component notices: the heading, one banner per component in order,
// each licence text line for line as in dialogs/notices/, and the end marker.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "dialogs/notices.h"

namespace {

std::vector<std::string> fileLines(const std::string& name) {
  std::ifstream in(std::string(NOTICES_DIR) + "/" + name);
  EXPECT_TRUE(in.good()) << name;
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(ComponentNotices, HoldTheHeadingThenEachComponentBannerAndTextInOrder) {
  const std::string dashes(68, '-');
  std::vector<std::string> expected = {"In addition, this program uses the following components:", ""};
  const std::pair<const char*, const char*> components[] = {
      {"libpng", "libpng-1.5.12.txt"}, {"libogg", "libogg-1.3.5.txt"}, {"libvorbis", "libvorbis-1.3.7.txt"}};
  for (const auto& [name, file] : components) {
    expected.insert(expected.end(), {dashes, std::string("Component: ") + name, dashes, ""});
    const std::vector<std::string> text = fileLines(file);
    EXPECT_FALSE(text.empty()) << file;
    expected.insert(expected.end(), text.begin(), text.end());
    expected.emplace_back("");
  }

  std::vector<std::string> actual;
  const char* const* line = ComponentNoticeLines;
  for (; std::strcmp(*line, "\x03") != 0 && actual.size() <= expected.size(); ++line) actual.emplace_back(*line);
  EXPECT_EQ(actual, expected);
  EXPECT_STREQ(*line, "\x03");
  EXPECT_EQ(actual.size(), 156u);
}

}  // namespace
