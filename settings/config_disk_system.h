// The two halves of the configuration file's disk layer (config_disk.h): the
// portable half (config_disk.cpp) holds the rules every system keeps, the
// retries of a save, the never-tearing rewrite in place and the name of a
// temporary file; each system's half (config_disk_posix.cpp,
// config_disk_win32.cpp) makes the calls: opening, locking, reading, writing,
// flushing and replacing files. Internal to the settings library.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "settings/config_disk.h"

namespace ConfigDisk::detail {

// How long a save waits for other copies' saves to finish before it goes on
// without the lock (a copy stopped in the middle of a save must not hang this one).
constexpr auto LockPatience = std::chrono::seconds(5);
using Deadline = std::chrono::steady_clock::time_point;
// A temporary file of the store's pattern this old, and not held by its
// writer, was left by a copy killed during a save.
constexpr std::int64_t StaleSeconds = 60;
// A temporary file is ".<name>." followed by this many letters and digits.
constexpr std::size_t TemporarySuffixLength = 6;

enum class Saved { Done, Failed, TryAgain };

// --- the system's half ---

// The path a save writes (a symbolic link's target where the system has them).
std::string targetOf(const std::string& fileName);
// One attempt at a save: the file as it is now, under the lock, read, merged
// and written. TryAgain when another copy replaced or created the file meanwhile.
Saved saveOnce(const std::string& target, const Merge& merge, Deadline giveUp);
// Primitive calls on an open file, for the rewrite in place.
bool writeAt(Handle file, std::string_view bytes, std::uint64_t offset);
bool flushFile(Handle file);
bool truncateFile(Handle file, std::uint64_t size);

// --- the portable half ---

// Rewrites the open file so that at every moment it reads as either the old or
// the new text (see config_disk.cpp).
bool rewriteInPlace(Handle file, const std::string& bytes, std::uint64_t oldSize);
// Whether a directory entry is a temporary file of a save of base.
bool isTemporaryOf(std::string_view entry, std::string_view base);

}  // namespace ConfigDisk::detail
