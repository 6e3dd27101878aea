// Painting and clicks of the label, hyperlink, picture button and picture
// control widgets. Each reads its text, colours and pictures from its record at
// paint time, so the record stays the one source of truth.
#include "media/qt/control_widgets.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include "media/qt/qt_internal.h"

namespace media::qt {
namespace {

Qt::Alignment labelAlignment(unsigned flags) {
  Qt::Alignment alignment = Qt::AlignTop;
  if (flags & LabelCentre) return alignment | Qt::AlignHCenter;
  if (flags & LabelRight) return alignment | Qt::AlignRight;
  return alignment | Qt::AlignLeft;
}

// What a label paints behind itself: its own background colour, else its
// window's colour; on a window with a background picture the dialog face colour
// (only the window's callback makes a label transparent there). Elsewhere it
// paints nothing, so tab pages and frames show through as they look.
QColor backgroundOf(const ControlRecord& record, const QPalette& palette) {
  if (record.backgroundColour >= 0) return toQColor(record.backgroundColour);
  const WindowRecord* window = core::findWindow(record.window);
  if (window && window->colour >= 0) return toQColor(window->colour);
  if (window && window->background) return palette.color(QPalette::Window);
  return Qt::transparent;
}

bool isLeftReleaseInside(const QWidget& widget, const QMouseEvent& event) {
  return event.button() == Qt::LeftButton && widget.rect().contains(event.position().toPoint());
}

}  // namespace

// A label lets mouse moves through to its window (Qt drops untracked moves over a
// child instead of passing them on), as a static text does.
StaticLabel::StaticLabel(int control, QWidget* parent) : QWidget(parent), control_(control) {
  setMouseTracking(true);
}

// Greyed only when the label itself is disabled, not while its window is (a
// dialog disables the main window, whose texts keep their look).
QColor StaticLabel::textColour() const {
  const ControlRecord* record = core::findControl(control_);
  if (record && record->disabled) return QApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
  return record && record->textColour >= 0 ? toQColor(record->textColour) : palette().color(QPalette::WindowText);
}

void StaticLabel::paintEvent(QPaintEvent*) {
  const ControlRecord* record = core::findControl(control_);
  if (!record) return;
  StaticColours colours;
  const bool answered = core::askStaticColours(record->window, control_, colours) != 0;
  QPainter painter(this);
  if (!(answered && colours.transparentBackground)) painter.fillRect(rect(), backgroundOf(*record, palette()));
  painter.setPen(answered && colours.textColour >= 0 ? toQColor(colours.textColour) : textColour());
  painter.setFont(font());
  int flags = labelAlignment(record->flags);
  if (record->flags & LabelWrap) flags |= Qt::TextWordWrap;
  painter.drawText(rect(), flags, QString::fromStdString(record->text));
}

LinkLabel::LinkLabel(int control, QWidget* parent) : StaticLabel(control, parent) {
  setCursor(Qt::PointingHandCursor);
}

QColor LinkLabel::textColour() const {
  const ControlRecord* record = core::findControl(control_);
  if (record && record->hovered && record->hoverColour >= 0 && !record->disabled) return toQColor(record->hoverColour);
  return StaticLabel::textColour();
}

void LinkLabel::setHovered(int hovered) {
  if (ControlRecord* record = core::findControl(control_)) record->hovered = hovered;
  update();
}

void LinkLabel::enterEvent(QEnterEvent* event) {
  setHovered(1);
  StaticLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event) {
  setHovered(0);
  StaticLabel::leaveEvent(event);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) { event->accept(); }

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  const ControlRecord* record = core::findControl(control_);
  if (record && isLeftReleaseInside(*this, *event)) post(EventControl, record->window, control_, 0);
  event->accept();
}

FrameBox::FrameBox(int control, QWidget* parent) : QWidget(parent), control_(control) {
  // Drawn around controls, never in their way.
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FrameBox::paintEvent(QPaintEvent*) {
  const ControlRecord* record = core::findControl(control_);
  if (!record) return;
  QPainter painter(this);
  const QFontMetrics metrics(font());
  const QString caption = QString::fromStdString(record->text);
  const QRect title(8, 0, caption.isEmpty() ? 0 : metrics.horizontalAdvance(caption) + 4, metrics.height());
  // The line leaves a gap for the caption instead of being painted over.
  painter.setClipRegion(QRegion(rect()) - QRegion(title));
  const QRect line = rect().adjusted(0, metrics.height() / 2, -2, -2);
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(line);
  painter.setPen(palette().color(QPalette::Light));
  painter.drawRect(line.translated(1, 1));
  if (caption.isEmpty()) return;
  painter.setClipping(false);
  painter.setPen(palette().color(record->disabled ? QPalette::Disabled : QPalette::Active, QPalette::WindowText));
  painter.drawText(title, Qt::AlignCenter, caption);
}

PictureButton::PictureButton(int control, QWidget* parent) : QAbstractButton(parent), control_(control) {}

void PictureButton::paintEvent(QPaintEvent*) {
  const ControlRecord* record = core::findControl(control_);
  if (!record) return;
  const Image* picture = isChecked() && record->pressedPicture ? record->pressedPicture : record->picture;
  QPainter painter(this);
  // While the button is held its face sits one pixel down and to the right,
  // as a pressed button's does.
  const int shift = isDown() ? 1 : 0;
  painter.drawPixmap(shift, shift, pixmapOf(picture));
}

PictureLabel::PictureLabel(int control, QWidget* parent) : QFrame(parent), control_(control) {}

void PictureLabel::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  const ControlRecord* record = core::findControl(control_);
  if (!record) return;
  QPainter painter(this);
  painter.drawPixmap(contentsRect().topLeft(), pixmapOf(record->picture));
}

void PictureLabel::mousePressEvent(QMouseEvent* event) { event->accept(); }

void PictureLabel::mouseReleaseEvent(QMouseEvent* event) {
  const ControlRecord* record = core::findControl(control_);
  if (record && isLeftReleaseInside(*this, *event)) post(EventControl, record->window, control_, 0);
  event->accept();
}

}  // namespace media::qt
