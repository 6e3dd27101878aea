// The least a Qt 6 Widgets program does to show a 620 x 544 window with an
// OpenAL device open, as the game has: the start-up time and the footprint of
// mirel are measured against it. A click fills the 36 x 36 square under the
// pointer with the other of two colours, painted at once, the least answer to
// a click that click_latency.py can time.
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
    square_ = QRect(at.x() / 36 * 36, at.y() / 36 * 36, 36, 36);
    dark_ = !dark_;
    repaint(square_);
  }
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    if (!square_.isEmpty()) painter.fillRect(square_, dark_ ? Qt::darkBlue : Qt::darkGreen);
  }

 private:
  QRect square_;
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
