// Pausing and resuming a game, and the quit confirmation for every window kind:
// the main window asks before a game in progress is abandoned, the dialog
// windows close and give the input back to their owner.
#include "common/app_state.h"
#include "common/common.h"
#include "common/ids.h"
#include "common/statistics.h"
#include "media/media.h"
#include "settings/config_file.h"

namespace {

constexpr const char* QuitCaption = "Quit Game";
constexpr const char* QuitQuestion = "Are you sure?";

bool AskQuit() { return media::messageBox(QuitCaption, QuitQuestion, media::BoxWarningYesNo) == media::ButtonYes; }

void RecordAbandonedGame() {
  ConfigFile::open(ids::ConfigFileName);
  statisticsAction(StatisticsLost);
  ConfigFile::close();
}

void QuitMainWindow() {
  if (TimedGameRunning() || App.GameState == Paused) {
    media::setControlState(ids::PauseButton, 1);
    TogglePause();
    if (!AskQuit()) return;  // the game stays paused
    RecordAbandonedGame();
    ShutDown(0);
  }
  if (App.GameState == Running) {  // a practice game: not paused, not recorded
    if (!AskQuit()) return;
    ShutDown(0);
  }
  ShutDown(0);
}

// The options, image collection, statistics and About windows.
void CloseDialog(int window) {
  media::closeWindow(window);
  media::disableWindow(ids::MainWindow, 0);
  if (ConfigFile::isOpen()) ConfigFile::close();
}

}  // namespace

bool TimedGameRunning() {
  return App.GameState == Running && media::controlText(ids::TimeField) != " ";
}

int TogglePause() {
  if (media::controlState(ids::PauseButton)) {
    // Pausing twice (a quit question while paused) must not forget that Undo was shown.
    if (App.GameState != Paused) App.UndoWasVisible = !media::controlHidden(ids::UndoButton);
    media::hideControl(ids::UndoButton, 1);
    DrawPauseCover();
    // The clock keeps the part of the second not yet played, for the resume.
    media::pauseWindowTimer(ids::MainWindow, ids::TimeLimitTimer);
    App.GameState = Paused;
  } else {
    if (App.CurrentStep > 0 && App.UndoWasVisible) media::hideControl(ids::UndoButton, 0);
    RedrawField();
    media::resumeWindowTimer(ids::MainWindow, ids::TimeLimitTimer);
    App.GameState = Running;
  }
  NamePauseButton();
  return 0;
}

void NamePauseButton() {
  media::setControlText(ids::PauseButton, media::controlState(ids::PauseButton) ? "Continue" : "Pause");
}

int ConfirmQuit() {
  const int window = media::eventWindow();
  switch (window) {
    case ids::MainWindow: QuitMainWindow(); break;
    case ids::StatisticsWindow:
    case ids::OptionsWindow:
    case ids::CollectionWindow:
    case ids::AboutWindow: CloseDialog(window); break;
    case ids::LicenseWindow:
      media::closeWindow(ids::LicenseWindow);
      media::disableWindow(ids::AboutWindow, 0);
      break;
    default: break;
  }
  return 0;
}
