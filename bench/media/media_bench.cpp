// Media benchmarks: a hard-level play-field frame (the portrait, 216 tiles of
// 24 x 24, the blended hover frame, present) measured in the same run as a
// plain copy of one 288 x 432 ARGB32 buffer, and decoding one 288 x 432 RGB
// PNG. The frame's hover moves to another cell every frame, as the pointer
// crossing the field makes it; a second frame changes every tile. Built twice:
// media_bench on the headless back end (present keeps a copy of what
// changed) and media_bench_qt on the Qt back end, whose present paints the
// window (run it under Xvfb or with QT_QPA_PLATFORM=offscreen). Targets in
// bench/README.md.
#include <benchmark/benchmark.h>
#include <png.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "media/media.h"

namespace {

constexpr int FieldWidth = 288, FieldHeight = 432, Tile = 24;

// A portrait-like picture: smooth shading with fine texture, so it compresses
// as a photograph-like picture does rather than as a flat one.
std::vector<std::uint32_t> portraitPixels(int width, int height) {
  std::vector<std::uint32_t> pixels(std::size_t(width) * height);
  std::uint32_t noise = 12345;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      noise = noise * 1103515245u + 12345u;
      const int grain = static_cast<int>((noise >> 16) & 3) - 2;
      auto channel = [&](double base) { return static_cast<std::uint32_t>(std::clamp(base + grain, 0.0, 255.0)); };
      const double r = 128 + 100 * std::sin(x * 0.03) * std::cos(y * 0.02);
      const double g = 110 + 80 * std::sin((x + y) * 0.015);
      const double b = 90 + 60 * std::cos(x * 0.05 - y * 0.01);
      pixels[std::size_t(y) * width + x] = 0xff000000u | channel(r) << 16 | channel(g) << 8 | channel(b);
    }
  return pixels;
}

std::vector<unsigned char> encode(int width, int height, const std::vector<std::uint32_t>& argb, bool alpha) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = width;
  image.height = height;
  image.format = alpha ? PNG_FORMAT_BGRA : PNG_FORMAT_BGR;
  std::vector<unsigned char> bytes;
  for (std::uint32_t p : argb) {
    bytes.insert(bytes.end(), {static_cast<unsigned char>(p), static_cast<unsigned char>(p >> 8),
                               static_cast<unsigned char>(p >> 16)});
    if (alpha) bytes.push_back(static_cast<unsigned char>(p >> 24));
  }
  png_alloc_size_t size = 0;
  png_image_write_get_memory_size(image, size, 0, bytes.data(), 0, nullptr);
  std::vector<unsigned char> out(size);
  png_image_write_to_memory(&image, out.data(), &size, 0, bytes.data(), 0, nullptr);
  out.resize(size);
  return out;
}

// The layer with a shown window, the surface and the sprites of a hard-level
// game.
void setUpField() {
  media::initialise();
  media::registerPngDecoder();
  media::openWindow(0, 0, 0, 620, 544, "Bench", media::WindowCaption, nullptr);
  media::initialiseSprites();
  media::openScreen(media::windowHandle(0), 305, 52, FieldWidth, FieldHeight);
  const auto portrait = encode(FieldWidth, FieldHeight, portraitPixels(FieldWidth, FieldHeight), false);
  media::loadSprite(1, portrait.data(), portrait.size(), 0);
  for (int colour = 0; colour < 5; ++colour) {
    const auto tile = encode(Tile, Tile, std::vector<std::uint32_t>(Tile * Tile, 0xff102030u * (colour + 1)), false);
    media::loadSprite(3 + colour, tile.data(), tile.size(), 0);
  }
  std::vector<std::uint32_t> frame(Tile * Tile, 0);
  for (int i = 0; i < Tile; ++i)
    for (int edge : {0, 1, Tile - 2, Tile - 1}) frame[edge * Tile + i] = frame[i * Tile + edge] = 0xc0ffff00u;
  const auto hover = encode(Tile, Tile, frame, true);
  media::loadSprite(13, hover.data(), hover.size(), media::SpriteAlpha);
  for (int i = 0; i < 20; ++i) media::waitEvent(10);  // the window shown and painted once
}

// One frame as the game draws it: the portrait, a tile on each cell but the
// empty ones (a fifth of the field is cleared), the hover frame on one cell.
// deal picks the tiles' colours.
void drawField(int deal, int hoverColumn, int hoverRow) {
  media::drawSprite(1, 0, 0);
  for (int column = 0; column < FieldWidth / Tile; ++column)
    for (int row = 0; row < FieldHeight / Tile; ++row)
      if ((column + row * 2) % 5 != 0) media::drawSprite(3 + (column * 7 + row * 3 + deal) % 5, column * Tile, row * Tile);
  media::drawSpriteBlended(13, hoverColumn * Tile, hoverRow * Tile);
}

void HardLevelFrame(benchmark::State& state) {
  setUpField();
  int frame = 0;
  for (auto _ : state) {
    drawField(0, 5 + frame % 2, 9);
    media::present();
    ++frame;
  }
  media::releaseAll();
}
BENCHMARK(HardLevelFrame);

void HardLevelFrameAllTilesChange(benchmark::State& state) {
  setUpField();
  int frame = 0;
  for (auto _ : state) {
    drawField(frame % 2, 5, 9);
    media::present();
    ++frame;
  }
  media::releaseAll();
}
BENCHMARK(HardLevelFrameAllTilesChange);

// The compositor's share of the frame.
void HardLevelDrawsWithoutPresent(benchmark::State& state) {
  setUpField();
  int frame = 0;
  for (auto _ : state) {
    drawField(0, 5 + frame % 2, 9);
    ++frame;
  }
  media::releaseAll();
}
BENCHMARK(HardLevelDrawsWithoutPresent);

void PlainBufferCopy(benchmark::State& state) {
  std::vector<std::uint32_t> from(std::size_t(FieldWidth) * FieldHeight, 0xff336699u), to(from.size());
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), from.size() * sizeof(std::uint32_t));
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(PlainBufferCopy);

void DecodeFieldPng(benchmark::State& state) {
  media::initialise();
  const auto png = encode(FieldWidth, FieldHeight, portraitPixels(FieldWidth, FieldHeight), false);
  state.counters["png_bytes"] = static_cast<double>(png.size());
  for (auto _ : state) benchmark::DoNotOptimize(media::loadImage(1, png.data(), png.size()));
  media::releaseAll();
}
BENCHMARK(DecodeFieldPng)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
