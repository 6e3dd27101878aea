// The parts of the test driver (media/testing.h) that are the same on every
// back end: reading the rendered sound and seeding the random generator. Built
// as media_testing_core, which the headless back end and the Qt back end's test
// driver take in; the program never does.
#include "media/core/core.h"
#include "media/core/sound_output.h"
#include "media/testing.h"

namespace media {

int testing::renderSound(float* samples, int frames) {
  const core::SoundOutput* output = core::renderingOutput();
  if (!output || !samples || frames <= 0) return 0;
  output->render(samples, frames);
  return 1;
}

int testing::soundSampleRate() { return core::renderingOutput() ? core::RenderRate : 0; }

void testing::seedRandom(std::uint64_t seed) { core::seedRandom(seed); }

}  // namespace media
