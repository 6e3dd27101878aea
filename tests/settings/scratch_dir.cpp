// Scratch directories and file helpers for the settings tests.
#include "scratch_dir.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

bool setImmutable(const std::string& path, bool on) {
  int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) return false;
  int flags = 0;
  bool ok = ::ioctl(descriptor, FS_IOC_GETFLAGS, &flags) == 0;
  if (ok) {
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    ok = ::ioctl(descriptor, FS_IOC_SETFLAGS, &flags) == 0;
  }
  ::close(descriptor);
  return ok;
}

}  // namespace

ScratchDir::ScratchDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "mirel-settings-XXXXXX").string();
  path_ = ::mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
}

ScratchDir::~ScratchDir() {
  std::error_code error;
  setImmutable(path_, false);
  ::chmod(path_.c_str(), 0700);
  for (const auto& entry : std::filesystem::directory_iterator(path_, error)) {
    setImmutable(entry.path().string(), false);
    ::chmod(entry.path().c_str(), 0700);
  }
  std::filesystem::remove_all(path_, error);
}

int ScratchDir::entryCount() const {
  int count = 0;
  std::error_code error;
  for (auto it = std::filesystem::directory_iterator(path_, error); it != std::filesystem::directory_iterator();
       ++it) {
    ++count;
  }
  return count;
}

void writeBytes(const std::string& fileName, const std::string& bytes) {
  std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string readBytes(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

bool fileExists(const std::string& fileName) {
  struct stat status {};
  return ::lstat(fileName.c_str(), &status) == 0;
}

bool makeUnwritable(const std::string& path) {
  if (::geteuid() == 0) return setImmutable(path, true);
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return false;
  return ::chmod(path.c_str(), S_ISDIR(status.st_mode) ? 0555 : 0444) == 0;
}
