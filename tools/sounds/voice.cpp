#include "tools/sounds/voice.h"

#include <cmath>

namespace dakto::sounds {

namespace {

constexpr int kBlock = 32;  // samples between updates of the harmonic levels
constexpr int kMaxHarmonics = 96;
// The first formant lifts the buzz about five times; this brings it back level
// with the breath noise.
constexpr double kBuzzGain = 0.2;

VoiceKey Interpolate(const std::vector<VoiceKey>& keys, double t) {
  if (t <= keys.front().time) return keys.front();
  for (std::size_t i = 1; i < keys.size(); ++i) {
    const VoiceKey& a = keys[i - 1];
    const VoiceKey& b = keys[i];
    if (t > b.time) continue;
    const double u = b.time > a.time ? (t - a.time) / (b.time - a.time) : 1.0;
    VoiceKey k{t, a.pitch + u * (b.pitch - a.pitch), a.level + u * (b.level - a.level), a.vowel,
               a.breath + u * (b.breath - a.breath)};
    for (std::size_t f = 0; f < k.vowel.formants.size(); ++f) {
      k.vowel.formants[f] += u * (b.vowel.formants[f] - a.vowel.formants[f]);
    }
    return k;
  }
  return keys.back();
}

// Loudness of the vocal tract at `freq`: four resonances in cascade, each
// passing low frequencies unchanged, peaking at its formant and falling off
// above it, which gives vowels their natural slope towards the highs.
double TractResponse(double freq, const Vowel& vowel) {
  static constexpr std::array<double, 4> kBandwidth{70, 100, 160, 220};
  double gain = 1.0;
  for (std::size_t i = 0; i < vowel.formants.size(); ++i) {
    const double centre = vowel.formants[i];
    const double squareGap = centre * centre - freq * freq;
    const double damping = kBandwidth[i] * freq;
    gain *= centre * centre / std::sqrt(squareGap * squareGap + damping * damping);
  }
  return gain;
}

Vowel Scaled(Vowel v, double scale) {
  for (double& f : v.formants) f *= scale;
  return v;
}

struct BreathFilters {
  std::array<Biquad, 3> bands;
  void Tune(const Vowel& v) {
    for (std::size_t i = 0; i < bands.size(); ++i) {
      const double f = std::min(v.formants[i], kSampleRate * 0.45);
      bands[i].Retune(Biquad::BandPass(f, f / (80.0 + 0.08 * f)));
    }
  }
  double Process(double x) {
    return bands[0].Process(x) + 0.8 * bands[1].Process(x) + 0.5 * bands[2].Process(x);
  }
};

}  // namespace

Samples RenderVoice(const std::vector<VoiceKey>& keys, const VoiceStyle& style, Rng& rng) {
  Samples out = Silence(keys.back().time);
  std::array<double, kMaxHarmonics + 1> levels{};
  std::array<double, kMaxHarmonics + 1> target{};
  BreathFilters breath;
  double phase = 0;
  double wander = 0;
  double wanderTarget = 0;
  VoiceKey now = keys.front();
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    if (i % kBlock == 0) {
      now = Interpolate(keys, t);
      now.vowel = Scaled(now.vowel, style.formantScale);
      breath.Tune(now.vowel);
      if (i % (kBlock * 8) == 0) wanderTarget = rng.Signed();
      for (int h = 1; h <= kMaxHarmonics; ++h) {
        const double f = h * now.pitch;
        target[h] = f < kSampleRate * 0.45 ? kBuzzGain * now.level / h * TractResponse(f, now.vowel) : 0.0;
      }
    }
    wander += (wanderTarget - wander) * 0.002;
    const double vibrato = style.vibratoDepth * std::sin(2 * kPi * style.vibratoRate * t);
    const double pitch = now.pitch * (1.0 + vibrato + style.jitter * wander);
    phase = std::fmod(phase + 2 * kPi * pitch / kSampleRate, 2 * kPi);
    double s = 0;
    for (int h = 1; h <= kMaxHarmonics; ++h) {
      levels[h] += (target[h] - levels[h]) * (1.0 / kBlock);
      if (levels[h] != 0.0) s += levels[h] * std::sin(h * phase);
    }
    s += now.breath * breath.Process(rng.Signed());
    out[i] = s;
  }
  return out;
}

}  // namespace dakto::sounds
