// Loading and saving the configuration file with POSIX calls (see config_disk.h).
#include "settings/config_disk.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ConfigDisk {
namespace {

// A configuration file is a few hundred bytes; anything beyond this is not one
// and is left alone rather than loaded into memory.
constexpr off_t LargestFile = 64 * 1024 * 1024;

bool writeAll(int descriptor, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(descriptor, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

bool readAll(int descriptor, std::string& bytes, off_t expected) {
  bytes.clear();
  bytes.reserve(static_cast<std::size_t>(expected));
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(descriptor, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    bytes.append(buffer, static_cast<std::size_t>(n));
    if (static_cast<off_t>(bytes.size()) > LargestFile) return false;
  }
}

std::string directoryOf(const std::string& path) {
  auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The path a save replaces: a symbolic link's target, so the link survives.
std::string targetOf(const std::string& fileName) {
  char resolved[PATH_MAX];
  if (::realpath(fileName.c_str(), resolved) != nullptr) return resolved;
  return fileName;
}

void syncDirectory(const std::string& directory) {
  int descriptor = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  ::fsync(descriptor);
  ::close(descriptor);
}

mode_t newFileMode() {
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool rewriteInPlace(int descriptor, const std::string& bytes) {
  if (::lseek(descriptor, 0, SEEK_SET) != 0) return false;
  if (!writeAll(descriptor, bytes)) return false;
  if (::ftruncate(descriptor, static_cast<off_t>(bytes.size())) != 0) return false;
  return ::fsync(descriptor) == 0;
}

enum class Replaced { Done, Failed, NoNewFileAllowed };

Replaced replaceByRename(const std::string& target, const struct stat* old, const std::string& bytes) {
  std::string directory = directoryOf(target);
  auto slash = target.rfind('/');
  std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
  std::string temporary = directory + "/." + base + ".XXXXXX";
  int descriptor = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (descriptor < 0) {
    return (errno == EACCES || errno == EPERM || errno == EROFS) ? Replaced::NoNewFileAllowed
                                                                 : Replaced::Failed;
  }
  bool ok = writeAll(descriptor, bytes);
  if (old != nullptr) {
    if (::fchown(descriptor, old->st_uid, old->st_gid) != 0) {
      // Only the owner's own files can keep another owner; the mode still is kept.
    }
    ok = ok && ::fchmod(descriptor, old->st_mode & 07777) == 0;
  } else {
    ok = ok && ::fchmod(descriptor, newFileMode()) == 0;
  }
  ok = ok && ::fsync(descriptor) == 0;
  ok = ::close(descriptor) == 0 && ok;
  ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(temporary.c_str());
    return Replaced::Failed;
  }
  syncDirectory(directory);
  return Replaced::Done;
}

}  // namespace

Loaded load(const std::string& fileName) {
  Loaded file;
  // Non-blocking, so that a FIFO of that name cannot stall the open.
  int descriptor = ::open(fileName.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
  file.access = Access::ReadWrite;
  if (descriptor < 0 && errno == ENOENT) {
    file.access = Access::Missing;
    return file;
  }
  if (descriptor < 0) {
    descriptor = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    file.access = Access::ReadOnly;
  } else if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
    // Another store (a second copy of the game) holds the file for writing:
    // read it, as a reader that shares it, but leave the writing to that one.
    file.access = Access::ReadOnly;
  }
  struct stat status {};
  if (descriptor < 0 || ::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) ||
      status.st_size > LargestFile || !readAll(descriptor, file.bytes, status.st_size)) {
    if (descriptor >= 0) ::close(descriptor);
    file.bytes.clear();
    file.access = Access::Unreadable;
    return file;
  }
  file.descriptor = descriptor;
  return file;
}

bool save(const std::string& fileName, const Loaded& file, const std::string& bytes) {
  if (file.access == Access::Missing) {
    return replaceByRename(fileName, nullptr, bytes) == Replaced::Done;
  }
  if (file.access != Access::ReadWrite) return false;
  struct stat old {};
  if (::fstat(file.descriptor, &old) != 0) return false;
  switch (replaceByRename(targetOf(fileName), &old, bytes)) {
    case Replaced::Done: return true;
    case Replaced::Failed: return false;
    case Replaced::NoNewFileAllowed: return rewriteInPlace(file.descriptor, bytes);
  }
  return false;
}

void release(Loaded& file) {
  if (file.descriptor >= 0) ::close(file.descriptor);
  file = Loaded{};
}

}  // namespace ConfigDisk
