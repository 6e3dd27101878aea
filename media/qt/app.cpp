// Qt start-up and teardown, the monotonic clock, and the wait for native input.
// The wait lets Qt deliver events until one of them is posted to the core or a
// precise single-shot timer runs out: the thread sleeps in the event
// dispatcher, never spins. The timer lives as long as the application, so an
// idle pass builds and connects nothing.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFont>
#include <QPointer>
#include <QProxyStyle>
#include <QScreen>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include "media/qt/qt_internal.h"

namespace media::qt {
namespace {

QApplication* application = nullptr;
QElapsedTimer clock;
bool posted = false;

// Single-shot: it stops itself when it runs out, which is what ends a wait.
QTimer& waitTimer() {
  static QPointer<QTimer> timer;
  if (!timer) {
    timer = new QTimer(qApp);
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
  }
  return *timer;
}

// The default control font: "Tahoma" at 8 points, the size dialog layouts
// measured in pixels are made for.
void setDefaultFont() {
  QFont font(QStringLiteral("Tahoma"));
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
  font.setPixelSize(static_cast<int>(8 * dpi / 72 + 0.5));
  QApplication::setFont(font);
}

// The toolbar never overflows the fixed window, so its extension button needs no
// icon. The stock icon would be read through QImageReader, which loads every
// image-format plugin on the system during start-up only to find the PNG reader.
class GameStyle : public QProxyStyle {
 public:
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override {
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton) return {};
    return QProxyStyle::standardIcon(icon, option, widget);
  }
};

}  // namespace

void post(int kind, int window, int object, int type) {
  core::Event event;
  event.kind = kind;
  event.window = window;
  event.object = object;
  event.type = type;
  core::postEvent(event);
  posted = true;
}

QColor toQColor(int colour) { return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

void trackNative(QObject* object, void*& native) {
  native = object;
  void** slot = &native;
  // The record outlives its native object in every normal path (the core calls
  // the destroy function first); this only covers Qt deleting it with a parent.
  QObject::connect(object, &QObject::destroyed, [slot, object] {
    if (*slot == object) *slot = nullptr;
  });
}

}  // namespace media::qt

namespace media::backend {

void initialise() {
  if (!QApplication::instance()) {
    static int argc = 1;
    static char name[] = "mirel";
    static char* argv[] = {name, nullptr};
    qt::application = new QApplication(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(new qt::GameStyle);
    qt::makeTahomaAvailable();
    qt::setDefaultFont();
  }
  if (!qt::clock.isValid()) qt::clock.start();
}

void shutdown() {
  // Objects released by the core may still have deferred deletions queued.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::int64_t clockMs() {
  if (!qt::clock.isValid()) qt::clock.start();
  return qt::clock.elapsed();
}

void waitNative(std::int64_t timeoutMs) {
  qt::posted = false;
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  if (qt::posted || timeoutMs == 0) return;
  QTimer& timer = qt::waitTimer();
  const bool timed = timeoutMs > 0;
  if (timed) timer.start(static_cast<int>(std::min<std::int64_t>(timeoutMs, INT32_MAX)));
  // Each call returns once it has delivered what arrived, the timer's run-out included.
  while (!qt::posted && (!timed || timer.isActive())) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  timer.stop();
}

void sleepMs(int ms) {
  if (ms > 0) QThread::msleep(static_cast<unsigned long>(ms));
}

void screenSize(int& width, int& height) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  width = area.width();
  height = area.height();
}

void endProcess(int exitCode) {
  std::fflush(nullptr);
  if (qt::application) {
    QList<QPointer<QWidget>> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) windows.append(widget);
    for (const QPointer<QWidget>& widget : windows) delete widget.data();
    qt::dropPixmapCache();
    delete qt::application;
    qt::application = nullptr;
  }
  std::exit(exitCode);
}

}  // namespace media::backend
