// A small formant voice: a glottal buzz whose harmonics are shaped by the
// resonances of a vowel, plus breath noise through the same resonances.
#pragma once

#include <array>
#include <vector>

#include "tools/sounds/synth.h"

namespace dakto::sounds {

struct Vowel {
  std::array<double, 4> formants;  // Hz
};

// Adult vowels; a smaller creature is made by scaling the formants up.
namespace vowels {
constexpr Vowel kEe{{280, 2250, 2950, 3700}};
constexpr Vowel kIh{{400, 1950, 2550, 3500}};
constexpr Vowel kEh{{540, 1800, 2500, 3500}};
constexpr Vowel kAh{{750, 1150, 2500, 3500}};
constexpr Vowel kOh{{460, 820, 2550, 3400}};
constexpr Vowel kOo{{320, 760, 2300, 3300}};
constexpr Vowel kN{{260, 1250, 2400, 3300}};  // nasal murmur: weak upper formants
}  // namespace vowels

// One point of a voice's course; the voice moves in straight lines between keys.
struct VoiceKey {
  double time;   // seconds from the start of the voice
  double pitch;  // Hz
  double level;  // loudness of the buzz, 0 for silence
  Vowel vowel;
  double breath;  // loudness of the breath noise
};

struct VoiceStyle {
  double formantScale = 1.0;
  double vibratoRate = 5.5;    // Hz
  double vibratoDepth = 0.01;  // fraction of the pitch
  double jitter = 0.004;       // slow random wander of the pitch
};

Samples RenderVoice(const std::vector<VoiceKey>& keys, const VoiceStyle& style, Rng& rng);

}  // namespace dakto::sounds
