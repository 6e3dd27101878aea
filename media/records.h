// The records the portable core keeps for every window-system object. The core
// is the source of truth for each property; a back end realises the record
// natively (through its `native` pointer) and, when the user changes a control
// (ticks a box, drags a slider, picks a tab), writes the new state into the
// record before it posts the event. The headless back end keeps no native
// objects at all: tests read these records directly.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "media/media.h"

namespace media {

// A decoded picture: straight (not premultiplied) ARGB32, 0xAARRGGBB per
// pixel, row-major, width x height.
struct Image {
  int width = 0;
  int height = 0;
  bool hasAlpha = false;  // the source picture had an alpha channel or transparency chunk
  std::vector<std::uint32_t> pixels;
};

struct Rect {
  int x = 0, y = 0, width = 0, height = 0;
};

struct WindowRecord {
  int number = -1;
  std::string title;
  unsigned flags = 0;
  int ownerWindow = -1;  // window number of the owner, -1 none
  Rect client;           // x, y: screen position of the client area
  int hidden = 0;
  int minimised = 0;  // 1 while minimised: set by minimiseWindow, kept in step with the window by the back end
  int disabled = 0;
  int colour = -1;               // solid background, -1 default
  const Image* background = nullptr;  // background picture, drawn once at (0, 0)
  WindowCallback callback = nullptr;
  void* native = nullptr;
};

enum ControlKind : int {
  ControlTextLabel = 1, ControlPushButton, ControlPictureButton, ControlCheckBox, ControlOptionButton,
  ControlTrackBar, ControlFrame, ControlPictureControl, ControlHyperlink, ControlRichText,
  ControlTabPanel, ControlScrollArea,
};

struct ControlRecord {
  int number = -1;
  int kind = 0;
  int window = -1;     // the window the control lives in
  int container = -1;  // enclosing tab panel or scrolling area, -1 the window itself
  int tab = -1;        // inside a tab panel: the tab index it belongs to
  Rect rect;           // relative to the container
  unsigned flags = 0;
  std::string text;
  int state = 0;
  int minimum = 0, maximum = 0;  // track bar
  int group = -1;                // option buttons: the group they belong to
  int disabled = 0;
  int hidden = 0;
  int textColour = -1, backgroundColour = -1, hoverColour = -1;
  int font = -1;                 // font number, -1 the default font
  std::string toolTip;
  const Image* picture = nullptr;         // picture button, picture control
  const Image* pressedPicture = nullptr;  // toggle picture button while pressed
  std::vector<std::string> lines;         // rich-text box
  std::vector<std::string> tabs;          // tab panel
  int innerWidth = 0, innerHeight = 0, scrollStep = 0;  // scrolling area
  int hovered = 0;                        // hyperlink: the mouse is over it
  void* native = nullptr;
};

struct MenuItem {
  int item = -1;        // -1 for a separator
  std::string text;
};
struct MenuRecord {
  int number = -1;
  std::vector<MenuItem> items;
  void* native = nullptr;
};

struct ToolbarButton {
  int item = -1;
  const Image* picture = nullptr;
  std::string toolTip;
  int disabled = 0;
};
struct ToolbarRecord {
  int number = -1;
  int window = -1;
  unsigned flags = 0;
  std::vector<ToolbarButton> buttons;
  int buttonWidth = 0, buttonHeight = 0, minWidth = 0, maxWidth = 0;
  void* native = nullptr;
};

struct TrayRecord {
  int number = -1;
  int window = -1;
  const Image* picture = nullptr;
  std::string toolTip;
  void* native = nullptr;
};

struct FontRecord {
  int number = -1;
  std::string face;
  int points = 0;
  unsigned flags = 0;
  int pixelHeight = 0;
  void* native = nullptr;
};

struct ScreenRecord {
  int window = -1;  // parent window
  Rect rect;        // client position and size in the parent
  std::string name;  // for assistive technology
  void* native = nullptr;
  // At presentFrame: the part of the buffer that differs from the frame
  // presented before (all of it at the first); empty when nothing does.
  Rect changed;
};

}  // namespace media
