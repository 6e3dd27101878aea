// The text layer of the configuration store: turning the bytes of a file into
// its ordered entries and the entries back into the bytes the store writes.
// Pure functions, no file access, so the format can be tested on its own.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ConfigText {

enum class EntryKind { Group, Key, Comment, Verbatim };

// One line of the file. A group holds its name, a key its name and value, a
// comment its text; a verbatim line (a hand-typed line without "=") keeps the
// whole line so it is written back unchanged.
struct Entry {
  EntryKind kind = EntryKind::Key;
  std::string name;   // group name, key name, comment text or the verbatim line
  std::string value;  // key value
};

struct Parsed {
  std::vector<Entry> entries;
  bool withMark = true;  // false only for an empty (0-byte) file
};

// Reads a whole file's bytes: the UTF-8 mark, UTF-16 of either byte order with
// its mark, or else Latin-1, the last two converted to UTF-8,
// CR / LF / CR LF line ends, blank lines dropped, comments, groups, keys.
Parsed parse(std::string_view bytes);
// The bytes the store writes: the mark and CR LF (when withMark), then one
// CR LF line per entry.
std::string serialise(const std::vector<Entry>& entries, bool withMark);

// ASCII letters compared without regard to case.
bool sameName(std::string_view a, std::string_view b);
// atoi-like: leading blanks, optional sign, digits; saturates at the 32-bit ends.
std::int32_t toInt(std::string_view text);
// Blanks and tabs removed from both ends.
std::string_view trimmed(std::string_view text);

}  // namespace ConfigText
