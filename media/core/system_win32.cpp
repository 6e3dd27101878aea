// The operating-system calls of the layer on Windows (system.h): the program's
// own path, library loading and the process's identity. Paths are UTF-8 in the
// layer and UTF-16 at every Windows call.
#include <windows.h>

#include <cstring>
#include <vector>

#include "media/core/system.h"

namespace media::system {
namespace {

std::wstring widen(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
  if (length > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
  return wide;
}

std::string narrow(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
  if (length > 0)
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), length, nullptr, nullptr);
  return utf8;
}

bool readAt(HANDLE file, void* buffer, std::size_t size, std::uint64_t offset) {
  OVERLAPPED position{};
  position.Offset = static_cast<DWORD>(offset);
  position.OffsetHigh = static_cast<DWORD>(offset >> 32);
  DWORD got = 0;
  return ReadFile(file, buffer, static_cast<DWORD>(size), &got, &position) && got == size;
}

#if defined(_M_X64) || defined(__x86_64__)
constexpr WORD OwnMachine = IMAGE_FILE_MACHINE_AMD64;
constexpr WORD OwnOptionalMagic = IMAGE_NT_OPTIONAL_HDR64_MAGIC;
using OptionalHeader = IMAGE_OPTIONAL_HEADER64;
#else
constexpr WORD OwnMachine = IMAGE_FILE_MACHINE_I386;
constexpr WORD OwnOptionalMagic = IMAGE_NT_OPTIONAL_HDR32_MAGIC;
using OptionalHeader = IMAGE_OPTIONAL_HEADER32;
#endif

// True when the file is a PE image for this program's machine whose headers
// and every section's raw data lie inside the file. The check mirrors the ELF
// one of the Linux loader: a library cut short, or one built for another
// machine, is refused before the system loader maps it.
bool completePeFile(HANDLE file) {
  BY_HANDLE_FILE_INFORMATION info;
  if (GetFileType(file) != FILE_TYPE_DISK || !GetFileInformationByHandle(file, &info) ||
      (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return false;
  const std::uint64_t size = (std::uint64_t(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  IMAGE_DOS_HEADER dos;
  if (!readAt(file, &dos, sizeof dos, 0) || dos.e_magic != IMAGE_DOS_SIGNATURE || dos.e_lfanew < 0) return false;
  const std::uint64_t nt = static_cast<std::uint64_t>(dos.e_lfanew);
  DWORD signature = 0;
  IMAGE_FILE_HEADER header;
  if (!readAt(file, &signature, sizeof signature, nt) || signature != IMAGE_NT_SIGNATURE ||
      !readAt(file, &header, sizeof header, nt + sizeof signature))
    return false;
  if (header.Machine != OwnMachine || header.SizeOfOptionalHeader < sizeof(OptionalHeader)) return false;
  OptionalHeader optional;
  const std::uint64_t optionalAt = nt + sizeof signature + sizeof header;
  if (!readAt(file, &optional, sizeof optional, optionalAt) || optional.Magic != OwnOptionalMagic ||
      optional.SizeOfHeaders > size)
    return false;
  const std::uint64_t sectionsAt = optionalAt + header.SizeOfOptionalHeader;
  if (sectionsAt + std::uint64_t(header.NumberOfSections) * sizeof(IMAGE_SECTION_HEADER) > size) return false;
  std::vector<IMAGE_SECTION_HEADER> sections(header.NumberOfSections);
  if (!sections.empty() && !readAt(file, sections.data(), sections.size() * sizeof(IMAGE_SECTION_HEADER), sectionsAt))
    return false;
  for (const IMAGE_SECTION_HEADER& section : sections)
    if (section.SizeOfRawData != 0 && std::uint64_t(section.PointerToRawData) + section.SizeOfRawData > size)
      return false;
  return true;
}

bool completePeFile(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool complete = completePeFile(file);
  CloseHandle(file);
  return complete;
}

}  // namespace

std::string programFileName() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return narrow(path);
    }
    if (path.size() >= 32768) return {};
    path.resize(path.size() * 2);
  }
}

// A path is loaded with its own folder searched for what the library needs; a
// bare name goes through the default search (the program's folder first, then
// the system's), never the working directory. The loader shows no message box
// for a file it cannot take.
void* openLibrary(const std::string& path) {
  const std::wstring wide = widen(path);
  const bool bare = path.find_first_of(separators) == std::string::npos;
  if (!bare && !completePeFile(wide)) return nullptr;
  DWORD previousMode = 0;
  SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previousMode);
  HMODULE library = LoadLibraryExW(wide.c_str(), nullptr,
                                   bare ? LOAD_LIBRARY_SEARCH_DEFAULT_DIRS : LOAD_WITH_ALTERED_SEARCH_PATH);
  if (!library && bare && GetLastError() == ERROR_INVALID_PARAMETER)  // a system without the search flags
    library = LoadLibraryExW(wide.c_str(), nullptr, 0);
  SetThreadErrorMode(previousMode, nullptr);
  return library;
}

void closeLibrary(void* library) {
  if (library) FreeLibrary(static_cast<HMODULE>(library));
}

void* librarySymbol(void* library, const char* name) {
  if (!library || !name) return nullptr;
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

std::uint64_t processAndThread() {
  return (std::uint64_t(GetCurrentProcessId()) << 32) ^ GetCurrentThreadId();
}

}  // namespace media::system
