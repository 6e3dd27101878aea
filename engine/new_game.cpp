// NewGame, the operation behind the New button: checks for the asset library,
// asks before abandoning a running tournament game or a paused one, makes the media of the
// first game, picks the portrait and the tile colours, deals the board and
// starts the clock of a tournament game. The library is loaded only while the
// game copies what it needs, and unloaded with the file closed on every path.
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

constexpr const char* LibraryErrorCaption = "Library Error";
constexpr const char* LibraryErrorText = "Unable to import Images";
constexpr const char* QuitGameCaption = "Quit Game";
constexpr const char* QuitGameText = "Are you sure?";

constexpr int DefaultTransparentColour = 30 + 211 * 256 + 47 * 65536;  // none of the assets use it
constexpr int HoverTransparentColour = 78 + 246 * 256 + 252 * 65536;   // the hover frame's inside
constexpr int HoverFrameKind = 0;
constexpr int TileKindCount = 7;
constexpr int SoundCount = 5;

void LeaveNewGame() {
  media::unloadLibrary(ids::AssetLibrary);
  ConfigFile::close();
}

// Answers 1 when the old game is given up (recorded as lost), 0 when the player
// keeps it; it is then left paused.
int AbandonOldGame() {
  media::setControlState(ids::PauseButton, 1);
  TogglePause();
  if (media::messageBox(QuitGameCaption, QuitGameText, media::BoxWarningYesNo) != media::ButtonYes) return 0;
  media::removeWindowTimer(ids::MainWindow, ids::TimeLimitTimer);
  statisticsAction(StatisticsLost);
  // The button is still pressed: the field stays covered until the new board.
  TogglePause();
  return 1;
}

// The surface, the sounds, the pause cover and the banners are made once a run.
void MakeFirstTimeMedia() {
  media::openScreen(media::windowHandle(ids::MainWindow), ids::FieldX, ids::FieldY, ids::FieldWidth,
                    ids::FieldHeight);
  if (App.SoundAvailable)
    for (int i = 0; i < SoundCount; ++i) engine::LoadLibrarySound(ids::MoveSound + i, i);
  engine::LoadLibrarySprite(ids::PauseCoverSprite, "transGirl", 0, 0);
  engine::LoadLibrarySprite(ids::WonBannerSprite, "gfxMsg", 0, media::SpriteAlpha);
  engine::LoadLibrarySprite(ids::LostBannerSprite, "gfxMsg", 1, media::SpriteAlpha);
  media::setTransparentColour(-1, DefaultTransparentColour);
  App.TileKinds.resize(TileKindCount);
  for (int i = 0; i < TileKindCount; ++i) App.TileKinds[static_cast<std::size_t>(i)] = i + 1;
}

// Tiles are made again only for a new level or number of colours, each time
// with a new random choice of colours; otherwise the colours stay.
void LoadTilesIfChanged(const GameSettings& settings) {
  if (media::spriteExists(ids::FirstTileSprite) && settings.tileSize == App.LoadedTileSize &&
      settings.colours == App.LoadedColours)
    return;
  App.LoadedTileSize = settings.tileSize;
  App.LoadedColours = settings.colours;
  media::shuffle(App.TileKinds.data(), sizeof App.TileKinds[0], 0, App.TileKinds.size() - 1);
  for (int i = 0; i < App.LoadedColours; ++i)
    engine::LoadLibrarySprite(ids::FirstTileSprite + i, "tiles", App.LoadedTileSize,
                              App.TileKinds[static_cast<std::size_t>(i)], 0);
  if (engine::LoadLibrarySprite(ids::HoverSprite, "tiles", App.LoadedTileSize, HoverFrameKind, 0))
    media::setTransparentColour(ids::HoverSprite, HoverTransparentColour);
}

void ShowNewBoard() {
  const std::string tiles = std::to_string(App.TilesLeft[0]);
  media::hideControl(ids::UndoButton, 1);
  // The highlight starts where the pointer is now, not where it was last tracked.
  App.HoverCell = CellUnderPointer();
  App.HoverFromKeys = false;
  RedrawField();
  UpdateStatus("Steps: 0", "Tiles: " + tiles + " / " + tiles, " ");
  media::disableToolbarButton(ids::Toolbar, ids::CommandOptions, 1);
}

}  // namespace

void NewGame() {
  ConfigFile::open(ids::ConfigFileName);
  if (!media::loadLibrary(ids::AssetLibrary, ids::AssetLibraryName)) {
    media::messageBox(LibraryErrorCaption, LibraryErrorText, media::BoxErrorOk);
    ConfigFile::close();
    ShutDown(0);
  }
  GameSettings settings = engine::ReadEngineSettings();
  const bool tournament = settings.mode == engine::TournamentMode;
  // The game in progress decides, not the saved "Mode": that may have changed
  // under a running tournament game (a hand-edited file, a second copy).
  if (TimedGameRunning() || App.GameState == Paused) {
    if (!AbandonOldGame()) return LeaveNewGame();
    // The statistics left another group selected.
    settings = engine::ReadEngineSettings();
  }
  if (!media::screenExists()) MakeFirstTimeMedia();
  media::removeWindowTimer(ids::MainWindow, ids::BannerTimer);

  engine::LoadLibrarySprite(ids::PortraitSprite, "transGirl", engine::NextPortrait(settings.collection), 0);
  LoadTilesIfChanged(settings);
  engine::DealBoard(App.LoadedTileSize, App.LoadedColours);
  ShowNewBoard();

  App.GameState = Running;
  App.UndoUnlimited = settings.unlimitedUndo;
  if (tournament) {
    TimeLimit(settings.timeLimit);
    media::hideControl(ids::PauseButton, 0);
    media::setControlState(ids::PauseButton, 0);
  } else {
    // No clock and no Pause in a practice game, whatever ran before.
    media::removeWindowTimer(ids::MainWindow, ids::TimeLimitTimer);
    media::hideControl(ids::PauseButton, 1);
    media::setControlState(ids::PauseButton, 0);
  }
  NamePauseButton();
  if (App.SoundAvailable && settings.sound != 0) {
    App.SoundVolume = settings.volume;
    media::setSoundVolume(-1, App.SoundVolume);
  } else {
    App.SoundVolume = 0;
  }
  LeaveNewGame();
}
