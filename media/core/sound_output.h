// Where the layer's sounds go. The core (sound.cpp) keeps the numbered sounds,
// their volumes and the decoding; an output plays decoded clips, each on a
// voice of its own, at a linear gain (volume / 100), and is the back end's
// choice (backend::soundOutput):
//   media/qt         OpenAL Soft on the default device (its test driver puts
//                    OpenAL's loopback device in its place, which renders)
//   media/headless   the software mixer (sound_mixer.h), rendering into memory
//   a native Windows back end: the software mixer, its samples handed to the
//                    system's sound output
// A table of functions, as the back end's own calls are. Internal to the
// layer; back ends include it, game code never does.
#pragma once

#include "media/core/core.h"

namespace media::core {

// Outputs that render into memory render mono float samples at this rate.
constexpr int RenderRate = 44100;

struct SoundOutput {
  bool (*open)();   // false: no output, the program runs silent
  void (*close)();  // removes every voice first
  // A voice for the clip (the output copies what it needs); -1 on failure.
  int (*addVoice)(const PcmClip& clip);
  void (*removeVoice)(int voice);
  // Plays the clip once from its start; a voice still playing restarts.
  void (*start)(int voice);
  // Applies at once, to a voice that is playing too.
  void (*setGain)(int voice, float gain);
  // Called before each wait after some quiet seconds (core::pauseIdleSound); a
  // speaker output may pause while nothing plays. Null when there is nothing
  // to do.
  void (*idle)();
  // The next frames of output into samples (mono float at RenderRate); null
  // for an output that goes to a speaker.
  void (*render)(float* samples, int frames);
  // After idle: the player is active again, so a paused device resumes ahead
  // of the next start. Null when there is nothing to do.
  void (*wake)() = nullptr;
};

// Puts another output in place of the back end's, for a test driver; nullptr
// gives the back end's back. Takes effect at the next initialiseSound.
void setSoundOutput(const SoundOutput* output);
// The output in use when it renders into memory, else nullptr.
const SoundOutput* renderingOutput();

}  // namespace media::core
