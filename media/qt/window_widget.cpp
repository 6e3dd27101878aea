// Painting and input translation of the layer's top-level windows.
#include "media/qt/window_widget.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "media/qt/qt_internal.h"

namespace media::qt {
namespace {

// Qt sends no mouse move to a window while the pointer is over one of its
// controls (a toolbar or picture button does not track the mouse), so a game
// tracking the pointer would not learn that it left the play field. Entering
// any control, or leaving the window, is reported as a mouse move of the window
// when the pointer has moved since the window last reported one (a control
// shown or hidden under a resting pointer is entered too).
class PointerWatcher : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseMove || type == QEvent::Enter || type == QEvent::Leave) forgetPointer();
    if ((type != QEvent::Enter && type != QEvent::Leave) || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    auto* window = dynamic_cast<WindowWidget*>(widget->window());
    if (!window || !window->isEnabled()) return false;
    const bool entersControl = type == QEvent::Enter && widget != window;
    const bool leavesWindow = type == QEvent::Leave && widget == window;
    if (entersControl || leavesWindow) window->reportPointerMoved();
    return false;
  }
};

void watchPointerOverControls() {
  static QPointer<PointerWatcher> watcher;
  if (watcher || !qApp) return;
  watcher = new PointerWatcher(qApp);
  qApp->installEventFilter(watcher);
}

}  // namespace

WindowWidget::WindowWidget(int number, QWidget* owner, Qt::WindowFlags flags)
    : QWidget(owner, flags), number_(number) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  watchPointerOverControls();
}

void WindowWidget::paintDirtyNow() {
  if (dirty_.isEmpty()) return;
  const QRegion region = dirty_;
  dirty_ = QRegion();
  repaint(region);
}

// A callback that answers anything but CallbackUnhandled ends the handling. The
// event is left unaccepted, so Qt acts on none of it (a close request taken by
// the callback does not close the window either).
bool WindowWidget::event(QEvent* event) {
  const WindowRecord* record = core::findWindow(number_);
  if (record && record->callback) {
    NativeMessage message;
    message.kind = MessageOther;
    message.raw = static_cast<int>(event->type());
    if (record->callback(number_, message) != CallbackUnhandled) {
      event->ignore();
      return true;
    }
  }
  return QWidget::event(event);
}

void WindowWidget::paintEvent(QPaintEvent* event) {
  const WindowRecord* record = core::findWindow(number_);
  QPainter painter(this);
  const QColor colour = record && record->colour >= 0 ? toQColor(record->colour) : palette().color(QPalette::Window);
  painter.fillRect(event->rect(), colour);
  if (record && record->background) painter.drawPixmap(0, 0, pixmapOf(record->background));
  dirty_ -= event->region();
  if (erasePending_) {
    erasePending_ = false;
    post(EventRepaint, number_, -1);
  }
}

void WindowWidget::closeEvent(QCloseEvent* event) {
  event->ignore();
  post(EventCloseWindow, number_, -1);
}

void WindowWidget::reportPointerMoved() {
  const QPoint pointer = QCursor::pos();
  if (pointer == lastPointer_) return;
  lastPointer_ = pointer;
  post(EventMouseMove, number_, -1);
}

void WindowWidget::mouseMoveEvent(QMouseEvent* event) {
  lastPointer_ = event->globalPosition().toPoint();
  notePointer(*this, event->position());
  post(EventMouseMove, number_, -1);
  event->accept();
}

void WindowWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    post(EventLeftClick, number_, -1);
  event->accept();
}

void WindowWidget::showEvent(QShowEvent* event) {
  lastPointer_ = QCursor::pos();
  requestErase();
  QWidget::showEvent(event);
}

// The core centres owned windows on the owner's client position, so keep it current.
void WindowWidget::moveEvent(QMoveEvent* event) {
  if (WindowRecord* record = core::findWindow(number_)) {
    const QPoint client = mapToGlobal(QPoint(0, 0));
    record->client.x = client.x();
    record->client.y = client.y();
  }
  QWidget::moveEvent(event);
}

// The record follows the window's state, whoever changed it (the layer, the
// window manager's minimise box or its restore). Coming back from minimised
// exposes the whole window again.
void WindowWidget::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange) {
    if (WindowRecord* record = core::findWindow(number_)) record->minimised = isMinimized() ? 1 : 0;
    if (!isMinimized()) {
      requestErase();
      update();
    }
  }
  QWidget::changeEvent(event);
}

}  // namespace media::qt
