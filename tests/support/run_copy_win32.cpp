// Running a copy of the test program with Windows calls; see run_copy.h. The
// copy's name gets ".exe" when it has none, as Windows starts programs by it.
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "tests/support/run_copy.h"

namespace test_support {

namespace fs = std::filesystem;

namespace {

// A UTF-8 path or text as the UTF-16 of the Windows calls.
fs::path utf8Path(const std::string& text) {
  return fs::path(std::u8string(reinterpret_cast<const char8_t*>(text.data()), text.size()));
}
std::wstring wide(const std::string& text) { return utf8Path(text).wstring(); }

fs::path thisProgram() {
  std::wstring path(32768, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return path;
}

// One argument as the C runtime splits a command line: quoted, with the
// backslashes before a quote doubled.
std::wstring quoted(const std::wstring& argument) {
  std::wstring out = L"\"";
  std::size_t backslashes = 0;
  for (wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    out += c;
  }
  out.append(backslashes * 2, L'\\');
  return out + L"\"";
}

std::wstring nameOf(const std::wstring& entry) { return entry.substr(0, entry.find(L'=', 1)); }

bool sameName(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

// This process's environment with the entries added (or replaced), as the
// block CreateProcessW takes: sorted, each entry ended by a null, one more at the end.
std::wstring environmentBlock(const std::vector<std::string>& added) {
  std::vector<std::wstring> entries;
  for (const std::string& entry : added) entries.push_back(wide(entry));
  if (wchar_t* own = GetEnvironmentStringsW()) {
    for (const wchar_t* at = own; *at; at += wcslen(at) + 1) {
      const std::wstring entry = at;
      if (std::none_of(entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(added.size()),
                       [&](const std::wstring& a) { return sameName(nameOf(a), nameOf(entry)); }))
        entries.push_back(entry);
    }
    FreeEnvironmentStringsW(own);
  }
  std::sort(entries.begin(), entries.end(), [](const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_LESS_THAN;
  });
  std::wstring block;
  for (const std::wstring& entry : entries) block += entry + L'\0';
  return block + L'\0';
}

}  // namespace

CopyRun runCopyOfThisProgram(const std::string& directory, const std::string& name,
                             const std::vector<std::string>& arguments, const std::vector<std::string>& environment) {
  std::string file = name;
  if (fs::path(file).extension() != ".exe") file += ".exe";
  const fs::path copy = utf8Path(directory) / utf8Path(file);
  fs::copy_file(thisProgram(), copy);
  std::wstring commandLine = quoted(copy.wstring());
  for (const std::string& argument : arguments) commandLine += L" " + quoted(wide(argument));
  std::wstring block = environmentBlock(environment);

  SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherited, 0))
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), "CreatePipe");
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessW(copy.wstring().c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                                      CREATE_UNICODE_ENVIRONMENT, block.data(), wide(directory).c_str(), &startup,
                                      &process);
  const DWORD startError = GetLastError();
  CloseHandle(writeEnd);
  if (!started) {
    CloseHandle(readEnd);
    throw std::system_error(static_cast<int>(startError), std::system_category(), "CreateProcess");
  }
  CopyRun run;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) run.output.append(buffer, got);
  CloseHandle(readEnd);
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  // Exception codes (0xC0000005 and the like) mean the copy did not end by itself.
  run.exitCode = code >= 0xC0000000u ? -1 : static_cast<int>(code);
  return run;
}

}  // namespace test_support
