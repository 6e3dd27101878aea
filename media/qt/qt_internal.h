// Internal declarations shared by the files of the Qt back end: posting events
// to the core (which also ends the current wait), colour and picture
// conversion, looking up the widget behind a record. A record's native pointer
// is the toolkit's own object (QWidget, QMenu, QSystemTrayIcon, QFont); when Qt
// deletes a widget on its own (its parent went first), the record's pointer is
// cleared.
#pragma once

#include <QColor>
#include <QKeySequence>
#include <QPixmap>
#include <QWidget>

#include "media/backend.h"
#include "media/records.h"

class QKeySequence;

namespace media::core {
struct SoundOutput;
}

namespace media::qt {

// Queues the event in the core and wakes waitNative.
void post(int kind, int window, int object, int type = 0);

// Colours are red + green*256 + blue*65536.
QColor toQColor(int colour);

// The picture of a core image, converted once and cached until the image
// changes or goes away. A null pixmap for a null image.
QPixmap pixmapOf(const Image* image);
void dropPixmapCache();

// The font of a font number, or the default control font for -1 or a free number.
QFont fontOf(int font);
// Debian's fonts-wine keeps its Tahoma outside the font search path: registers
// its regular face with the toolkit (or, without it, narrow stand-ins), so the
// layouts made for Tahoma's metrics hold their texts. Before any font is made.
void makeTahomaAvailable();

// Keeps record.native in step with the object's life: cleared when Qt deletes it.
void trackNative(QObject* object, void*& native);

class WindowWidget;
WindowWidget* windowWidget(const WindowRecord& window);
WindowWidget* windowWidget(int window);
// The logical client pixel of a top-level window the pointer is in (may lie outside it).
QPoint pointerIn(const QWidget& window);
// The pointer may have moved: the next pointerIn asks anew.
void forgetPointer();
// A motion event of the window at that position: pointerIn answers with it
// where a logical pixel is one device pixel (elsewhere it stays forgotten).
void notePointer(const QWidget& window, const QPointF& position);
QWidget* controlWidget(int control);
// The widget a control's children are placed in: the window, a tab page or the
// scrolling area's inner widget.
QWidget* containerWidget(const ControlRecord& control);

// OpenAL Soft's loopback device as the sound output, rendering into memory;
// the test driver puts it in place of the default device.
const core::SoundOutput& openAlLoopbackOutput();

// The key sequences of a layer key code (KeyEscape, KeyCtrlQ ...), the main one
// first; empty when unknown.
QList<QKeySequence> shortcutSequences(int key);
QKeySequence shortcutSequence(int key);

}  // namespace media::qt
