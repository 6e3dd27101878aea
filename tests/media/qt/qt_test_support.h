// Shared pieces of the Qt back end's own tests: a fixture that starts and
// releases the layer, PNG pictures made for a test, the widget behind a handle,
// and a window's pixels as painted.
#pragma once

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QWidget>

#include "media/media.h"
#include "media/testing.h"

namespace media::qt::test {

class QtBackend : public ::testing::Test {
 protected:
  void SetUp() override { media::initialise(); }
  void TearDown() override { media::releaseAll(); }
};

// The PNG file of a picture, for loading through the layer's decoder.
inline QByteArray pngOf(const QImage& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  picture.save(&buffer, "PNG");
  return bytes;
}

// An image of the layer filled with one colour.
inline int solidImage(QColor colour, int width, int height) {
  QImage picture(width, height, QImage::Format_RGB32);
  picture.fill(colour);
  const QByteArray png = pngOf(picture);
  return media::loadImage(AnyNumber, png.constData(), static_cast<std::size_t>(png.size()));
}

inline QWidget* widgetOf(NativeHandle handle) { return reinterpret_cast<QWidget*>(handle); }
inline QWidget* windowWidgetOf(int window) { return widgetOf(media::windowHandle(window)); }
inline QWidget* controlWidgetOf(int control) { return widgetOf(media::controlHandle(control)); }

// A widget's pixels as it paints them, one image pixel per logical pixel.
inline QImage painted(QWidget* widget) {
  QImage image(widget->size(), QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  widget->render(&image);
  return image;
}

// Takes every queued event; returns how many of that kind there were.
inline int drain(int kind, int timeoutMs = 0) {
  int seen = 0;
  for (int got; (got = media::waitEvent(timeoutMs)) != EventNone;)
    if (got == kind) ++seen;
  return seen;
}

// The next queued event that is not a mouse move.
inline int nextEventButMoves() {
  int got = media::waitEvent(0);
  while (got == EventMouseMove) got = media::waitEvent(0);
  return got;
}

}  // namespace media::qt::test
