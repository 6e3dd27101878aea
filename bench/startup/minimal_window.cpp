// The least a Qt 6 Widgets program does to show a 620 x 544 window with an
// OpenAL device open, as the game has: the start-up time and the footprint of
// mirel are measured against it.
#include <AL/alc.h>

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ALCdevice* device = alcOpenDevice(nullptr);
  ALCcontext* context = device ? alcCreateContext(device, nullptr) : nullptr;
  if (context) alcMakeContextCurrent(context);
  QWidget window;
  window.setWindowTitle("Minimal Qt Window");
  window.setFixedSize(620, 544);
  window.show();
  const int result = app.exec();
  if (context) alcDestroyContext(context);
  if (device) alcCloseDevice(device);
  return result;
}
