// Whole files read and written as bytes, and the permissions a test takes
// away from a file or directory (restored by the ScratchDir that holds it).
#pragma once

#include <string>
#include <string_view>

namespace test_support {

// The file's bytes; empty when it cannot be read.
std::string readFile(const std::string& path);
// Replaces the file's content with exactly these bytes.
void writeFile(const std::string& path, std::string_view bytes);
// Replaces the file by a new one holding bytes, as a save of another copy of
// the game does (the new file written beside it and renamed over it).
void replaceFile(const std::string& path, std::string_view bytes);
// Whether anything (also a dangling symbolic link) has this name.
bool fileExists(const std::string& path);
// Makes a new directory named pattern with its last six characters ("XXXXXX")
// replaced so that no other has the name (owner-only where the system has
// permissions); returns its path. Throws std::system_error when it cannot.
std::string makeUniqueDirectory(std::string pattern);

// Sets or clears the immutable flag of a file or directory (a symbolic link
// is not followed; Windows: the read-only attribute); false when the file
// system or the user does not allow it.
bool setImmutable(const std::string& path, bool on);
// Makes a file or directory unwritable even for root (the immutable flag when
// running as root, the permission bits otherwise). Returns false when the
// system allows neither.
bool makeUnwritable(const std::string& path);
// When the process runs as root, drops the capabilities that let it ignore
// file permissions, so read-only files and directories are read-only for it as
// for a player. Returns false when that is not possible. Nothing to do on
// Windows.
bool honourFilePermissions();

}  // namespace test_support
