// The two texts the engine formats: a number of seconds as "mm:ss" for the
// tournament clock, and a share as a percentage with two decimals for the lost
// message and the statistics window.
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
  char text[64];
  std::snprintf(text, sizeof text, "%.2f%%", done / total * 100.0);
  return text;
}
