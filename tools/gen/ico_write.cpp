// The icon file: ICONDIR, one ICONDIRENTRY, then a BITMAPINFOHEADER whose
// height counts both the colour rows and the mask rows, the bottom-up BGR
// rows and the 1-bit mask rows (each padded to four bytes).
#include "ico_write.h"

#include "png_write.h"

namespace gen {
namespace {

// Little-endian fields, byte by byte.
void putBytes(std::vector<unsigned char>& o, unsigned v, int n) {
  for (int i = 0; i < n; ++i) o.push_back(std::uint8_t(v >> (8 * i)));
}
void put16(std::vector<unsigned char>& o, unsigned v) { putBytes(o, v, 2); }
void put32(std::vector<unsigned char>& o, unsigned v) { putBytes(o, v, 4); }

}  // namespace

std::vector<unsigned char> encodeIco(const Raster& source, Rgba background) {
  Raster flat = flatten(source, background);
  avoidForbidden(flat);
  const int w = flat.width, h = flat.height;
  const unsigned colourStride = (w * 3 + 3) / 4 * 4, maskStride = ((w + 31) / 32) * 4;
  const unsigned imageBytes = 40 + colourStride * h + maskStride * h;
  std::vector<unsigned char> o;
  put16(o, 0);  // reserved
  put16(o, 1);  // type: icon
  put16(o, 1);  // one image
  o.push_back(std::uint8_t(w));
  o.push_back(std::uint8_t(h));
  o.push_back(0);  // no palette
  o.push_back(0);
  put16(o, 1);   // planes
  put16(o, 24);  // bits per pixel
  put32(o, imageBytes);
  put32(o, 6 + 16);
  put32(o, 40);
  put32(o, w);
  put32(o, h * 2);
  put16(o, 1);
  put16(o, 24);
  put32(o, 0);  // no compression
  put32(o, colourStride * h + maskStride * h);
  put32(o, 0);
  put32(o, 0);
  put32(o, 0);
  put32(o, 0);
  for (int y = h - 1; y >= 0; --y) {
    for (int x = 0; x < w; ++x) {
      const Rgba& p = flat.at(x, y);
      o.push_back(p.b);
      o.push_back(p.g);
      o.push_back(p.r);
    }
    o.resize(o.size() + colourStride - w * 3, 0);
  }
  for (int y = h - 1; y >= 0; --y) {
    std::vector<unsigned char> row(maskStride, 0);
    for (int x = 0; x < w; ++x)
      if (source.at(x, y).a < 128) row[x / 8] |= std::uint8_t(0x80 >> (x % 8));
    o.insert(o.end(), row.begin(), row.end());
  }
  return o;
}

std::vector<unsigned char> encodePngIco(const std::vector<Raster>& sizes) {
  std::vector<std::vector<unsigned char>> images;
  for (const Raster& r : sizes) images.push_back(encodePng(r, PngFormat::Rgba));
  std::vector<unsigned char> o;
  put16(o, 0);  // reserved
  put16(o, 1);  // type: icon
  put16(o, unsigned(sizes.size()));
  unsigned offset = 6 + 16 * unsigned(sizes.size());
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    o.push_back(std::uint8_t(sizes[i].width));  // 256 is written as 0
    o.push_back(std::uint8_t(sizes[i].height));
    o.push_back(0);  // no palette
    o.push_back(0);
    put16(o, 1);   // planes
    put16(o, 32);  // bits per pixel
    put32(o, unsigned(images[i].size()));
    put32(o, offset);
    offset += unsigned(images[i].size());
  }
  for (const auto& image : images) o.insert(o.end(), image.begin(), image.end());
  return o;
}

}  // namespace gen
