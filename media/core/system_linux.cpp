// The operating-system calls of the layer on Linux (system.h): the program's
// own path, shared-library loading and the process's identity.
#include <dlfcn.h>
#include <elf.h>
#include <fcntl.h>
#include <limits.h>
#include <pthread.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <vector>

#include "media/core/system.h"

namespace media::system {

std::string programFileName() {
  char resolved[PATH_MAX];
  if (!realpath("/proc/self/exe", resolved)) return {};
  return resolved;
}

namespace {

bool readAt(int fd, void* buffer, std::size_t size, off_t offset) {
  return pread(fd, buffer, size, offset) == static_cast<ssize_t>(size);
}

// True when every loadable segment and the section table of the ELF file lie
// inside the file. The system loader maps segments without that check and
// touches them, so a library cut short would crash the program with SIGBUS
// inside dlopen instead of failing to load.
template <typename Header, typename ProgramHeader>
bool segmentsInside(int fd, std::uint64_t fileSize) {
  Header header;
  if (!readAt(fd, &header, sizeof header, 0)) return false;
  if (header.e_phentsize != sizeof(ProgramHeader)) return false;
  const std::uint64_t tableEnd = std::uint64_t(header.e_phoff) + std::uint64_t(header.e_phnum) * sizeof(ProgramHeader);
  if (tableEnd > fileSize) return false;
  if (header.e_shoff != 0 && std::uint64_t(header.e_shoff) + std::uint64_t(header.e_shnum) * header.e_shentsize > fileSize)
    return false;
  std::vector<ProgramHeader> segments(header.e_phnum);
  if (!segments.empty() && !readAt(fd, segments.data(), segments.size() * sizeof(ProgramHeader), off_t(header.e_phoff)))
    return false;
  for (const ProgramHeader& segment : segments)
    if (segment.p_type == PT_LOAD && std::uint64_t(segment.p_offset) + segment.p_filesz > fileSize) return false;
  return true;
}

// Only a regular file is looked at, and it is opened without waiting: a named
// pipe or a device in the library's place would block open() (a pipe until a
// writer comes), so it is refused as the file type shows, never handed on.
bool completeElfFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info;
  unsigned char ident[EI_NIDENT];
  bool complete = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && readAt(fd, ident, sizeof ident, 0) &&
                  std::memcmp(ident, ELFMAG, SELFMAG) == 0;
  if (complete) {
    const auto size = static_cast<std::uint64_t>(info.st_size);
    complete = ident[EI_CLASS] == ELFCLASS64   ? segmentsInside<Elf64_Ehdr, Elf64_Phdr>(fd, size)
               : ident[EI_CLASS] == ELFCLASS32 ? segmentsInside<Elf32_Ehdr, Elf32_Phdr>(fd, size)
                                               : false;
  }
  ::close(fd);
  return complete;
}

}  // namespace

// A path is checked before the loader sees it (a complete ELF file that is a
// regular file); a bare name goes to the system's search, which holds
// installed, complete libraries.
void* openLibrary(const std::string& path) {
  if (path.find_first_of(separators) != std::string::npos && !completeElfFile(path)) return nullptr;
  return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void closeLibrary(void* library) {
  if (library) dlclose(library);
}

void* librarySymbol(void* library, const char* name) { return library && name ? dlsym(library, name) : nullptr; }

std::uint64_t processAndThread() {
  return static_cast<std::uint64_t>(pthread_self()) ^ (static_cast<std::uint64_t>(getpid()) << 32);
}

}  // namespace media::system
