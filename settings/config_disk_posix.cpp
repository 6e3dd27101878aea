// The configuration file's disk layer with POSIX calls: its system half (see
// config_disk_system.h). The save's lock is flock on the file itself.
#include "settings/config_disk.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "settings/config_disk_system.h"

namespace ConfigDisk {
namespace detail {
namespace {

constexpr int SymbolicLinkHops = 40;

bool writeAllAt(int descriptor, std::string_view bytes, off_t offset) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::pwrite(descriptor, bytes.data() + done, bytes.size() - done, offset + static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Reads from the descriptor's start; false for a file larger than LargestFile.
bool readAll(int descriptor, std::string& bytes, off_t expected) {
  bytes.clear();
  bytes.reserve(static_cast<std::size_t>(expected));
  char buffer[65536];
  off_t offset = 0;
  for (;;) {
    ssize_t n = ::pread(descriptor, buffer, sizeof buffer, offset);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    bytes.append(buffer, static_cast<std::size_t>(n));
    offset += n;
    if (bytes.size() > LargestFile) return false;
  }
}

std::string directoryOf(const std::string& path) {
  auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string baseOf(const std::string& path) {
  auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The path a save writes: a symbolic link's target, also one that does not
// exist yet, so the link survives.
std::string symbolicLinkTarget(const std::string& fileName) {
  std::string path = fileName;
  for (int hop = 0; hop < SymbolicLinkHops; ++hop) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
    std::string link(static_cast<std::size_t>(status.st_size > 0 ? status.st_size : 4096) + 1, '\0');
    ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= link.size()) return path;
    link.resize(static_cast<std::size_t>(n));
    path = link.front() == '/' ? link : directoryOf(path) + "/" + link;
  }
  return path;
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

// Removes the temporary files that copies killed during a save left behind.
// A writer holds a lock on its temporary file from its creation, and a stale
// one is also old, so a file another running copy is writing is never taken.
void removeStaleTemporaries(const std::string& target) {
  const std::string directory = directoryOf(target);
  const std::string base = baseOf(target);
  DIR* folder = ::opendir(directory.c_str());
  if (folder == nullptr) return;
  const std::time_t now = std::time(nullptr);
  while (const dirent* entry = ::readdir(folder)) {
    if (!isTemporaryOf(entry->d_name, base)) continue;
    const std::string path = directory + "/" + entry->d_name;
    int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (descriptor < 0) continue;
    struct stat status {};
    if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) && now - status.st_mtime >= StaleSeconds &&
        ::flock(descriptor, LOCK_EX | LOCK_NB) == 0) {
      ::unlink(path.c_str());
    }
    ::close(descriptor);
  }
  ::closedir(folder);
}

// A temporary file beside the target holding bytes, flushed, with the mode
// (and owner where allowed) of the old file or of a new one.
struct Temporary {
  std::string path;
  int descriptor = -1;
};

enum class Written { Done, Failed, NoNewFileAllowed, AlreadyThere };

Written writeTemporary(const std::string& target, const struct stat* old, const std::string& bytes,
                       Temporary& temporary) {
  temporary.path = directoryOf(target) + "/." + baseOf(target) + ".XXXXXX";
  temporary.descriptor = ::mkostemp(temporary.path.data(), O_CLOEXEC);
  if (temporary.descriptor < 0) {
    return (errno == EACCES || errno == EPERM || errno == EROFS) ? Written::NoNewFileAllowed : Written::Failed;
  }
  ::flock(temporary.descriptor, LOCK_EX | LOCK_NB);  // marks it as in use until it is closed
  bool ok = writeAllAt(temporary.descriptor, bytes, 0);
  if (old != nullptr) {
    if (::fchown(temporary.descriptor, old->st_uid, old->st_gid) != 0) {
      // Only the owner's own files can keep another owner; the mode still is kept.
    }
    ok = ok && ::fchmod(temporary.descriptor, old->st_mode & 07777) == 0;
  } else {
    ok = ok && ::fchmod(temporary.descriptor, newFileMode()) == 0;
  }
  ok = ok && ::fsync(temporary.descriptor) == 0;
  return ok ? Written::Done : Written::Failed;
}

void discard(Temporary& temporary) {
  if (temporary.descriptor >= 0) {
    ::unlink(temporary.path.c_str());
    ::close(temporary.descriptor);
  }
  temporary = Temporary{};
}

// Closes the temporary file once it has its final name.
bool finish(Temporary& temporary, const std::string& target) {
  const bool closed = ::close(temporary.descriptor) == 0;
  temporary = Temporary{};
  syncDirectory(directoryOf(target));
  return closed;
}

Written replaceByRename(const std::string& target, const struct stat& old, const std::string& bytes) {
  Temporary temporary;
  Written written = writeTemporary(target, &old, bytes, temporary);
  if (written != Written::Done) {
    discard(temporary);
    return written;
  }
  if (::rename(temporary.path.c_str(), target.c_str()) != 0) {
    // A shared sticky folder lets only the file's owner replace it.
    const bool forbidden = errno == EPERM || errno == EACCES;
    discard(temporary);
    return forbidden ? Written::NoNewFileAllowed : Written::Failed;
  }
  return finish(temporary, target) ? Written::Done : Written::Failed;
}

// Creates the target, unless another copy has created it meanwhile.
Written create(const std::string& target, const std::string& bytes) {
  Temporary temporary;
  Written written = writeTemporary(target, nullptr, bytes, temporary);
  if (written != Written::Done) {
    discard(temporary);
    return written == Written::NoNewFileAllowed ? Written::Failed : written;
  }
  // A hard link never replaces an existing file; where the file system has
  // none, a rename is the last resort.
  if (::link(temporary.path.c_str(), target.c_str()) == 0) {
    discard(temporary);
    syncDirectory(directoryOf(target));
    return Written::Done;
  }
  if (errno == EEXIST) {
    discard(temporary);
    return Written::AlreadyThere;
  }
  if (::rename(temporary.path.c_str(), target.c_str()) != 0) {
    discard(temporary);
    return Written::Failed;
  }
  return finish(temporary, target) ? Written::Done : Written::Failed;
}

// Holds an exclusive lock on the open file of the target for the save. Waits
// for another copy's save, until the save's deadline.
bool lockFile(int descriptor, Deadline giveUp) {
  while (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
    if (errno != EWOULDBLOCK && errno != EINTR) return false;
    if (std::chrono::steady_clock::now() >= giveUp) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

}  // namespace

std::string targetOf(const std::string& fileName) { return symbolicLinkTarget(fileName); }

bool writeAt(Handle file, std::string_view bytes, std::uint64_t offset) {
  return writeAllAt(static_cast<int>(file), bytes, static_cast<off_t>(offset));
}

bool flushFile(Handle file) { return ::fsync(static_cast<int>(file)) == 0; }

bool truncateFile(Handle file, std::uint64_t size) {
  return ::ftruncate(static_cast<int>(file), static_cast<off_t>(size)) == 0;
}

Saved saveOnce(const std::string& target, const Merge& merge, Deadline giveUp) {
  int descriptor = ::open(target.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (descriptor < 0) {
    if (errno != ENOENT) return Saved::Failed;
    const std::string bytes = merge({}, false);
    if (bytes.size() > LargestFile) return Saved::Failed;
    switch (create(target, bytes)) {
      case Written::Done: return Saved::Done;
      case Written::AlreadyThere: return Saved::TryAgain;
      default: return Saved::Failed;
    }
  }
  // Past the deadline the save goes on without the lock: better than dropping it.
  const bool locked = lockFile(descriptor, giveUp);
  struct stat held {}, named {};
  Saved result = Saved::Failed;
  std::string current;
  if (::fstat(descriptor, &held) != 0 || !S_ISREG(held.st_mode)) {
    result = Saved::Failed;
  } else if (::stat(target.c_str(), &named) != 0 || named.st_ino != held.st_ino || named.st_dev != held.st_dev) {
    result = locked ? Saved::TryAgain : Saved::Failed;  // another copy replaced the file meanwhile
  } else if (static_cast<std::size_t>(held.st_size) <= LargestFile && readAll(descriptor, current, held.st_size)) {
    const std::string bytes = merge(current, true);
    if (bytes.size() <= LargestFile) {
      removeStaleTemporaries(target);
      switch (replaceByRename(target, held, bytes)) {
        case Written::Done: result = Saved::Done; break;
        case Written::NoNewFileAllowed:
          result = rewriteInPlace(descriptor, bytes, static_cast<std::uint64_t>(held.st_size)) ? Saved::Done
                                                                                              : Saved::Failed;
          break;
        default: break;
      }
    }
  }
  ::close(descriptor);  // releases the lock
  return result;
}

}  // namespace detail

using namespace detail;

Loaded load(const std::string& fileName) {
  Loaded file;
  // Non-blocking, so that a FIFO of that name cannot stall the open.
  int descriptor = ::open(fileName.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  file.access = Access::ReadWrite;
  if (descriptor < 0 && errno == ENOENT) {
    file.access = Access::Missing;
    return file;
  }
  if (descriptor < 0) {
    descriptor = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    file.access = Access::ReadOnly;
  }
  struct stat status {};
  if (descriptor < 0 || ::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) ||
      static_cast<std::size_t>(status.st_size) > LargestFile || !readAll(descriptor, file.bytes, status.st_size)) {
    if (descriptor >= 0) ::close(descriptor);
    file.bytes.clear();
    file.access = Access::Unreadable;
    return file;
  }
  file.handle = descriptor;
  return file;
}

void release(Loaded& file) {
  if (file.handle != NoHandle) ::close(static_cast<int>(file.handle));
  file = Loaded{};
}

}  // namespace ConfigDisk
