// The drawing surface: a child window of its parent at the screen record's
// client rectangle, showing the core's back buffer in place with
// StretchDIBits, pixel for pixel at 100 % and each pixel a sharp block at
// higher scalings. A present draws only the part the core reports changed
// (the rest clipped away).
// It lets the mouse through to its window (HTTRANSPARENT), where clicks on
// the field are the window's.
#include "media/win32/win32_internal.h"

namespace media::win32 {
namespace {

void show(HDC dc, const Surface& surface) {
  if (!surface.pixels) return;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), surface.width, -surface.height, 1, 32, BI_RGB};
  RECT area;
  GetClientRect(surface.hwnd, &area);
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchDIBits(dc, 0, 0, area.right, area.bottom, 0, 0, surface.width, surface.height, surface.pixels, &info,
                DIB_RGB_COLORS, SRCCOPY);
}

LRESULT CALLBACK surfaceProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto* surface = reinterpret_cast<const Surface*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (message) {
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_ERASEBKGND: return 1;
    case WM_PRINTCLIENT:  // painting into a given DC (PrintWindow, screen readers' magnifiers)
      if (surface) show(reinterpret_cast<HDC>(wParam), *surface);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC dc = BeginPaint(hwnd, &paint);
      if (surface) show(dc, *surface);
      EndPaint(hwnd, &paint);
      return 0;
    }
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

Surface* surfaceOf(const ScreenRecord& screen) { return static_cast<Surface*>(screen.native); }

}  // namespace media::win32

namespace media::backend {

using namespace media::win32;

bool createScreen(ScreenRecord& screen, WindowRecord& parent) {
  const HWND window = hwndOf(parent);
  if (!window || screen.rect.width <= 0 || screen.rect.height <= 0) return false;
  registerClass(SurfaceClass, surfaceProcedure, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  auto* surface = new Surface;
  // Its window text is the name assistive technology reads.
  surface->hwnd = CreateWindowExW(0, SurfaceClass, wide(screen.name).c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                                  toDevice(screen.rect.x), toDevice(screen.rect.y), toDevice(screen.rect.width),
                                  toDevice(screen.rect.height), window, nullptr, instance(), nullptr);
  if (!surface->hwnd) {
    delete surface;
    return false;
  }
  SetWindowLongPtrW(surface->hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(surface));
  screen.native = surface;
  return true;
}

void destroyScreen(ScreenRecord& screen) {
  Surface* surface = surfaceOf(screen);
  screen.native = nullptr;
  if (!surface) return;
  DestroyWindow(surface->hwnd);
  delete surface;
}

void presentFrame(ScreenRecord& screen, const std::uint32_t* pixels, int width, int height) {
  Surface* surface = surfaceOf(screen);
  if (!surface || !pixels || width <= 0 || height <= 0) return;
  ++surface->presented;
  surface->pixels = pixels;
  surface->width = width;
  surface->height = height;
  surface->lastChange = screen.changed;
  const Rect& part = screen.changed;
  if (part.width <= 0 || part.height <= 0) return;
  const HDC dc = GetDC(surface->hwnd);
  IntersectClipRect(dc, toDevice(part.x), toDevice(part.y), toDevice(part.x + part.width),
                    toDevice(part.y + part.height));
  show(dc, *surface);
  ReleaseDC(surface->hwnd, dc);
}

}  // namespace media::backend
