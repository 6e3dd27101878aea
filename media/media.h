// The media and window services: the only interface the game code uses for
// windows, controls, events, images, fonts, libraries, random numbers, the
// drawing surface with its sprites, and sounds.
//
// Conventions, stated once for every call below:
// - Objects live in numbered tables, one table per kind (windows, controls,
//   menus, toolbars, tray icons, images, fonts, sprites, sounds, libraries).
//   A creating call takes an explicit number (0, 1, 2 ...) or AnyNumber. With
//   an explicit number it returns nonzero on success and 0 on failure; with
//   AnyNumber it returns the free number it picked, or CreateFailed (-1) on
//   failure, since 0 is a valid number. Creating with a number in use replaces
//   that object. On failure the number stays free.
// - A number stays valid until its object is freed, replaced, or (controls,
//   timers) its window is closed. An operation on a free number does nothing
//   and returns 0.
// - Strings are UTF-8 and copied by the layer; the caller keeps ownership of
//   every buffer it passes (PNG and Ogg data are decoded before the call
//   returns, so the memory may go away afterwards).
// - NativeHandle values are owned by the layer and stay valid as long as the
//   object they belong to.
// - Colours are 24-bit values red + green*256 + blue*65536; -1 means default.
// - Nothing here throws. Every call runs on the program's one thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace media {

constexpr int AnyNumber = -1;
constexpr int CreateFailed = -1;  // result of a creating call with AnyNumber that failed

// Opaque handle of a native object (window, image, toolbar ...).
struct NativeObject;
using NativeHandle = NativeObject*;

// ---------------------------------------------------------------- set-up

// Initialises the bookkeeping of every table. Called once before anything else.
void initialise();
// Releases every object of every table (libraries, surface and sprites, sounds,
// fonts, images, menus, toolbars, tray icons, windows) in one sweep.
void releaseAll();
// Ends the process with the exit code. The one place that ends the program;
// the headless back end lets tests observe it.
[[noreturn]] void endProcess(int exitCode);
// The function the layer calls, once, when the connection to the display is
// lost (the X server has gone): the program writes back what it holds and ends
// through endProcess; nothing can be shown any more. When none is set, or it
// returns, the layer ends the process with exit code 1. It stays set for the
// rest of the run; initialise does not clear it. The headless back end never
// loses its display.
using DisplayLostHandler = void (*)();
void onDisplayLost(DisplayLostHandler handler);

// ---------------------------------------------------------------- events

enum EventKind : int {
  EventNone = 0,         // the wait's timeout passed with nothing
  EventControl = 1,      // a control was clicked or changed
  EventMenu = 2,         // menu item, toolbar button or keyboard shortcut
  EventTray = 3,         // the tray icon was clicked
  EventTimer = 4,        // a window timer fired
  EventLeftClick = 5,    // left button released over a window's client area
  EventRepaint = 6,      // a window's background must be redrawn
  EventCloseWindow = 7,  // the user asked to close a window
  EventRightClick = 8,   // ignored by the game
  EventDoubleClick = 9,  // ignored by the game
  EventMoveWindow = 10,  // ignored by the game
  EventSizeWindow = 11,  // ignored by the game
  EventActivate = 12,    // ignored by the game
  EventMouseMove = 0x0200,  // the raw mouse-move message, passed through with its own number
};

// Waits for the next event, pumping native input of all windows. timeoutMs < 0
// waits without a timeout. Returns the event kind, or EventNone (0) when the
// timeout passes. Due timers are delivered as EventTimer.
int waitEvent(int timeoutMs);
// The current event record; valid until the next wait.
int eventWindow();
int eventObject();  // control number or menu item number
int eventType();    // control sub-event type (0 click, 1 change)
int eventTimer();

// Window timers: at most one pending event per timer. Numbers are per window.
int addWindowTimer(int window, int timer, int periodMs);
int removeWindowTimer(int window, int timer);
// Pausing a timer stops its events and keeps what was left of its current
// period; a tick already waiting is taken back and counts as nothing left, so
// it is the first to come after the resume. Pausing a paused timer changes
// nothing. Resuming runs the rest of that period, then the timer goes on with
// its period. Both return 0 for a timer that does not exist. Adding a paused
// timer again starts it afresh, not paused.
int pauseWindowTimer(int window, int timer);
int resumeWindowTimer(int window, int timer);
// Suspends the thread (real back end) or advances the virtual clock (headless).
void delay(int ms);

enum ShortcutKey : int {
  KeyEscape = 1, KeyCtrlQ = 2, KeyF1 = 3,
  // Keyboard play on the field. KeyEnter is the main Enter key and the keypad's.
  KeyLeft = 4, KeyRight = 5, KeyUp = 6, KeyDown = 7, KeySpace = 8, KeyEnter = 9, KeyCtrlZ = 10,
};
// The key then produces an EventMenu with menuItem as its object, wherever the
// focus is in the window.
int addKeyboardShortcut(int window, int key, int menuItem);

// ---------------------------------------------------------------- windows

enum WindowFlags : unsigned {
  WindowCaption = 1u << 0,       // caption with system menu and close box, not resizable
  WindowMinimiseBox = 1u << 1,
  WindowCentreScreen = 1u << 2,
  WindowCentreOwner = 1u << 3,   // centred on the owner, position clamped to >= 0
};

// x, y are screen coordinates (ignored when centred); width x height is the client area.
int openWindow(int number, int x, int y, int width, int height, std::string_view title,
               unsigned flags, NativeHandle owner);
int closeWindow(int window);  // activates the owner first; frees the window's controls and timers
int hideWindow(int window, int state);     // 1 hides, 0 shows
// Minimises (iconifies) the window; it comes back when the user restores it.
int minimiseWindow(int window);
int disableWindow(int window, int state);  // 1 disables input, 0 enables
int activateWindow(int window);
NativeHandle windowHandle(int window);
int windowExists(int window);
int windowHidden(int window);
int windowDisabled(int window);
// Cursor in client coordinates; -1 when outside the client rectangle (also over the frame).
int windowMouseX(int window);
int windowMouseY(int window);
int windowWidth(int window);   // client size
int windowHeight(int window);
int windowX(int window);       // screen position of the window
int setWindowColour(int window, int colour);  // solid client background; -1 default
// The image becomes the window's background (drawn once from the top-left, not tiled).
int setWindowBackgroundImage(int window, int image);
// Marks a client rectangle for repainting; with erase the background is redrawn
// too, which raises an EventRepaint for the window.
int invalidateWindow(int window, int x, int y, int width, int height, int erase);
// Repaints the invalid parts now instead of at the next wait.
int updateWindow(int window);

// The window callback sees every native message of its window before the layer.
// It returns CallbackUnhandled to let the layer go on, any other value to end
// the handling of that message with that result.
constexpr std::intptr_t CallbackUnhandled = INTPTR_MIN;
enum MessageKind : int {
  MessageStaticColours = 1,  // a text label asks its parent for its colours
  MessageOther = 2,          // any other native message the back end passes on
};
struct StaticColours {
  int transparentBackground = 0;  // set to 1 for a transparent background
  int textColour = -1;            // set to a colour to paint the text in it
};
struct NativeMessage {
  int kind = MessageOther;
  int control = -1;                  // MessageStaticColours: the label asking
  StaticColours* colours = nullptr;  // MessageStaticColours: the answer to fill in
  int raw = 0;                       // MessageOther: the back end's message number
};
using WindowCallback = std::intptr_t (*)(int window, NativeMessage& message);
int setWindowCallback(WindowCallback callback, int window);

// ---------------------------------------------------------------- controls
// Controls share one table across windows. Positions are client coordinates of
// the current control list: the window opened last, or the tab / scrolling
// area created last, until closeControlList.

enum LabelFlags : unsigned { LabelLeft = 0, LabelCentre = 1u << 0, LabelRight = 1u << 1, LabelWrap = 1u << 2 };
// PictureNoFocus: the button never takes the keyboard focus, not even from a
// click, so a key meant for the window (Space, Enter) never presses it.
enum PictureButtonFlags : unsigned { PictureToggle = 1u << 0, PictureNoFocus = 1u << 1 };
enum CheckBoxFlags : unsigned { CheckTextRight = 1u << 0 };  // text right-aligned in its box
enum TrackBarFlags : unsigned { TrackTicks = 1u << 0 };
enum PictureControlFlags : unsigned { PictureSunken = 1u << 0 };  // 2-pixel sunken border
enum LinkFlags : unsigned { LinkUnderline = 1u << 0 };
enum RichTextFlags : unsigned { RichReadOnly = 1u << 0, RichWordWrap = 1u << 1 };

int createTextLabel(int number, int x, int y, int width, int height, std::string_view text, unsigned flags);
int createPushButton(int number, int x, int y, int width, int height, std::string_view text);
int createPictureButton(int number, int x, int y, int width, int height, NativeHandle picture, unsigned flags);
int createCheckBox(int number, int x, int y, int width, int height, std::string_view text, unsigned flags);
// Consecutive option buttons form one group; any other control created between them starts a new one.
int createOptionButton(int number, int x, int y, int width, int height, std::string_view text);
int createTrackBar(int number, int x, int y, int width, int height, int minimum, int maximum, unsigned flags);
int createFrame(int number, int x, int y, int width, int height, std::string_view caption);
// Sizes itself to the picture (plus the border); a click gives an EventControl.
int createPictureControl(int number, int x, int y, int width, int height, NativeHandle picture, unsigned flags);
// Normal text colour, hoverColour while the mouse is over it, hand cursor; a click gives an EventControl.
int createHyperlink(int number, int x, int y, int width, int height, std::string_view text, int hoverColour,
                    unsigned flags);
int createRichText(int number, int x, int y, int width, int height, unsigned flags);
int addRichTextLine(int control, std::string_view line);
// Items of a tab panel are tabs; controls created next go into the tab added last.
int createTabPanel(int number, int x, int y, int width, int height);
int addTab(int tabPanel, std::string_view title);
// Sunken border, both scroll bars; controls created next go into its inner area.
int createScrollArea(int number, int x, int y, int width, int height, int innerWidth, int innerHeight,
                     int scrollStep);
int closeControlList();             // back to the enclosing container
int openControlList(int control);   // a tab panel or scrolling area becomes current again

int setControlText(int control, std::string_view text);
std::string controlText(int control);
// Check box / option button: 0 or 1; track bar: position; toggle button: pressed;
// tab panel: current tab.
int setControlState(int control, int state);
int controlState(int control);
int disableControl(int control, int state);  // 1 disables, 0 enables
int hideControl(int control, int state);     // 1 hides, 0 shows
int controlHidden(int control);
int controlDisabled(int control);
int controlExists(int control);
int setControlColours(int control, int textColour, int backgroundColour);  // -1 keeps the default
constexpr int DefaultControl = -2;  // setControlFont on it sets the font of controls created afterwards
int setControlFont(int control, int font);
enum ControlAttribute : int {
  AttributePressedPicture = 1,  // picture button: NativeHandle of the picture shown while pressed
  AttributeScrollStep = 2,      // scrolling area: arrow step in pixels
};
int setControlAttribute(int control, int attribute, std::intptr_t value);
int setToolTip(int control, std::string_view text);
NativeHandle controlHandle(int control);

// ---------------------------------------------------------------- menus, toolbar, tray

int createPopupMenu(int number);
int addMenuItem(int menu, int item, std::string_view text);
int addMenuSeparator(int menu);
// Opens the menu at the mouse cursor and returns at once: the program's loop
// and its timers go on while the menu is open (only message boxes and the
// dialogs' own loops hold the game up); a choice raises EventMenu with the
// item number.
int showPopupMenu(int menu, NativeHandle owner);

enum ToolbarFlags : unsigned { ToolbarLargeIcons = 1u << 0 };  // 24 x 24 instead of 16 x 16
int createToolbar(int number, NativeHandle window, unsigned flags);
int addToolbarButton(int toolbar, int item, NativeHandle picture);
int setToolbarToolTip(int toolbar, int item, std::string_view text);
int disableToolbarButton(int toolbar, int item, int state);  // 1 disables, 0 enables
int toolbarButtonDisabled(int toolbar, int item);
int setToolbarButtonSize(int toolbar, int width, int height);
int setToolbarWidthRange(int toolbar, int minimum, int maximum);
NativeHandle toolbarHandle(int toolbar);

int trayAvailable();  // the desktop has a notification area
int addTrayIcon(int number, NativeHandle window, NativeHandle picture);
int setTrayToolTip(int number, std::string_view text);
int removeTrayIcon(int number);

// ---------------------------------------------------------------- dialog services

enum MessageBoxKind : int { BoxErrorOk = 1, BoxInformationOk = 2, BoxWarningYesNo = 3 };
enum MessageBoxButton : int { ButtonOk = 1, ButtonYes = 6, ButtonNo = 7 };
// Modal; owned by the program's foreground window. Returns the button pressed.
// User input still queued when it opens is dropped (timers and repaints stay):
// it was aimed at windows the box now blocks.
int messageBox(std::string_view caption, std::string_view text, int kind);
// Hands a path or web address to the desktop's default handler; no waiting.
int openDocument(std::string_view pathOrAddress);
std::string programFileName();              // full path of the running program (links resolved)
std::string pathPart(std::string_view fileName);  // up to and including the last separator
char pathSeparator();

// ---------------------------------------------------------------- images and fonts

// Length of an image passed without one: walk the PNG chunks up to IEND.
constexpr std::size_t UnknownSize = SIZE_MAX;

int registerPngDecoder();  // registering twice has no further effect
struct ImageBytes {
  const void* data;
  std::size_t size;
};
// Starts decoding these pictures on a helper thread, so that a program can
// decode its own pictures while the toolkit starts; a later loadImage of the
// same bytes (same address and size) takes the finished picture. The bytes
// must stay as they are until their picture is taken or releaseAll runs.
// Returns 1; 0 while an earlier batch has not been taken up or released.
int decodeImagesAhead(std::vector<ImageBytes> pictures);
// Decodes a PNG (or a Windows icon file) held in memory into an image.
int loadImage(int number, const void* data, std::size_t size);
int resizeImage(int image, int width, int height);  // smooth (averaging) stretch
int imageWidth(int image);
int imageHeight(int image);
NativeHandle imageHandle(int image);
int freeImage(int image);

enum FontFlags : unsigned { FontBold = 1u << 0, FontItalic = 1u << 1, FontUnderline = 1u << 2,
                            FontStrikeOut = 1u << 3, FontHighQuality = 1u << 4 };
// Pixel height = points x vertical resolution / 72; bold is weight 700, regular 400.
int loadFont(int number, std::string_view face, int points, unsigned flags);
NativeHandle fontHandle(int font);
int fontPixelHeight(int font);

// ---------------------------------------------------------------- libraries

// A bare name ending in ".dll" maps to the same stem with the platform's suffix
// (".so"), looked up in the program's own directory first, then by the system
// loader's search.
int loadLibrary(int number, std::string_view fileName);
int unloadLibrary(int library);
int libraryLoaded(int library);
// Calls an exported function with one or two 32-bit arguments; returns its
// pointer-sized result, or 0 without calling anything when the name is not exported.
std::intptr_t callLibrary(int library, const char* name, std::int32_t a);
std::intptr_t callLibrary(int library, const char* name, std::int32_t a, std::int32_t b);

// ---------------------------------------------------------------- random numbers

// Uniform integer 0..maximum: (32-bit generator output x (maximum + 1)) >> 32.
// Seeded once per run on first use from a value that differs between runs.
std::uint32_t random(std::uint32_t maximum);
// Uniform permutation of elements first..last (inclusive) of an array of
// elementSize-byte elements, front to back, swapping only when i and j differ.
void shuffle(void* array, std::size_t elementSize, std::size_t first, std::size_t last);

// ---------------------------------------------------------------- drawing surface and sprites

int initialiseSprites();  // nonzero on success
// Creates the drawing surface as a child area of the window at that client position.
int openScreen(NativeHandle parentWindow, int x, int y, int width, int height);
// The name assistive technology reads for the surface; applies to the surfaces
// opened after the call.
void setScreenName(std::string_view name);
int screenExists();
int closeScreen();
// Hands the back buffer to the back end, which shows it.
int present();
// Copies a rectangle of the back buffer into a sprite (replacing that number).
int captureSprite(int number, int x, int y, int width, int height);

enum SpriteFlags : unsigned { SpriteAlpha = 1u << 0 };
// With SpriteAlpha, and only when the picture has an alpha channel, the sprite
// keeps the alpha; otherwise it is colour-keyed with the default transparent colour.
int loadSprite(int number, const void* png, std::size_t size, unsigned flags);
int drawSprite(int number, int x, int y);                          // opaque, clipped
int drawSpriteBlended(int number, int x, int y, int intensity = 255);  // alpha x intensity / 255
// number -1: the default transparent colour for sprites loaded later (black until set).
int setTransparentColour(int number, int colour);
int setSpriteSize(int number, int width, int height);  // -1 keeps the natural width or height
int spriteWidth(int number);   // display size; 0 when absent
int spriteHeight(int number);
int spriteExists(int number);
int freeSprite(int number);    // -1 frees all

// ---------------------------------------------------------------- sound

// Nonzero when a sound output device could be opened; 0 and the game runs silent.
int initialiseSound();
int loadSound(int number, const void* ogg, std::size_t size);  // Ogg Vorbis from memory
int playSound(int number);  // from the start; a clip still playing is restarted
// number -1: all sounds. Clamped to 0..100; linear gain volume / 100, at once.
int setSoundVolume(int number, int volume);
int soundVolume(int number);
int soundExists(int number);
int freeSound(int number);  // -1 frees all

}  // namespace media
