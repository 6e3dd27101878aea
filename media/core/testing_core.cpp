// The parts of the test driver (media/testing.h) that are the same on every
// back end: reading the rendered sound and seeding the random generator. Built
// as media_testing_core, which the headless back end and the Qt back end's test
// driver take in; the program never does.
#include <AL/alc.h>
#include <AL/alext.h>

#include "media/core/core.h"
#include "media/testing.h"

namespace media {

int testing::renderSound(float* samples, int frames) {
  ALCdevice* device = core::renderingDevice();
  if (!device || !samples || frames <= 0) return 0;
  static auto render = reinterpret_cast<LPALCRENDERSAMPLESSOFT>(alcGetProcAddress(device, "alcRenderSamplesSOFT"));
  if (!render) return 0;
  render(device, samples, frames);
  return 1;
}

int testing::soundSampleRate() { return core::renderingDevice() ? core::loopbackRate : 0; }

void testing::seedRandom(std::uint64_t seed) { core::seedRandom(seed); }

}  // namespace media
