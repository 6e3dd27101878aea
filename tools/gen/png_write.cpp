// PNG encoding through libpng, which gives full control of the colour type,
// the bit depth and the transparency chunk. Each file also carries a
// physical-size chunk and a short text chunk.
#include "png_write.h"

#include "quantise.h"

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace gen {
namespace {

void appendBytes(png_structp png, png_bytep data, png_size_t n) {
  auto* out = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + n);
}
void noFlush(png_structp) {}

bool isPalette(PngFormat f) { return f == PngFormat::Palette || f == PngFormat::PaletteTrns || f == PngFormat::Palette4; }
bool keepsAlpha(PngFormat f) { return f == PngFormat::Rgba || f == PngFormat::PaletteTrns; }

Raster prepared(const Raster& r, PngFormat f) {
  Raster out = keepsAlpha(f) ? r : flatten(r, Rgba{0, 0, 0, 255});
  for (Rgba& p : out.pixels)
    if (p.a == 0) p = Rgba{0, 0, 0, 0};  // one clean transparent colour
  avoidForbidden(out);
  return out;
}

Indexed indexed(const Raster& r, PngFormat f) {
  Indexed ix = quantise(r, f == PngFormat::Palette4 ? 16 : 256);
  for (Rgba& c : ix.palette)
    if (isForbidden(c)) c.b += 1;
  return ix;
}

}  // namespace

Raster asStored(const Raster& r, PngFormat f) {
  Raster out = prepared(r, f);
  if (!isPalette(f)) return out;
  const Indexed ix = indexed(out, f);
  for (std::size_t i = 0; i < out.pixels.size(); ++i) out.pixels[i] = ix.palette[ix.indices[i]];
  return out;
}

std::vector<unsigned char> encodePng(const Raster& source, PngFormat f) {
  const Raster r = prepared(source, f);
  std::vector<unsigned char> bytes;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) throw std::runtime_error("libpng failed");
  png_set_write_fn(png, &bytes, appendBytes, noFlush);
  png_set_compression_level(png, 9);

  std::vector<std::vector<unsigned char>> rows(r.height);
  if (isPalette(f)) {
    const Indexed ix = indexed(r, f);
    const int depth = f == PngFormat::Palette4 ? 4 : 8;
    png_set_IHDR(png, info, r.width, r.height, depth, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> pal;
    std::vector<png_byte> alpha;
    for (const Rgba& c : ix.palette) {
      pal.push_back(png_color{c.r, c.g, c.b});
      alpha.push_back(c.a);
    }
    png_set_PLTE(png, info, pal.data(), int(pal.size()));
    if (f == PngFormat::PaletteTrns) {
      // The chunk must exist; it holds at least one entry even for an opaque palette.
      std::size_t n = alpha.size();
      while (n > 1 && alpha[n - 1] == 255) --n;
      png_set_tRNS(png, info, alpha.data(), int(n), nullptr);
    }
    for (int y = 0; y < r.height; ++y) {
      rows[y].assign((r.width * depth + 7) / 8, 0);
      for (int x = 0; x < r.width; ++x) {
        const int v = ix.indices[std::size_t(y) * r.width + x];
        if (depth == 8)
          rows[y][x] = std::uint8_t(v);
        else
          rows[y][x / 2] |= std::uint8_t(x % 2 ? v : v << 4);
      }
    }
  } else {
    const int channels = f == PngFormat::Rgba ? 4 : 3;
    png_set_IHDR(png, info, r.width, r.height, 8, channels == 4 ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    for (int y = 0; y < r.height; ++y)
      for (int x = 0; x < r.width; ++x) {
        const Rgba& p = r.at(x, y);
        rows[y].insert(rows[y].end(), {p.r, p.g, p.b});
        if (channels == 4) rows[y].push_back(p.a);
      }
  }
  png_set_pHYs(png, info, 2835, 2835, PNG_RESOLUTION_METER);  // 72 dpi
  png_text text{};
  text.compression = PNG_TEXT_COMPRESSION_NONE;
  text.key = const_cast<char*>("Software");
  text.text = const_cast<char*>("Free Mirel artwork generator");
  png_set_text(png, info, &text, 1);

  std::vector<png_bytep> ptrs;
  for (auto& row : rows) ptrs.push_back(row.data());
  png_set_rows(png, info, ptrs.data());
  png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
  png_destroy_write_struct(&png, &info);
  return bytes;
}

void writeFile(const std::string& path, const std::vector<unsigned char>& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
    std::perror(path.c_str());
    std::exit(1);
  }
  std::fclose(f);
}

}  // namespace gen
