// The sound output device: the system's default OpenAL device, or none, in
// which case the game runs silent. With the test driver linked, the output is
// OpenAL's loopback device instead, so tests read the rendered samples.
#include <AL/alc.h>

#include "media/backend.h"
#include "media/qt/qt_internal.h"

namespace media::backend {

ALCdevice* openAudioDevice() {
  if (qt::testHooks().active) return core::openLoopbackDevice();
  return alcOpenDevice(nullptr);
}

}  // namespace media::backend
