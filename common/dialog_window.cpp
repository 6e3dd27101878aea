// Opening a dialog window and its modal wait.
#include "common/dialog_window.h"

#include "media/media.h"

namespace dialogs {

int openDialogWindow(int number, int width, int height, std::string_view title, int owner) {
  return media::openWindow(number, 0, 0, width, height, title, media::WindowCaption | media::WindowCentreOwner,
                           media::windowHandle(owner));
}

int waitDialogEvent(int window) {
  for (;;) {
    const int kind = media::waitEvent(-1);
    if (kind != media::EventNone && media::eventWindow() == window) return kind;
  }
}

}  // namespace dialogs
