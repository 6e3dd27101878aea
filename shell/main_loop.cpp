// The main loop: one pass waits at most 15 ms for an event and hands it to the
// first handler that takes it; mouse tracking over the field, the click that
// makes a move, the game timers, repaints and the window's own buttons.
#include "common/app_state.h"
#include "common/board_value.h"
#include "common/common.h"
#include "common/ids.h"
#include "engine/engine.h"
#include "media/media.h"
#include "shell/shell.h"

namespace {

constexpr int WaitMs = 15;
constexpr int RepaintSettleMs = 8;

bool Playing() { return App.GameState == Running; }

void HandleTimer() {
  switch (media::eventTimer()) {
    case ids::BannerTimer: EndGame(0); break;
    case ids::TimeLimitTimer: TimeLimit(0); break;
    default: break;
  }
}

void ShowHiddenGame() {
  media::removeTrayIcon(ids::TrayIcon);
  media::hideWindow(ids::MainWindow, 0);
}

}  // namespace

void PlayHoveredCell() {
  const int t = TileSize();
  if (t <= 0) return;  // a board without tile sprites cannot be played
  App.FieldColumns = ids::FieldWidth / t;
  App.FieldRows = ids::FieldHeight / t;
  App.Marks.reset(App.FieldColumns, App.FieldRows);
  if (FindRegion(App.HoverCell.column, App.HoverCell.row, App.Marks)) ApplyMove(App.Marks);
}

// Clicks can pile up while a handler runs; each is taken when its turn comes,
// and by then the control may have gone: Undo hidden by the undo before it,
// Pause by the end of the game, the whole window by Escape. Such a click is
// ignored, as the control could not have been clicked now.
bool ControlStillThere(int control) {
  const int window = media::eventWindow();
  return media::controlExists(control) && !media::controlHidden(control) && !media::controlDisabled(control) &&
         !media::windowHidden(window) && !media::windowDisabled(window);
}

int TrackHover() {
  const Cell cell = CellUnderPointer();
  // A mouse move takes the highlight back from the arrow keys.
  const bool fromKeys = App.HoverFromKeys;
  App.HoverFromKeys = false;
  if (fromKeys || cell.column != App.HoverCell.column || cell.row != App.HoverCell.row) {
    App.HoverCell = cell;
    RedrawField();
  }
  return 0;
}

int DispatchOtherEvent(int event) {
  if (event == media::EventCloseWindow) return 0;
  if (event != media::EventControl || !ControlStillThere(media::eventObject())) return 1;
  switch (media::eventObject()) {
    case ids::PauseButton: TogglePause(); break;
    case ids::UndoButton: UndoMove(); break;
    case ids::NewButton: NewGame(); break;
    case ids::QuitButton: ConfirmQuit(); break;
    default: break;  // the dialog windows read their own controls
  }
  return 1;
}

int RepaintWindow() {
  const int x = media::windowX(ids::MainWindow);
  if (x != App.LastWindowX) {
    App.LastWindowX = x;
    media::invalidateWindow(ids::MainWindow, 0, 0, media::windowWidth(ids::MainWindow),
                            media::windowHeight(ids::MainWindow), 1);
    media::updateWindow(ids::MainWindow);
    media::delay(RepaintSettleMs);
  }
  // While paused the cover stays: a repaint must not show the board with the
  // clock stopped. After a game has ended the final board is drawn again.
  if (!media::screenExists()) return 0;
  if (App.GameState == Paused)
    DrawPauseCover();
  else
    RedrawField();
  return 0;
}

void RunMainLoopPass() {
  App.LastEvent = media::waitEvent(WaitMs);
  const int event = App.LastEvent;
  if (event == media::EventMouseMove && Playing()) {
    TrackHover();
  } else if (event == media::EventLeftClick && Playing() && App.HoverCell.column >= 0 &&
             BoardValueAt(App.HoverCell) > 0) {
    PlayHoveredCell();
  } else if (event == media::EventTimer) {
    HandleTimer();
  } else if (event == media::EventMenu) {
    DispatchCommand();
  } else if (event == media::EventRepaint) {
    RepaintWindow();
  } else if (event == media::EventTray) {
    ShowHiddenGame();
  } else if (!DispatchOtherEvent(event)) {
    ConfirmQuit();
  }
}

void RunMainLoop() {
  for (;;) RunMainLoopPass();
}
