// The drawing surface on the Qt back end: the presented back buffer is shown
// pixel for pixel, and at a device-pixel ratio of 2 as sharp 2 x 2 blocks.
#include <QPixmap>

#include "qt_test_support.h"

namespace media::qt::test {
namespace {

using SurfaceOnQt = QtBackend;

// A 36 x 36 sprite whose pixels all differ from their neighbours.
QImage checkerboard() {
  QImage picture(36, 36, QImage::Format_RGB32);
  for (int y = 0; y < 36; ++y)
    for (int x = 0; x < 36; ++x)
      picture.setPixelColor(x, y, (x + y) % 2 ? QColor(255, 255, 255) : QColor(x * 7, 0, y * 7));
  return picture;
}

void presentCheckerboard() {
  ASSERT_EQ(openWindow(0, 0, 0, 400, 300, "Field", WindowCaption, nullptr), 1);
  ASSERT_EQ(initialiseSprites(), 1);
  ASSERT_EQ(openScreen(windowHandle(0), 20, 30, 72, 72), 1);
  const QByteArray png = pngOf(checkerboard());
  ASSERT_EQ(loadSprite(1, png.constData(), static_cast<std::size_t>(png.size()), 0), 1);
  ASSERT_EQ(drawSprite(1, 0, 0), 1);
  ASSERT_EQ(present(), 1);
}

QWidget* surfaceOf(QWidget* window) {
  for (QWidget* child : window->findChildren<QWidget*>())
    if (child->geometry() == QRect(20, 30, 72, 72)) return child;
  return nullptr;
}

TEST_F(SurfaceOnQt, ThePresentedBufferIsShownInPlacePixelForPixel) {
  presentCheckerboard();
  const QImage window = painted(windowWidgetOf(0));
  const QImage expected = checkerboard();
  for (int y = 0; y < 36; ++y)
    for (int x = 0; x < 36; ++x) ASSERT_EQ(window.pixelColor(20 + x, 30 + y), expected.pixelColor(x, y)) << x << "," << y;
  const testing::Frame frame = testing::lastPresentedFrame();
  ASSERT_EQ(frame.width, 72);
  EXPECT_EQ(frame.pixels[1] & 0xFFFFFF, 0xFFFFFFu);
  closeScreen();
}

// Runs for real in the second test entry, which starts with QT_SCALE_FACTOR=2.
TEST_F(SurfaceOnQt, AtDoubleScaleEveryPixelIsASharpTwoByTwoBlock) {
  presentCheckerboard();
  QWidget* surface = surfaceOf(windowWidgetOf(0));
  ASSERT_TRUE(surface);
  if (surface->devicePixelRatioF() != 2.0) GTEST_SKIP() << "needs a device-pixel ratio of 2";
  const QImage grabbed = surface->grab().toImage();
  ASSERT_EQ(grabbed.size(), QSize(144, 144));
  const QImage expected = checkerboard();
  for (int y = 0; y < 36; ++y)
    for (int x = 0; x < 36; ++x)
      for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx)
          ASSERT_EQ(grabbed.pixelColor(2 * x + dx, 2 * y + dy), expected.pixelColor(x, y)) << x << "," << y;
  closeScreen();
}

}  // namespace
}  // namespace media::qt::test
