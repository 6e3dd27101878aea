// Presenting the back buffer. The frame is drawn at whole-pixel scale without
// smoothing, so at a device-pixel ratio of 2 every pixel becomes a sharp 2 x 2
// block.
#include "media/qt/surface_widget.h"

#include <QPainter>

#include <algorithm>

namespace media::qt {

SurfaceWidget::SurfaceWidget(QWidget* parent, int width, int height)
    : QWidget(parent), frame_(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32) {
  frame_.fill(Qt::black);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SurfaceWidget::present(const std::uint32_t* pixels, int width, int height) {
  if (!pixels || width <= 0 || height <= 0) return;
  ++presented_;
  if (frame_.width() != width || frame_.height() != height) frame_ = QImage(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* from = pixels + static_cast<std::size_t>(y) * width;
    auto* to = reinterpret_cast<std::uint32_t*>(frame_.scanLine(y));
    // The surface is opaque: whatever alpha the buffer holds is not shown.
    for (int x = 0; x < width; ++x) to[x] = from[x] | 0xFF000000u;
  }
  repaint();
}

void SurfaceWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(rect(), frame_);
}

}  // namespace media::qt
