// Fonts made with CreateFontW at the DPI's pixel height, and bitmaps of core
// images: a 32-bit DIB section of premultiplied pixels, made the first time a
// control needs it and kept until the core reports the image changed or freed.
#include <unordered_map>

#include "media/win32/win32_internal.h"

namespace media::win32 {
namespace {

std::unordered_map<const Image*, HBITMAP> bitmaps;

void forget(const Image* image) {
  auto found = bitmaps.find(image);
  if (found == bitmaps.end()) return;
  DeleteObject(found->second);
  bitmaps.erase(found);
}

// "Tahoma" at the logical pixel height, scaled to the DPI.
HFONT makeFont(const std::string& face, int pixelHeight, unsigned flags) {
  return CreateFontW(-toDevice(pixelHeight), 0, 0, 0, flags & FontBold ? FW_BOLD : FW_NORMAL,
                     (flags & FontItalic) ? TRUE : FALSE, (flags & FontUnderline) ? TRUE : FALSE,
                     (flags & FontStrikeOut) ? TRUE : FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, flags & FontHighQuality ? CLEARTYPE_QUALITY : DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_SWISS, wide(face).c_str());
}

// Points to the layer's logical pixels (96 per inch).
int pixelHeightOf(int points) { return (points * 96 + 36) / 72; }

}  // namespace

HBITMAP bitmapOf(const Image* image) {
  if (!image || image->width <= 0 || image->height <= 0) return nullptr;
  auto found = bitmaps.find(image);
  if (found != bitmaps.end()) return found->second;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), image->width, -image->height, 1, 32, BI_RGB};
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return nullptr;
  auto* to = static_cast<std::uint32_t*>(bits);
  for (std::size_t i = 0; i < image->pixels.size(); ++i) {
    const std::uint32_t pixel = image->pixels[i];
    const std::uint32_t alpha = image->hasAlpha ? pixel >> 24 : 0xFF;
    const auto premultiply = [alpha](std::uint32_t channel) { return (channel * alpha + 127) / 255; };
    to[i] = alpha << 24 | premultiply((pixel >> 16) & 0xFF) << 16 | premultiply((pixel >> 8) & 0xFF) << 8 |
            premultiply(pixel & 0xFF);
  }
  return bitmaps.emplace(image, bitmap).first->second;
}

// Scaled pixel for pixel (no smoothing), so a picture stays crisp at 200 %.
void drawImage(HDC dc, const Image* image, int x, int y, int width, int height) {
  const HBITMAP bitmap = bitmapOf(image);
  if (!bitmap) return;
  const HDC source = CreateCompatibleDC(dc);
  const HGDIOBJ old = SelectObject(source, bitmap);
  SetStretchBltMode(dc, COLORONCOLOR);
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  GdiAlphaBlend(dc, x, y, width, height, source, 0, 0, image->width, image->height, blend);
  SelectObject(source, old);
  DeleteDC(source);
}

HBITMAP scaledBitmap(const Image* image, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return nullptr;
  const HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ old = SelectObject(dc, bitmap);
  drawImage(dc, image, 0, 0, width, height);
  SelectObject(dc, old);
  DeleteDC(dc);
  return bitmap;
}

void dropBitmapCache() {
  for (auto& [image, bitmap] : bitmaps) DeleteObject(bitmap);
  bitmaps.clear();
}

HICON iconOf(const Image* image) {
  const HBITMAP colour = bitmapOf(image);
  if (!colour) return nullptr;
  const HBITMAP mask = CreateBitmap(image->width, image->height, 1, 1, nullptr);
  ICONINFO info{TRUE, 0, 0, mask, colour};
  const HICON icon = CreateIconIndirect(&info);
  DeleteObject(mask);
  return icon;
}

HFONT fontOf(int font) {
  const FontRecord* record = core::findFont(font);
  if (record && record->native) return static_cast<HFONT>(record->native);
  static const HFONT standard = makeFont("Tahoma", pixelHeightOf(8), 0);
  return standard;
}

}  // namespace media::win32

namespace media::backend {

using namespace media::win32;

bool createFont(FontRecord& font) {
  font.pixelHeight = pixelHeightOf(font.points);
  if (font.pixelHeight <= 0) return false;
  font.native = makeFont(font.face, font.pixelHeight, font.flags);
  return font.native != nullptr;
}

void destroyFont(FontRecord& font) {
  if (font.native) DeleteObject(static_cast<HFONT>(font.native));
  font.native = nullptr;
}

void imageChanged(const Image& image) { forget(&image); }
void imageFreed(const Image& image) { forget(&image); }

}  // namespace media::backend
