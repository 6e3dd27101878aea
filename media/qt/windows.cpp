// Windows of the Qt back end: one top-level WindowWidget per record, with a
// fixed client size, caption, system menu, close box and an optional minimise
// box (never a maximise box), owned windows kept above their owner, and the
// keyboard shortcuts as window-wide actions.
#include <QAction>
#include <QKeySequence>

#include "media/qt/qt_internal.h"
#include "media/qt/window_widget.h"

namespace media::qt {

WindowWidget* windowWidget(const WindowRecord& window) { return static_cast<WindowWidget*>(window.native); }

WindowWidget* windowWidget(int window) {
  const WindowRecord* record = core::findWindow(window);
  return record ? windowWidget(*record) : nullptr;
}

QList<QKeySequence> shortcutSequences(int key) {
  switch (key) {
    case KeyEscape: return {QKeySequence(Qt::Key_Escape)};
    case KeyCtrlQ: return {QKeySequence(Qt::CTRL | Qt::Key_Q)};
    case KeyF1: return {QKeySequence(Qt::Key_F1)};
    case KeyLeft: return {QKeySequence(Qt::Key_Left)};
    case KeyRight: return {QKeySequence(Qt::Key_Right)};
    case KeyUp: return {QKeySequence(Qt::Key_Up)};
    case KeyDown: return {QKeySequence(Qt::Key_Down)};
    case KeySpace: return {QKeySequence(Qt::Key_Space)};
    case KeyEnter: return {QKeySequence(Qt::Key_Return), QKeySequence(Qt::KeypadModifier | Qt::Key_Enter)};
    case KeyCtrlZ: return {QKeySequence(Qt::CTRL | Qt::Key_Z)};
    default: return {};
  }
}

QKeySequence shortcutSequence(int key) { return shortcutSequences(key).value(0); }

// Applies the record's disabled state to the window and then to the windows it
// owns: Qt passes a disabled state on to owned windows, the layer does not (a
// dialog disables its owner, never itself).
void applyEnabled(WindowWidget& widget) {
  const WindowRecord* record = core::findWindow(widget.number());
  widget.setEnabled(!(record && record->disabled));
  for (QObject* child : widget.children()) {
    auto* owned = dynamic_cast<WindowWidget*>(child);
    if (owned && owned->isWindow()) applyEnabled(*owned);
  }
}

}  // namespace media::qt

namespace media::backend {

using qt::WindowWidget;

bool createWindow(WindowRecord& window) {
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint;
  if (window.flags & WindowMinimiseBox) flags |= Qt::WindowMinimizeButtonHint;
  // An owned window is a window child of its owner, which keeps it above the owner.
  QWidget* owner = qt::windowWidget(window.ownerWindow);
  auto* widget = new WindowWidget(window.number, owner, flags);
  widget->setWindowTitle(QString::fromStdString(window.title));
  widget->setFixedSize(window.client.width, window.client.height);
  // The record's position is the client area's; the frame goes around it.
  widget->setGeometry(window.client.x, window.client.y, window.client.width, window.client.height);
  qt::trackNative(widget, window.native);
  updateWindow(window);
  return true;
}

void destroyWindow(WindowRecord& window) {
  WindowWidget* widget = qt::windowWidget(window);
  window.native = nullptr;
  if (!widget) return;
  // Windows owned by this one live on as top-level windows of their own.
  for (QObject* child : widget->children()) {
    auto* owned = dynamic_cast<WindowWidget*>(child);
    if (owned && owned->isWindow()) {
      const bool wasVisible = owned->isVisible();
      owned->setParent(nullptr, owned->windowFlags());
      owned->setVisible(wasVisible);
    }
  }
  delete widget;
}

void updateWindow(WindowRecord& window) {
  WindowWidget* widget = qt::windowWidget(window);
  if (!widget) return;
  const QString title = QString::fromStdString(window.title);
  if (widget->windowTitle() != title) widget->setWindowTitle(title);
  qt::applyEnabled(*widget);
  if (window.hidden) {
    widget->hide();
  } else if (window.minimised) {
    if (!widget->isMinimized()) widget->showMinimized();
  } else if (!widget->isVisible()) {
    widget->show();
  }
  widget->update();
}

void activateWindow(WindowRecord& window) {
  if (WindowWidget* widget = qt::windowWidget(window)) {
    widget->raise();
    widget->activateWindow();
  }
}

void invalidateWindow(WindowRecord& window, const Rect& rect, bool erase) {
  WindowWidget* widget = qt::windowWidget(window);
  if (!widget) return;
  const QRect area = QRect(rect.x, rect.y, rect.width, rect.height).intersected(widget->rect());
  if (erase) widget->requestErase();
  widget->addDirty(area);
  widget->update(area);
}

void repaintNow(WindowRecord& window) {
  if (WindowWidget* widget = qt::windowWidget(window)) widget->paintDirtyNow();
}

bool mousePosition(const WindowRecord& window, int& x, int& y) {
  const WindowWidget* widget = qt::windowWidget(window);
  if (!widget || !widget->isVisible() || widget->isMinimized()) return false;
  const QPoint point = qt::pointerIn(*widget);
  if (!widget->rect().contains(point)) return false;
  x = point.x();
  y = point.y();
  return true;
}

int windowScreenX(const WindowRecord& window) {
  const WindowWidget* widget = qt::windowWidget(window);
  return widget ? widget->frameGeometry().x() : 0;
}

bool addShortcut(WindowRecord& window, int key, int menuItem) {
  WindowWidget* widget = qt::windowWidget(window);
  const QKeySequence sequence = qt::shortcutSequence(key);
  if (!widget || sequence.isEmpty()) return false;
  // A later shortcut for the same key replaces the earlier one.
  for (QAction* action : widget->actions())
    if (action->shortcut() == sequence) delete action;
  auto* action = new QAction(widget);
  action->setShortcuts(qt::shortcutSequences(key));
  action->setShortcutContext(Qt::WindowShortcut);
  const int number = window.number;
  QObject::connect(action, &QAction::triggered, [number, menuItem] { qt::post(EventMenu, number, menuItem); });
  widget->addAction(action);
  return true;
}

}  // namespace media::backend
