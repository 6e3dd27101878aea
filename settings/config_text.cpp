// Parsing and writing the configuration file's text (see config_text.h).
#include "settings/config_text.h"

#include <limits>

namespace ConfigText {
namespace {

constexpr std::string_view Mark = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LittleMark = "\xFF\xFE";
constexpr std::string_view Utf16BigMark = "\xFE\xFF";
constexpr char32_t Replacement = 0xFFFD;
constexpr std::string_view LineEnd = "\r\n";

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string latin1ToUtf8(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size() + bytes.size() / 8);
  for (char c : bytes) {
    auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      text.push_back(c);
    } else {
      text.push_back(static_cast<char>(0xC0 | (byte >> 6)));
      text.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
    }
  }
  return text;
}

void appendUtf8(std::string& text, char32_t c) {
  if (c < 0x80) {
    text.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    text.push_back(static_cast<char>(0xC0 | (c >> 6)));
    text.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    text.push_back(static_cast<char>(0xE0 | (c >> 12)));
    text.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    text.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    text.push_back(static_cast<char>(0xF0 | (c >> 18)));
    text.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    text.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    text.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// UTF-16 text (without its mark) in either byte order to UTF-8. A surrogate
// without its partner, or a last odd byte, becomes U+FFFD.
std::string utf16ToUtf8(std::string_view bytes, bool bigEndian) {
  std::string text;
  text.reserve(bytes.size());
  auto unit = [&](std::size_t i) -> char32_t {
    const auto first = static_cast<unsigned char>(bytes[i]), second = static_cast<unsigned char>(bytes[i + 1]);
    return bigEndian ? (char32_t{first} << 8) | second : (char32_t{second} << 8) | first;
  };
  std::size_t i = 0;
  for (; i + 1 < bytes.size(); i += 2) {
    const char32_t c = unit(i);
    if (c >= 0xD800 && c < 0xDC00 && i + 3 < bytes.size()) {
      const char32_t low = unit(i + 2);
      if (low >= 0xDC00 && low < 0xE000) {
        appendUtf8(text, 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00));
        i += 2;
        continue;
      }
    }
    appendUtf8(text, c >= 0xD800 && c < 0xE000 ? Replacement : c);
  }
  if (i < bytes.size()) appendUtf8(text, Replacement);
  return text;
}

std::string_view withoutTrailingBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view withoutLeadingBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  return text;
}

void parseLine(std::string_view line, std::vector<Entry>& entries) {
  std::string_view rest = withoutLeadingBlanks(line);
  if (rest.empty()) return;  // blank lines are dropped
  if (rest.front() == ';') {
    rest.remove_prefix(1);
    if (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    entries.push_back({EntryKind::Comment, std::string(rest), {}});
  } else if (rest.front() == '[') {
    rest.remove_prefix(1);
    entries.push_back({EntryKind::Group, std::string(rest.substr(0, rest.find(']'))), {}});
  } else if (auto equals = rest.find('='); equals == std::string_view::npos) {
    entries.push_back({EntryKind::Verbatim, std::string(line), {}});
  } else {
    entries.push_back({EntryKind::Key, std::string(withoutTrailingBlanks(rest.substr(0, equals))),
                       std::string(withoutLeadingBlanks(rest.substr(equals + 1)))});
  }
}

}  // namespace

Parsed parse(std::string_view bytes) {
  Parsed parsed;
  parsed.withMark = !bytes.empty();
  std::string converted;
  std::string_view text;
  if (bytes.starts_with(Mark)) {
    text = bytes.substr(Mark.size());
  } else if (bytes.starts_with(Utf16LittleMark) || bytes.starts_with(Utf16BigMark)) {
    // As Windows' Notepad may save it; written back as UTF-8 with its mark.
    converted = utf16ToUtf8(bytes.substr(2), bytes.starts_with(Utf16BigMark));
    text = converted;
  } else {
    converted = latin1ToUtf8(bytes);
    text = converted;
  }
  while (!text.empty()) {
    std::size_t end = text.find_first_of("\r\n");
    parseLine(text.substr(0, end), parsed.entries);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return parsed;
}

std::string serialise(const std::vector<Entry>& entries, bool withMark) {
  std::string bytes;
  if (withMark) {
    bytes += Mark;
    bytes += LineEnd;
  }
  for (const Entry& entry : entries) {
    switch (entry.kind) {
      case EntryKind::Group: bytes += "[" + entry.name + "]"; break;
      case EntryKind::Key: bytes += entry.name + " = " + entry.value; break;
      case EntryKind::Comment: bytes += "; " + entry.name; break;
      case EntryKind::Verbatim: bytes += entry.name; break;
    }
    bytes += LineEnd;
  }
  return bytes;
}

bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

std::int32_t toInt(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (isBlank(text[i]) || text[i] == '\v' || text[i] == '\f')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  // Accumulated as a magnitude, capped just beyond the 32-bit range.
  constexpr std::int64_t Cap = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t magnitude = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > Cap) magnitude = Cap;
    
  }
  std::int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(value);
}

std::string_view trimmed(std::string_view text) { return withoutTrailingBlanks(withoutLeadingBlanks(text)); }

}  // namespace ConfigText
