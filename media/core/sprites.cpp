// The drawing surface and the sprite table. A sprite keeps its natural picture
// and precomputes the pixels of its display size for both kinds of draw, so a
// frame is mostly row copies. Sprites keep the picture's alpha only when asked
// and the picture has one; otherwise they are keyed on a transparent colour.
#include <algorithm>

#include "media/core/compositor.h"
#include "media/core/core.h"

namespace media {
namespace {

struct Sprite {
  Image natural;
  bool keepAlpha = false;
  int keyColour = 0;  // 24-bit red + green*256 + blue*65536
  int width = 0, height = 0;  // display size
  // Shared with a surface that holds it back as its background (compositor.h).
  std::shared_ptr<const core::DrawPixels> draw;
};

core::Table<Sprite> spriteTable;
bool spritesReady = false;
int defaultKey = 0;
ScreenRecord screen;
bool screenOpen = false;
std::string screenName;
core::Surface backBuffer;

std::uint32_t keyAsArgb(int colour) {
  const auto c = static_cast<std::uint32_t>(colour);
  return (c & 255) << 16 | (c & 0xff00) | ((c >> 16) & 255);
}

// Recomputes the drawing pixels after the picture, key or display size changed.
void prepare(Sprite& sprite) {
  Image effective = sprite.natural;
  const std::uint32_t key = keyAsArgb(sprite.keyColour);
  for (auto& p : effective.pixels) {
    if (!sprite.keepAlpha) p = (p & 0xffffffu) == key ? (p & 0xffffffu) : (p | 0xff000000u);
  }
  Image solid = sprite.natural;
  for (auto& p : solid.pixels) p |= 0xff000000u;
  if (sprite.width != effective.width || sprite.height != effective.height) {
    effective = core::resized(effective, sprite.width, sprite.height);
    solid = core::resized(solid, sprite.width, sprite.height);
  }
  auto draw = std::make_shared<core::DrawPixels>();
  draw->width = sprite.width;
  draw->height = sprite.height;
  draw->opaque = std::move(solid.pixels);
  draw->blend = std::move(effective.pixels);
  draw->allOpaque = std::all_of(draw->blend.begin(), draw->blend.end(), [](std::uint32_t p) { return p >> 24 == 255; });
  if (draw->allOpaque) draw->blend = {};  // the same pixels as opaque
  sprite.draw = std::move(draw);
}

void store(int number, Image picture, bool keepAlpha) {
  auto sprite = std::make_unique<Sprite>();
  sprite->keepAlpha = keepAlpha;
  sprite->keyColour = defaultKey;
  sprite->width = picture.width;
  sprite->height = picture.height;
  sprite->natural = std::move(picture);
  prepare(*sprite);
  spriteTable.put(number, std::move(sprite));
}

}  // namespace

void core::releaseSprites() {
  freeSprite(-1);
  closeScreen();
  spritesReady = false;
  defaultKey = 0;
}

int initialiseSprites() {
  spritesReady = true;
  return 1;
}

int openScreen(NativeHandle parentWindow, int x, int y, int width, int height) {
  WindowRecord* parent = core::findWindow(core::windowNumberFromHandle(parentWindow));
  if (!spritesReady || !parent || width <= 0 || height <= 0) return 0;
  closeScreen();
  screen = ScreenRecord{};
  screen.window = parent->number;
  screen.rect = {x, y, width, height};
  screen.name = screenName;
  if (!backend::createScreen(screen, *parent)) return 0;
  backBuffer = core::Surface{};
  backBuffer.width = width;
  backBuffer.height = height;
  backBuffer.pixels.assign(std::size_t(width) * height, 0xff000000u);
  backBuffer.changed = {0, 0, width, height};  // the first present shows all of it
  screenOpen = true;
  return 1;
}

void setScreenName(std::string_view name) { screenName = name; }

int screenExists() { return screenOpen ? 1 : 0; }

int closeScreen() {
  if (!screenOpen) return 0;
  backend::destroyScreen(screen);
  screenOpen = false;
  backBuffer = core::Surface{};
  return 1;
}

void core::closeScreenOf(int window) {
  if (screenOpen && screen.window == window) closeScreen();
}

int present() {
  if (!screenOpen) return 0;
  core::settle(backBuffer);
  const core::Box changed = core::takeChanged(backBuffer);
  screen.changed = changed.empty() ? Rect{}
                                   : Rect{changed.left, changed.top, changed.right - changed.left,
                                          changed.bottom - changed.top};
  backend::presentFrame(screen, backBuffer.pixels.data(), backBuffer.width, backBuffer.height);
  return 1;
}

int captureSprite(int number, int x, int y, int width, int height) {
  const int picked = spriteTable.pick(number);
  if (picked >= 0) freeSprite(picked);
  if (!screenOpen || picked < 0 || width <= 0 || height <= 0 || x < 0 || y < 0 || x + width > backBuffer.width ||
      y + height > backBuffer.height)
    return core::createResult(number, picked, false);
  core::settle(backBuffer);
  Image picture;
  picture.width = width;
  picture.height = height;
  picture.hasAlpha = false;
  picture.pixels.resize(std::size_t(width) * height);
  for (int row = 0; row < height; ++row)
    std::copy_n(&backBuffer.pixels[std::size_t(y + row) * backBuffer.width + x], width,
                &picture.pixels[std::size_t(row) * width]);
  // The copy is opaque everywhere, so it keeps its (full) alpha rather than
  // losing pixels of the transparent colour.
  store(picked, std::move(picture), true);
  return core::createResult(number, picked, true);
}

int loadSprite(int number, const void* png, std::size_t size, unsigned flags) {
  const int picked = spriteTable.pick(number);
  if (picked >= 0) freeSprite(picked);
  if (size == UnknownSize && png) size = core::pngLength(png);
  Image picture;
  if (picked < 0 || !spritesReady || !core::decodePng(png, size, picture))
    return core::createResult(number, picked, false);
  const bool keepAlpha = (flags & SpriteAlpha) && picture.hasAlpha;
  store(picked, std::move(picture), keepAlpha);
  return core::createResult(number, picked, true);
}

int drawSprite(int number, int x, int y) {
  Sprite* sprite = spriteTable.find(number);
  if (!sprite || !screenOpen) return 0;
  core::drawOpaque(backBuffer, sprite->draw, x, y);
  return 1;
}

int drawSpriteBlended(int number, int x, int y, int intensity) {
  Sprite* sprite = spriteTable.find(number);
  if (!sprite || !screenOpen) return 0;
  core::drawBlended(backBuffer, *sprite->draw, x, y, intensity);
  return 1;
}

int setTransparentColour(int number, int colour) {
  if (number == -1) {
    defaultKey = colour & 0xffffff;
    return 1;
  }
  Sprite* sprite = spriteTable.find(number);
  if (!sprite) return 0;
  sprite->keepAlpha = false;
  sprite->keyColour = colour & 0xffffff;
  prepare(*sprite);
  return 1;
}

int setSpriteSize(int number, int width, int height) {
  Sprite* sprite = spriteTable.find(number);
  if (!sprite || width == 0 || height == 0 || width < -1 || height < -1) return 0;
  sprite->width = width == -1 ? sprite->natural.width : width;
  sprite->height = height == -1 ? sprite->natural.height : height;
  prepare(*sprite);
  return 1;
}

int spriteWidth(int number) {
  Sprite* sprite = spriteTable.find(number);
  return sprite ? sprite->width : 0;
}

int spriteHeight(int number) {
  Sprite* sprite = spriteTable.find(number);
  return sprite ? sprite->height : 0;
}

int spriteExists(int number) { return spriteTable.find(number) ? 1 : 0; }

int freeSprite(int number) {
  if (number == -1) {
    const bool any = !spriteTable.empty();
    while (!spriteTable.empty()) spriteTable.take(spriteTable.firstNumber());
    return any ? 1 : 0;
  }
  return spriteTable.take(number) ? 1 : 0;
}

}  // namespace media
