// The drawing surface: a child area of a window that shows the last presented
// back buffer. It is opaque and lets the mouse through to its window, so clicks
// and moves over the play field reach the window as over any other client area.
#pragma once

#include <QImage>
#include <QWidget>

#include <cstdint>

class QPainter;

namespace media::qt {

class SurfaceWidget : public QWidget {
 public:
  SurfaceWidget(QWidget* parent, int width, int height);
  // Shows width x height opaque ARGB32 pixels, which stay at that address
  // until the surface goes: they are shown in place, not copied, and only the
  // changed rectangle is painted anew, and sent to the screen, at once.
  void present(const std::uint32_t* pixels, int width, int height, const QRect& changed);
  // How many frames the surface has been given since it was made.
  int presentedFrames() const { return presented_; }
  // The rectangle the last present painted anew (empty when none).
  QRect lastChange() const { return lastChange_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Paints the area (widget coordinates) into the window's backing store and
  // sends it to the screen at once.
  void paintNow(const QRect& area);
  // Copies the region (window coordinates, the surface at offset) from the
  // frame into a 32-bit image device at one device pixel per pixel; false
  // for any other device, which needs a painter.
  bool copyInto(QPaintDevice& device, const QRegion& region, const QPoint& offset) const;
  void drawFrame(QPainter& painter, const QRect& area) const;

  QImage frame_;
  int presented_ = 0;
  QRect lastChange_;
};

}  // namespace media::qt
