// libFuzzer target for the configuration store. Each input is a config file:
// the store must read it without fault, must not write it when nothing
// changed, and, once the store has written a file, must read that back to the
// same entries and change only the written key's line on a single write.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "settings/config_file.h"
#include "settings/config_text.h"
#include "tests/support/files.h"
#include "tests/support/scratch_dir.h"

namespace {

using ConfigText::EntryKind;

const std::string& fileName() {
  // In memory where possible: every save flushes, which is slow on a disk.
  static const test_support::ScratchDir directory(test_support::memoryBase());
  static const std::string name = directory.file("config.ini");
  return name;
}

void store(const std::string& bytes) { test_support::writeFile(fileName(), bytes); }

std::string stored() { return test_support::readFile(fileName()); }

void require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
  }
}

std::vector<std::string> lines(const std::string& bytes) {
  std::vector<std::string> result;
  std::size_t start = 0;
  for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
    result.push_back(bytes.substr(start, end - start));
  }
  result.push_back(bytes.substr(start));
  return result;
}

// Reading without writing: nothing may reach the disk.
void readOnly(const std::string& before) {
  ConfigFile::open(fileName());
  for (const char* group : {"", "Settings", "Lvl-Lo", "Lvl-Hi"}) {
    ConfigFile::selectGroup(group);
    for (const char* key : {"Size", "Colors", "Mode", "OA_Won", "ST_Lost"}) {
      ConfigFile::readInt(key, -1);
      ConfigFile::readString(key, "");
    }
  }
  ConfigFile::close();
  require(stored() == before, "an open and close without writes changed the file");
}

// The first key of the first group (or the top section) that a write can name.
bool firstWritableKey(const std::vector<ConfigText::Entry>& entries, std::string& group, std::string& key,
                      std::string& value) {
  std::string current;
  bool usable = true;  // groups seen before under the same name are not selectable
  std::vector<std::string> seen;
  for (const auto& entry : entries) {
    if (entry.kind == EntryKind::Group) {
      usable = !entry.name.empty();
      for (const auto& name : seen) usable = usable && !ConfigText::sameName(name, entry.name);
      seen.push_back(entry.name);
      current = entry.name;
    } else if (entry.kind == EntryKind::Key && usable) {
      group = current;
      key = entry.name;
      value = entry.value;
      return true;
    }
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::string mark = "\xEF\xBB\xBF";
  store(input);
  readOnly(input);

  // Let the store write the file once; from here on it is a file of its own.
  ConfigFile::open(fileName());
  ConfigFile::selectGroup("Fuzz");
  ConfigFile::writeInt("Runs", static_cast<std::int32_t>(size));
  ConfigFile::close();
  const std::string written = stored();
  const auto entries = ConfigText::parse(written).entries;
  require(ConfigText::serialise(entries, written.starts_with(mark)) == written,
          "a written file does not read back to the same entries");
  readOnly(written);

  std::string group, key, value;
  require(firstWritableKey(entries, group, key, value), "the written key is missing");
  std::string newValue = value + "x";
  ConfigFile::open(fileName());
  ConfigFile::selectGroup(group);
  require(ConfigFile::readString(key, "\n") == std::string(ConfigText::trimmed(value)), "a key reads wrongly");
  ConfigFile::writeString(key, newValue);
  ConfigFile::close();
  // A file saved without the mark (it was empty before) gains the mark at its
  // next save, as any file without the mark does; nothing else may change.
  const auto before = lines(written.starts_with(mark) ? written : mark + "\r\n" + written);
  const auto after = lines(stored());
  require(before.size() == after.size(), "a single write changed the number of lines");
  int differing = 0;
  for (std::size_t i = 0; i < before.size(); ++i) {
    if (before[i] != after[i]) {
      ++differing;
      require(after[i] == key + " = " + newValue, "the written line is not key = value");
    }
  }
  require(differing == 1, "a single write changed other lines");
  return 0;
}
