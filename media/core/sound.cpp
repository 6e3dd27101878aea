// Sound through OpenAL Soft: one buffer and one source per clip, linear gain
// volume / 100 (the attenuation 20 log10(volume / 100) dB of the design).
// Without an output device nothing loads and nothing plays. The device is the
// back end's; a loopback device (the headless back end's, or one a test driver
// puts in its place with setSoundOutputOpener) renders into memory, where tests
// read the samples.
#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include <algorithm>

#include "media/core/core.h"

namespace media {
namespace {

struct Sound {
  ALuint buffer = 0;
  ALuint source = 0;
  int volume = 100;
};

core::Table<Sound> soundTable;
ALCdevice* device = nullptr;
ALCcontext* context = nullptr;
bool loopback = false;    // the device opened is a loopback (rendering) device
bool loopbackOpened = false;  // set by openLoopbackDevice until initialiseSound takes it
bool devicePaused = false;
core::SoundOutputOpener openOutput = backend::openAudioDevice;

void release(Sound& sound) {
  alSourceStop(sound.source);
  alDeleteSources(1, &sound.source);
  alDeleteBuffers(1, &sound.buffer);
}

void applyVolume(Sound& sound) { alSourcef(sound.source, AL_GAIN, sound.volume / 100.0f); }

bool createContext() {
  if (!loopback) {
    context = alcCreateContext(device, nullptr);
    return context != nullptr;
  }
  // Mono float output without limiter or HRTF: rendered samples are the clip
  // times its gain, nothing more.
  const ALCint attributes[] = {ALC_FORMAT_CHANNELS_SOFT, ALC_MONO_SOFT, ALC_FORMAT_TYPE_SOFT, ALC_FLOAT_SOFT,
                               ALC_FREQUENCY, core::loopbackRate, ALC_HRTF_SOFT, ALC_FALSE,
                               ALC_OUTPUT_LIMITER_SOFT, ALC_FALSE, 0};
  context = alcCreateContext(device, attributes);
  return context != nullptr;
}

void resumeDevice() {
  if (!devicePaused) return;
  static auto resume = reinterpret_cast<LPALCDEVICERESUMESOFT>(alcGetProcAddress(device, "alcDeviceResumeSOFT"));
  if (resume) resume(device);
  devicePaused = false;
}

}  // namespace

ALCdevice* core::openLoopbackDevice() {
  if (!alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback")) return nullptr;
  auto open = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
  ALCdevice* opened = open ? open(nullptr) : nullptr;
  loopbackOpened = opened != nullptr;
  return opened;
}

void core::setSoundOutputOpener(SoundOutputOpener open) { openOutput = open ? open : backend::openAudioDevice; }

ALCdevice* core::renderingDevice() { return loopback ? device : nullptr; }

void core::releaseSound() {
  freeSound(-1);
  if (context) {
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(context);
  }
  if (device) alcCloseDevice(device);
  context = nullptr;
  device = nullptr;
  loopback = false;
  devicePaused = false;
}

int initialiseSound() {
  if (device) return 1;
  loopbackOpened = false;
  device = openOutput();
  loopback = loopbackOpened;
  if (!device) return 0;
  if (!createContext() || !alcMakeContextCurrent(context)) {
    core::releaseSound();
    return 0;
  }
  alDistanceModel(AL_NONE);
  return 1;
}

int loadSound(int number, const void* ogg, std::size_t size) {
  const int picked = soundTable.pick(number);
  if (picked >= 0) freeSound(picked);
  core::PcmClip clip;
  if (picked < 0 || !device || !core::decodeOgg(ogg, size, clip)) return core::createResult(number, picked, false);
  alGetError();
  Sound sound;
  alGenBuffers(1, &sound.buffer);
  alBufferData(sound.buffer, clip.channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16, clip.samples.data(),
               static_cast<ALsizei>(clip.samples.size() * sizeof(std::int16_t)), clip.rate);
  alGenSources(1, &sound.source);
  alSourcei(sound.source, AL_BUFFER, static_cast<ALint>(sound.buffer));
  alSourcei(sound.source, AL_SOURCE_RELATIVE, AL_TRUE);
  applyVolume(sound);
  if (alGetError() != AL_NO_ERROR) {
    release(sound);
    return core::createResult(number, picked, false);
  }
  soundTable.put(picked, std::make_unique<Sound>(sound));
  return core::createResult(number, picked, true);
}

// Only a real output device is paused: a loopback device renders on request.
void core::pauseIdleSound() {
  if (!device || loopback || devicePaused || !alcIsExtensionPresent(device, "ALC_SOFT_pause_device")) return;
  bool playing = false;
  soundTable.forEach([&](int, Sound& sound) {
    ALint state = 0;
    alGetSourcei(sound.source, AL_SOURCE_STATE, &state);
    playing = playing || state == AL_PLAYING;
  });
  if (playing) return;
  static auto pause = reinterpret_cast<LPALCDEVICEPAUSESOFT>(alcGetProcAddress(device, "alcDevicePauseSOFT"));
  if (!pause) return;
  pause(device);
  devicePaused = true;
}

int playSound(int number) {
  Sound* sound = soundTable.find(number);
  if (!sound) return 0;
  resumeDevice();
  alSourceStop(sound->source);
  alSourceRewind(sound->source);
  alSourcePlay(sound->source);
  backend::soundPlayed(number, sound->volume);
  return 1;
}

int setSoundVolume(int number, int volume) {
  volume = std::clamp(volume, 0, 100);
  if (number == -1) {
    soundTable.forEach([&](int, Sound& sound) {
      sound.volume = volume;
      applyVolume(sound);
    });
    return soundTable.empty() ? 0 : 1;
  }
  Sound* sound = soundTable.find(number);
  if (!sound) return 0;
  sound->volume = volume;
  applyVolume(*sound);
  return 1;
}

int soundVolume(int number) {
  Sound* sound = soundTable.find(number);
  return sound ? sound->volume : 0;
}

int soundExists(int number) { return soundTable.find(number) ? 1 : 0; }

int freeSound(int number) {
  if (number == -1) {
    const bool any = !soundTable.empty();
    while (!soundTable.empty()) release(*soundTable.take(soundTable.firstNumber()));
    return any ? 1 : 0;
  }
  auto sound = soundTable.take(number);
  if (!sound) return 0;
  release(*sound);
  return 1;
}

}  // namespace media
