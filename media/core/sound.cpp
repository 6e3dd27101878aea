// The layer's numbered sounds: Ogg Vorbis clips decoded once, each on a voice
// of the sound output (sound_output.h), at the linear gain volume / 100 (the
// attenuation 20 log10(volume / 100) dB of the design). Without an output
// nothing loads and nothing plays. The output is the back end's, unless a test
// driver put another in its place.
#include <algorithm>

#include "media/core/core.h"
#include "media/core/sound_output.h"

namespace media {
namespace {

struct Sound {
  int voice = -1;
  int volume = 100;
};

core::Table<Sound> soundTable;
const core::SoundOutput* chosenOutput = nullptr;  // set by a test driver
const core::SoundOutput* output = nullptr;        // open between initialiseSound and releaseSound
std::int64_t lastActiveMs = 0;  // the last play or pointer move
bool resting = false;           // told to idle since then

void applyVolume(const Sound& sound) { output->setGain(sound.voice, static_cast<float>(sound.volume) / 100.0f); }

}  // namespace

void core::setSoundOutput(const SoundOutput* replacement) { chosenOutput = replacement; }

const core::SoundOutput* core::renderingOutput() { return output && output->render ? output : nullptr; }

void core::releaseSound() {
  freeSound(-1);
  if (output) output->close();
  output = nullptr;
}

int initialiseSound() {
  if (output) return 1;
  const core::SoundOutput* candidate = chosenOutput ? chosenOutput : backend::soundOutput();
  if (!candidate || !candidate->open()) return 0;
  output = candidate;
  lastActiveMs = backend::clockMs();
  resting = false;
  return 1;
}

int loadSound(int number, const void* ogg, std::size_t size) {
  const int picked = soundTable.pick(number);
  if (picked >= 0) freeSound(picked);
  core::PcmClip clip;
  if (picked < 0 || !output || !core::decodeOgg(ogg, size, clip)) return core::createResult(number, picked, false);
  Sound sound;
  sound.voice = output->addVoice(clip);
  if (sound.voice < 0) return core::createResult(number, picked, false);
  applyVolume(sound);
  soundTable.put(picked, std::make_unique<Sound>(sound));
  return core::createResult(number, picked, true);
}

namespace {

// Whether a play could be heard: some loaded sound has a volume above 0. With
// the sound turned off the device rests after the quiet seconds of the last
// play, whatever the pointer does, and a pointer move does not wake it.
bool anyAudible() {
  bool audible = false;
  soundTable.forEach([&](int, Sound& sound) { audible = audible || sound.volume > 0; });
  return audible;
}

}  // namespace

void core::pauseIdleSound() {
  if (!output || !output->idle || backend::clockMs() - lastActiveMs < core::SoundQuietMs) return;
  output->idle();
  resting = true;
}

void core::wakeSound() {
  if (!output || !anyAudible()) return;
  lastActiveMs = backend::clockMs();
  if (!resting) return;
  resting = false;
  if (output->wake) output->wake();
}

int playSound(int number) {
  Sound* sound = soundTable.find(number);
  if (!sound) return 0;
  lastActiveMs = backend::clockMs();
  resting = false;
  output->start(sound->voice);
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
    while (!soundTable.empty()) output->removeVoice(soundTable.take(soundTable.firstNumber())->voice);
    return any ? 1 : 0;
  }
  auto sound = soundTable.take(number);
  if (!sound) return 0;
  output->removeVoice(sound->voice);
  return 1;
}

}  // namespace media
