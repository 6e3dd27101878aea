// The game's five sounds, synthesised and encoded as complete Ogg Vorbis streams.
#pragma once

#include <string>
#include <vector>

namespace gen {

struct SoundFormat {
  int channels;
  int rate;
  double seconds;
  const char* title;
  float loudness;  // RMS of the samples after levelling; peaks stay below 0.89
};
const SoundFormat& soundFormat(int index);  // 0..4

// Samples, interleaved by channel, levelled to the sound's loudness.
std::vector<float> synthesise(int index);
std::vector<unsigned char> encodeVorbis(const std::vector<float>& samples, const SoundFormat& format);

}  // namespace gen
