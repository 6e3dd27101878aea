// The five sounds decoded with libvorbisfile from the library's memory:
// channels, rate and duration as catalogued, a comment header, samples that
// never reach full scale, and loudness balanced between them.
#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include "library.h"

#include <cmath>
#include <cstring>

namespace {

using assetlib::SoundRecord;

struct Memory {
  const unsigned char* data;
  std::size_t size, pos;
};

std::size_t readMemory(void* out, std::size_t size, std::size_t count, void* source) {
  auto* m = static_cast<Memory*>(source);
  const std::size_t n = std::min(size * count, m->size - m->pos);
  std::memcpy(out, m->data + m->pos, n);
  m->pos += n;
  return size ? n / size : 0;
}

int seekMemory(void* source, ogg_int64_t offset, int whence) {
  auto* m = static_cast<Memory*>(source);
  const ogg_int64_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? ogg_int64_t(m->pos) : ogg_int64_t(m->size);
  if (base + offset < 0 || base + offset > ogg_int64_t(m->size)) return -1;
  m->pos = std::size_t(base + offset);
  return 0;
}

long tellMemory(void* source) { return long(static_cast<Memory*>(source)->pos); }

struct Expected {
  int channels;
  long rate;
  double seconds;
};
constexpr Expected Catalogue[5] = {{1, 11025, 0.07}, {1, 22050, 0.46}, {1, 11025, 2.88}, {1, 8000, 1.95}, {2, 44100, 0.14}};

class Sounds : public ::testing::TestWithParam<int> {};

TEST_P(Sounds, DecodeAsCataloguedAndNeverClip) {
  const int index = GetParam();
  assetlib::Library lib = assetlib::load();
  ASSERT_NE(lib.handle, nullptr) << "cannot load " << assetlib::path();
  const auto* record = static_cast<const SoundRecord*>(lib.sounds(index));
  ASSERT_NE(record, nullptr);
  Memory memory{record->data, std::size_t(record->size), 0};
  OggVorbis_File vf;
  const ov_callbacks callbacks{readMemory, seekMemory, nullptr, tellMemory};
  ASSERT_EQ(ov_open_callbacks(&memory, &vf, nullptr, 0, callbacks), 0);
  EXPECT_EQ(ov_streams(&vf), 1);
  const vorbis_info* info = ov_info(&vf, -1);
  EXPECT_EQ(info->channels, Catalogue[index].channels);
  EXPECT_EQ(info->rate, Catalogue[index].rate);
  EXPECT_NEAR(ov_time_total(&vf, -1), Catalogue[index].seconds, 0.010);
  const vorbis_comment* comment = ov_comment(&vf, -1);
  ASSERT_NE(comment, nullptr);
  EXPECT_NE(comment->vendor, nullptr);

  float peak = 0;
  long frames = 0;
  for (;;) {
    float** pcm = nullptr;
    int section = 0;
    const long n = ov_read_float(&vf, &pcm, 1024, &section);
    if (n <= 0) break;
    frames += n;
    for (int c = 0; c < info->channels; ++c)
      for (long i = 0; i < n; ++i) peak = std::max(peak, std::fabs(pcm[c][i]));
  }
  EXPECT_EQ(frames, ov_pcm_total(&vf, -1));
  EXPECT_LT(peak, 0.99f) << "the sound clips";
  EXPECT_GT(peak, 0.2f) << "the sound is barely audible";
  ov_clear(&vf);
}

INSTANTIATE_TEST_SUITE_P(EverySound, Sounds, ::testing::Range(0, 5));

// The RMS of all samples of a sound, as `sox stat` measures loudness.
double rmsOf(const assetlib::Library& lib, int index) {
  const auto* record = static_cast<const SoundRecord*>(lib.sounds(index));
  if (!record) return 0;
  Memory memory{record->data, std::size_t(record->size), 0};
  OggVorbis_File vf;
  const ov_callbacks callbacks{readMemory, seekMemory, nullptr, tellMemory};
  if (ov_open_callbacks(&memory, &vf, nullptr, 0, callbacks) != 0) return 0;
  const int channels = ov_info(&vf, -1)->channels;
  double energy = 0;
  long samples = 0;
  for (;;) {
    float** pcm = nullptr;
    int section = 0;
    const long n = ov_read_float(&vf, &pcm, 1024, &section);
    if (n <= 0) break;
    for (int c = 0; c < channels; ++c)
      for (long i = 0; i < n; ++i) energy += double(pcm[c][i]) * pcm[c][i];
    samples += n * channels;
  }
  ov_clear(&vf);
  return samples ? std::sqrt(energy / double(samples)) : 0;
}

// Levelled by loudness, not by peak: no sound stands out, and the won jingle
// is at least as loud as the lost phrase (it was 8 dB quieter).
TEST(SoundLoudness, TheSoundsAreBalancedAndAWinIsNoQuieterThanALoss) {
  assetlib::Library lib = assetlib::load();
  ASSERT_NE(lib.handle, nullptr) << "cannot load " << assetlib::path();
  double rms[5];
  for (int i = 0; i < 5; ++i) rms[i] = rmsOf(lib, i);
  const double won = rms[2], lost = rms[3];
  EXPECT_GE(won, lost) << "won " << won << ", lost " << lost;
  for (int i = 0; i < 5; ++i) {
    const double db = 20 * std::log10(rms[i] / lost);
    EXPECT_LT(std::fabs(db), 2.0) << "sound " << i << " is " << db << " dB from the lost sound";
  }
}

}  // namespace
