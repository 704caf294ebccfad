// Pitched sounds: the celesta notes of the winner's run, the magic shimmer of
// the Poker Dice, and the muted horn's sad fall.
#include <algorithm>
#include <array>
#include <cmath>

#include "tools/sounds/sound_recipes.h"

namespace dakto::sounds {

namespace {

constexpr double kD5 = 587.33;
constexpr double kD6 = 1174.66;

double Semitones(double base, double semis) {
  return base * std::pow(2.0, semis / 12.0);
}

}  // namespace

Samples Note(int step) {
  // D major, one octave from D5: each note is cut off by the next 100 ms later,
  // so it needs a sharp attack; the last note of a run rings on a little.
  static constexpr std::array<int, 8> kScale{0, 2, 4, 5, 7, 9, 11, 12};
  const double f = Semitones(kD5, kScale[static_cast<std::size_t>(std::clamp(step, 1, 8) - 1)]);
  Rng rng(100 + static_cast<std::uint64_t>(step));
  Samples out = Silence(0.34);
  AddMode(out, 0, f, 0.22, 1.0);
  AddMode(out, 0, 2 * f, 0.10, 0.28);
  AddMode(out, 0, 3 * f, 0.05, 0.10);
  AddMode(out, 0, 4.07 * f, 0.025, 0.12);  // the bright, quickly fading ring of a metal bar
  AddNoiseBurst(out, rng, 0, 0.002, 0.12, Biquad::BandPass(3 * f, 1.0));  // the felt hammer
  Finish(out, 0.0015, 0.06);
  return out;
}

Samples Magic() {
  // Sparkles climbing a pentatonic scale over a softly trembling chord: the dice
  // appear out of the crystal ball's glow. A roll lasts four frames (about half a
  // second at the usual pace) and is stopped then, so the shimmer blooms at once
  // and has mostly faded by that time.
  Rng rng(99);
  const double length = 0.62;
  Samples out = Silence(length);
  static constexpr std::array<int, 5> kPentatonic{0, 2, 4, 7, 9};
  constexpr int kSparkles = 30;
  for (int k = 0; k < kSparkles; ++k) {
    const double progress = static_cast<double>(k) / kSparkles;
    const double t = std::max(0.002, 0.38 * progress + rng.Range(-0.008, 0.008));
    const int index = std::clamp(static_cast<int>(progress * 10 + rng.Range(-1.5, 1.5)), 0, 11);
    const double f = Semitones(kD6, 12 * (index / 5) + kPentatonic[static_cast<std::size_t>(index % 5)]);
    const double amp = rng.Range(0.35, 0.7);
    AddMode(out, t, f, rng.Range(0.04, 0.09), amp);
    AddMode(out, t, f * 2.76, 0.025, amp * 0.2);
  }
  static constexpr std::array<double, 4> kGlow{587.33, 880.0, 1174.66, 1479.98};
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double swell = std::min(1.0, t / 0.08) * std::exp(-std::max(0.0, t - 0.08) / 0.16);
    const double tremolo = 0.75 + 0.25 * std::sin(2 * kPi * 11 * t);
    double s = 0;
    for (double f : kGlow) s += std::sin(2 * kPi * f * t);
    out[i] += 0.12 * swell * tremolo * s;
  }
  Finish(out, 0.003, 0.08);
  return out;
}

namespace {

struct HornNote {
  double start, length, semis;
  bool last;
};

// A muted horn: the player opens and closes the mute ("wah"), which brightens
// the tone; the last note sinks and wavers.
void AddHornNote(Samples& out, const HornNote& note) {
  constexpr double kBase = 293.66;  // D4
  const double f = Semitones(kBase, note.semis);
  const int first = ToIndex(note.start);
  const int count = ToIndex(note.length);
  double phase = 0;
  for (int i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double u = t / note.length;
    const double attack = std::min(1.0, t / 0.04);
    const double release = note.last ? std::pow(1.0 - u, 1.5) : std::min(1.0, (note.length - t) / 0.08);
    const double mute = std::pow(std::sin(kPi * std::min(1.0, note.last ? u * 2.2 : u)), 0.7);
    const double brightness = 0.25 + 0.45 * mute;
    double pitch = f;
    if (note.last) pitch = Semitones(f, -1.2 * u) * (1.0 + 0.022 * u * std::sin(2 * kPi * 5.2 * t));
    phase = std::fmod(phase + 2 * kPi * pitch / kSampleRate, 2 * kPi);
    double s = 0;
    double level = 1.0;
    for (int h = 1; h <= 24 && h * pitch < 8000; ++h) {
      s += level * std::sin(h * phase);
      level *= brightness;
    }
    const auto at = static_cast<std::size_t>(first + i);
    if (at < out.size()) out[at] += attack * release * s;
  }
}

}  // namespace

Samples SadFall() {
  // Wah, wah, wah, waaah: four falling semitones when the last coin is gone.
  static constexpr std::array<HornNote, 4> kNotes{
      {{0.0, 0.3, 0, false}, {0.32, 0.3, -1, false}, {0.64, 0.3, -2, false}, {0.96, 0.86, -3, true}}};
  Samples out = Silence(1.84);
  for (const HornNote& note : kNotes) AddHornNote(out, note);
  Finish(out, 0.003, 0.08);
  return out;
}

}  // namespace dakto::sounds
