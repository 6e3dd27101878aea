// Sound on real rendered output: clips decoded from Ogg Vorbis, played
// through the back end's output and read back as rendered samples (OpenAL
// Soft's loopback device on the Qt back end, the software mixer on the
// headless one), so gains are checked on samples. On a back end whose output is a speaker the sample
// checks are skipped, the bookkeeping ones still run.
#include <cmath>
#include <numbers>

#include "contract.h"
#include "media/testing.h"

namespace {

namespace mt = media::testing;

class Sound : public Contract {
 protected:
  void SetUp() override {
    Contract::SetUp();
    if (!media::initialiseSound()) GTEST_SKIP() << "no sound output device";
    clip_ = sineOgg(1, 44100, 0.5, 0.5, 441);
    ASSERT_EQ(media::loadSound(1, clip_.data(), clip_.size()), 1);
  }
  // Root mean square of the next milliseconds of output; NAN when the output
  // cannot be read.
  static double rms(int ms) {
    const int rate = mt::soundSampleRate();
    std::vector<float> samples(std::size_t(rate) * ms / 1000);
    if (rate == 0 || !mt::renderSound(samples.data(), static_cast<int>(samples.size()))) return NAN;
    double sum = 0;
    for (float s : samples) sum += double(s) * s;
    return std::sqrt(sum / samples.size());
  }
  static bool rendering() { return mt::soundSampleRate() > 0; }
  std::vector<unsigned char> clip_;
  static constexpr double FullRms = 0.5 / std::numbers::sqrt2;  // a sine of amplitude 0.5
};

TEST_F(Sound, Volume100PlaysTheClipUnattenuated) {
  if (!rendering()) GTEST_SKIP() << "output is not rendered into memory";
  EXPECT_EQ(media::soundVolume(1), 100);
  media::playSound(1);
  rms(20);  // the first milliseconds hold the codec's onset
  EXPECT_NEAR(rms(200), FullRms, FullRms * 0.05);
}

TEST_F(Sound, Volume0SilencesTheClip) {
  if (!rendering()) GTEST_SKIP() << "output is not rendered into memory";
  media::setSoundVolume(1, 0);
  media::playSound(1);
  EXPECT_LT(rms(200), 1e-5);
}

TEST_F(Sound, TheGainIsLinearInTheVolume) {
  if (!rendering()) GTEST_SKIP() << "output is not rendered into memory";
  media::setSoundVolume(1, 50);
  media::playSound(1);
  rms(20);
  EXPECT_NEAR(rms(200), FullRms / 2, FullRms * 0.03);
}

TEST_F(Sound, AVolumeChangeReachesAClipAlreadyPlaying) {
  if (!rendering()) GTEST_SKIP() << "output is not rendered into memory";
  media::playSound(1);
  rms(50);
  media::setSoundVolume(1, 0);
  rms(10);  // the mixer may ramp the gain over a few milliseconds
  EXPECT_LT(rms(100), 1e-5);
  media::setSoundVolume(-1, 100);
  rms(10);
  EXPECT_NEAR(rms(100), FullRms, FullRms * 0.05);
}

TEST_F(Sound, PlayingAgainRestartsTheClipFromItsStart) {
  if (!rendering()) GTEST_SKIP() << "output is not rendered into memory";
  media::playSound(1);
  rms(400);
  media::playSound(1);
  rms(300);  // 0.7 s after the first start: a clip not restarted would have ended
  EXPECT_GT(rms(100), FullRms * 0.8);
  rms(200);
  EXPECT_LT(rms(100), 1e-5) << "the clip plays once";
}

TEST_F(Sound, TwoClipsPlayingAtOnceAddUp) {
  if (!rendering()) GTEST_SKIP() << "output is not rendered into memory";
  ASSERT_EQ(media::loadSound(2, clip_.data(), clip_.size()), 1);
  media::playSound(1);
  media::playSound(2);
  rms(20);
  EXPECT_NEAR(rms(200), 2 * FullRms, FullRms * 0.1) << "the same sine in phase twice";
}

TEST_F(Sound, AClipAtAnotherRatePlaysForItsOwnDuration) {
  if (!rendering()) GTEST_SKIP() << "output is not rendered into memory";
  const auto slow = sineOgg(1, 22050, 0.3, 0.5, 300);
  ASSERT_EQ(media::loadSound(3, slow.data(), slow.size()), 1);
  media::playSound(3);
  rms(20);
  EXPECT_NEAR(rms(200), FullRms, FullRms * 0.1);
  rms(130);  // 0.35 s after the start
  EXPECT_LT(rms(100), 1e-5) << "a clip of 0.3 s at 22050 Hz ends after 0.3 s";
}

TEST_F(Sound, FreeingAPlayingSoundSilencesIt) {
  if (!rendering()) GTEST_SKIP() << "output is not rendered into memory";
  media::playSound(1);
  rms(50);
  EXPECT_EQ(media::freeSound(1), 1);
  EXPECT_LT(rms(100), 1e-5);
}

TEST_F(Sound, VolumesAreClampedAndSetForOneOrAll) {
  ASSERT_EQ(media::loadSound(2, clip_.data(), clip_.size()), 1);
  media::setSoundVolume(1, 150);
  EXPECT_EQ(media::soundVolume(1), 100);
  media::setSoundVolume(1, -20);
  EXPECT_EQ(media::soundVolume(1), 0);
  media::setSoundVolume(-1, 35);
  EXPECT_EQ(media::soundVolume(1), 35);
  EXPECT_EQ(media::soundVolume(2), 35);
  media::playSound(2);
  EXPECT_EQ(media::soundVolume(2), 35) << "playing leaves the volume alone";
  EXPECT_EQ(media::freeSound(-1), 1);
  EXPECT_FALSE(media::soundExists(1));
  EXPECT_FALSE(media::soundExists(2));
}

TEST_F(Sound, AStereoClipAtAnotherRateLoads) {
  const auto stereo = sineOgg(2, 22050, 0.3, 0.4, 300);
  EXPECT_EQ(media::loadSound(3, stereo.data(), stereo.size()), 1);
  EXPECT_EQ(media::playSound(3), 1);
}

}  // namespace
