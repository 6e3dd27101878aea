// Presenting the back buffer. The frame is drawn at whole-pixel scale without
// smoothing, so at a device-pixel ratio of 2 every pixel becomes a sharp 2 x 2
// block. The image wraps the core's buffer, so a present copies nothing but
// the changed rectangle into the window's backing store.
#include "media/qt/surface_widget.h"

#include <QPaintEvent>
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

void SurfaceWidget::present(const std::uint32_t* pixels, int width, int height, const QRect& changed) {
  if (!pixels || width <= 0 || height <= 0) return;
  ++presented_;
  const auto* bits = reinterpret_cast<const uchar*>(pixels);
  lastChange_ = changed;
  if (frame_.constBits() != bits || frame_.width() != width || frame_.height() != height) {
    // A const buffer: Qt reads it where it is and never writes to it.
    frame_ = QImage(bits, width, height, qsizetype(width) * 4, QImage::Format_RGB32);
    lastChange_ = frame_.rect();
  }
  if (!lastChange_.isEmpty()) repaint(lastChange_);
}

void SurfaceWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  const QRect area = event->rect();
  painter.drawImage(area, frame_, area);
}

}  // namespace media::qt
