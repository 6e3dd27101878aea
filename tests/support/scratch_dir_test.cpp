// The scratch directory every test stands in: a test that makes files or
// folders read-only must still leave nothing behind, and a test that entered
// it must find its old working directory again.
#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>
#include <string>

#include "tests/support/files.h"

namespace fs = std::filesystem;

namespace {

TEST(ScratchDir, EnteredDirectoryIsTheWorkingDirectoryUntilItEnds) {
  const fs::path before = fs::current_path();
  std::string made;
  {
    test_support::ScratchDir dir;
    made = dir.path();
    dir.enter();
    EXPECT_EQ(fs::current_path(), fs::path(made));
    test_support::writeFile("config.ini", "x");
    EXPECT_EQ(test_support::readFile(dir.file("config.ini")), "x");
  }
  EXPECT_EQ(fs::current_path(), before);
  EXPECT_FALSE(fs::exists(made));
}

#ifndef _WIN32
TEST(ScratchDir, ReadOnlyFilesAndFoldersInsideAreRemovedButNotWhatALinkPointsTo) {
  const test_support::ScratchDir outside;
  const std::string target = outside.file("kept");
  test_support::writeFile(target, "kept");
  ::chmod(target.c_str(), 0444);
  std::string made;
  {
    test_support::ScratchDir dir;
    made = dir.path();
    fs::create_directories(dir.file("a/b"));
    test_support::writeFile(dir.file("a/b/file"), "bytes");
    test_support::writeFile(dir.file("plain"), "bytes");
    fs::create_symlink(target, dir.file("link-out"));
    ::chmod(dir.file("a/b/file").c_str(), 0);
    ::chmod(dir.file("a/b").c_str(), 0);
    ::chmod(dir.file("a").c_str(), 0555);
    test_support::makeUnwritable(dir.file("plain"));
    test_support::makeUnwritable(dir.path());
    EXPECT_EQ(dir.entryCount(), 3);
  }
  EXPECT_FALSE(fs::exists(made));
  EXPECT_EQ(test_support::readFile(target), "kept");
  EXPECT_EQ(fs::status(target).permissions(), fs::perms(0444)) << "the walk followed a link out of the directory";
}
#else
TEST(ScratchDir, ReadOnlyFilesAndFoldersInsideAreRemoved) {
  std::string made;
  {
    test_support::ScratchDir dir;
    made = dir.path();
    fs::create_directories(dir.file("a/b"));
    test_support::writeFile(dir.file("a/b/file"), "bytes");
    test_support::writeFile(dir.file("plain"), "bytes");
    ASSERT_TRUE(test_support::setImmutable(dir.file("a/b/file"), true));
    ASSERT_TRUE(test_support::setImmutable(dir.file("a/b"), true));
    ASSERT_TRUE(test_support::makeUnwritable(dir.file("plain")));
    EXPECT_EQ(dir.entryCount(), 2);
  }
  EXPECT_FALSE(fs::exists(made));
}
#endif

TEST(ScratchDir, EveryObjectMakesADirectoryOfItsOwnInTheBaseGiven) {
  const test_support::ScratchDir base;
  const test_support::ScratchDir first(base.path()), second(base.path());
  EXPECT_NE(first.path(), second.path());
  EXPECT_EQ(fs::path(first.path()).parent_path(), fs::path(base.path()));
  EXPECT_EQ(base.entryCount(), 2);
}

}  // namespace
