// Files and permissions for tests with POSIX and Linux calls; see files.h.
#include "tests/support/files.h"

#include <fcntl.h>
#include <linux/capability.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <system_error>

namespace test_support {

void replaceFile(const std::string& path, std::string_view bytes) {
  const std::string temporary = path + ".other";
  writeFile(temporary, bytes);
  if (::rename(temporary.c_str(), path.c_str()) != 0) throw std::system_error(errno, std::generic_category(), "rename");
}

std::string makeUniqueDirectory(std::string pattern) {
  if (::mkdtemp(pattern.data()) == nullptr) throw std::system_error(errno, std::generic_category(), "mkdtemp " + pattern);
  return pattern;
}

bool fileExists(const std::string& path) {
  struct stat status {};
  return ::lstat(path.c_str(), &status) == 0;
}

bool setImmutable(const std::string& path, bool on) {
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
  if (descriptor < 0) return false;
  int flags = 0;
  bool ok = ::ioctl(descriptor, FS_IOC_GETFLAGS, &flags) == 0;
  if (ok && ((flags & FS_IMMUTABLE_FL) != 0) != on) {
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    ok = ::ioctl(descriptor, FS_IOC_SETFLAGS, &flags) == 0;
  }
  ::close(descriptor);
  return ok;
}

bool makeUnwritable(const std::string& path) {
  if (::geteuid() == 0) return setImmutable(path, true);
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return false;
  return ::chmod(path.c_str(), S_ISDIR(status.st_mode) ? 0555 : 0444) == 0;
}

bool honourFilePermissions() {
  if (::geteuid() != 0) return true;
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct data[2]{};
  if (::syscall(SYS_capget, &header, data) != 0) return false;
  data[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
  return ::syscall(SYS_capset, &header, data) == 0;
}

}  // namespace test_support
