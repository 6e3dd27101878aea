// The two texts the engine formats: a number of seconds as "mm:ss" for the
// tournament clock, and a share as a percentage with two decimals for the lost
// message and the statistics window.
//
// The share is written without the C library's locale: the toolkit sets the
// user's locale at start, and "%.2f" would then write "62,50%" where the game
// shows "62.50%". std::to_chars is locale-independent and, with a precision,
// rounds exactly as "%.2f" does in the C locale. Integers ("%02d") are written
// the same in every locale.
#include <charconv>
#include <cstdio>
#include <string>

#include "common/common.h"

std::string TimeText(int seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d:%02d", seconds / 60, seconds % 60);
  return text;
}

std::string ProgressText(double done, double total) {
  if (total == 0.0) return "0.00%";
  char text[400];  // the longest fixed-point double with its two decimals fits
  const auto result = std::to_chars(text, text + sizeof text, done / total * 100.0, std::chars_format::fixed, 2);
  return std::string(text, result.ptr) + "%";
}
