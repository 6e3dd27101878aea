// Fonts made from face, points and style, the "Tahoma" they ask for, and the
// pixmaps of core images.
// A pixmap is made from the image's ARGB32 pixels the first time a widget
// needs it and kept until the core reports the image changed or freed.
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>

#include <unordered_map>

#include "media/qt/qt_internal.h"

namespace media::qt {
namespace {

std::unordered_map<const Image*, QPixmap> pixmaps;

}  // namespace

QPixmap pixmapOf(const Image* image) {
  if (!image || image->width <= 0 || image->height <= 0) return QPixmap();
  auto found = pixmaps.find(image);
  if (found != pixmaps.end()) return found->second;
  // The core's pixels are straight 0xAARRGGBB words, which is Format_ARGB32.
  const QImage view(reinterpret_cast<const uchar*>(image->pixels.data()), image->width, image->height,
                    image->width * 4, QImage::Format_ARGB32);
  return pixmaps.emplace(image, QPixmap::fromImage(view)).first->second;
}

void dropPixmapCache() { pixmaps.clear(); }

void makeTahomaAvailable() {
  if (QFontDatabase::hasFamily(QStringLiteral("Tahoma"))) return;  // the system has one
  // Only the regular face: the toolkit makes the bold one from it, which reads
  // better than Wine's own bold face.
  if (QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf")) >= 0) return;
  // Without Wine's: the narrowest sans faces Debian has, rather than the
  // toolkit's own choice (DejaVu Sans), whose letters are too wide.
  QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                             {QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Liberation Sans Narrow"),
                              QStringLiteral("Nimbus Sans Narrow")});
}

QFont fontOf(int font) {
  const FontRecord* record = core::findFont(font);
  return record && record->native ? *static_cast<const QFont*>(record->native) : QGuiApplication::font();
}

}  // namespace media::qt

namespace media::backend {

bool createFont(FontRecord& font) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
  font.pixelHeight = static_cast<int>(font.points * dpi / 72.0 + 0.5);
  if (font.pixelHeight <= 0) return false;
  auto* made = new QFont(QString::fromStdString(font.face));
  made->setPixelSize(font.pixelHeight);
  made->setWeight(font.flags & FontBold ? QFont::Bold : QFont::Normal);
  made->setItalic(font.flags & FontItalic);
  made->setUnderline(font.flags & FontUnderline);
  made->setStrikeOut(font.flags & FontStrikeOut);
  made->setStyleStrategy(font.flags & FontHighQuality ? QFont::PreferQuality : QFont::PreferDefault);
  font.native = made;
  return true;
}

void destroyFont(FontRecord& font) {
  delete static_cast<QFont*>(font.native);
  font.native = nullptr;
}

void imageChanged(const Image& image) { qt::pixmaps.erase(&image); }
void imageFreed(const Image& image) { qt::pixmaps.erase(&image); }

}  // namespace media::backend
