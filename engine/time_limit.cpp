// The tournament clock: started by a new game, ticked by the 1000 ms timer. It
// halts while the game is paused (TogglePause pauses the timer, which keeps
// the part of the second not yet played), goes when the game has ended, plays
// the warning on the last seconds and loses the game at the tick showing 00:00.
#include <string>

#include "common/app_state.h"
#include "common/common.h"
#include "common/ids.h"
#include "engine/engine.h"
#include "media/media.h"

namespace {

constexpr const char* TimeLeftPrefix = "Time left: ";
constexpr int ClockPeriodMs = 1000;
constexpr int WarningSeconds = 10;

void ShowSecondsLeft() { UpdateStatus("", "", TimeLeftPrefix + TimeText(App.SecondsLeft)); }

}  // namespace

void TimeLimit(int seconds) {
  if (seconds != 0) {
    App.SecondsLeft = seconds;
    media::addWindowTimer(ids::MainWindow, ids::TimeLimitTimer, ClockPeriodMs);
    ShowSecondsLeft();
    App.SecondsLeft -= 1;
    return;
  }
  if (App.GameState == Paused) return;
  if (App.GameState != Running) {
    media::removeWindowTimer(ids::MainWindow, ids::TimeLimitTimer);
    return;
  }
  ShowSecondsLeft();
  App.SecondsLeft -= 1;
  if (App.SecondsLeft >= 0 && App.SecondsLeft <= WarningSeconds) {
    if (App.SoundVolume != 0) media::playSound(ids::WarningSound);
  } else if (App.SecondsLeft < 0) {
    media::removeWindowTimer(ids::MainWindow, ids::TimeLimitTimer);
    EndGame(Lost);
  }
}
