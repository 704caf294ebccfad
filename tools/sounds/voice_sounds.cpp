// Voices: the Gremlin's laugh, the crowd's cheering and the dismayed "oh no".
#include <algorithm>
#include <array>
#include <cmath>

#include "tools/sounds/sound_recipes.h"
#include "tools/sounds/voice.h"

namespace dakto::sounds {

namespace {

struct Syllable {
  double start, voiced;
  double pitch, pitchEnd;
  Vowel vowel, vowelEnd;
};

// "he": a breathy h, the voiced vowel with its own little fall, and a quick close.
void AddSyllable(std::vector<VoiceKey>& keys, const Syllable& s) {
  const double v0 = s.start + 0.035;
  const double v1 = v0 + s.voiced;
  keys.push_back({s.start, s.pitch, 0, s.vowel, 0});
  keys.push_back({s.start + 0.012, s.pitch, 0, s.vowel, 4.0});
  keys.push_back({v0, s.pitch, 0.9, s.vowel, 1.2});
  keys.push_back({v0 + 0.015, s.pitch, 1.0, s.vowel, 0.5});
  keys.push_back({v1 - 0.015, s.pitchEnd, 0.9, s.vowelEnd, 0.4});
  keys.push_back({v1, s.pitchEnd * 0.95, 0, s.vowelEnd, 0.6});
  keys.push_back({v1 + 0.012, s.pitchEnd * 0.95, 0, s.vowelEnd, 0});
}

}  // namespace

Samples Laugh() {
  // A small creature's cackle: a squeal, a run of quick falling "he"s and a
  // last drawn-out "heee" that slides down.
  using namespace vowels;
  std::vector<VoiceKey> keys;
  AddSyllable(keys, {0.0, 0.13, 640, 720, kIh, kEe});
  const double run[] = {600, 580, 565, 545, 525, 505, 485};
  double t = 0.22;
  for (std::size_t i = 0; i < std::size(run); ++i, t += 0.115) {
    const Vowel v = i % 2 == 0 ? kEh : kIh;
    AddSyllable(keys, {t, 0.06, run[i], run[i] * 0.93, v, v});
  }
  AddSyllable(keys, {t + 0.03, 0.26, 560, 400, kEh, kIh});
  keys.push_back({keys.back().time + 0.04, 400, 0, kIh, 0});
  VoiceStyle style;
  style.formantScale = 1.3;
  style.vibratoRate = 7;
  style.vibratoDepth = 0.02;
  Rng rng(666);
  Samples out = RenderVoice(keys, style, rng);
  Finish(out, 0.004, 0.05);
  return out;
}

Samples OhNo() {
  // "Oh" with a little rise and fall, the murmur of the n, then a long "nooo"
  // whose pitch sinks in dismay.
  using namespace vowels;
  const Vowel ohGlide{{420, 780, 2500, 3400}};
  // A breathy onset, clear vowels, and a sigh of breath as the voice fades.
  const std::vector<VoiceKey> keys{
      {0.00, 225, 0.0, kOh, 0.0},  {0.03, 232, 0.9, kOh, 0.5},      {0.10, 248, 1.0, kOh, 0.08},
      {0.14, 252, 1.0, kOh, 0.06}, {0.28, 228, 0.9, ohGlide, 0.06}, {0.33, 215, 0.45, kN, 0.03},
      {0.40, 210, 0.45, kN, 0.03}, {0.44, 222, 1.0, kOh, 0.06},     {0.60, 205, 0.95, kOh, 0.06},
      {0.86, 165, 0.6, kOo, 0.15}, {1.00, 145, 0.0, kOo, 0.2},      {1.05, 140, 0.0, kOo, 0.0}};
  VoiceStyle style;
  style.vibratoDepth = 0.008;
  style.jitter = 0.006;
  Rng rng(404);
  Samples out = RenderVoice(keys, style, rng);
  Finish(out, 0.004, 0.06);
  return out;
}

namespace {

Samples CrowdVoice(Rng& rng, double length) {
  using namespace vowels;
  static const std::array<std::pair<Vowel, Vowel>, 4> kCalls{
      {{kEh, kEe}, {kAh, kEh}, {kOh, kOo}, {kAh, kAh}}};  // hey, yeah, woo, aah
  static constexpr std::array<double, 3> kScale{1.0, 1.15, 1.28};
  const auto kind = static_cast<std::size_t>(rng.Uniform() * 3);
  const double low[] = {120, 210, 290};
  const double pitch = low[kind] * rng.Range(1.0, 1.5);
  const auto& [from, to] = kCalls[static_cast<std::size_t>(rng.Uniform() * kCalls.size())];
  const std::vector<VoiceKey> keys{{0.0, pitch * 0.9, 0.0, from, 0.0},
                                   {0.06, pitch * 1.25, 1.0, from, 0.8},
                                   {0.35 * length, pitch * 1.35, 0.9, from, 0.6},
                                   {0.8 * length, pitch * 1.1, 0.7, to, 0.5},
                                   {length, pitch * 0.9, 0.0, to, 0.0}};
  VoiceStyle style;
  style.formantScale = kScale[kind] * rng.Range(0.95, 1.05);
  style.vibratoRate = rng.Range(5, 7);
  style.vibratoDepth = rng.Range(0.02, 0.04);
  return RenderVoice(keys, style, rng);
}

void AddWhistle(Samples& out, double start, double amp) {
  double phase = 0;
  for (int i = 0; i < ToIndex(0.45); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double f = t < 0.15 ? 1800 + 800 * t / 0.15 : 2600 - 1100 * (t - 0.15) / 0.3;
    phase += 2 * kPi * f / kSampleRate;
    const double envelope = std::sin(kPi * t / 0.45);
    const auto at = static_cast<std::size_t>(ToIndex(start) + i);
    if (at < out.size()) out[at] += amp * envelope * std::sin(phase);
  }
}

}  // namespace

Samples Cheering() {
  // A crowd bursts out at once: two dozen voices calling, applause and a whistle,
  // swelling quickly and dying away.
  Rng rng(2026);
  const double length = 1.8;
  Samples out = Silence(length);
  constexpr int kVoices = 22;
  for (int v = 0; v < kVoices; ++v) {
    const double start = rng.Range(0.0, 0.35);
    const double voiceLength = std::min(rng.Range(0.7, 1.45), length - 0.05 - start);
    MixIn(out, CrowdVoice(rng, voiceLength), start, rng.Range(0.5, 1.0) / 5.0);
  }
  for (int c = 0; c < 150; ++c) {
    const double t = rng.Range(0.04, length - 0.15);
    AddNoiseBurst(out, rng, t, rng.Range(0.004, 0.008), rng.Range(0.3, 0.8),
                  Biquad::BandPass(rng.Range(900, 2200), 1.2));
  }
  AddWhistle(out, 0.3, 0.15);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double swell = std::min(1.0, t / 0.12);
    const double fall = t < 1.0 ? 1.0 : std::pow(std::max(0.0, 1.0 - (t - 1.0) / (length - 1.0)), 1.3);
    out[i] *= swell * fall;
  }
  Finish(out, 0.01, 0.1);
  return out;
}

}  // namespace dakto::sounds
