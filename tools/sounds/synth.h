// Small synthesis kit for the wave generator: a seeded noise source, filters,
// struck modes and the finishing steps every sound goes through.
#pragma once

#include <cstdint>
#include <vector>

namespace dakto::sounds {

constexpr int kSampleRate = 22050;
constexpr double kPi = 3.14159265358979323846;

using Samples = std::vector<double>;

// splitmix64: the same seed gives the same bytes on every machine, unlike the
// distributions of <random>, whose results the standard leaves open.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next();
  double Uniform();                       // [0, 1)
  double Range(double low, double high);  // [low, high)
  double Signed() { return Range(-1.0, 1.0); }

 private:
  std::uint64_t state_;
};

// Second-order section from the well-known audio cookbook formulas.
class Biquad {
 public:
  static Biquad LowPass(double freq, double q);
  static Biquad HighPass(double freq, double q);
  static Biquad BandPass(double freq, double q);  // 0 dB at the centre
  double Process(double x);
  // Keeps the filter's memory while the coefficients follow a moving target.
  void Retune(const Biquad& shape);

 private:
  double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  double z1_ = 0, z2_ = 0;
};

Samples Silence(double seconds);
int ToIndex(double seconds);

// A struck resonance: amp * exp(-t / decay) * sin(2 pi f t), from `start` on.
void AddMode(Samples& out, double start, double freq, double decay, double amp);
// A short burst of filtered noise, the contact noise of a hit.
void AddNoiseBurst(Samples& out, Rng& rng, double start, double length, double amp, Biquad filter);
// Mixes `part` into `out` at `start` seconds, scaled by `gain`.
void MixIn(Samples& out, const Samples& part, double start, double gain);

// Removes any DC offset, fades both ends so that nothing clicks, and scales the
// loudest sample to `peak` of full scale.
void Finish(Samples& samples, double fadeIn, double fadeOut, double peak = 0.89);

}  // namespace dakto::sounds
