// libpng-based PNG decoding from memory and the chunk and page walkers.
#include "probe.h"

#include <png.h>

#include <csetjmp>
#include <cstring>

namespace probe {
namespace {

struct Reader {
  const std::uint8_t* data;
  std::size_t size, pos;
};

void readBytes(png_structp png, png_bytep out, png_size_t n) {
  auto* r = static_cast<Reader*>(png_get_io_ptr(png));
  if (r->pos + n > r->size) png_error(png, "read past the end");
  std::memcpy(out, r->data + r->pos, n);
  r->pos += n;
}

std::uint32_t be32(const std::uint8_t* p) { return (std::uint32_t(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3]; }

}  // namespace

Png decodePng(const void* data, std::size_t size) {
  Png out;
  Reader reader{static_cast<const std::uint8_t*>(data), size, 0};
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  std::vector<png_bytep> rows;
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return Png{};
  }
  png_set_read_fn(png, &reader, readBytes);
  png_read_info(png, info);
  out.width = png_get_image_width(png, info);
  out.height = png_get_image_height(png, info);
  out.colourType = png_get_color_type(png, info);
  out.bitDepth = png_get_bit_depth(png, info);
  out.hasTrns = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
  if (out.colourType == PNG_COLOR_TYPE_PALETTE) {
    png_colorp pal = nullptr;
    int n = 0;
    png_get_PLTE(png, info, &pal, &n);
    for (int i = 0; i < n; ++i) out.palette.insert(out.palette.end(), {pal[i].red, pal[i].green, pal[i].blue});
  }
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xff, PNG_FILLER_AFTER);
  png_read_update_info(png, info);
  out.rgba.resize(std::size_t(out.width) * out.height * 4);
  for (std::uint32_t y = 0; y < out.height; ++y) rows.push_back(out.rgba.data() + std::size_t(y) * out.width * 4);
  png_read_image(png, rows.data());
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  out.ok = true;
  return out;
}

std::size_t pngLength(const void* data, std::size_t limit) {
  static const std::uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  const auto* p = static_cast<const std::uint8_t*>(data);
  if (limit < 8 || std::memcmp(p, signature, 8) != 0) return 0;
  std::size_t pos = 8;
  while (pos + 12 <= limit) {
    const std::size_t length = be32(p + pos);
    const bool end = std::memcmp(p + pos + 4, "IEND", 4) == 0;
    pos += 12 + length;
    if (pos > limit) return 0;
    if (end) return pos;
  }
  return 0;
}

OggWalk walkOgg(const void* data, std::size_t limit) {
  const auto* p = static_cast<const std::uint8_t*>(data);
  OggWalk walk;
  std::size_t pos = 0;
  std::uint32_t serial = 0;
  walk.oneSerial = true;
  while (pos + 27 <= limit && std::memcmp(p + pos, "OggS", 4) == 0) {
    const std::uint8_t flags = p[pos + 5];
    const std::uint32_t pageSerial = p[pos + 14] | (p[pos + 15] << 8) | (p[pos + 16] << 16) | (std::uint32_t(p[pos + 17]) << 24);
    const bool first = walk.pages == 0;
    if (first != ((flags & 2) != 0)) return OggWalk{};  // only the first page begins the stream
    if (first) serial = pageSerial;
    walk.oneSerial = walk.oneSerial && pageSerial == serial;
    const int segments = p[pos + 26];
    if (pos + 27 + segments > limit) return OggWalk{};
    std::size_t body = 0;
    for (int i = 0; i < segments; ++i) body += p[pos + 27 + i];
    pos += 27 + segments + body;
    if (pos > limit) return OggWalk{};
    ++walk.pages;
    if (flags & 4) {
      walk.length = pos;
      return walk;
    }
  }
  return OggWalk{};
}

bool holdsColour(const Png& png, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  for (std::size_t i = 0; i + 2 < png.palette.size(); i += 3)
    if (png.palette[i] == r && png.palette[i + 1] == g && png.palette[i + 2] == b) return true;
  for (std::size_t i = 0; i + 3 < png.rgba.size(); i += 4)
    if (png.rgba[i] == r && png.rgba[i + 1] == g && png.rgba[i + 2] == b) return true;
  return false;
}

}  // namespace probe
