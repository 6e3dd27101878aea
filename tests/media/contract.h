// The contract suite's fixture and its makers of test data: every test starts
// on a freshly initialised layer with one window open, and builds the PNG and
// Ogg Vorbis data it needs with the real encoders.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "media/media.h"
#include "media/records.h"

class Contract : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  static constexpr int MainWindow = 1;
};

// Waits (up to about a second of real or virtual time) for an event of that
// kind, skipping others; returns whether it came.
bool awaitEvent(int kind);
// Takes every event queued now; the number of them.
int drainEvents();

using Pixels = std::vector<std::uint32_t>;  // straight ARGB32, row-major

// A PNG of a palette picture: indices into palette (0xAARRGGBB entries; any
// alpha below 255 writes a tRNS chunk), at 8 or 4 bits per index.
std::vector<unsigned char> palettePng(int width, int height, const std::vector<std::uint8_t>& indices,
                                      const Pixels& palette, int bitDepth);
std::vector<unsigned char> rgbPng(int width, int height, const Pixels& pixels);   // alpha dropped
std::vector<unsigned char> rgbaPng(int width, int height, const Pixels& pixels);
// A Windows icon holding one 24-bit bitmap with a mask (set where alpha is 0).
std::vector<unsigned char> icon24(int width, int height, const Pixels& pixels);

// An Ogg Vorbis stream of a sine of that amplitude (0..1) and frequency.
std::vector<unsigned char> sineOgg(int channels, int rate, double seconds, double amplitude, double hertz);
