// The least a Qt 6 Widgets program does to show a 620 x 544 window with an
// OpenAL device open, as the game has: the start-up time and the footprint of
// mirel are measured against it. A click fills the rows from the pointer's
// down to the window's bottom, 288 pixels (the play field) wide, with the
// other of two colours, painted at once: the least answer to a click with as
// many pixels as click_latency.py asks for by where it clicks.
//
// Built a second time with MINIMAL_TICK_MS as the yardstick of mirel's idle
// CPU: no sound device, and a timer that wakes it that often, as the game's
// main loop wakes at least every 15 ms.
#ifndef MINIMAL_TICK_MS
#include <AL/alc.h>
#endif

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class Window : public QWidget {
 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    const QPoint at = event->position().toPoint();
    painted_ = QRect(0, at.y(), 288, height() - at.y());
    dark_ = !dark_;
    repaint(painted_);
  }
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    if (!painted_.isEmpty()) painter.fillRect(painted_, dark_ ? Qt::darkBlue : Qt::darkGreen);
  }

 private:
  QRect painted_;
  bool dark_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
#ifdef MINIMAL_TICK_MS
  QTimer tick;
  tick.setTimerType(Qt::PreciseTimer);
  tick.start(MINIMAL_TICK_MS);
  const char* title = "Minimal Qt Window, ticking";
#else
  ALCdevice* device = alcOpenDevice(nullptr);
  ALCcontext* context = device ? alcCreateContext(device, nullptr) : nullptr;
  if (context) alcMakeContextCurrent(context);
  const char* title = "Minimal Qt Window";
#endif
  Window window;
  window.setWindowTitle(title);
  window.setFixedSize(620, 544);
  window.show();
  const int result = app.exec();
#ifndef MINIMAL_TICK_MS
  if (context) alcDestroyContext(context);
  if (device) alcCloseDevice(device);
#endif
  return result;
}
