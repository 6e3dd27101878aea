// Start-up: brings the media services up, decodes the pictures the program
// carries, loads the fonts, allocates the shared arrays, proves that the asset
// library is there, builds the main window with its toolbar, menus and
// shortcuts, and loads the statistics. The order is observable: the library
// check comes before any window exists, the configuration is read after the
// window is complete.
#include <string>
#include <vector>

#include "common/app_state.h"
#include "common/common.h"
#include "common/ids.h"
#include "common/statistics.h"
#include "dialogs/notices.h"
#include "media/media.h"
#include "resources/resources.h"
#include "settings/config_file.h"
#include "shell/shell.h"

namespace {

constexpr const char* VersionPrefix = "Version: 4.0.2.";
constexpr int BuildNumber = 697;
constexpr const char* FontFace = "Tahoma";
constexpr const char* LibraryErrorCaption = "Library Error";
constexpr const char* LibraryErrorText = "Unable to import Images";

int Decode(const resources::Blob& blob) { return media::loadImage(media::AnyNumber, blob.data, blob.size); }

// Every picture decoded below, decoded on a helper thread while the toolkit starts.
void DecodeAhead() {
  const resources::Blob* pictures[] = {
      &resources::NewImage,          &resources::QuitImage,       &resources::PauseImage,
      &resources::UndoImage,         &resources::AboutPicture,    &resources::DonateImage,
      &resources::LicenceBadgeImage, &resources::BackgroundImage, &resources::ContinueImage,
      &resources::TrayIconImage,     &resources::StatisticsIcon,  &resources::OptionsIcon,
      &resources::HelpIcon,
  };
  std::vector<media::ImageBytes> bytes;
  for (const resources::Blob* p : pictures) bytes.push_back({p->data, p->size});
  media::decodeImagesAhead(std::move(bytes));
}

void AllocateArrays() {
  App.CollectionList.assign(2, 0);
  App.TileKinds.assign(7, 0);
  App.Statistics.assign(2, GameStatistics{});
  App.GameBoard.reset(2, 2, 1);
  App.TilesLeft.assign(1, 0);
}

void ResetGameFields() {
  App.GameState = NoGame;
  App.HoverCell = {-1, -1};
  App.CurrentStep = 0;
  App.SoundAvailable = 0;
  App.SoundVolume = 0;
}

void DecodeButtonFaces() {
  media::registerPngDecoder();
  App.NewImage = Decode(resources::NewImage);
  App.QuitImage = Decode(resources::QuitImage);
  App.PauseImage = Decode(resources::PauseImage);
  App.UndoImage = Decode(resources::UndoImage);
}

void LoadFontsAndAboutPictures() {
  media::loadFont(ids::StatusFont, FontFace, 10, media::FontBold);
  App.AboutPicture = Decode(resources::AboutPicture);
  App.DonateImage = Decode(resources::DonateImage);
  media::loadFont(ids::TitleFont, FontFace, 16, media::FontBold);
  media::loadFont(ids::TextFont, FontFace, 10, 0);
  App.LicenceBadgeImage = Decode(resources::LicenceBadgeImage);
}

// Loads the asset library once and lets it go again: a new game and the image
// collection window load it when they need pictures.
void CheckAssetLibrary() {
  if (!media::loadLibrary(ids::AssetLibrary, ids::AssetLibraryName)) {
    media::messageBox(LibraryErrorCaption, LibraryErrorText, media::BoxErrorOk);
    ShutDown(0);
  }
  media::unloadLibrary(ids::AssetLibrary);
}

void DecodeWindowPictures() {
  media::registerPngDecoder();
  App.BackgroundImage = Decode(resources::BackgroundImage);
  App.ContinueImage = Decode(resources::ContinueImage);
  App.TrayIconImage = Decode(resources::TrayIconImage);
  App.StatisticsIcon = Decode(resources::StatisticsIcon);
  App.OptionsIcon = Decode(resources::OptionsIcon);
  App.HelpIcon = Decode(resources::HelpIcon);
}

void AddShortcuts() {
  media::addKeyboardShortcut(ids::MainWindow, media::KeyEscape, ids::CommandEscape);
  media::addKeyboardShortcut(ids::MainWindow, media::KeyCtrlQ, ids::CommandQuit);
  media::addKeyboardShortcut(ids::MainWindow, media::KeyF1, ids::CommandF1);
  media::addKeyboardShortcut(ids::MainWindow, media::KeyLeft, ids::CommandLeft);
  media::addKeyboardShortcut(ids::MainWindow, media::KeyRight, ids::CommandRight);
  media::addKeyboardShortcut(ids::MainWindow, media::KeyUp, ids::CommandUp);
  media::addKeyboardShortcut(ids::MainWindow, media::KeyDown, ids::CommandDown);
  media::addKeyboardShortcut(ids::MainWindow, media::KeySpace, ids::CommandRemove);
  media::addKeyboardShortcut(ids::MainWindow, media::KeyEnter, ids::CommandRemove);
  media::addKeyboardShortcut(ids::MainWindow, media::KeyCtrlZ, ids::CommandUndo);
}

void CreateToolbar() {
  struct ToolbarEntry {
    int item;
    int image;
    const char* toolTip;
  };
  const ToolbarEntry entries[] = {
      {ids::CommandStatistics, App.StatisticsIcon, "Statistics"},
      {ids::CommandOptions, App.OptionsIcon, "Options"},
      {ids::CommandHelpMenu, App.HelpIcon, "Help"},
  };
  media::createToolbar(ids::Toolbar, media::windowHandle(ids::MainWindow), media::ToolbarLargeIcons);
  for (const ToolbarEntry& e : entries) {
    media::addToolbarButton(ids::Toolbar, e.item, media::imageHandle(e.image));
    media::setToolbarToolTip(ids::Toolbar, e.item, e.toolTip);
  }
}

void CreateMenus() {
  if (media::createPopupMenu(ids::SettingsMenu)) {
    media::addMenuItem(ids::SettingsMenu, ids::CommandGameSettings, "Game Settings");
    media::addMenuItem(ids::SettingsMenu, ids::CommandImageCollection, "Image Collection");
  }
  if (media::createPopupMenu(ids::InfoMenu)) {
    media::addMenuItem(ids::InfoMenu, ids::CommandAbout, "About");
    media::addMenuSeparator(ids::InfoMenu);
    media::addMenuItem(ids::InfoMenu, ids::CommandHelp, "Help");
  }
}

// The display has gone (the X server ended): nothing can be shown or asked
// any more; the one shutdown writes back an open configuration file.
void DisplayLost() { ShutDown(0); }

}  // namespace

void StartUpSteps() {
  DecodeAhead();
  media::onDisplayLost(DisplayLost);
  media::initialise();
  AllocateArrays();
  ResetGameFields();
  App.VersionText = VersionPrefix + std::to_string(BuildNumber);
  App.ComponentNotices = ComponentNoticeLines;
  DecodeButtonFaces();
  LoadFontsAndAboutPictures();
  media::initialiseSprites();  // a failure is not reported; the game goes on
  if (media::initialiseSound()) App.SoundAvailable = 1;
  CheckAssetLibrary();
  DecodeWindowPictures();

  OpenMainWindow(0, 0, 620, 544);
  SetWindowBackground(ids::MainWindow, App.BackgroundImage);
  AddShortcuts();
  CreateToolbar();
  media::setControlAttribute(ids::PauseButton, media::AttributePressedPicture,
                             reinterpret_cast<std::intptr_t>(media::imageHandle(App.ContinueImage)));
  // Hidden until a game needs them; the background shows their greyed faces.
  media::hideControl(ids::PauseButton, 1);
  media::hideControl(ids::UndoButton, 1);
  CreateMenus();
  media::setWindowCallback(StatusColourHook, ids::MainWindow);
  UpdateStatus(" ", " ", " ");
  media::setToolbarWidthRange(ids::Toolbar, 16, 32);
  media::setToolbarButtonSize(ids::Toolbar, 24, 24);

  ConfigFile::open(ids::ConfigFileName);
  statisticsAction(StartUpLoad);
  ConfigFile::close();
}

void StartUp() {
  StartUpSteps();
  App.GameState = NoGame;
  RunMainLoop();
}
