// The contract fixture and the test-data makers (libpng's writer, a hand-made
// icon, libvorbisenc).
#include <png.h>
#include <vorbis/vorbisenc.h>

#include <cmath>
#include <numbers>
#include <cstring>

#include "contract.h"

void Contract::SetUp() {
  media::initialise();
  media::registerPngDecoder();
  ASSERT_EQ(media::openWindow(MainWindow, 10, 10, 320, 240, "Contract", media::WindowCaption, nullptr), 1);
}

void Contract::TearDown() { media::releaseAll(); }

bool awaitEvent(int kind) {
  for (int i = 0; i < 100; ++i) {
    const int got = media::waitEvent(10);
    if (got == kind) return true;
  }
  return false;
}

int drainEvents() {
  int count = 0;
  while (media::waitEvent(0) != media::EventNone) ++count;
  return count;
}

namespace {

void appendBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

// Writes rows of already packed bytes with libpng's full writer.
std::vector<unsigned char> writePng(int width, int height, int colourType, int bitDepth,
                                    const std::vector<std::vector<unsigned char>>& rows, const Pixels* palette) {
  std::vector<unsigned char> out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    ADD_FAILURE() << "libpng could not write the test picture";
    return {};
  }
  png_set_write_fn(png, &out, appendBytes, nullptr);
  png_set_IHDR(png, info, width, height, bitDepth, colourType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  if (palette) {
    std::vector<png_color> colours;
    std::vector<png_byte> alphas;
    bool translucent = false;
    for (std::uint32_t entry : *palette) {
      colours.push_back({png_byte(entry >> 16), png_byte(entry >> 8), png_byte(entry)});
      alphas.push_back(png_byte(entry >> 24));
      translucent = translucent || (entry >> 24) != 255;
    }
    png_set_PLTE(png, info, colours.data(), static_cast<int>(colours.size()));
    if (translucent) png_set_tRNS(png, info, alphas.data(), static_cast<int>(alphas.size()), nullptr);
  }
  png_write_info(png, info);
  for (const auto& row : rows) png_write_row(png, row.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

std::vector<unsigned char> truecolourPng(int width, int height, const Pixels& pixels, bool alpha) {
  std::vector<std::vector<unsigned char>> rows(height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = pixels[std::size_t(y) * width + x];
      rows[y].insert(rows[y].end(), {static_cast<unsigned char>(p >> 16), static_cast<unsigned char>(p >> 8),
                                     static_cast<unsigned char>(p)});
      if (alpha) rows[y].push_back(static_cast<unsigned char>(p >> 24));
    }
  return writePng(width, height, alpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, 8, rows, nullptr);
}

void put16(std::vector<unsigned char>& out, unsigned value) {
  out.push_back(value & 255);
  out.push_back((value >> 8) & 255);
}
void put32(std::vector<unsigned char>& out, unsigned value) {
  put16(out, value & 0xffff);
  put16(out, value >> 16);
}

}  // namespace

std::vector<unsigned char> palettePng(int width, int height, const std::vector<std::uint8_t>& indices,
                                      const Pixels& palette, int bitDepth) {
  std::vector<std::vector<unsigned char>> rows(height);
  for (int y = 0; y < height; ++y) {
    rows[y].assign((std::size_t(width) * bitDepth + 7) / 8, 0);
    for (int x = 0; x < width; ++x) {
      const std::uint8_t index = indices[std::size_t(y) * width + x];
      if (bitDepth == 8)
        rows[y][x] = index;
      else
        rows[y][x / 2] |= x % 2 ? index : index << 4;
    }
  }
  return writePng(width, height, PNG_COLOR_TYPE_PALETTE, bitDepth, rows, &palette);
}

std::vector<unsigned char> rgbPng(int width, int height, const Pixels& pixels) {
  return truecolourPng(width, height, pixels, false);
}

std::vector<unsigned char> rgbaPng(int width, int height, const Pixels& pixels) {
  return truecolourPng(width, height, pixels, true);
}

std::vector<unsigned char> icon24(int width, int height, const Pixels& pixels) {
  const unsigned colourRow = (width * 3 + 3) & ~3u, maskRow = ((width + 31) / 32) * 4;
  const unsigned bitmapSize = 40 + (colourRow + maskRow) * height;
  std::vector<unsigned char> out;
  put16(out, 0), put16(out, 1), put16(out, 1);  // reserved, icon, one image
  out.push_back(static_cast<unsigned char>(width)), out.push_back(static_cast<unsigned char>(height));
  out.push_back(0), out.push_back(0), put16(out, 1), put16(out, 24), put32(out, bitmapSize), put32(out, 22);
  put32(out, 40), put32(out, width), put32(out, height * 2), put16(out, 1), put16(out, 24);
  for (int i = 0; i < 6; ++i) put32(out, 0);
  for (int y = height - 1; y >= 0; --y) {  // bottom-up
    std::vector<unsigned char> row(colourRow, 0);
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = pixels[std::size_t(y) * width + x];
      row[x * 3] = p & 255, row[x * 3 + 1] = (p >> 8) & 255, row[x * 3 + 2] = (p >> 16) & 255;
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  for (int y = height - 1; y >= 0; --y) {
    std::vector<unsigned char> row(maskRow, 0);
    for (int x = 0; x < width; ++x)
      if ((pixels[std::size_t(y) * width + x] >> 24) == 0) row[x / 8] |= 0x80 >> (x % 8);
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

std::vector<unsigned char> sineOgg(int channels, int rate, double seconds, double amplitude, double hertz) {
  std::vector<unsigned char> out;
  vorbis_info info;
  vorbis_info_init(&info);
  if (vorbis_encode_init_vbr(&info, channels, rate, 0.6f) != 0) {
    ADD_FAILURE() << "libvorbisenc refused the format";
    vorbis_info_clear(&info);
    return out;
  }
  vorbis_comment comment;
  vorbis_comment_init(&comment);
  vorbis_dsp_state dsp;
  vorbis_block block;
  vorbis_analysis_init(&dsp, &info);
  vorbis_block_init(&dsp, &block);
  ogg_stream_state stream;
  ogg_stream_init(&stream, 1);
  ogg_page page;
  ogg_packet packet;
  auto writePage = [&] { out.insert(out.end(), page.header, page.header + page.header_len),
                         out.insert(out.end(), page.body, page.body + page.body_len); };
  ogg_packet header, commentHeader, codeHeader;
  vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
  ogg_stream_packetin(&stream, &header);
  ogg_stream_packetin(&stream, &commentHeader);
  ogg_stream_packetin(&stream, &codeHeader);
  while (ogg_stream_flush(&stream, &page)) writePage();
  const long frames = std::lround(seconds * rate);
  long done = 0;
  bool finished = false;
  while (!finished) {
    const long chunk = std::min(1024L, frames - done);
    if (chunk > 0) {
      float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(chunk));
      for (long i = 0; i < chunk; ++i)
        for (int c = 0; c < channels; ++c)
          buffer[c][i] = static_cast<float>(amplitude * std::sin(2 * std::numbers::pi * hertz * double(done + i) / rate));
      vorbis_analysis_wrote(&dsp, static_cast<int>(chunk));
      done += chunk;
    } else {
      vorbis_analysis_wrote(&dsp, 0);
    }
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
      vorbis_analysis(&block, nullptr);
      vorbis_bitrate_addblock(&block);
      while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
        ogg_stream_packetin(&stream, &packet);
        while (ogg_stream_pageout(&stream, &page)) {
          writePage();
          if (ogg_page_eos(&page)) finished = true;
        }
      }
    }
    if (chunk <= 0 && !finished) {
      while (ogg_stream_flush(&stream, &page)) writePage();
      finished = true;
    }
  }
  ogg_stream_clear(&stream);
  vorbis_block_clear(&block);
  vorbis_dsp_clear(&dsp);
  vorbis_comment_clear(&comment);
  vorbis_info_clear(&info);
  return out;
}
