// Pop-up menus, the toolbar and the tray icon. A menu item, a toolbar button
// and a tray click each become one event: EventMenu with the item number, or
// EventTray.
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QSystemTrayIcon>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

#include "media/qt/qt_internal.h"
#include "media/qt/window_widget.h"

namespace media::qt {
namespace {

// The window a menu event is reported for while its menu is open.
int menuOwner = -1;

// The toolbar's own margins: one pixel around its buttons and no frame, so a
// toolbar of 24-pixel icons fits the 30-pixel band the window's picture paints
// for it, a hovered or held button's frame included.
class ToolbarStyle : public QProxyStyle {
 public:
  explicit ToolbarStyle(QStyle* base) : QProxyStyle(base) {}
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    if (metric == PM_ToolBarItemMargin) return 1;
    if (metric == PM_ToolBarFrameWidth) return 0;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
  // As the application's style: the extension button of a toolbar that never
  // overflows needs no icon, and reading the stock one would load every
  // image-format plugin.
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override {
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton) return {};
    return QProxyStyle::standardIcon(icon, option, widget);
  }
};

QStyle* toolbarStyle() {
  static QPointer<ToolbarStyle> style;
  if (!style) {
    style = new ToolbarStyle(QStyleFactory::create(QApplication::style()->name()));
    style->setParent(qApp);
  }
  return style;
}

// Room around the icon inside a button, for its frame when hovered or held.
constexpr int ButtonPadding = 4;

// A flat toolbar: the window's background shows through it and its buttons.
class FlatToolbar : public QToolBar {
 public:
  explicit FlatToolbar(QWidget* parent) : QToolBar(parent) {}

 protected:
  void paintEvent(QPaintEvent*) override {}
};

QToolBar* toolbarOf(const ToolbarRecord& toolbar) { return static_cast<QToolBar*>(toolbar.native); }

// Button size within the width range; never smaller than the button needs.
void sizeButtons(const ToolbarRecord& record, QToolBar& toolbar) {
  for (QAction* action : toolbar.actions()) {
    QWidget* button = toolbar.widgetForAction(action);
    if (!button) continue;
    // Big enough for the icon and its frame, and no bigger than the size asked for allows.
    const QSize needed = toolbar.iconSize() + QSize(ButtonPadding, ButtonPadding);
    int width = std::max(record.buttonWidth, needed.width());
    if (record.minWidth > 0) width = std::max(width, record.minWidth);
    if (record.maxWidth > 0) width = std::min(width, record.maxWidth);
    button->setFixedSize(width, std::max(record.buttonHeight, needed.height()));
  }
  QWidget* window = toolbar.parentWidget();
  toolbar.setGeometry(0, 0, window ? window->width() : toolbar.sizeHint().width(), toolbar.sizeHint().height());
}

}  // namespace

QSystemTrayIcon* trayIconOf(const TrayRecord& tray) { return static_cast<QSystemTrayIcon*>(tray.native); }

}  // namespace media::qt

namespace media::backend {

bool createMenu(MenuRecord& menu) {
  auto* widget = new QMenu;
  qt::trackNative(widget, menu.native);
  updateMenu(menu);
  return true;
}

void destroyMenu(MenuRecord& menu) {
  auto* widget = static_cast<QMenu*>(menu.native);
  menu.native = nullptr;
  delete widget;
}

void updateMenu(MenuRecord& menu) {
  auto* widget = static_cast<QMenu*>(menu.native);
  if (!widget) return;
  // Items are only ever appended: add those the widget does not have yet.
  for (std::size_t i = static_cast<std::size_t>(widget->actions().size()); i < menu.items.size(); ++i) {
    const MenuItem& entry = menu.items[i];
    if (entry.item < 0) {
      widget->addSeparator();
      continue;
    }
    QAction* action = widget->addAction(QString::fromStdString(entry.text));
    action->setData(entry.item);
    const int item = entry.item;
    QObject::connect(action, &QAction::triggered, [item] { qt::post(EventMenu, qt::menuOwner, item); });
  }
}

void showMenu(MenuRecord& menu, const WindowRecord& owner) {
  auto* widget = static_cast<QMenu*>(menu.native);
  if (!widget) return;
  qt::menuOwner = owner.number;
  // No loop of its own: the program's loop, its timers included, goes on
  // while the menu is open, and a choice comes later as EventMenu.
  widget->popup(QCursor::pos());
}

bool createToolbar(ToolbarRecord& toolbar) {
  qt::WindowWidget* window = qt::windowWidget(toolbar.window);
  if (!window) return false;
  auto* widget = new qt::FlatToolbar(window);
  widget->setStyle(qt::toolbarStyle());
  widget->setMovable(false);
  widget->setFloatable(false);
  const int icon = toolbar.flags & ToolbarLargeIcons ? 24 : 16;
  widget->setIconSize(QSize(icon, icon));
  qt::trackNative(widget, toolbar.native);
  updateToolbar(toolbar);
  widget->show();
  return true;
}

void destroyToolbar(ToolbarRecord& toolbar) {
  QToolBar* widget = qt::toolbarOf(toolbar);
  toolbar.native = nullptr;
  delete widget;
}

void updateToolbar(ToolbarRecord& toolbar) {
  QToolBar* widget = qt::toolbarOf(toolbar);
  if (!widget) return;
  const int window = toolbar.window;
  for (std::size_t i = static_cast<std::size_t>(widget->actions().size()); i < toolbar.buttons.size(); ++i) {
    const int item = toolbar.buttons[i].item;
    QAction* action = widget->addAction(QString());
    action->setData(item);
    QObject::connect(action, &QAction::triggered, [window, item] { qt::post(EventMenu, window, item); });
  }
  const QList<QAction*> actions = widget->actions();
  for (std::size_t i = 0; i < toolbar.buttons.size() && i < static_cast<std::size_t>(actions.size()); ++i) {
    const ToolbarButton& button = toolbar.buttons[i];
    // Greyed when the button is disabled, not while a dialog disables the window.
    QIcon icon(qt::pixmapOf(button.picture));
    if (!button.disabled) icon.addPixmap(qt::pixmapOf(button.picture), QIcon::Disabled);
    actions[static_cast<qsizetype>(i)]->setIcon(icon);
    actions[static_cast<qsizetype>(i)]->setToolTip(QString::fromStdString(button.toolTip));
    // An icon-only button has no text: its tool tip names it.
    if (QWidget* face = widget->widgetForAction(actions[static_cast<qsizetype>(i)]))
      face->setAccessibleName(QString::fromStdString(button.toolTip));
    actions[static_cast<qsizetype>(i)]->setEnabled(!button.disabled);
  }
  qt::sizeButtons(toolbar, *widget);
}

bool trayAvailable() { return QSystemTrayIcon::isSystemTrayAvailable(); }

bool createTray(TrayRecord& tray) {
  auto* icon = new QSystemTrayIcon;
  const int window = tray.window, number = tray.number;
  // The left or the right button, or a double click, brings the game back.
  QObject::connect(icon, &QSystemTrayIcon::activated, [window, number](QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::Context ||
        reason == QSystemTrayIcon::DoubleClick)
      qt::post(EventTray, window, number);
  });
  qt::trackNative(icon, tray.native);
  updateTray(tray);
  return true;
}

void destroyTray(TrayRecord& tray) {
  QSystemTrayIcon* icon = qt::trayIconOf(tray);
  tray.native = nullptr;
  if (!icon) return;
  icon->hide();
  delete icon;
}

void updateTray(TrayRecord& tray) {
  QSystemTrayIcon* icon = qt::trayIconOf(tray);
  if (!icon) return;
  icon->setIcon(QIcon(qt::pixmapOf(tray.picture)));
  icon->setToolTip(QString::fromStdString(tray.toolTip));
  if (QSystemTrayIcon::isSystemTrayAvailable()) icon->show();
}

}  // namespace media::backend
