// Windows icon files held in memory: the directory is read and its largest
// entry decoded, either an embedded PNG or a device-independent bitmap of 24
// or 32 bits per pixel with its 1-bit transparency mask.
#include <cstring>

#include "media/core/core.h"

namespace media {
namespace {

std::uint32_t little16(const unsigned char* p) { return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8; }
std::uint32_t little32(const unsigned char* p) { return little16(p) | little16(p + 2) << 16; }

struct Entry {
  std::uint32_t size = 0, offset = 0, area = 0;
};

bool decodeBitmap(const unsigned char* bytes, std::size_t size, Image& out) {
  if (size < 40 || little32(bytes) < 40) return false;
  const auto width = static_cast<std::int32_t>(little32(bytes + 4));
  const auto doubledHeight = static_cast<std::int32_t>(little32(bytes + 8));
  const std::uint32_t bits = little16(bytes + 14);
  const std::uint32_t compression = little32(bytes + 16);
  const std::int32_t height = doubledHeight / 2;
  if (width <= 0 || width > 1024 || height <= 0 || height > 1024 || compression != 0) return false;
  if (bits != 24 && bits != 32) return false;
  const std::size_t colourRow = (std::size_t(width) * bits / 8 + 3) & ~std::size_t{3};
  const std::size_t maskRow = (std::size_t(width + 31) / 32) * 4;
  const std::size_t headerSize = little32(bytes);
  const std::size_t needed = headerSize + colourRow * height + maskRow * height;
  if (headerSize > size || needed > size) return false;
  const unsigned char* colours = bytes + headerSize;
  const unsigned char* mask = colours + colourRow * height;
  Image image;
  image.width = width;
  image.height = height;
  image.hasAlpha = true;
  image.pixels.resize(std::size_t(width) * height);
  bool anyAlpha = false;
  for (int y = 0; y < height; ++y) {
    const unsigned char* row = colours + colourRow * (height - 1 - y);  // rows are stored bottom-up
    const unsigned char* maskBits = mask + maskRow * (height - 1 - y);
    for (int x = 0; x < width; ++x) {
      const unsigned char* p = row + x * (bits / 8);
      const bool masked = (maskBits[x / 8] >> (7 - x % 8)) & 1;
      std::uint32_t alpha = masked ? 0 : 255;
      if (bits == 32) {
        alpha = p[3];
        anyAlpha = anyAlpha || alpha != 0;
      }
      image.pixels[std::size_t(y) * width + x] =
          alpha << 24 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[1]} << 8 | p[0];
    }
  }
  // A 32-bit icon with an all-zero alpha channel relies on its mask.
  if (bits == 32 && !anyAlpha)
    for (int y = 0; y < height; ++y) {
      const unsigned char* maskBits = mask + maskRow * (height - 1 - y);
      for (int x = 0; x < width; ++x)
        if (!((maskBits[x / 8] >> (7 - x % 8)) & 1)) image.pixels[std::size_t(y) * width + x] |= 0xff000000u;
    }
  out = std::move(image);
  return true;
}

}  // namespace

std::size_t core::icoLength(const void* data) {
  if (!data) return 0;
  const auto* bytes = static_cast<const unsigned char*>(data);
  if (little16(bytes) != 0 || little16(bytes + 2) != 1) return 0;
  const std::uint32_t count = little16(bytes + 4);
  if (count == 0) return 0;
  std::size_t end = 6 + 16 * std::size_t{count};
  for (std::uint32_t i = 0; i < count; ++i) {
    const unsigned char* entry = bytes + 6 + 16 * i;
    end = std::max<std::size_t>(end, std::size_t{little32(entry + 12)} + little32(entry + 8));
  }
  return end;
}

bool core::decodeIco(const void* data, std::size_t size, Image& out) {
  if (!data || size < 6) return false;
  const auto* bytes = static_cast<const unsigned char*>(data);
  const std::uint32_t count = little16(bytes + 4);
  if (little16(bytes) != 0 || little16(bytes + 2) != 1 || count == 0 || 6 + 16 * std::size_t{count} > size)
    return false;
  Entry best;
  for (std::uint32_t i = 0; i < count; ++i) {
    const unsigned char* entry = bytes + 6 + 16 * i;
    const std::uint32_t width = entry[0] ? entry[0] : 256, height = entry[1] ? entry[1] : 256;
    Entry candidate{little32(entry + 8), little32(entry + 12), width * height};
    if (candidate.offset > size || candidate.size > size - candidate.offset) continue;
    if (candidate.area > best.area) best = candidate;
  }
  if (best.area == 0) return false;
  const unsigned char* image = bytes + best.offset;
  if (best.size >= 8 && std::memcmp(image, "\x89PNG", 4) == 0) return decodePng(image, best.size, out);
  return decodeBitmap(image, best.size, out);
}

}  // namespace media
