// The drawing surface on the Qt back end: the presented back buffer is shown
// pixel for pixel, and at a device-pixel ratio of 2 as sharp 2 x 2 blocks;
// a later frame's changed rectangle reaches the window's own pixels (what the
// platform shows), where it leaves a control lying over the surface alone.
#include <QPixmap>
#include <QScreen>

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

// The window's pixels as the platform holds them, one image pixel per logical
// pixel (sampled at each logical pixel's centre). At a ratio of 2 the
// offscreen platform's grab covers only the window's top-left quarter, which
// holds the surface.
QImage shownPixels(QWidget* window) {
  const QImage shot = window->screen()->grabWindow(window->winId()).toImage();
  const qreal ratio = shot.devicePixelRatio();
  QImage logical(int(shot.width() / ratio), int(shot.height() / ratio), QImage::Format_RGB32);
  for (int y = 0; y < logical.height(); ++y)
    for (int x = 0; x < logical.width(); ++x)
      logical.setPixel(x, y, shot.pixel(int((x + 0.5) * ratio), int((y + 0.5) * ratio)));
  return logical;
}

void loadSolidSprite(int number, QColor colour) {
  QImage picture(36, 36, QImage::Format_RGB32);
  picture.fill(colour);
  const QByteArray png = pngOf(picture);
  ASSERT_EQ(loadSprite(number, png.constData(), static_cast<std::size_t>(png.size()), 0), 1);
}

// The window shown and painted once, the checkerboard on its surface.
void showCheckerboard() {
  presentCheckerboard();
  ASSERT_EQ(hideWindow(0, 0), 1);
  drain(EventNone, 50);
}

TEST_F(SurfaceOnQt, ALaterFrameReachesTheShownWindowAtTheSurfacesPlace) {
  showCheckerboard();
  loadSolidSprite(2, QColor(200, 0, 0));
  ASSERT_EQ(drawSprite(1, 0, 0), 1);
  ASSERT_EQ(drawSprite(2, 36, 36), 1);
  ASSERT_EQ(present(), 1);
  const QImage shown = shownPixels(windowWidgetOf(0));
  const QImage expected = checkerboard();
  for (int y = 0; y < 36; ++y)
    for (int x = 0; x < 36; ++x) {
      ASSERT_EQ(shown.pixelColor(20 + x, 30 + y), expected.pixelColor(x, y)) << x << "," << y;
      ASSERT_EQ(shown.pixelColor(20 + 36 + x, 30 + 36 + y), QColor(200, 0, 0)) << x << "," << y;
    }
  closeScreen();
}

TEST_F(SurfaceOnQt, AControlLyingOverTheSurfaceKeepsItsPixelsWhenAFramePresents) {
  showCheckerboard();
  QWidget* window = windowWidgetOf(0);
  auto* cover = new QWidget(window);
  cover->setGeometry(20 + 40, 30 + 40, 20, 20);
  cover->setAutoFillBackground(true);
  QPalette palette = cover->palette();
  palette.setColor(QPalette::Window, QColor(0, 160, 0));
  cover->setPalette(palette);
  cover->show();
  cover->raise();
  drain(EventNone, 50);
  loadSolidSprite(2, QColor(200, 0, 0));
  ASSERT_EQ(drawSprite(2, 36, 36), 1);
  ASSERT_EQ(present(), 1);
  const QImage shown = shownPixels(window);
  EXPECT_EQ(shown.pixelColor(20 + 45, 30 + 45), QColor(0, 160, 0));  // the control
  EXPECT_EQ(shown.pixelColor(20 + 38, 30 + 38), QColor(200, 0, 0));  // the frame beside it
  EXPECT_EQ(shown.pixelColor(20 + 70, 30 + 70), QColor(200, 0, 0));
  delete cover;
  closeScreen();
}

}  // namespace
}  // namespace media::qt::test
