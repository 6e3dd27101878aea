// Where the pointer is over a window, to the logical pixel it is in. Qt hands
// positions already rounded to logical pixels, so at a device-pixel ratio of 2
// a pointer on the last device pixel of a logical pixel reads as the next one.
// On X the device position is asked of the server and divided down, rounding
// towards the pixel the pointer is really in; elsewhere Qt's own answer stands.
// The answer is kept until the pointer may have moved (a mouse event, the
// next wait), so the game's two questions for x and y cost one query, and a
// window's own motion event at one device pixel per pixel costs none.
#include <QCursor>
#include <QGuiApplication>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <cmath>
#include <cstdlib>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

#include "media/qt/qt_internal.h"

namespace media::qt {

namespace {

#if QT_CONFIG(xcb)
bool devicePointer(const QWidget& window, QPointF& device) {
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11 || !x11->connection() || !window.windowHandle()) return false;
  xcb_connection_t* connection = x11->connection();
  const auto native = static_cast<xcb_window_t>(window.windowHandle()->winId());
  xcb_query_pointer_reply_t* reply = xcb_query_pointer_reply(connection, xcb_query_pointer(connection, native), nullptr);
  if (!reply) return false;
  const bool onScreen = reply->same_screen;
  device = QPointF(reply->win_x, reply->win_y);
  std::free(reply);
  return onScreen;
}
#else
bool devicePointer(const QWidget&, QPointF&) { return false; }
#endif

QPoint askPointer(const QWidget& window) {
  QPointF device;
  if (!devicePointer(window, device)) return window.mapFromGlobal(QCursor::pos());
  const qreal ratio = window.devicePixelRatioF();
  return QPoint(static_cast<int>(std::floor(device.x() / ratio)), static_cast<int>(std::floor(device.y() / ratio)));
}

struct KnownPointer {
  const QWidget* window = nullptr;  // nullptr: nothing known
  QPoint point;
};
KnownPointer known;

}  // namespace

void forgetPointer() { known = {}; }

void notePointer(const QWidget& window, const QPointF& position) {
  if (window.devicePixelRatioF() == 1.0) known = {&window, position.toPoint()};
}

QPoint pointerIn(const QWidget& window) {
  if (known.window != &window) known = {&window, askPointer(window)};
  return known.point;
}

}  // namespace media::qt
