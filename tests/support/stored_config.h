// An independent reader of config.ini as it lies on disk, for tests that check
// what the game stored without going through the game's own store (which may
// be open at that moment). It follows the file format's reading rules: an
// optional UTF-8 mark, CR, LF or CR LF line ends, "[group]" lines, "; "
// comments, "key = value" lines, names compared without ASCII case, the first
// occurrence of a group or key counting.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace test_support {

struct StoredKey {
  std::string name;
  std::string value;
};
struct StoredGroup {
  std::string name;
  std::vector<StoredKey> keys;
};

struct StoredConfig {
  bool exists = false;
  std::vector<StoredGroup> groups;

  const StoredGroup* group(std::string_view name) const;
  // The value of the key in the group; nullopt when either is missing.
  std::optional<std::string> value(std::string_view group, std::string_view key) const;
  // The value read as atoi reads it; fallback when the key is missing.
  std::int32_t number(std::string_view group, std::string_view key, std::int32_t fallback) const;
};

StoredConfig ReadStoredConfig(const std::string& path);
StoredConfig ParseStoredConfig(std::string_view text);

// The eight keys of the group "Settings".
inline constexpr const char* SettingsKeys[] = {"Colors", "Size", "Mode", "Time", "Undo", "Sound", "Vol", "Collection"};
// Empty when the file holds all eight settings; otherwise the missing keys.
std::string MissingSettings(const StoredConfig& config);

}  // namespace test_support
