// The drawing surface: a child area of a window that shows the last presented
// back buffer. It is opaque and lets the mouse through to its window, so clicks
// and moves over the play field reach the window as over any other client area.
#pragma once

#include <QImage>
#include <QWidget>

#include <cstdint>

namespace media::qt {

class SurfaceWidget : public QWidget {
 public:
  SurfaceWidget(QWidget* parent, int width, int height);
  // Copies width x height ARGB32 pixels and shows them at once.
  void present(const std::uint32_t* pixels, int width, int height);
  // How many frames the surface has been given since it was made.
  int presentedFrames() const { return presented_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage frame_;
  int presented_ = 0;
};

}  // namespace media::qt
