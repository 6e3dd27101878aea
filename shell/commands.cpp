// Menu, toolbar and shortcut commands of the main window: the pop-up menus, the
// dialog windows, the help document, and hiding the game.
#include <string>

#include "common/app_state.h"
#include "common/common.h"
#include "common/ids.h"
#include "dialogs/dialogs.h"
#include "media/media.h"
#include "shell/shell.h"

namespace {

constexpr const char* TrayToolTip = "Free Mirel!";

// The help document lies in "docs" beside the program; nothing is reported when
// the desktop cannot open it.
void OpenHelpDocument() {
  const std::string name =
      media::pathPart(media::programFileName()) + "docs" + media::pathSeparator() + "Help.pdf";
  media::openDocument(name);
}

void PauseTimedGame() {
  if (!TimedGameRunning()) return;
  media::setControlState(ids::PauseButton, 1);
  TogglePause();
}

// Pauses a tournament game and hides the window behind the notification icon.
// Without a notification area nothing could bring a hidden window back, so the
// window is minimised instead.
void HideGame() {
  PauseTimedGame();
  if (!media::trayAvailable()) {
    media::minimiseWindow(ids::MainWindow);
    return;
  }
  media::addTrayIcon(ids::TrayIcon, media::windowHandle(ids::MainWindow), media::imageHandle(App.TrayIconImage));
  media::setTrayToolTip(ids::TrayIcon, TrayToolTip);
  media::hideWindow(ids::MainWindow, 1);
}

void ShowMenu(int menu) { media::showPopupMenu(menu, media::windowHandle(ids::MainWindow)); }

// A toolbar click taken after its button was disabled (New disables "Options"
// for the game it starts) or its window hidden is ignored, like a click on a
// control that has gone.
bool ToolbarButtonGone(int item) {
  const bool toolbarItem =
      item == ids::CommandStatistics || item == ids::CommandOptions || item == ids::CommandHelpMenu;
  return toolbarItem &&
         (media::toolbarButtonDisabled(ids::Toolbar, item) || media::windowHidden(ids::MainWindow));
}

}  // namespace

int DispatchCommand() {
  if (ToolbarButtonGone(media::eventObject())) return 0;
  switch (media::eventObject()) {
    case ids::CommandStatistics: openStatisticsWindow(); break;
    case ids::CommandOptions: ShowMenu(ids::SettingsMenu); break;
    case ids::CommandHelpMenu: ShowMenu(ids::InfoMenu); break;
    case ids::CommandGameSettings: openOptionsWindow(); break;
    case ids::CommandImageCollection: openCollectionWindow(); break;
    case ids::CommandAbout: openAboutWindow(); break;
    case ids::CommandHelp:
    case ids::CommandF1: OpenHelpDocument(); break;
    case ids::CommandEscape: HideGame(); break;
    case ids::CommandQuit: ConfirmQuit(); break;
    case ids::CommandLeft:
    case ids::CommandRight:
    case ids::CommandUp:
    case ids::CommandDown:
    case ids::CommandRemove:
    case ids::CommandUndo: PlayKey(media::eventObject()); break;
    default: break;
  }
  return 0;
}
