// The library file itself, read with binutils (Linux): exactly four exported
// names, its own module name, and no dependency beyond the C library.
#include <gtest/gtest.h>

#include "library.h"

#include <cstdio>
#include <set>
#include <sstream>
#include <string>

namespace {

std::string run(const std::string& command) {
  std::string out;
  FILE* p = popen(command.c_str(), "r");
  if (!p) return out;
  char buf[512];
  while (std::fgets(buf, sizeof buf, p)) out += buf;
  pclose(p);
  return out;
}

TEST(LibraryFile, ExportsExactlyTheFourFunctions) {
  const std::string listing = run(std::string("nm -D --defined-only ") + assetlib::path());
  std::set<std::string> names;
  std::istringstream lines(listing);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string address, type, name;
    if (fields >> address >> type >> name) names.insert(name);
  }
  EXPECT_EQ(names, (std::set<std::string>{"gfxMsg", "sounds", "tiles", "transGirl"})) << listing;
}

TEST(LibraryFile, NamesItselfMirelgfx) {
  const std::string dynamic = run(std::string("readelf -d ") + assetlib::path());
  EXPECT_NE(dynamic.find("Library soname: [mirelgfx.so]"), std::string::npos) << dynamic;
}

TEST(LibraryFile, DependsOnNothingButTheCLibrary) {
  const std::string deps = run(std::string("ldd ") + assetlib::path() + " 2>&1");
  ASSERT_FALSE(deps.empty());
  std::istringstream lines(deps);
  std::string line;
  while (std::getline(lines, line)) {
    const bool allowed = line.find("statically linked") != std::string::npos ||
                         line.find("linux-vdso") != std::string::npos || line.find("libc.so") != std::string::npos ||
                         line.find("ld-linux") != std::string::npos;
    EXPECT_TRUE(allowed) << line;
  }
  EXPECT_EQ(deps.find("libstdc++"), std::string::npos);
}

}  // namespace
