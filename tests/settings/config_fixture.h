// What the configuration store's tests share: a scratch directory with the
// path of its config.ini, the store closed after each test, the mark that
// starts every file the store writes, and the test suites.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "settings/config_file.h"
#include "tests/support/files.h"
#include "tests/support/scratch_dir.h"

using test_support::fileExists;
using test_support::makeUnwritable;
using test_support::readFile;
using test_support::ScratchDir;
using test_support::writeFile;

inline const std::string Mark = "\xEF\xBB\xBF\r\n";

class ConfigScratch : public ::testing::Test {
 protected:
  void TearDown() override { ConfigFile::close(); }
  ScratchDir dir;
  std::string config = dir.file("config.ini");
};

// The suites of the store's tests, whose cases are spread over a portable
// file and one file per system.
class ConfigFileTest : public ConfigScratch {
 protected:
  // Opens the file with the given content, runs the edit and closes the store.
  std::string afterEdit(const std::string& content, void (*edit)()) {
    writeFile(config, content);
    ConfigFile::open(config);
    edit();
    ConfigFile::close();
    return readFile(config);
  }
};
using ConfigSharing = ConfigScratch;
