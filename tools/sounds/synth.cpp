#include "tools/sounds/synth.h"

#include <algorithm>
#include <cmath>

namespace dakto::sounds {

std::uint64_t Rng::Next() {
  state_ += 0x9E3779B97F4A7C15ull;
  std::uint64_t z = state_;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

double Rng::Uniform() {
  return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0);
}

double Rng::Range(double low, double high) {
  return low + (high - low) * Uniform();
}

namespace {

struct Cookbook {
  double cosw, alpha;
};

Cookbook Prepare(double freq, double q) {
  const double w = 2.0 * kPi * freq / kSampleRate;
  return {std::cos(w), std::sin(w) / (2.0 * q)};
}

}  // namespace

Biquad Biquad::LowPass(double freq, double q) {
  const auto [cosw, alpha] = Prepare(freq, q);
  const double a0 = 1 + alpha;
  Biquad f;
  f.b0_ = (1 - cosw) / 2 / a0;
  f.b1_ = (1 - cosw) / a0;
  f.b2_ = f.b0_;
  f.a1_ = -2 * cosw / a0;
  f.a2_ = (1 - alpha) / a0;
  return f;
}

Biquad Biquad::HighPass(double freq, double q) {
  const auto [cosw, alpha] = Prepare(freq, q);
  const double a0 = 1 + alpha;
  Biquad f;
  f.b0_ = (1 + cosw) / 2 / a0;
  f.b1_ = -(1 + cosw) / a0;
  f.b2_ = f.b0_;
  f.a1_ = -2 * cosw / a0;
  f.a2_ = (1 - alpha) / a0;
  return f;
}

Biquad Biquad::BandPass(double freq, double q) {
  const auto [cosw, alpha] = Prepare(freq, q);
  const double a0 = 1 + alpha;
  Biquad f;
  f.b0_ = alpha / a0;
  f.b1_ = 0;
  f.b2_ = -alpha / a0;
  f.a1_ = -2 * cosw / a0;
  f.a2_ = (1 - alpha) / a0;
  return f;
}

double Biquad::Process(double x) {
  // Transposed direct form II: well behaved when the coefficients move.
  const double y = b0_ * x + z1_;
  z1_ = b1_ * x - a1_ * y + z2_;
  z2_ = b2_ * x - a2_ * y;
  return y;
}

void Biquad::Retune(const Biquad& shape) {
  b0_ = shape.b0_;
  b1_ = shape.b1_;
  b2_ = shape.b2_;
  a1_ = shape.a1_;
  a2_ = shape.a2_;
}

Samples Silence(double seconds) {
  return Samples(static_cast<std::size_t>(ToIndex(seconds)), 0.0);
}

int ToIndex(double seconds) {
  return static_cast<int>(std::lround(seconds * kSampleRate));
}

void AddMode(Samples& out, double start, double freq, double decay, double amp) {
  if (freq >= kSampleRate * 0.47) return;  // would fold back as a false tone
  const int first = ToIndex(start);
  const int count = static_cast<int>(decay * 9.0 * kSampleRate);  // down by ~80 dB
  const double step = 2.0 * kPi * freq / kSampleRate;
  const double fall = std::exp(-1.0 / (decay * kSampleRate));
  double level = amp;
  for (int i = 0; i < count; ++i) {
    const int at = first + i;
    if (at < 0) continue;
    if (at >= static_cast<int>(out.size())) break;
    out[static_cast<std::size_t>(at)] += level * std::sin(step * i);
    level *= fall;
  }
}

void AddNoiseBurst(Samples& out, Rng& rng, double start, double length, double amp, Biquad filter) {
  const int first = ToIndex(start);
  const int count = std::max(1, ToIndex(length));
  // Run the filter on past the burst so its ringing is not cut off.
  const int tail = count + ToIndex(0.01);
  for (int i = 0; i < tail; ++i) {
    const double shape = i < count ? std::exp(-4.0 * i / count) : 0.0;
    const double y = filter.Process(rng.Signed() * shape);
    const int at = first + i;
    if (at >= 0 && at < static_cast<int>(out.size())) out[static_cast<std::size_t>(at)] += amp * y;
  }
}

void MixIn(Samples& out, const Samples& part, double start, double gain) {
  const int first = ToIndex(start);
  for (std::size_t i = 0; i < part.size(); ++i) {
    const long at = first + static_cast<long>(i);
    if (at >= 0 && at < static_cast<long>(out.size())) out[static_cast<std::size_t>(at)] += gain * part[i];
  }
}

namespace {

void RemoveDc(Samples& samples) {
  // One-pole high pass near 15 Hz: takes away offsets without touching the sound.
  const double r = std::exp(-2.0 * kPi * 15.0 / kSampleRate);
  double lastIn = 0, lastOut = 0;
  for (double& s : samples) {
    const double y = s - lastIn + r * lastOut;
    lastIn = s;
    lastOut = y;
    s = y;
  }
}

void Fade(Samples& samples, double fadeIn, double fadeOut) {
  const int n = static_cast<int>(samples.size());
  const int in = std::min(n, std::max(1, ToIndex(fadeIn)));
  const int out = std::min(n, std::max(1, ToIndex(fadeOut)));
  for (int i = 0; i < in; ++i) samples[static_cast<std::size_t>(i)] *= 0.5 - 0.5 * std::cos(kPi * i / in);
  for (int i = 0; i < out; ++i) {
    samples[static_cast<std::size_t>(n - 1 - i)] *= 0.5 - 0.5 * std::cos(kPi * i / out);
  }
}

}  // namespace

void Finish(Samples& samples, double fadeIn, double fadeOut, double peak) {
  RemoveDc(samples);
  Fade(samples, fadeIn, fadeOut);
  double loudest = 0;
  for (double s : samples) loudest = std::max(loudest, std::abs(s));
  if (loudest <= 0) return;
  for (double& s : samples) s *= peak / loudest;
}

}  // namespace dakto::sounds
