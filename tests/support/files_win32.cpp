// Files and permissions for tests with Windows calls; see files.h. A file or
// folder is made unwritable with the read-only attribute.
#include <windows.h>

#include <filesystem>
#include <random>
#include <system_error>

#include "tests/support/files.h"

namespace test_support {

namespace {

// A UTF-8 path as the UTF-16 of the Windows calls.
std::wstring wide(const std::string& path) {
  return std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(path.data()), path.size())).wstring();
}

}  // namespace

void replaceFile(const std::string& path, std::string_view bytes) {
  const std::string temporary = path + ".other";
  writeFile(temporary, bytes);
  if (!MoveFileExW(wide(temporary).c_str(), wide(path).c_str(), MOVEFILE_REPLACE_EXISTING))
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), "MoveFileEx");
}

std::string makeUniqueDirectory(std::string pattern) {
  static std::mt19937_64 generator{std::random_device{}() ^ GetTickCount64() ^ GetCurrentProcessId()};
  static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  const std::size_t at = pattern.size() - 6;
  for (int attempt = 0; attempt < 1000; ++attempt) {
    for (std::size_t i = at; i < pattern.size(); ++i) pattern[i] = letters[generator() % (sizeof letters - 1)];
    if (CreateDirectoryW(wide(pattern).c_str(), nullptr)) return pattern;
    if (GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), "CreateDirectory " + pattern);
}

bool fileExists(const std::string& path) { return GetFileAttributesW(wide(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

bool setImmutable(const std::string& path, bool on) {
  const DWORD attributes = GetFileAttributesW(wide(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  const DWORD wanted = on ? (attributes | FILE_ATTRIBUTE_READONLY) : (attributes & ~DWORD(FILE_ATTRIBUTE_READONLY));
  return wanted == attributes || SetFileAttributesW(wide(path).c_str(), wanted);
}

// A read-only folder still admits new files on Windows, so only files can be
// made unwritable.
bool makeUnwritable(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(wide(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
  return setImmutable(path, true);
}

bool honourFilePermissions() { return true; }

}  // namespace test_support
