// A fresh directory per test, removed afterwards, with helpers to put bytes
// into files, read them back, and make a file or directory unwritable.
#pragma once

#include <string>

class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }
  // Number of entries in the directory (temporary files left behind show up).
  int entryCount() const;

 private:
  std::string path_;
};

void writeBytes(const std::string& fileName, const std::string& bytes);
std::string readBytes(const std::string& fileName);
bool fileExists(const std::string& fileName);
// Makes a file or directory unwritable even for root (the immutable flag when
// running as root, the permission bits otherwise). Returns false when the
// system allows neither; undone by the ScratchDir's removal.
bool makeUnwritable(const std::string& path);
