// The configuration file's disk layer with Windows calls: its system half (see
// config_disk_system.h). Paths are UTF-8 in the game and UTF-16 at every call.
//
// Windows cannot replace a file that any handle holds open, a locked one
// included, so nothing holds the file between saves (load reads it and closes
// it), every handle shares reading, writing and deleting, and the save's lock
// is not a lock on the file: it is a mutex named after the file's full path,
// which every copy of the game on this desktop opens. A copy killed during a
// save gives it up with its process. A save writes a temporary file beside the
// target, flushes it and moves it over the target (MOVEFILE_REPLACE_EXISTING |
// MOVEFILE_WRITE_THROUGH); where the folder admits no new file or the target
// cannot be replaced (another program holds it open), it rewrites the file in
// place as the portable half does. A file with the read-only attribute is read
// only, whoever runs the game.
#include <windows.h>

#include <chrono>

#include "settings/config_disk.h"
#include "settings/config_disk_system.h"

namespace ConfigDisk {
namespace detail {
namespace {

constexpr DWORD ShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

std::wstring widen(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
  if (length > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
  return wide;
}

std::string narrow(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
  if (length > 0)
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), length, nullptr, nullptr);
  return utf8;
}

HANDLE toHandle(Handle file) { return reinterpret_cast<HANDLE>(file); }
Handle fromHandle(HANDLE file) { return reinterpret_cast<Handle>(file); }

// Everything up to and including the last separator ("" for a bare name), and the rest.
std::string folderPart(const std::string& path) {
  const auto separator = path.find_last_of("\\/");
  return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

std::string namePart(const std::string& path) {
  const auto separator = path.find_last_of("\\/");
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

bool isMissing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

HANDLE openExisting(const std::string& path, DWORD access) {
  return CreateFileW(widen(path).c_str(), access, ShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// The size of a regular file on disk; false for a directory, device or pipe.
bool regularFileSize(HANDLE file, std::uint64_t& size, DWORD* attributes = nullptr) {
  BY_HANDLE_FILE_INFORMATION info;
  if (GetFileType(file) != FILE_TYPE_DISK || !GetFileInformationByHandle(file, &info) ||
      (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return false;
  size = (std::uint64_t(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  if (attributes) *attributes = info.dwFileAttributes;
  return true;
}

OVERLAPPED at(std::uint64_t offset) {
  OVERLAPPED position{};
  position.Offset = static_cast<DWORD>(offset);
  position.OffsetHigh = static_cast<DWORD>(offset >> 32);
  return position;
}

// Reads from the file's start; false for a file larger than LargestFile.
bool readAll(HANDLE file, std::string& bytes, std::uint64_t expected) {
  bytes.clear();
  bytes.reserve(static_cast<std::size_t>(expected));
  char buffer[65536];
  std::uint64_t offset = 0;
  for (;;) {
    OVERLAPPED position = at(offset);
    DWORD got = 0;
    if (!ReadFile(file, buffer, sizeof buffer, &got, &position)) return GetLastError() == ERROR_HANDLE_EOF;
    if (got == 0) return true;
    bytes.append(buffer, got);
    offset += got;
    if (bytes.size() > LargestFile) return false;
  }
}

// --- the save's lock ---

// The mutex of a file: its full path in lower case, hashed (FNV-1a), in the
// desktop session's namespace.
std::wstring lockName(const std::string& target) {
  const std::wstring path = widen(target);
  std::wstring full(MAX_PATH, L'\0');
  DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  if (length >= full.size()) {
    full.resize(length);
    length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  }
  full.resize(length < full.size() ? length : 0);
  if (full.empty()) full = path;
  std::wstring lower(full.size(), L'\0');
  if (LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_LOWERCASE, full.data(), static_cast<int>(full.size()), lower.data(),
                    static_cast<int>(lower.size()), nullptr, nullptr, 0) == 0)
    lower = full;
  std::uint64_t hash = 14695981039346656037ull;
  for (wchar_t c : lower) {
    hash ^= static_cast<std::uint16_t>(c);
    hash *= 1099511628211ull;
  }
  std::wstring name = L"Local\\FreeMirel.config.";
  for (int shift = 60; shift >= 0; shift -= 4) name += L"0123456789abcdef"[(hash >> shift) & 15];
  return name;
}

struct SaveLock {
  HANDLE mutex = nullptr;
  bool held = false;
};

// Waits for another copy's save until the save's deadline; past it the save
// goes on without the lock, which is better than dropping it.
SaveLock lockSave(const std::string& target, Deadline giveUp) {
  SaveLock lock;
  lock.mutex = CreateMutexW(nullptr, FALSE, lockName(target).c_str());
  if (!lock.mutex) return lock;
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(giveUp - std::chrono::steady_clock::now());
  const DWORD wait = WaitForSingleObject(lock.mutex, static_cast<DWORD>(left.count() > 0 ? left.count() : 0));
  lock.held = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;  // abandoned: its holder died mid-save
  return lock;
}

void unlockSave(SaveLock& lock) {
  if (lock.held) ReleaseMutex(lock.mutex);
  if (lock.mutex) CloseHandle(lock.mutex);
  lock = SaveLock{};
}

// --- temporary files ---

std::string randomSuffix() {
  static std::uint64_t state = 0;
  if (state == 0) {
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    state = (std::uint64_t(GetCurrentProcessId()) << 32) ^ std::uint64_t(counter.QuadPart) ^ GetTickCount64();
  }
  static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::string suffix(TemporarySuffixLength, 'a');
  for (char& c : suffix) {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    c = letters[(state >> 33) % (sizeof letters - 1)];
  }
  return suffix;
}

// Removes the temporary files that copies killed during a save left behind. A
// writer holds its temporary file open without sharing its deletion, so a file
// another running copy is writing cannot be removed; a stale one is also old.
void removeStaleTemporaries(const std::string& target) {
  const std::string folder = folderPart(target);
  const std::string base = namePart(target);
  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileW(widen(folder + "." + base + ".*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return;
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  const auto ticks = [](const FILETIME& t) { return (std::uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  constexpr std::uint64_t TicksPerSecond = 10000000;  // FILETIME counts 100 ns
  do {
    const std::string name = narrow(entry.cFileName);
    if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || !isTemporaryOf(name, base)) continue;
    if (ticks(now) >= ticks(entry.ftLastWriteTime) + StaleSeconds * TicksPerSecond)
      DeleteFileW(widen(folder + name).c_str());
  } while (FindNextFileW(search, &entry));
  FindClose(search);
}

enum class Written { Done, Failed, NoNewFileAllowed, AlreadyThere };

bool writeAll(HANDLE file, std::string_view bytes, std::uint64_t offset) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    OVERLAPPED position = at(offset + done);
    const DWORD chunk = static_cast<DWORD>(bytes.size() - done > 1u << 30 ? 1u << 30 : bytes.size() - done);
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, chunk, &written, &position) || written == 0) return false;
    done += written;
  }
  return true;
}

// A temporary file beside the target holding bytes, flushed and closed (a
// file to be moved must not be open), with the old file's attributes.
Written writeTemporary(const std::string& target, DWORD attributes, const std::string& bytes, std::wstring& path) {
  const std::string stem = folderPart(target) + "." + namePart(target) + ".";
  for (int attempt = 0; attempt < 100; ++attempt) {
    path = widen(stem + randomSuffix());
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
      const DWORD error = GetLastError();
      if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) continue;
      return error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT ? Written::NoNewFileAllowed
                                                                           : Written::Failed;
    }
    const bool ok = writeAll(file, bytes, 0) && FlushFileBuffers(file);
    CloseHandle(file);
    constexpr DWORD Kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                           FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    if (ok && (attributes & Kept)) SetFileAttributesW(path.c_str(), attributes & Kept);
    if (ok) return Written::Done;
    DeleteFileW(path.c_str());
    return Written::Failed;
  }
  return Written::Failed;
}

Written replaceByMove(const std::string& target, DWORD attributes, const std::string& bytes) {
  std::wstring temporary;
  const Written written = writeTemporary(target, attributes, bytes, temporary);
  if (written != Written::Done) return written;
  if (MoveFileExW(temporary.c_str(), widen(target).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return Written::Done;
  // Another program holding the file open, or a file that may not be replaced.
  const DWORD error = GetLastError();
  DeleteFileW(temporary.c_str());
  return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION
             ? Written::NoNewFileAllowed
             : Written::Failed;
}

// Creates the target, unless another program created it meanwhile: a move
// without MOVEFILE_REPLACE_EXISTING never replaces a file.
Written create(const std::string& target, const std::string& bytes) {
  std::wstring temporary;
  const Written written = writeTemporary(target, 0, bytes, temporary);
  if (written != Written::Done) return written == Written::NoNewFileAllowed ? Written::Failed : written;
  if (MoveFileExW(temporary.c_str(), widen(target).c_str(), MOVEFILE_WRITE_THROUGH)) return Written::Done;
  const DWORD error = GetLastError();
  DeleteFileW(temporary.c_str());
  return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? Written::AlreadyThere : Written::Failed;
}

// Rewrites the file in place when it is still the size it was read at.
bool rewriteTarget(const std::string& target, const std::string& bytes, std::uint64_t oldSize) {
  HANDLE file = openExisting(target, GENERIC_READ | GENERIC_WRITE);
  if (file == INVALID_HANDLE_VALUE) return false;
  std::uint64_t size = 0;
  const bool ok = regularFileSize(file, size) && size == oldSize && rewriteInPlace(fromHandle(file), bytes, oldSize);
  CloseHandle(file);
  return ok;
}

}  // namespace

std::string targetOf(const std::string& fileName) { return fileName; }

bool writeAt(Handle file, std::string_view bytes, std::uint64_t offset) {
  return writeAll(toHandle(file), bytes, offset);
}

bool flushFile(Handle file) { return FlushFileBuffers(toHandle(file)) != 0; }

bool truncateFile(Handle file, std::uint64_t size) {
  FILE_END_OF_FILE_INFO end{};
  end.EndOfFile.QuadPart = static_cast<LONGLONG>(size);
  return SetFileInformationByHandle(toHandle(file), FileEndOfFileInfo, &end, sizeof end) != 0;
}

Saved saveOnce(const std::string& target, const Merge& merge, Deadline giveUp) {
  SaveLock lock = lockSave(target, giveUp);
  Saved result = Saved::Failed;
  HANDLE file = openExisting(target, GENERIC_READ | GENERIC_WRITE);
  if (file == INVALID_HANDLE_VALUE) {
    if (isMissing(GetLastError())) {
      const std::string bytes = merge({}, false);
      if (bytes.size() <= LargestFile) {
        switch (create(target, bytes)) {
          case Written::Done: result = Saved::Done; break;
          case Written::AlreadyThere: result = Saved::TryAgain; break;
          default: break;
        }
      }
    }
    unlockSave(lock);
    return result;
  }
  std::uint64_t size = 0;
  DWORD attributes = 0;
  std::string current;
  const bool read = regularFileSize(file, size, &attributes) && !(attributes & FILE_ATTRIBUTE_READONLY) &&
                    size <= LargestFile && readAll(file, current, size);
  CloseHandle(file);  // a file held open cannot be replaced
  if (read) {
    const std::string bytes = merge(current, true);
    if (bytes.size() <= LargestFile) {
      removeStaleTemporaries(target);
      switch (replaceByMove(target, attributes, bytes)) {
        case Written::Done: result = Saved::Done; break;
        case Written::NoNewFileAllowed:
          result = rewriteTarget(target, bytes, current.size()) ? Saved::Done : Saved::Failed;
          break;
        default: break;
      }
    }
  }
  unlockSave(lock);
  return result;
}

}  // namespace detail

using namespace detail;

Loaded load(const std::string& fileName) {
  Loaded file;
  file.access = Access::ReadWrite;
  HANDLE handle = openExisting(fileName, GENERIC_READ | GENERIC_WRITE);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    if (isMissing(error)) {
      file.access = Access::Missing;
      return file;
    }
    // Read-only by its attribute or its permissions; another program's
    // exclusive hold fails again here and leaves the file unreadable.
    handle = openExisting(fileName, GENERIC_READ);
    file.access = Access::ReadOnly;
  }
  std::uint64_t size = 0;
  DWORD attributes = 0;
  if (handle == INVALID_HANDLE_VALUE || !regularFileSize(handle, size, &attributes) || size > LargestFile ||
      !readAll(handle, file.bytes, size)) {
    file.bytes.clear();
    file.access = Access::Unreadable;
  } else if (attributes & FILE_ATTRIBUTE_READONLY) {
    file.access = Access::ReadOnly;  // an administrator could open it for writing
  }
  if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  return file;
}

void release(Loaded& file) { file = Loaded{}; }

}  // namespace ConfigDisk
