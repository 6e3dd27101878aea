// Whole files for tests; see files.h. The permissions and the other calls of
// the system are in files_posix.cpp and files_win32.cpp.
#include "tests/support/files.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace test_support {

namespace {

// Paths are UTF-8, also where the system's own calls take another form.
std::filesystem::path utf8Path(const std::string& path) {
  return std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(path.data()), path.size()));
}

}  // namespace

std::string readFile(const std::string& path) {
  std::ifstream in(utf8Path(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, std::string_view bytes) {
  std::ofstream out(utf8Path(path), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace test_support
