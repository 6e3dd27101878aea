// Synthesis of the five sounds: a soft click for a move, a soft reverse sweep
// for an undo, a cheerful jingle for a won game, a falling phrase for a lost
// one and a short tick for the last seconds.
#include "sounds.h"

#include "rng.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace gen {
namespace {

// One loudness for all (RMS 0.13, -17.7 dBFS), the won jingle a little above
// it as far as its peaks allow: a win must not sound smaller than a loss.
const SoundFormat Formats[5] = {
    {1, 11025, 0.07, "Move", 0.13f}, {1, 22050, 0.46, "Undo", 0.13f}, {1, 11025, 2.88, "Won", 0.14f},
    {1, 8000, 1.95, "Lost", 0.13f},  {2, 44100, 0.14, "Tick", 0.13f},
};

// No sample is levelled above this, well below full scale (Vorbis adds a little).
constexpr double PeakCeiling = 0.89;

constexpr double Tau = 2 * M_PI;

double noteHz(int semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }

// A bell-like note: a few decaying partials below the rate's limit.
void bell(std::vector<float>& out, int rate, double start, double length, double hz, double gain) {
  const int first = int(start * rate), n = int(length * rate);
  const double partials[3][2] = {{1, 1}, {2, 0.35}, {3, 0.12}};
  for (int i = 0; i < n && first + i < int(out.size()); ++i) {
    const double t = double(i) / rate;
    const double env = std::min(1.0, t / 0.006) * std::exp(-t * 3.2);
    double v = 0;
    for (const auto& p : partials)
      if (hz * p[0] < rate * 0.45) v += p[1] * std::sin(Tau * hz * p[0] * t) * std::exp(-t * p[0] * 1.5);
    out[first + i] += float(gain * env * v);
  }
}

std::vector<float> click(const SoundFormat& s, int n) {
  std::vector<float> out(n);
  Rng rng(1);
  for (int i = 0; i < n; ++i) {
    const double t = double(i) / s.rate;
    const double env = std::min(1.0, t / 0.002) * std::exp(-t / 0.012);
    out[i] = float(env * (0.8 * std::sin(Tau * 1250 * t) + 0.15 * rng.uniform(-1, 1)));
  }
  return out;
}

std::vector<float> reverseSweep(const SoundFormat& s, int n) {
  std::vector<float> out(n);
  Rng rng(2);
  double phase = 0, lowpassed = 0;
  for (int i = 0; i < n; ++i) {
    const double t = double(i) / s.rate, u = t / s.seconds;
    // Swells slowly like a sound played backwards, then stops softly.
    const double env = std::pow(u, 2.2) * std::min(1.0, (s.seconds - t) / 0.05);
    const double hz = 280 + 620 * u * u;
    phase += Tau * hz / s.rate;
    lowpassed += 0.03 * (rng.uniform(-1, 1) - lowpassed);
    out[i] = float(env * (0.7 * std::sin(phase) + 0.25 * std::sin(2 * phase) + 1.6 * lowpassed));
  }
  return out;
}

std::vector<float> jingle(const SoundFormat& s, int n) {
  std::vector<float> out(n);
  // C5 E5 G5 C6, a little turn, then the closing chord.
  const int melody[7] = {3, 7, 10, 15, 12, 14, 15};
  for (int i = 0; i < 7; ++i) bell(out, s.rate, i * 0.16, 1.2, noteHz(melody[i]), 0.5);
  for (int note : {3, 7, 10, 15}) bell(out, s.rate, 1.2, 1.68, noteHz(note), 0.3);
  return out;
}

std::vector<float> fallingPhrase(const SoundFormat& s, int n) {
  std::vector<float> out(n);
  // G4 F4 Eb4, then a long D4 that sinks.
  const double starts[4] = {0, 0.3, 0.6, 0.9}, lengths[4] = {0.3, 0.3, 0.3, 1.05};
  const int notes[4] = {-2, -4, -6, -7};
  double phase = 0;
  for (int i = 0; i < n; ++i) {
    const double t = double(i) / s.rate;
    int k = 3;
    while (k > 0 && t < starts[k]) --k;
    const double local = t - starts[k];
    double hz = noteHz(notes[k]) * (1 + 0.006 * std::sin(Tau * 5 * t));
    if (k == 3) hz *= std::pow(2.0, -local / 1.05 * 0.5);
    phase += Tau * hz / s.rate;
    const double env = std::min(1.0, local / 0.02) * std::min(1.0, (lengths[k] - local) / 0.04) *
                       (k == 3 ? std::exp(-local * 1.2) : 1.0);
    out[i] = float(env * (0.6 * std::sin(phase) + 0.2 * std::sin(3 * phase) + 0.08 * std::sin(5 * phase)));
  }
  return out;
}

std::vector<float> tick(const SoundFormat& s, int n) {
  std::vector<float> out(std::size_t(n) * 2);
  for (int i = 0; i < n; ++i) {
    const double t = double(i) / s.rate;
    const double env = std::min(1.0, t / 0.001) * std::exp(-t / 0.009);
    const double body = std::min(1.0, t / 0.002) * std::exp(-t / 0.03);
    const double v = env * std::sin(Tau * 3200 * t) * 0.6 + body * std::sin(Tau * 820 * t) * 0.5;
    out[2 * i] = float(v);
    out[2 * i + 1] = float(v * 0.85);
  }
  return out;
}

}  // namespace

const SoundFormat& soundFormat(int index) { return Formats[index]; }

std::vector<float> synthesise(int index) {
  const SoundFormat& s = Formats[index];
  const int n = int(std::lround(s.seconds * s.rate));
  std::vector<float> out;
  switch (index) {
    case 0: out = click(s, n); break;
    case 1: out = reverseSweep(s, n); break;
    case 2: out = jingle(s, n); break;
    case 3: out = fallingPhrase(s, n); break;
    default: out = tick(s, n); break;
  }
  // Levelled by loudness, the RMS of all samples (as `sox stat` measures it),
  // not by the peak: a bell's peaks stand far above its body, a held note's
  // do not, so levelling peaks made the lost phrase 8 dB louder than the jingle.
  double energy = 0, peak = 0;
  for (float v : out) {
    energy += double(v) * v;
    peak = std::max(peak, double(std::fabs(v)));
  }
  const double rms = std::sqrt(energy / double(out.size()));
  const double gain = std::min(s.loudness / rms, PeakCeiling / peak);
  for (float& v : out) v = float(v * gain);
  return out;
}

}  // namespace gen
