// A software mixer: a sound output (sound_output.h) that keeps every clip as
// mono float samples at RenderRate and mixes the voices that play, each times
// its gain, into the samples asked for. The headless back end renders through
// it for tests; a native back end without a mixing sound library hands its
// samples to the system's output.
#pragma once

#include "media/core/sound_output.h"

namespace media::core {

const SoundOutput& softwareMixer();

}  // namespace media::core
