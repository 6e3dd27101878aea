// The fixed numbers of the program's media objects: windows, controls, menus,
// commands, fonts, timers, sprites, sounds and the library slot. Dialog
// controls take "any number" and keep theirs in the dialog's record.
#pragma once

namespace ids {

// Windows
constexpr int MainWindow = 0;
constexpr int StatisticsWindow = 1;
constexpr int OptionsWindow = 2;
constexpr int CollectionWindow = 3;
constexpr int AboutWindow = 4;
constexpr int LicenseWindow = 5;

// Main window controls
constexpr int PauseButton = 1;
constexpr int UndoButton = 2;
constexpr int NewButton = 3;
constexpr int QuitButton = 4;
constexpr int StepsField = 5;
constexpr int TilesField = 6;
constexpr int TimeField = 7;

// Menus, toolbar, tray
constexpr int Toolbar = 0;
constexpr int SettingsMenu = 3;
constexpr int InfoMenu = 6;
constexpr int TrayIcon = 0;

// Command ids of menu events
constexpr int CommandStatistics = 0;
constexpr int CommandOptions = 1;
constexpr int CommandHelpMenu = 2;
constexpr int CommandGameSettings = 4;
constexpr int CommandImageCollection = 5;
constexpr int CommandAbout = 7;
constexpr int CommandHelp = 8;
constexpr int CommandEscape = 1000;
constexpr int CommandQuit = 1001;
constexpr int CommandF1 = 1002;
// Keyboard play on the field
constexpr int CommandLeft = 1003;
constexpr int CommandRight = 1004;
constexpr int CommandUp = 1005;
constexpr int CommandDown = 1006;
constexpr int CommandRemove = 1007;  // Space and Enter
constexpr int CommandUndo = 1008;    // Ctrl+Z

// Fonts
constexpr int StatusFont = 0;
constexpr int TitleFont = 1;
constexpr int TextFont = 2;

// Timers of the main window
constexpr int TimeLimitTimer = 3;  // 1000 ms
constexpr int BannerTimer = 4;     // 50 ms

// Sprites
constexpr int PauseCoverSprite = 0;
constexpr int PortraitSprite = 1;
constexpr int SnapshotSprite = 2;
constexpr int FirstTileSprite = 3;
constexpr int HoverSprite = 13;
constexpr int WonBannerSprite = 14;
constexpr int LostBannerSprite = 15;

// Sounds
constexpr int MoveSound = 1;
constexpr int UndoSound = 2;
constexpr int WonSound = 3;
constexpr int LostSound = 4;
constexpr int WarningSound = 5;

// Library slot of the asset library and its file name
constexpr int AssetLibrary = 0;
constexpr const char* AssetLibraryName = "mirelgfx01.dll";
constexpr const char* ConfigFileName = "config.ini";
// Portraits 1 to 12 of the asset library: no loop asks it for more, whatever
// it would answer past them.
constexpr int PortraitCount = 12;

// Play field
constexpr int FieldX = 305;
constexpr int FieldY = 52;
constexpr int FieldWidth = 288;
constexpr int FieldHeight = 432;

}  // namespace ids
