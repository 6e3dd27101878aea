// The test driver on the Qt back end. Input goes through the widgets as the
// user's would: buttons are clicked, sliders and tabs moved, the cursor is
// placed with QCursor::setPos and mouse events are sent to the widget under
// it, so the back end's own handlers write the records and post the events.
// Message boxes, pop-up menus and documents are answered by the stand-ins
// (stand_ins.h); rendered sound and seeding come from the core's test part.
#include "media/testing.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPointer>
#include <QSlider>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include "media/qt/qt_internal.h"
#include "media/qt/surface_widget.h"
#include "media/qt/testing/stand_ins.h"
#include "media/qt/window_widget.h"

namespace media::qt {
namespace {

bool windowTakesInput(int window) {
  const WindowRecord* record = core::findWindow(window);
  return record && record->native && !record->hidden && !record->disabled;
}

// The control's widget when the user could reach it: shown and enabled, as is
// every container around it, on the current page of its tab panel, in a window
// that takes input. Else nullptr.
QWidget* reachableControl(int control) {
  const ControlRecord* record = core::findControl(control);
  for (const ControlRecord* at = record; at;) {
    if (at->hidden || at->disabled) return nullptr;
    if (at->container < 0) return windowTakesInput(at->window) ? static_cast<QWidget*>(record->native) : nullptr;
    const ControlRecord* container = core::findControl(at->container);
    if (container && container->kind == ControlTabPanel && at->tab != container->state) return nullptr;
    at = container;
  }
  return nullptr;
}

void pump() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void sendMouse(QWidget& target, QEvent::Type type, const QPoint& local, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
  QMouseEvent event(type, QPointF(local), QPointF(target.mapToGlobal(local)), button, buttons, Qt::NoModifier);
  QApplication::sendEvent(&target, &event);
}

// The widget the mouse would hit at a client point of the window, and the point in its coordinates.
QWidget& hitWidget(WindowWidget& window, const QPoint& point, QPoint& local) {
  QWidget* child = window.childAt(point);
  QWidget& target = child ? *child : window;
  local = target.mapFrom(&window, point);
  return target;
}

void clickAt(QWidget& widget, const QPoint& local) {
  sendMouse(widget, QEvent::MouseButtonPress, local, Qt::LeftButton, Qt::LeftButton);
  sendMouse(widget, QEvent::MouseButtonRelease, local, Qt::LeftButton, Qt::NoButton);
}

// The widget the driver's cursor is over, for its enter and leave events.
QPointer<QWidget> underCursor;

void moveCursorOnto(QWidget* target) {
  if (underCursor == target) return;
  if (underCursor) {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(underCursor, &leave);
  }
  underCursor = target;
  if (target) {
    const QPointF local = target->mapFromGlobal(QPointF(QCursor::pos()));
    QEnterEvent enter(local, local, QPointF(QCursor::pos()));
    QApplication::sendEvent(target, &enter);
  }
}

SurfaceWidget* surface() {
  for (QWidget* widget : QApplication::allWidgets())
    if (auto* found = dynamic_cast<SurfaceWidget*>(widget)) return found;
  return nullptr;
}

QToolBar* toolbarWidget(int number) {
  const ToolbarRecord* record = core::findToolbar(number);
  return record ? static_cast<QToolBar*>(record->native) : nullptr;
}

QAction* toolbarAction(int toolbar, int item) {
  const QToolBar* bar = toolbarWidget(toolbar);
  if (!bar) return nullptr;
  for (QAction* action : bar->actions())
    if (!action->isSeparator() && action->data().toInt() == item) return action;
  return nullptr;
}

QSystemTrayIcon* trayIcon(int number) {
  const TrayRecord* record = core::findTray(number);
  return record ? static_cast<QSystemTrayIcon*>(record->native) : nullptr;
}

}  // namespace
}  // namespace media::qt

namespace media::testing {

using namespace media::qt;

int clickControl(int control) {
  QWidget* widget = reachableControl(control);
  if (!widget) return 0;
  switch (core::findControl(control)->kind) {
    case ControlPushButton:
    case ControlPictureButton:
    case ControlCheckBox:
    case ControlOptionButton: static_cast<QAbstractButton*>(widget)->click(); break;
    case ControlPictureControl:
    case ControlHyperlink: clickAt(*widget, widget->rect().center()); break;
    default: return 0;  // labels, frames, panels and text boxes raise no click events
  }
  pump();
  return 1;
}

// A slider or tab the user puts back where it was still reports the move.
int changeControl(int control, int state) {
  QWidget* widget = reachableControl(control);
  if (!widget) return 0;
  ControlRecord* record = core::findControl(control);
  const int before = record->state;
  switch (record->kind) {
    case ControlTrackBar: static_cast<QSlider*>(widget)->setValue(state); break;
    case ControlTabPanel:
      if (state < 0 || state >= static_cast<QTabWidget*>(widget)->count()) return 0;
      static_cast<QTabWidget*>(widget)->setCurrentIndex(state);
      break;
    case ControlPictureButton:
      if (!(record->flags & PictureToggle)) return 0;
      [[fallthrough]];
    case ControlCheckBox:
    case ControlOptionButton:
      // Qt has no such gesture for these: set them as the user's click would leave them.
      setControlState(control, state);
      post(EventControl, record->window, control, 1);
      break;
    default: return 0;
  }
  const bool reported = record->kind == ControlCheckBox || record->kind == ControlOptionButton ||
                        record->kind == ControlPictureButton || record->state != before;
  if (!reported) post(EventControl, record->window, control, 1);
  pump();
  return 1;
}

int moveMouse(int window, int x, int y) {
  WindowWidget* widget = windowWidget(window);
  if (!widget) return 0;
  const QPoint point(x, y);
  const int movesBefore = standins::windowMouseMoves();
  QCursor::setPos(widget->mapToGlobal(point));
  forgetPointer();
  pump();
  // Where the platform does not turn a cursor move into a mouse event, send one.
  const bool inside = widget->rect().contains(point) && windowTakesInput(window);
  QPoint local;
  QWidget* target = inside ? &hitWidget(*widget, point, local) : nullptr;
  moveCursorOnto(target);
  if (target && standins::windowMouseMoves() == movesBefore)
    sendMouse(*target, QEvent::MouseMove, local, Qt::NoButton, Qt::NoButton);
  return 1;
}

int leftClick(int window, int x, int y) {
  WindowWidget* widget = windowWidget(window);
  const QPoint point(x, y);
  if (!windowTakesInput(window) || !moveMouse(window, x, y) || !widget->rect().contains(point)) return 0;
  QPoint local;
  clickAt(hitWidget(*widget, point, local), local);
  pump();
  return 1;
}

int pressShortcut(int window, int key) {
  WindowWidget* widget = windowWidget(window);
  const QKeySequence sequence = shortcutSequence(key);
  if (!widget || !windowTakesInput(window) || sequence.isEmpty()) return 0;
  for (QAction* action : widget->actions()) {
    if (action->shortcut() != sequence || !action->isEnabled()) continue;
    action->trigger();
    pump();
    return 1;
  }
  return 0;
}

int clickToolbarButton(int toolbar, int item) {
  QToolBar* bar = toolbarWidget(toolbar);
  QAction* action = toolbarAction(toolbar, item);
  auto* button = bar && action ? qobject_cast<QToolButton*>(bar->widgetForAction(action)) : nullptr;
  if (!button || !button->isEnabled() || !action->isEnabled()) return 0;
  button->click();
  pump();
  return 1;
}

int clickTrayIcon(int number) {
  QSystemTrayIcon* icon = trayIcon(number);
  if (!icon) return 0;
  emit icon->activated(QSystemTrayIcon::Trigger);
  return 1;
}

int requestClose(int window) {
  WindowWidget* widget = windowWidget(window);
  if (!widget || !windowTakesInput(window)) return 0;
  widget->close();
  pump();
  return 1;
}

Placement controlPlacement(int control) {
  const QWidget* widget = controlWidget(control);
  if (!widget) return {};
  const QRect area = widget->geometry();
  return {area.x(), area.y(), area.width(), area.height()};
}

// Frames presented to the drawing surface now open (0 when none is open).
int presentedFrameCount() {
  const SurfaceWidget* widget = surface();
  return widget ? widget->presentedFrames() : 0;
}

Placement lastPresentedChange() {
  const SurfaceWidget* widget = surface();
  const QRect area = widget ? widget->lastChange() : QRect();
  return {area.x(), area.y(), area.width(), area.height()};
}

// The surface as it paints itself, at one image pixel per screen pixel.
Frame lastPresentedFrame() {
  Frame frame;
  SurfaceWidget* widget = surface();
  if (!widget || widget->presentedFrames() == 0) return frame;
  QImage painted(widget->size(), QImage::Format_ARGB32);
  painted.fill(Qt::transparent);
  widget->render(&painted, QPoint(), QRegion(), QWidget::DrawChildren);
  frame.width = painted.width();
  frame.height = painted.height();
  frame.pixels.resize(static_cast<std::size_t>(frame.width) * frame.height);
  for (int y = 0; y < frame.height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(painted.constScanLine(y));
    std::copy(row, row + frame.width, frame.pixels.begin() + static_cast<std::ptrdiff_t>(y) * frame.width);
  }
  return frame;
}

}  // namespace media::testing
