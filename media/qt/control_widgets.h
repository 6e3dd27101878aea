// Widgets of the controls that Qt has no exact match for: the text label that
// asks its window for its colours before it paints (so the main window's status
// fields can be blue on the background picture), the hyperlink label, the flat
// picture button that is exactly its picture, and the clickable picture control.
#pragma once

#include <QAbstractButton>
#include <QFrame>
#include <QWidget>

namespace media::qt {

// A static text: background and text colour from the record, unless the
// window's callback answers otherwise (a transparent background, a text colour).
class StaticLabel : public QWidget {
 public:
  StaticLabel(int control, QWidget* parent);
  int control() const { return control_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  virtual QColor textColour() const;
  int control_;
};

// Normal colour, the hover colour while the mouse is over it; a click is EventControl.
class LinkLabel : public StaticLabel {
 public:
  LinkLabel(int control, QWidget* parent);

 protected:
  QColor textColour() const override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void setHovered(int hovered);
};

// A frame with its caption: an etched line around controls, its inside left to
// the window beneath, as a dialog's group box is.
class FrameBox : public QWidget {
 public:
  FrameBox(int control, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int control_;
};

// Draws its picture (the pressed picture while a toggle is down), one pixel down
// and right while it is held, and nothing else.
class PictureButton : public QAbstractButton {
 public:
  PictureButton(int control, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int control_;
};

// The picture with an optional sunken border; a click is EventControl.
class PictureLabel : public QFrame {
 public:
  PictureLabel(int control, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int control_;
};

}  // namespace media::qt
