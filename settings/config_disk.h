// The file layer of the configuration store: loading a file whole, and saving
// so that neither a failure, a kill nor a second copy of the game saving at the
// same moment destroys the file or the other copy's results. The rules are the
// same on every system; config_disk_system.h splits the layer into its portable
// half and one file of system calls per system.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace ConfigDisk {

// A configuration file is a few hundred bytes. Nothing larger is read or
// written, so a save can never leave a file that the next start refuses.
constexpr std::size_t LargestFile = 1024 * 1024;

enum class Access {
  Missing,     // no such file: a save creates it
  ReadWrite,   // readable and writable: a save replaces it
  ReadOnly,    // only readable: a save writes nothing
  Unreadable,  // exists but cannot be read as a file (directory, no access,
               // too large): treated as empty and never written
};

// An open file of the system: a POSIX descriptor, or a Windows handle.
using Handle = std::intptr_t;
constexpr Handle NoHandle = -1;

struct Loaded {
  Access access = Access::Missing;
  // POSIX: the descriptor, held open until release. Windows: none, since a
  // file held open cannot be replaced there. NoHandle when Missing or Unreadable.
  Handle handle = NoHandle;
  std::string bytes;
};

// The new content of the file, made from its content on disk at the moment of
// the save (exists false: there is no file, current is empty).
using Merge = std::function<std::string(std::string_view current, bool exists)>;

Loaded load(const std::string& fileName);
// Saves what merge makes of the file's current content. Under an exclusive
// lock held only for the save (POSIX: flock on the file; Windows: a mutex
// named after the file's full path, since a file held open, even locked,
// cannot be replaced there), the file is read afresh and the
// result goes to a temporary file in the same directory that is flushed and
// renamed over the old one (keeping its permissions; a symbolic link stays and
// its target is written). Only where the directory admits no new file, or
// forbids replacing this one, the file is rewritten in place, so that a kill
// or a full disk at any moment leaves either the old or the new text. Missing:
// the file is created without ever replacing one another copy created first.
// Returns true when the new content is on disk.
bool save(const std::string& fileName, const Loaded& file, const Merge& merge);
void release(Loaded& file);

}  // namespace ConfigDisk
