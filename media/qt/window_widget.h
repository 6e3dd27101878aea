// The top-level widget of a layer window. It paints the solid colour and the
// background picture, turns a close request into EventCloseWindow (the window
// stays open), a left release over its client area into EventLeftClick, mouse
// tracking into EventMouseMove (also when the pointer enters one of its controls
// or leaves the window), and raises EventRepaint when its background is
// painted after an erase request or a first show. Every Qt event of the window
// goes to the window's callback first, as a message with the event's type.
#pragma once

#include <QPoint>
#include <QRegion>
#include <QWidget>

namespace media::qt {

class WindowWidget : public QWidget {
 public:
  WindowWidget(int number, QWidget* owner, Qt::WindowFlags flags);

  int number() const { return number_; }
  // The next paint of the background raises EventRepaint.
  void requestErase() { erasePending_ = true; }
  // Region invalidated since the last paint, for repainting it at once.
  void addDirty(const QRect& rect) { dirty_ += rect; }
  void paintDirtyNow();
  // Raises EventMouseMove when the pointer is elsewhere than at the last one.
  void reportPointerMoved();

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  int number_;
  bool erasePending_ = false;
  QRegion dirty_;
  QPoint lastPointer_{-1, -1};  // screen position of the pointer at the last mouse move
};

}  // namespace media::qt
