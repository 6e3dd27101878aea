// Controls of the Qt back end: each kind as its matching widget, created in the
// container its record names, kept in step with the record by updateControl,
// and turning the user's changes into the record's state plus an EventControl
// (type 0 for a click, 1 for a moved slider or another tab).
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QTabWidget>

#include <map>

#include "media/qt/control_widgets.h"
#include "media/qt/qt_internal.h"
#include "media/qt/window_widget.h"

namespace media::qt {
namespace {

// Nonzero while the back end itself sets a widget's value, so only the user's
// changes raise events.
int applying = 0;
struct Applying {
  Applying() { ++applying; }
  ~Applying() { --applying; }
};

// One QButtonGroup (non-exclusive: the records decide) per core option group.
std::map<int, QPointer<QButtonGroup>> optionGroups;

void postControl(int control, int type) {
  if (const ControlRecord* record = core::findControl(control)) post(EventControl, record->window, control, type);
}

// The user selected an option button: it is set, the rest of its group cleared.
void selectOption(int control, int group) {
  auto found = optionGroups.find(group);
  if (found == optionGroups.end() || !found->second) return;
  Applying quiet;
  for (QAbstractButton* button : found->second->buttons()) {
    const int number = found->second->id(button);
    ControlRecord* record = core::findControl(number);
    if (!record) continue;
    record->state = number == control ? 1 : 0;
    button->setChecked(record->state != 0);
  }
  postControl(control, 0);
}

QWidget* makeOptionButton(const ControlRecord& control, QWidget* parent) {
  auto* button = new QRadioButton(parent);
  button->setAutoExclusive(false);
  QPointer<QButtonGroup>& group = optionGroups[control.group];
  if (!group) group = new QButtonGroup(parent->window());
  group->setExclusive(false);
  group->addButton(button, control.number);
  const int number = control.number, groupNumber = control.group;
  QObject::connect(button, &QAbstractButton::clicked, [number, groupNumber] { selectOption(number, groupNumber); });
  return button;
}

QWidget* makeCheckable(QAbstractButton* button, int number) {
  QObject::connect(button, &QAbstractButton::clicked, [number](bool checked) {
    if (ControlRecord* record = core::findControl(number)) record->state = checked ? 1 : 0;
    postControl(number, 0);
  });
  return button;
}

QWidget* makeTrackBar(const ControlRecord& control, QWidget* parent) {
  auto* slider = new QSlider(Qt::Horizontal, parent);
  // A click beside the thumb moves it one step, as a track bar's page does here:
  // the ranges are short (1 to 12 minutes' steps, colours, volume).
  slider->setPageStep(1);
  if (control.flags & TrackTicks) {
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(1);
  }
  const int number = control.number;
  QObject::connect(slider, &QSlider::valueChanged, [number](int value) {
    ControlRecord* record = core::findControl(number);
    if (applying || !record) return;
    record->state = value;
    postControl(number, 1);
  });
  return slider;
}

QWidget* makeTabPanel(const ControlRecord& control, QWidget* parent) {
  auto* tabs = new QTabWidget(parent);
  const int number = control.number;
  QObject::connect(tabs, &QTabWidget::currentChanged, [number](int index) {
    ControlRecord* record = core::findControl(number);
    if (applying || !record || index < 0) return;
    record->state = index;
    postControl(number, 1);
  });
  return tabs;
}

QWidget* makeScrollArea(QWidget* parent) {
  auto* area = new QScrollArea(parent);
  area->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  area->setWidgetResizable(false);
  area->setWidget(new QWidget);
  return area;
}

QWidget* makeWidget(const ControlRecord& control, QWidget* parent) {
  const int number = control.number;
  switch (control.kind) {
    case ControlTextLabel: return new StaticLabel(number, parent);
    case ControlPushButton: {
      auto* button = new QPushButton(parent);
      QObject::connect(button, &QPushButton::clicked, [number] { postControl(number, 0); });
      return button;
    }
    case ControlPictureButton: {
      auto* button = new PictureButton(number, parent);
      button->setCheckable(control.flags & PictureToggle);
      // A focused button would take Space or Enter meant for the window's shortcuts.
      if (control.flags & PictureNoFocus) button->setFocusPolicy(Qt::NoFocus);
      return makeCheckable(button, number);
    }
    case ControlCheckBox: {
      auto* box = new QCheckBox(parent);
      if (control.flags & CheckTextRight) box->setLayoutDirection(Qt::RightToLeft);
      return makeCheckable(box, number);
    }
    case ControlOptionButton: return makeOptionButton(control, parent);
    case ControlTrackBar: return makeTrackBar(control, parent);
    case ControlFrame: {
      auto* frame = new FrameBox(number, parent);
      frame->lower();  // beneath the controls it surrounds, whenever they were made
      return frame;
    }
    case ControlPictureControl: {
      auto* picture = new PictureLabel(number, parent);
      if (control.flags & PictureSunken) {
        picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        picture->setLineWidth(2);
      }
      return picture;
    }
    case ControlHyperlink: return new LinkLabel(number, parent);
    case ControlRichText: {
      auto* text = new QPlainTextEdit(parent);
      text->setReadOnly(control.flags & RichReadOnly);
      text->setLineWrapMode(control.flags & RichWordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
      return text;
    }
    case ControlTabPanel: return makeTabPanel(control, parent);
    case ControlScrollArea: return makeScrollArea(parent);
    default: return nullptr;
  }
}

void applyColours(const ControlRecord& control, QWidget& widget) {
  if (control.textColour < 0 && control.backgroundColour < 0) return;
  QPalette palette = QApplication::palette(&widget);
  if (control.textColour >= 0)
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
      palette.setColor(role, toQColor(control.textColour));
  if (control.backgroundColour >= 0)
    for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base})
      palette.setColor(role, toQColor(control.backgroundColour));
  widget.setPalette(palette);
  // Labels paint their own background; other widgets fill it from the palette.
  const bool paintsOwnBackground = control.kind == ControlTextLabel || control.kind == ControlHyperlink;
  if (!paintsOwnBackground) widget.setAutoFillBackground(control.backgroundColour >= 0);
}

std::string joinedLines(const ControlRecord& control) {
  std::string text;
  for (std::size_t i = 0; i < control.lines.size(); ++i) text += (i ? "\n" : "") + control.lines[i];
  return text;
}

void applyKindProperties(const ControlRecord& control, QWidget& widget) {
  const QString text = QString::fromStdString(control.text);
  switch (control.kind) {
    case ControlPushButton: static_cast<QPushButton&>(widget).setText(text); break;
    case ControlCheckBox:
    case ControlOptionButton:
      static_cast<QAbstractButton&>(widget).setText(text);
      static_cast<QAbstractButton&>(widget).setChecked(control.state != 0);
      break;
    case ControlPictureButton: {
      auto& button = static_cast<QAbstractButton&>(widget);
      if (button.isCheckable()) button.setChecked(control.state != 0);
      button.setAccessibleName(text);  // the face shows the word; the text names it
      break;
    }
    case ControlTrackBar: {
      auto& slider = static_cast<QSlider&>(widget);
      slider.setRange(control.minimum, control.maximum);
      slider.setValue(control.state);
      break;
    }
    case ControlRichText: {
      auto& edit = static_cast<QPlainTextEdit&>(widget);
      const QString lines = QString::fromStdString(joinedLines(control));
      if (edit.toPlainText() != lines) edit.setPlainText(lines);
      break;
    }
    case ControlTabPanel: {
      auto& tabs = static_cast<QTabWidget&>(widget);
      if (control.state >= 0 && control.state < tabs.count()) tabs.setCurrentIndex(control.state);
      break;
    }
    case ControlScrollArea: {
      auto& area = static_cast<QScrollArea&>(widget);
      area.widget()->resize(control.innerWidth, control.innerHeight);
      area.horizontalScrollBar()->setSingleStep(control.scrollStep);
      area.verticalScrollBar()->setSingleStep(control.scrollStep);
      break;
    }
    default: break;
  }
}

}  // namespace

QWidget* controlWidget(int control) {
  const ControlRecord* record = core::findControl(control);
  return record ? static_cast<QWidget*>(record->native) : nullptr;
}

QWidget* containerWidget(const ControlRecord& control) {
  if (control.container < 0) return windowWidget(control.window);
  const ControlRecord* container = core::findControl(control.container);
  QWidget* widget = container ? static_cast<QWidget*>(container->native) : nullptr;
  if (!widget) return nullptr;
  if (auto* tabs = qobject_cast<QTabWidget*>(widget)) return tabs->widget(control.tab);
  if (auto* area = qobject_cast<QScrollArea*>(widget)) return area->widget();
  return nullptr;
}

}  // namespace media::qt

namespace media::backend {

bool createControl(ControlRecord& control) {
  QWidget* parent = qt::containerWidget(control);
  QWidget* widget = parent ? qt::makeWidget(control, parent) : nullptr;
  if (!widget) return false;
  qt::trackNative(widget, control.native);
  updateControl(control);
  return true;
}

void destroyControl(ControlRecord& control) {
  QWidget* widget = static_cast<QWidget*>(control.native);
  control.native = nullptr;
  delete widget;
}

void updateControl(ControlRecord& control) {
  QWidget* widget = static_cast<QWidget*>(control.native);
  if (!widget) return;
  qt::Applying quiet;
  widget->setGeometry(control.rect.x, control.rect.y, control.rect.width, control.rect.height);
  widget->setEnabled(!control.disabled);
  widget->setToolTip(QString::fromStdString(control.toolTip));
  QFont font = qt::fontOf(control.font);
  if (control.kind == ControlHyperlink && (control.flags & LinkUnderline)) font.setUnderline(true);
  widget->setFont(font);
  qt::applyColours(control, *widget);
  qt::applyKindProperties(control, *widget);
  widget->setVisible(!control.hidden);
  widget->update();
}

// Qt follows appended lines while the view is at its end, which an empty box
// always is; the view stays where it was, so a filled box opens at its first line.
void appendRichTextLine(ControlRecord& control, std::string_view line) {
  auto* edit = qobject_cast<QPlainTextEdit*>(static_cast<QWidget*>(control.native));
  if (!edit) return;
  QScrollBar* bar = edit->verticalScrollBar();
  const int shown = bar->value();
  edit->appendPlainText(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
  bar->setValue(shown);
}

void addTab(ControlRecord& tabPanel, std::string_view title) {
  auto* tabs = qobject_cast<QTabWidget*>(static_cast<QWidget*>(tabPanel.native));
  if (!tabs) return;
  qt::Applying quiet;
  tabs->addTab(new QWidget, QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
}

}  // namespace media::backend
