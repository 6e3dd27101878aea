// The sound output device: the system's default OpenAL device, or none, in
// which case the game runs silent, and silently: OpenAL Soft and the ALSA
// library it loads would otherwise report every device they could not open
// on standard error.
#include <AL/alc.h>
#include <dlfcn.h>

#include <cstdlib>

#include "media/backend.h"

namespace media::qt {
namespace {

// ALSA's error handler type: file, line, function, error, format, arguments.
using AlsaErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);

void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

// Quiet unless the user asks OpenAL Soft for its log. ALSA's handler is set in
// the library OpenAL Soft will load, kept loaded for it; without ALSA there is
// nothing to quiet. Devices open and play as before.
void quietAudioLibraries() {
  setenv("ALSOFT_LOGLEVEL", "0", 0);
  static void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
  if (!alsa) return;
  using SetHandler = int (*)(AlsaErrorHandler);
  if (auto set = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler"))) set(ignoreAlsaError);
}

}  // namespace
}  // namespace media::qt

namespace media::backend {

ALCdevice* openAudioDevice() {
  qt::quietAudioLibraries();
  return alcOpenDevice(nullptr);
}

void soundPlayed(int, int) {}

}  // namespace media::backend
