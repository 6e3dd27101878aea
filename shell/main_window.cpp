// The main window: its frame, its picture buttons and status fields, its
// background picture, and the hook that paints the status texts blue on the
// background picture.
#include "common/app_state.h"
#include "common/ids.h"
#include "media/media.h"
#include "shell/shell.h"

namespace {

constexpr const char* MainWindowTitle = "Free Mirel ! v4";
constexpr const char* PlayFieldName = "Play field";
constexpr int StatusTextBlue = 0xFF0000;  // RGB (0, 0, 255) as red + green*256 + blue*65536
constexpr std::intptr_t HookAnswered = 1;

struct PictureButtonPlace {
  int control, x, y, image;
  unsigned flags;
  const char* name;  // for assistive technology; the face shows the same word
};
struct StatusFieldPlace {
  int control, x, width;
  const char* placeholder;
  unsigned alignment;
};

constexpr int ButtonWidth = 96;
constexpr int ButtonHeight = 36;
constexpr int StatusY = 524;
constexpr int StatusHeight = 18;

bool IsStatusField(int control) {
  return control == ids::StepsField || control == ids::TilesField || control == ids::TimeField;
}

}  // namespace

int OpenMainWindow(int x, int y, int width, int height) {
  media::openWindow(ids::MainWindow, x, y, width, height, MainWindowTitle,
                    media::WindowCaption | media::WindowMinimiseBox | media::WindowCentreScreen, nullptr);

  const PictureButtonPlace buttons[] = {
      {ids::PauseButton, 39, 376, App.PauseImage, media::PictureToggle, "Pause"},
      {ids::UndoButton, 156, 376, App.UndoImage, 0, "Undo"},
      {ids::NewButton, 39, 428, App.NewImage, 0, "New"},
      {ids::QuitButton, 156, 428, App.QuitImage, 0, "Quit"},
  };
  // The keys of keyboard play belong to the field: no button takes the focus.
  for (const PictureButtonPlace& b : buttons) {
    media::createPictureButton(b.control, b.x, b.y, ButtonWidth, ButtonHeight, media::imageHandle(b.image),
                               b.flags | media::PictureNoFocus);
    media::setControlText(b.control, b.name);
  }
  media::setScreenName(PlayFieldName);

  // The placeholders are blanked by start-up before the window is first painted.
  const StatusFieldPlace fields[] = {
      {ids::StepsField, 10, 145, "Steps: 1234", media::LabelLeft},
      {ids::TilesField, 160, 300, "Tiles: 128 / 128", media::LabelCentre},
      {ids::TimeField, 465, 145, "00:00", media::LabelRight},
  };
  for (const StatusFieldPlace& f : fields) {
    media::createTextLabel(f.control, f.x, StatusY, f.width, StatusHeight, f.placeholder, f.alignment);
    media::setControlFont(f.control, ids::StatusFont);
  }
  return 0;
}

int SetWindowBackground(int window, int image) {
  media::setWindowBackgroundImage(window, image);
  media::invalidateWindow(window, 0, 0, media::windowWidth(window), media::windowHeight(window), 1);
  media::updateWindow(window);
  return 0;
}

std::intptr_t StatusColourHook(int, media::NativeMessage& message) {
  if (message.kind != media::MessageStaticColours || !IsStatusField(message.control) || !message.colours)
    return media::CallbackUnhandled;
  message.colours->transparentBackground = 1;
  message.colours->textColour = StatusTextBlue;
  return HookAnswered;
}
