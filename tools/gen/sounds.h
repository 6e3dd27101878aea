// The game's five sounds, synthesised and encoded as complete Ogg Vorbis streams.
#pragma once

#include <string>
#include <vector>

namespace gen {

struct SoundSpec {
  int channels;
  int rate;
  double seconds;
  const char* title;
};
const SoundSpec& soundSpec(int index);  // 0..4

// Samples, interleaved by channel, peak below 0.7.
std::vector<float> synthesise(int index);
std::vector<unsigned char> encodeVorbis(const std::vector<float>& samples, const SoundSpec& spec);

}  // namespace gen
