// The portable half of the configuration file's disk layer (see
// config_disk_system.h): the retries of a save, the rewrite in place that
// never tears, and the names of temporary files. The system calls are in
// config_disk_posix.cpp and config_disk_win32.cpp.
#include "settings/config_disk.h"

#include "settings/config_disk_system.h"

namespace ConfigDisk {

namespace detail {

// The space for a longer text is taken first (blank lines after the old text,
// which the reader drops), then the new text, padded with blank lines to the
// old length, goes over the old one in one write, and the file is shortened
// only once that is on disk.
bool rewriteInPlace(Handle file, const std::string& bytes, std::uint64_t oldSize) {
  const std::uint64_t newSize = bytes.size();
  if (newSize > oldSize) {
    const std::string room(static_cast<std::size_t>(newSize - oldSize), '\n');
    if (!writeAt(file, room, oldSize) || !flushFile(file)) {
      if (!truncateFile(file, oldSize)) {
        // The old text is whole either way; only blank lines may stay behind.
      }
      return false;
    }
  }
  std::string padded = bytes;
  if (newSize < oldSize) padded.append(static_cast<std::size_t>(oldSize - newSize), '\n');
  if (!writeAt(file, padded, 0) || !flushFile(file)) return false;
  if (newSize < oldSize && truncateFile(file, newSize)) flushFile(file);
  return true;
}

bool isTemporaryOf(std::string_view entry, std::string_view base) {
  const std::size_t prefix = base.size() + 2;  // "." base "."
  if (entry.size() != prefix + TemporarySuffixLength || entry[0] != '.' || entry.substr(1, base.size()) != base ||
      entry[prefix - 1] != '.')
    return false;
  for (char c : entry.substr(prefix))
    if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
  return true;
}

}  // namespace detail

bool save(const std::string& fileName, const Loaded& file, const Merge& merge) {
  if (file.access != Access::Missing && file.access != Access::ReadWrite) return false;
  const std::string target = detail::targetOf(fileName);
  // Each retry follows another copy's save that replaced or created the file.
  const detail::Deadline giveUp = std::chrono::steady_clock::now() + detail::LockPatience;
  for (;;) {
    switch (detail::saveOnce(target, merge, giveUp)) {
      case detail::Saved::Done: return true;
      case detail::Saved::Failed: return false;
      case detail::Saved::TryAgain:
        if (std::chrono::steady_clock::now() >= giveUp) return false;
        break;
    }
  }
}

}  // namespace ConfigDisk
