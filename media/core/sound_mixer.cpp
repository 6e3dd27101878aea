// The software mixer (sound_mixer.h). A clip is turned into mono float once,
// when its voice is made: channels averaged, 16-bit samples scaled by 1/32768
// (as OpenAL Soft does) and, at another rate, resampled linearly to
// RenderRate. Rendering adds each playing voice's samples times its gain; a
// voice stops at the end of its clip. The voices are guarded by a mutex, so a
// system output may ask for samples from its own audio thread.
#include "media/core/sound_mixer.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace media::core {
namespace {

struct Voice {
  bool used = false;
  std::vector<float> samples;
  std::size_t position = 0;
  bool playing = false;
  float gain = 1.0f;
};

std::mutex mutex;
std::vector<Voice> voices;

std::vector<float> monoAtRenderRate(const PcmClip& clip) {
  const std::size_t frames = clip.samples.size() / static_cast<std::size_t>(clip.channels);
  std::vector<float> mono(frames);
  for (std::size_t frame = 0; frame < frames; ++frame) {
    float sum = 0;
    for (int channel = 0; channel < clip.channels; ++channel)
      sum += clip.samples[frame * static_cast<std::size_t>(clip.channels) + static_cast<std::size_t>(channel)];
    mono[frame] = sum / (32768.0f * static_cast<float>(clip.channels));
  }
  if (clip.rate == RenderRate || mono.empty()) return mono;
  const double step = static_cast<double>(clip.rate) / RenderRate;
  const auto length = static_cast<std::size_t>(static_cast<double>(frames) / step);
  std::vector<float> resampled(length);
  for (std::size_t i = 0; i < length; ++i) {
    const double at = static_cast<double>(i) * step;
    const auto before = static_cast<std::size_t>(at);
    const auto after = std::min(before + 1, frames - 1);
    const auto weight = static_cast<float>(at - static_cast<double>(before));
    resampled[i] = mono[before] * (1.0f - weight) + mono[after] * weight;
  }
  return resampled;
}

Voice* find(int voice) {
  if (voice < 0 || static_cast<std::size_t>(voice) >= voices.size() || !voices[voice].used) return nullptr;
  return &voices[static_cast<std::size_t>(voice)];
}

bool open() {
  const std::lock_guard lock(mutex);
  voices.clear();
  return true;
}

void close() {
  const std::lock_guard lock(mutex);
  voices.clear();
}

int addVoice(const PcmClip& clip) {
  if (clip.channels <= 0 || clip.rate <= 0) return -1;
  std::vector<float> samples = monoAtRenderRate(clip);
  const std::lock_guard lock(mutex);
  auto free = std::find_if(voices.begin(), voices.end(), [](const Voice& v) { return !v.used; });
  if (free == voices.end()) free = voices.insert(voices.end(), Voice{});
  *free = Voice{true, std::move(samples), 0, false, 1.0f};
  return static_cast<int>(free - voices.begin());
}

void removeVoice(int voice) {
  const std::lock_guard lock(mutex);
  if (Voice* v = find(voice)) *v = Voice{};
}

void start(int voice) {
  const std::lock_guard lock(mutex);
  if (Voice* v = find(voice)) {
    v->position = 0;
    v->playing = true;
  }
}

void setGain(int voice, float gain) {
  const std::lock_guard lock(mutex);
  if (Voice* v = find(voice)) v->gain = gain;
}

void render(float* samples, int frames) {
  std::fill(samples, samples + frames, 0.0f);
  const std::lock_guard lock(mutex);
  for (Voice& voice : voices) {
    if (!voice.used || !voice.playing) continue;
    const std::size_t left = voice.samples.size() - voice.position;
    const std::size_t count = std::min(left, static_cast<std::size_t>(frames));
    for (std::size_t i = 0; i < count; ++i) samples[i] += voice.samples[voice.position + i] * voice.gain;
    voice.position += count;
    if (voice.position >= voice.samples.size()) voice.playing = false;
  }
}

constexpr SoundOutput mixer{open, close, addVoice, removeVoice, start, setGain, nullptr, render};

}  // namespace

const SoundOutput& softwareMixer() { return mixer; }

}  // namespace media::core
