// The Qt back end's sound output (media/core/sound_output.h): OpenAL Soft, one
// buffer and one source per voice. The default device plays to the speaker,
// and without one the game runs silent; the device is paused after some quiet
// seconds (core::pauseIdleSound) while no sound plays, so an idle program does
// not keep OpenAL's mixer running, and resumed when the pointer moves (or, at
// the latest, by a play), so a click does not wait for it. The loopback device
// (ALC_SOFT_loopback), which the test driver puts in the default's place,
// renders into memory instead: mono float at RenderRate without limiter or
// HRTF, so rendered samples are the clip times its gain, nothing more.
#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include <dlfcn.h>

#include <cstdlib>
#include <map>

#include "media/backend.h"
#include "media/core/sound_output.h"
#include "media/qt/qt_internal.h"

namespace media {
namespace qt {
namespace {

// ALSA's error handler type: file, line, function, error, format, arguments.
using AlsaErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);

void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

// OpenAL Soft and the ALSA library it loads would otherwise report every
// device they could not open on standard error. Quiet unless the user asks
// OpenAL Soft for its log; ALSA's handler is set in the library OpenAL Soft
// will load, kept loaded for it. Devices open and play as before.
void quietAudioLibraries() {
  setenv("ALSOFT_LOGLEVEL", "0", 0);
  static void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
  if (!alsa) return;
  using SetHandler = int (*)(AlsaErrorHandler);
  if (auto set = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler"))) set(ignoreAlsaError);
}

struct Voice {
  ALuint buffer = 0;
  ALuint source = 0;
};

std::map<int, Voice> voices;
int nextVoice = 0;
ALCdevice* device = nullptr;
ALCcontext* context = nullptr;
bool devicePaused = false;

void close() {
  for (auto& [number, voice] : voices) {
    alSourceStop(voice.source);
    alDeleteSources(1, &voice.source);
    alDeleteBuffers(1, &voice.buffer);
  }
  voices.clear();
  if (context) {
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(context);
  }
  if (device) alcCloseDevice(device);
  context = nullptr;
  device = nullptr;
  devicePaused = false;
}

bool openDevice(ALCdevice* opened, const ALCint* attributes) {
  device = opened;
  if (!device) return false;
  context = alcCreateContext(device, attributes);
  if (!context || !alcMakeContextCurrent(context)) {
    close();
    return false;
  }
  alDistanceModel(AL_NONE);
  return true;
}

bool openDefault() {
  quietAudioLibraries();
  return openDevice(alcOpenDevice(nullptr), nullptr);
}

bool openLoopback() {
  if (!alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback")) return false;
  auto open = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
  const ALCint attributes[] = {ALC_FORMAT_CHANNELS_SOFT, ALC_MONO_SOFT, ALC_FORMAT_TYPE_SOFT, ALC_FLOAT_SOFT,
                               ALC_FREQUENCY, core::RenderRate, ALC_HRTF_SOFT, ALC_FALSE,
                               ALC_OUTPUT_LIMITER_SOFT, ALC_FALSE, 0};
  return open && openDevice(open(nullptr), attributes);
}

int addVoice(const core::PcmClip& clip) {
  alGetError();
  Voice voice;
  alGenBuffers(1, &voice.buffer);
  alBufferData(voice.buffer, clip.channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16, clip.samples.data(),
               static_cast<ALsizei>(clip.samples.size() * sizeof(std::int16_t)), clip.rate);
  alGenSources(1, &voice.source);
  alSourcei(voice.source, AL_BUFFER, static_cast<ALint>(voice.buffer));
  alSourcei(voice.source, AL_SOURCE_RELATIVE, AL_TRUE);
  if (alGetError() != AL_NO_ERROR) {
    alDeleteSources(1, &voice.source);
    alDeleteBuffers(1, &voice.buffer);
    return -1;
  }
  voices[nextVoice] = voice;
  return nextVoice++;
}

void removeVoice(int number) {
  auto found = voices.find(number);
  if (found == voices.end()) return;
  alSourceStop(found->second.source);
  alDeleteSources(1, &found->second.source);
  alDeleteBuffers(1, &found->second.buffer);
  voices.erase(found);
}

void resumeDevice() {
  if (!devicePaused) return;
  static auto resume = reinterpret_cast<LPALCDEVICERESUMESOFT>(alcGetProcAddress(device, "alcDeviceResumeSOFT"));
  if (resume) resume(device);
  devicePaused = false;
}

void start(int number) {
  auto found = voices.find(number);
  if (found == voices.end()) return;
  resumeDevice();
  alSourceStop(found->second.source);
  alSourceRewind(found->second.source);
  alSourcePlay(found->second.source);
}

void setGain(int number, float gain) {
  auto found = voices.find(number);
  if (found != voices.end()) alSourcef(found->second.source, AL_GAIN, gain);
}

// The speaker's device only: a loopback device renders on request.
void pauseWhenIdle() {
  if (!device || devicePaused || !alcIsExtensionPresent(device, "ALC_SOFT_pause_device")) return;
  for (const auto& [number, voice] : voices) {
    ALint state = 0;
    alGetSourcei(voice.source, AL_SOURCE_STATE, &state);
    if (state == AL_PLAYING) return;
  }
  static auto pause = reinterpret_cast<LPALCDEVICEPAUSESOFT>(alcGetProcAddress(device, "alcDevicePauseSOFT"));
  if (!pause) return;
  pause(device);
  devicePaused = true;
}

void render(float* samples, int frames) {
  static auto renderSamples =
      reinterpret_cast<LPALCRENDERSAMPLESSOFT>(alcGetProcAddress(device, "alcRenderSamplesSOFT"));
  if (renderSamples) renderSamples(device, samples, frames);
}

constexpr core::SoundOutput speakerOutput{openDefault, close,   addVoice,      removeVoice,
                                          start,       setGain, pauseWhenIdle, nullptr, resumeDevice};
constexpr core::SoundOutput loopbackOutput{openLoopback, close, addVoice, removeVoice, start, setGain, nullptr, render};

}  // namespace

const core::SoundOutput& openAlLoopbackOutput() { return loopbackOutput; }

}  // namespace qt

namespace backend {

const core::SoundOutput* soundOutput() { return &qt::speakerOutput; }

void soundPlayed(int, int) {}

}  // namespace backend
}  // namespace media
