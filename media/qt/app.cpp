// Qt start-up and teardown, the monotonic clock, and the wait for native input.
// The wait lets Qt deliver events until one of them is posted to the core or a
// precise single-shot timer runs out: the thread sleeps in the event
// dispatcher, never spins. The timer lives as long as the application, so an
// idle pass builds and connects nothing.
//
// The display: without one configured the program says so in one line and
// ends with code 1 instead of Qt's abort; a display that cannot be opened ends
// the same way after Qt's own reasons. When the X connection breaks, Qt's xcb
// plugin warns and calls exit(1); the warning reaches this back end's message
// handler first, which reports the loss to the core (core::displayLost), so
// the program's own shutdown runs before that exit.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPointer>
#include <QProxyStyle>
#include <QScreen>
#include <QThread>
#include <QTimerEvent>
#include <QtGui/qguiapplication_platform.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

#include "media/core/core.h"
#include "media/qt/qt_internal.h"
// WindowIcons: the application icon's PNGs (resources/icons), embedded by the build.
#include "window_icons.inc"

namespace media::qt {
namespace {

QApplication* application = nullptr;
QElapsedTimer clock;
bool posted = false;

QtMessageHandler toolkitMessages = nullptr;  // Qt's handler before ours: every message still goes there
std::thread::id mainThread;
bool starting = false;  // inside QApplication's constructor
#if QT_CONFIG(xcb)
xcb_connection_t* xConnection = nullptr;
#endif

std::string programName() {
  const std::string path = programFileName();
  const std::string name = path.substr(pathPart(path).size());
  return name.empty() ? "mirel" : name;
}

bool set(const char* variable) {
  const char* value = std::getenv(variable);
  return value && *value;
}

// Qt picks its platform from QT_QPA_PLATFORM, or else from the display variables.
bool displayConfigured() { return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY"); }

bool xConnectionBroken() {
#if QT_CONFIG(xcb)
  return xConnection && xcb_connection_has_error(xConnection) != 0;
#else
  return false;
#endif
}

void onToolkitMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (toolkitMessages)
    toolkitMessages(type, context, text);
  else
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
  if (std::this_thread::get_id() != mainThread) return;
  if (type == QtFatalMsg && starting) {
    // No platform plugin could open its display; nothing of the program is open yet.
    const char* display = std::getenv("DISPLAY");
    std::fprintf(stderr, "%s: cannot open the display %s\n", programName().c_str(), display ? display : "");
    std::fflush(nullptr);
    std::_Exit(1);
  }
  if (xConnectionBroken()) core::displayLost();
}

// The run-out that ends a wait: a precise timer of the toolkit's, stopped as
// it fires. Kept as a bare object timer (no QTimer, no signal), as an idle
// program starts and stops one every pass of the main loop.
class WaitTimer : public QObject {
 public:
  using QObject::QObject;
  void start(int ms) {
    stop();
    id_ = startTimer(ms, Qt::PreciseTimer);
  }
  void stop() {
    if (id_) killTimer(id_);
    id_ = 0;
  }
  bool isActive() const { return id_ != 0; }

 protected:
  void timerEvent(QTimerEvent*) override { stop(); }

 private:
  int id_ = 0;
};

WaitTimer& waitTimer() {
  static QPointer<WaitTimer> timer;
  if (!timer) timer = new WaitTimer(qApp);
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

// Every window shows the application icon at each size the artwork has
// (decoded by the core, as every picture of the game), and carries the desktop
// entry's name, so task bars and window lists match the window to the entry.
void setIdentity() {
  QGuiApplication::setDesktopFileName(QStringLiteral(MIREL_APP_ID));
  QIcon icon;
  for (std::size_t i = 0; i + 1 < std::size(WindowIconsOffsets); ++i) {
    Image image;
    if (!core::decodePng(WindowIcons + WindowIconsOffsets[i], WindowIconsOffsets[i + 1] - WindowIconsOffsets[i], image))
      continue;
    const QImage view(reinterpret_cast<const uchar*>(image.pixels.data()), image.width, image.height, image.width * 4,
                      QImage::Format_ARGB32);
    icon.addPixmap(QPixmap::fromImage(view));
  }
  QApplication::setWindowIcon(icon);
}

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
    if (!qt::displayConfigured()) {
      std::fprintf(stderr, "%s: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)\n",
                   qt::programName().c_str());
      endProcess(1);
    }
    qt::mainThread = std::this_thread::get_id();
    qt::toolkitMessages = qInstallMessageHandler(qt::onToolkitMessage);
    static int argc = 1;
    static char name[] = "mirel";
    static char* argv[] = {name, nullptr};
    // Window contents reach the X server in the requests themselves, not
    // through shared memory: with MIT-SHM, Qt waits for a round trip to the
    // server before it paints over pixels sent since the last one, which every
    // hover move of the play field does (the cell the frame leaves). A user's
    // own setting stands. Qt reads it when it connects, in the application's
    // constructor; it is taken away again so that programs started from here
    // (the help document's viewer) keep theirs.
    const bool shmAsSet = qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM");
    if (!shmAsSet) qputenv("QT_XCB_NO_MITSHM", "1");
    qt::starting = true;
    qt::application = new QApplication(argc, argv);
    qt::starting = false;
    if (!shmAsSet) qunsetenv("QT_XCB_NO_MITSHM");
#if QT_CONFIG(xcb)
    if (const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
      qt::xConnection = x11->connection();
#endif
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(new qt::GameStyle);
    qt::makeTahomaAvailable();
    qt::setDefaultFont();
    qt::setIdentity();
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
  qt::forgetPointer();
  if (timeoutMs == 0) {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return;
  }
  qt::WaitTimer& timer = qt::waitTimer();
  const bool timed = timeoutMs > 0;
  if (timed) timer.start(static_cast<int>(std::min<std::int64_t>(timeoutMs, INT32_MAX)));
  // Each call delivers what is waiting without sleeping, or else sleeps until
  // something arrives (the timer's run-out included) and delivers that.
  do {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  } while (!qt::posted && (!timed || timer.isActive()));
  timer.stop();
  // Should Qt notice a broken connection without a word, the wait notices it here.
  if (qt::xConnectionBroken()) core::displayLost();
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
  // With the display gone, the toolkit's teardown would talk to a server that
  // is no longer there, from inside Qt's own event processing (a modal box's
  // loop among them); the process ends without it.
  if (core::displayIsLost()) std::_Exit(exitCode);
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
