// Scratch directories for tests; see scratch_dir.h.
#include "tests/support/scratch_dir.h"

#include <filesystem>
#include <system_error>

#include "tests/support/files.h"

namespace test_support {

namespace fs = std::filesystem;

namespace {

// Undoes what a test may have done to make an entry read-only.
void GiveBack(const fs::path& path) {
  std::error_code error;
  setImmutable(path.string(), false);
  fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, error);
}

}  // namespace

ScratchDir::ScratchDir(std::string_view base) {
  path_ = makeUniqueDirectory(((base.empty() ? fs::temp_directory_path() : fs::path(base)) / "mirel-test-XXXXXX").string());
}

ScratchDir::~ScratchDir() {
  std::error_code error;
  if (!previous_.empty()) fs::current_path(previous_, error);
  error.clear();
  // Each folder is given back before the walk enters it; links are not followed.
  GiveBack(path_);
  for (auto it = fs::recursive_directory_iterator(path_, error); !error && it != fs::recursive_directory_iterator();
       it.increment(error)) {
    if (!it->is_symlink(error)) GiveBack(it->path());
  }
  fs::remove_all(path_, error);
}

void ScratchDir::enter() {
  const fs::path previous = fs::current_path();
  fs::current_path(path_);
  if (previous_.empty()) previous_ = previous.string();
}

int ScratchDir::entryCount() const {
  int count = 0;
  std::error_code error;
  for (auto it = fs::directory_iterator(path_, error); !error && it != fs::directory_iterator(); it.increment(error))
    ++count;
  return count;
}

std::string memoryBase() {
  std::error_code error;
  return fs::is_directory("/dev/shm", error) ? "/dev/shm" : "";
}

}  // namespace test_support
