// Presenting the back buffer. The frame is drawn at whole-pixel scale without
// smoothing, so at a device-pixel ratio of 2 every pixel becomes a sharp 2 x 2
// block. The image wraps the core's buffer, so a present copies nothing but
// the changed rectangle into the window's backing store.
//
// A present paints that rectangle into the window's backing store itself and
// sends that part to the screen: a repaint of the widget would cost a pass of
// the toolkit's repaint machinery (dirty regions of the whole window, the
// paint event) per frame, and a hover move presents one frame. Where the
// backing store is not ready (not yet sized, the window not exposed) the
// widget is repainted as usual; any repaint of the toolkit's own paints from
// the same buffer, so both ways show the same pixels. At one device pixel per
// pixel the rows are copied into the backing store's image as they are; a
// painter (scaling, converting) only where that does not hold.
#include "media/qt/surface_widget.h"

#include <QBackingStore>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

#include <algorithm>
#include <cstring>

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
  if (!lastChange_.isEmpty()) paintNow(lastChange_);
}

void SurfaceWidget::paintNow(const QRect& area) {
  if (!isVisible() || !updatesEnabled()) return;
  QWidget* top = window();
  QBackingStore* store = top->backingStore();
  const QWindow* native = top->windowHandle();
  if (!store || !native || !native->isExposed() || store->size() != top->size()) {
    repaint(area);
    return;
  }
  // What siblings above it or the parent's edges leave of the area, in the
  // window's coordinates.
  const QRegion visible = visibleRegion() & area;
  if (visible.isEmpty()) return;
  const QPoint offset = mapTo(top, QPoint(0, 0));
  const QRegion region = visible.translated(offset);
  store->beginPaint(region);
  if (!copyInto(*store->paintDevice(), region, offset)) {
    QPainter painter(store->paintDevice());
    painter.setClipRegion(region);
    painter.translate(offset);
    drawFrame(painter, area);
  }
  store->endPaint();
  store->flush(region, top->windowHandle());
}

bool SurfaceWidget::copyInto(QPaintDevice& device, const QRegion& region, const QPoint& offset) const {
  if (device.devType() != QInternal::Image) return false;
  auto& image = static_cast<QImage&>(device);
  const QImage::Format format = image.format();
  if (image.devicePixelRatio() != 1.0 || (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied))
    return false;
  // Opaque pixels read the same in both formats.
  uchar* bits = image.bits();
  const qsizetype stride = image.bytesPerLine();
  for (const QRect& rect : region) {
    const QRect inside = rect & image.rect();
    const std::size_t bytes = std::size_t(inside.width()) * 4;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
      std::memcpy(bits + y * stride + inside.left() * 4,
                  frame_.constScanLine(y - offset.y()) + (inside.left() - offset.x()) * 4, bytes);
  }
  return true;
}

void SurfaceWidget::drawFrame(QPainter& painter, const QRect& area) const {
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(area, frame_, area);
}

void SurfaceWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  drawFrame(painter, event->rect());
}

}  // namespace media::qt
