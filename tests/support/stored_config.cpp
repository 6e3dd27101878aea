// The test-side reader of config.ini; see stored_config.h.
#include "tests/support/stored_config.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace test_support {

namespace {

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

void AddLine(StoredConfig& config, std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() == ';') return;
  if (line.front() == '[') {
    const std::size_t end = line.find(']');
    config.groups.push_back({std::string(line.substr(1, end == std::string_view::npos ? line.npos : end - 1)), {}});
    return;
  }
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return;
  // Keys before the first group belong to a nameless section.
  if (config.groups.empty()) config.groups.push_back({"", {}});
  config.groups.back().keys.push_back({std::string(Trim(line.substr(0, equals))), std::string(Trim(line.substr(equals + 1)))});
}

}  // namespace

const StoredGroup* StoredConfig::group(std::string_view name) const {
  for (const StoredGroup& g : groups)
    if (SameName(g.name, name)) return &g;
  return nullptr;
}

std::optional<std::string> StoredConfig::value(std::string_view groupName, std::string_view key) const {
  const StoredGroup* g = group(groupName);
  if (g == nullptr) return std::nullopt;
  for (const StoredKey& k : g->keys)
    if (SameName(k.name, key)) return k.value;
  return std::nullopt;
}

std::int32_t StoredConfig::number(std::string_view groupName, std::string_view key, std::int32_t fallback) const {
  const std::optional<std::string> text = value(groupName, key);
  return text ? static_cast<std::int32_t>(std::atoi(text->c_str())) : fallback;
}

StoredConfig ParseStoredConfig(std::string_view text) {
  StoredConfig config;
  config.exists = true;
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == '\r' || text[i] == '\n') {
      AddLine(config, text.substr(start, i - start));
      start = i + 1;
    }
  }
  return config;
}

StoredConfig ReadStoredConfig(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return ParseStoredConfig(text);
}

std::string MissingSettings(const StoredConfig& config) {
  std::string missing;
  for (const char* key : SettingsKeys)
    if (!config.value("Settings", key)) missing += std::string(missing.empty() ? "" : ", ") + key;
  return missing;
}

}  // namespace test_support
