// Readers the asset tests share: a PNG decoded with libpng into its header
// facts and straight RGBA pixels, the length of a PNG walked chunk by chunk,
// and the length of one Ogg stream walked page by page.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace probe {

struct Png {
  bool ok = false;
  std::uint32_t width = 0, height = 0;
  int colourType = -1, bitDepth = 0;
  bool hasTrns = false;
  std::vector<std::uint8_t> rgba;  // width * height * 4 after expansion
  std::vector<std::uint8_t> palette;  // r, g, b per entry for palette images
  std::uint8_t r(int x, int y) const { return rgba[(std::size_t(y) * width + x) * 4]; }
  std::uint8_t g(int x, int y) const { return rgba[(std::size_t(y) * width + x) * 4 + 1]; }
  std::uint8_t b(int x, int y) const { return rgba[(std::size_t(y) * width + x) * 4 + 2]; }
  std::uint8_t a(int x, int y) const { return rgba[(std::size_t(y) * width + x) * 4 + 3]; }
};

// Decodes the PNG at data (at most size bytes); ok is false if libpng refuses it.
Png decodePng(const void* data, std::size_t size);

// Bytes from the PNG signature to the end of the IEND chunk, or 0 if the
// data is not a well-formed chunk sequence within limit bytes.
std::size_t pngLength(const void* data, std::size_t limit);

struct OggWalk {
  std::size_t length = 0;  // bytes up to the end of the end-of-stream page; 0 if malformed
  int pages = 0;
  bool oneSerial = false;  // every page belongs to the first page's stream
};
// Walks Ogg pages from data: the first must begin the stream, and the walk
// stops after the page that ends it.
OggWalk walkOgg(const void* data, std::size_t limit);

// True if any pixel or palette entry has exactly this RGB, whatever its alpha.
bool holdsColour(const Png& png, std::uint8_t r, std::uint8_t g, std::uint8_t b);

}  // namespace probe
