// A fresh directory for one test, removed with everything in it when the
// object ends. It can be made the working directory for its lifetime, which is
// how a test gives the game a config.ini of its own. Nothing here needs the
// game, so the configuration store's tests and its fuzzer use it too.
#pragma once

#include <string>
#include <string_view>

namespace test_support {

class ScratchDir {
 public:
  // Made by makeUniqueDirectory in base, or in the system's temporary
  // directory when base is empty; throws std::system_error when that fails.
  explicit ScratchDir(std::string_view base = {});
  // Leaves the directory if it is the working directory, gives back the
  // permissions and clears the immutable flags tests took away, then removes it.
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  // Makes the directory the working directory until the object ends, when the
  // previous one is restored; throws std::system_error when that fails.
  void enter();

  const std::string& path() const { return path_; }
  std::string file(std::string_view name) const { return path_ + "/" + std::string(name); }
  // The number of entries in the directory (temporary files left behind show up).
  int entryCount() const;

 private:
  std::string path_;
  std::string previous_;  // the working directory before enter(); empty when not entered
};

// "/dev/shm" where it exists, otherwise empty (the system's temporary
// directory): a base for scratch directories whose files are synced often.
std::string memoryBase();

}  // namespace test_support
