// The end of a game: the result recorded for a tournament, the result texts and
// sound, and the banner animation over a snapshot of the final board, stepped
// by the 50 ms timer: grow 13 frames, hold 10 steps, fade 25 frames.
#include <string>

#include "common/app_state.h"
#include "common/common.h"
#include "common/ids.h"
#include "common/statistics.h"
#include "engine/engine.h"
#include "engine/engine_internal.h"
#include "media/media.h"
#include "settings/config_file.h"

namespace {

constexpr const char* WonText = "100% - Congratulations: you won!";
constexpr const char* LostSuffix = " - Game over ...";
constexpr const char* TimeUsedPrefix = "Time used: ";

constexpr int BannerGrow = 1, BannerHold = 2, BannerFade = 3;
constexpr int BannerStartWidth = 18, BannerFullWidth = 258, BannerWidthStep = 20;
constexpr int BannerY = 200, BannerFadeX = 15;
constexpr int HoldSteps = 9;
constexpr int FadeStart = 240, FadeStep = 10;
constexpr int BannerPeriodMs = 50;

// The seconds of the last "mm:ss" shown at the end of the text, 0 without one.
int SecondsShown(const std::string& text) {
  const std::size_t colon = text.rfind(':');
  if (colon == std::string::npos) return 0;
  std::size_t first = colon;
  while (first > 0 && text[first - 1] >= '0' && text[first - 1] <= '9') --first;
  int minutes = 0, seconds = 0;
  for (std::size_t i = first; i < colon; ++i) minutes = minutes * 10 + (text[i] - '0');
  for (std::size_t i = colon + 1; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    seconds = seconds * 10 + (text[i] - '0');
  return minutes * 60 + seconds;
}

void DeclareResult(int result) {
  App.GameState = result;
  ConfigFile::open(ids::ConfigFileName);
  const GameSettings settings = engine::ReadEngineSettings();
  std::string timeText = " ";
  if (settings.mode == engine::TournamentMode) {
    media::removeWindowTimer(ids::MainWindow, ids::TimeLimitTimer);
    statisticsAction(result);
    if (result == Won)
      timeText = TimeUsedPrefix + TimeText(settings.timeLimit - SecondsShown(media::controlText(ids::TimeField)));
  }
  // The hover frame follows the pointer: it is no part of the final board.
  App.HoverCell = {-1, -1};
  App.HoverFromKeys = false;
  RedrawField();
  media::captureSprite(ids::SnapshotSprite, 0, 0, ids::FieldWidth, ids::FieldHeight);
  media::hideControl(ids::PauseButton, 1);
  media::hideControl(ids::UndoButton, 1);
  if (result == Won) {
    UpdateStatus("", WonText, timeText);
    if (App.SoundVolume != 0) media::playSound(ids::WonSound);
  } else {
    const double total = App.TilesLeft[0];
    const double cleared = total - App.TilesLeft[static_cast<std::size_t>(App.CurrentStep)];
    UpdateStatus("", ProgressText(cleared, total) + LostSuffix, "");
    if (App.SoundVolume != 0) media::playSound(ids::LostSound);
  }
  App.BannerPhase = BannerGrow;
  App.BannerCounter = BannerStartWidth;
  media::addWindowTimer(ids::MainWindow, ids::BannerTimer, BannerPeriodMs);
  ConfigFile::close();
}

void DrawBannerFrame(int x, int intensity) {
  media::drawSprite(ids::SnapshotSprite, 0, 0);
  media::drawSpriteBlended(App.GameState, x, BannerY, intensity);
  media::present();
}

void BannerStep() {
  const int banner = App.GameState;
  switch (App.BannerPhase) {
    case BannerGrow:
      media::setSpriteSize(banner, App.BannerCounter, -1);
      DrawBannerFrame((ids::FieldWidth - App.BannerCounter) / 2, App.BannerCounter - 3);
      if (App.BannerCounter < BannerFullWidth) {
        App.BannerCounter += BannerWidthStep;
      } else {
        App.BannerCounter = 0;
        App.BannerPhase = BannerHold;
      }
      break;
    case BannerHold:
      if (App.BannerCounter < HoldSteps) {
        App.BannerCounter += 1;
      } else {
        App.BannerCounter = FadeStart;
        App.BannerPhase = BannerFade;
      }
      break;
    case BannerFade:
      DrawBannerFrame(BannerFadeX, App.BannerCounter);
      if (App.BannerCounter > 0) {
        App.BannerCounter -= FadeStep;
      } else {
        App.GameState = NoGame;
        media::removeWindowTimer(ids::MainWindow, ids::BannerTimer);
        media::drawSprite(ids::SnapshotSprite, 0, 0);
        media::present();
        media::freeSprite(ids::SnapshotSprite);
        media::disableToolbarButton(ids::Toolbar, ids::CommandOptions, 0);
      }
      break;
    default:
      break;
  }
}

}  // namespace

void EndGame(int result) {
  if (result == Won || result == Lost)
    DeclareResult(result);
  else if (result == 0)
    BannerStep();
}
