// PNG decoding from memory with libpng's simplified API into straight ARGB32,
// and the length of a PNG given without one (its chunks walked up to IEND).
// Every failure is an answer of false: libpng reports errors in the image
// record instead of ending the process.
#include <png.h>

#include <algorithm>
#include <bit>
#include <cstring>

#include "media/core/core.h"

namespace media {
namespace {

constexpr unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
// Bounds that no picture of this program comes near; they keep a corrupt
// header from asking for gigabytes, and a chunk walk from running away.
constexpr png_uint_32 maxSide = 16384;
constexpr std::size_t maxPixels = std::size_t{1} << 26;
constexpr std::size_t maxWalk = std::size_t{64} << 20;

// libpng's byte order whose little- or big-endian words read as 0xAARRGGBB.
constexpr png_uint_32 argbWordFormat = std::endian::native == std::endian::little ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;

std::uint32_t bigEndian32(const unsigned char* p) {
  return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

}  // namespace

std::size_t core::pngLength(const void* data, std::size_t limit) {
  if (!data || limit < sizeof signature) return 0;
  limit = std::min(limit, maxWalk);
  const auto* bytes = static_cast<const unsigned char*>(data);
  if (std::memcmp(bytes, signature, sizeof signature) != 0) return 0;
  std::size_t at = sizeof signature;
  while (at + 12 <= limit) {
    const std::uint32_t length = bigEndian32(bytes + at);
    if (length > 0x7fffffffu || at + 12 + length > limit) return 0;
    const bool end = std::memcmp(bytes + at + 4, "IEND", 4) == 0;
    at += 12 + length;
    if (end) return at;
  }
  return 0;
}

bool core::decodePng(const void* data, std::size_t size, Image& out) {
  // A picture is whole only up to its IEND chunk; libpng alone would accept
  // one cut after its last image data.
  if (!data || pngLength(data, size) == 0) return false;
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, data, size)) {
    png_image_free(&image);
    return false;
  }
  if (image.width == 0 || image.height == 0 || image.width > maxSide || image.height > maxSide ||
      std::size_t{image.width} * image.height > maxPixels) {
    png_image_free(&image);
    return false;
  }
  const bool hasAlpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
  image.format = argbWordFormat;
  std::vector<std::uint32_t> pixels(std::size_t{image.width} * image.height);
  if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
    png_image_free(&image);
    return false;
  }
  out.width = static_cast<int>(image.width);
  out.height = static_cast<int>(image.height);
  out.hasAlpha = hasAlpha;
  out.pixels = std::move(pixels);
  png_image_free(&image);
  return true;
}

}  // namespace media
