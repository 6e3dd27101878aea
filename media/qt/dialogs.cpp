// The modal message box and the hand-off of documents and web addresses to
// the desktop's default handler.
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QUrl>

#include "media/qt/qt_internal.h"

namespace media::qt {
namespace {

QString fromView(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

int defaultAnswer(int kind) { return kind == BoxWarningYesNo ? ButtonNo : ButtonOk; }

// A web address or any other URL with a scheme goes as it is; the rest is a
// local file, made absolute against the working directory.
QUrl urlOf(const QString& pathOrAddress) {
  const QUrl url(pathOrAddress, QUrl::StrictMode);
  if (url.isValid() && url.scheme().size() > 1) return url;
  return QUrl::fromLocalFile(QDir::current().absoluteFilePath(pathOrAddress));
}

}  // namespace
}  // namespace media::qt

namespace media::backend {

int messageBox(std::string_view caption, std::string_view text, int kind) {
  QMessageBox::Icon icon = QMessageBox::Information;
  QMessageBox::StandardButtons buttons = QMessageBox::Ok;
  if (kind == BoxErrorOk) icon = QMessageBox::Critical;
  if (kind == BoxWarningYesNo) {
    icon = QMessageBox::Warning;
    buttons = QMessageBox::Yes | QMessageBox::No;
  }
  QMessageBox box(icon, qt::fromView(caption), qt::fromView(text), buttons, QApplication::activeWindow());
  box.setWindowModality(Qt::ApplicationModal);
  const int pressed = box.exec();
  if (pressed == QMessageBox::Yes) return ButtonYes;
  if (pressed == QMessageBox::No) return ButtonNo;
  if (pressed == QMessageBox::Ok) return ButtonOk;
  return qt::defaultAnswer(kind);
}

bool openDocument(std::string_view pathOrAddress) {
  if (pathOrAddress.empty()) return false;
  return QDesktopServices::openUrl(qt::urlOf(qt::fromView(pathOrAddress)));
}

}  // namespace media::backend
