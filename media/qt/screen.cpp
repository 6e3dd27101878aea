// The drawing surface of the back-end seam: made as a SurfaceWidget child of
// its parent window at the screen record's client rectangle.
#include "media/qt/qt_internal.h"
#include "media/qt/surface_widget.h"
#include "media/qt/window_widget.h"

namespace media::backend {

bool createScreen(ScreenRecord& screen, WindowRecord& parent) {
  qt::WindowWidget* window = qt::windowWidget(parent);
  if (!window || screen.rect.width <= 0 || screen.rect.height <= 0) return false;
  auto* surface = new qt::SurfaceWidget(window, screen.rect.width, screen.rect.height);
  surface->setGeometry(screen.rect.x, screen.rect.y, screen.rect.width, screen.rect.height);
  surface->setAccessibleName(QString::fromStdString(screen.name));
  surface->show();
  qt::trackNative(surface, screen.native);
  return true;
}

void destroyScreen(ScreenRecord& screen) {
  auto* surface = static_cast<qt::SurfaceWidget*>(screen.native);
  screen.native = nullptr;
  delete surface;
}

void presentFrame(ScreenRecord& screen, const std::uint32_t* pixels, int width, int height) {
  auto* surface = static_cast<qt::SurfaceWidget*>(screen.native);
  if (!surface) return;
  const Rect& changed = screen.changed;
  surface->present(pixels, width, height, QRect(changed.x, changed.y, changed.width, changed.height));
}

}  // namespace media::backend
