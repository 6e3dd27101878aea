// The file layer of the configuration store: loading a file whole through a
// descriptor held open until close, and saving so that a failure never
// destroys the old file.
#pragma once

#include <string>

namespace ConfigDisk {

enum class Access {
  Missing,     // no such file: a save creates it
  ReadWrite,   // held open for reading and writing: a save replaces it
  ReadOnly,    // only readable, or held for writing by another store (an
               // exclusive advisory lock): a save writes nothing
  Unreadable,  // exists but cannot be read as a file (directory, no access,
               // too large): treated as empty and never written
};

struct Loaded {
  Access access = Access::Missing;
  int descriptor = -1;  // held open until release; -1 when Missing or Unreadable
  std::string bytes;
};

Loaded load(const std::string& fileName);
// Writes bytes as the new content of fileName. With a ReadWrite descriptor the
// content goes to a temporary file in the same directory that is flushed and
// renamed over the old one (keeping its permissions); only when the directory
// admits no new file is the old file rewritten in place. Missing: the file is
// created the same way. Returns true when the new content is on disk.
bool save(const std::string& fileName, const Loaded& file, const std::string& bytes);
void release(Loaded& file);

}  // namespace ConfigDisk
