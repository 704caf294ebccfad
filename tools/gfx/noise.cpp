#include "tools/gfx/noise.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace dakto::gfx {

namespace {

std::uint32_t Mix32(std::uint32_t x) {
  x ^= x >> 16;
  x *= 0x7feb352dU;
  x ^= x >> 15;
  x *= 0x846ca68bU;
  x ^= x >> 16;
  return x;
}

double Fade(double t) {
  return t * t * t * (t * (t * 6 - 15) + 10);
}

int Wrap(int i, int period) {
  if (period <= 0) return i;
  const int m = i % period;
  return m < 0 ? m + period : m;
}

// How a texture fits a tile: the feature size is nudged so that a whole number of
// lattice cells fills the period. Returns the feature size and the cell count (0 = no wrap).
struct Fit {
  double feature;
  int cells;
};
Fit FitToPeriod(double feature, int period) {
  if (period <= 0) return {feature, 0};
  const int cells = std::max(1, static_cast<int>(std::lround(period / feature)));
  return {static_cast<double>(period) / cells, cells};
}

float Clamp01(double v) {
  return static_cast<float>(std::clamp(v, 0.0, 1.0));
}

}  // namespace

std::uint32_t Hash2(int x, int y, std::uint32_t seed) {
  return Mix32(static_cast<std::uint32_t>(x) * 0x9E3779B1U ^
               Mix32(static_cast<std::uint32_t>(y) + seed * 0x85EBCA77U));
}

double Noise::Octave(double x, double y, int level) const {
  const int px = periodX_ > 0 ? periodX_ << level : 0;
  const int py = periodY_ > 0 ? periodY_ << level : 0;
  const std::uint32_t seed = seed_ + static_cast<std::uint32_t>(level) * 0x632BE5ABU;
  const double fx = std::floor(x), fy = std::floor(y);
  const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
  const double tx = Fade(x - fx), ty = Fade(y - fy);
  auto at = [&](int cx, int cy) {
    return static_cast<double>(Hash2(Wrap(cx, px), Wrap(cy, py), seed) & 0xFFFFFFU) / double(0xFFFFFF);
  };
  const double top = at(ix, iy) + (at(ix + 1, iy) - at(ix, iy)) * tx;
  const double bottom = at(ix, iy + 1) + (at(ix + 1, iy + 1) - at(ix, iy + 1)) * tx;
  return top + (bottom - top) * ty;
}

double Noise::Value(double x, double y) const {
  return Octave(x, y, 0);
}

double Noise::Fractal(double x, double y, int octaves, double gain) const {
  double sum = 0, amplitude = 1, total = 0, frequency = 1;
  for (int level = 0; level < octaves; ++level) {
    sum += amplitude * Octave(x * frequency, y * frequency, level);
    total += amplitude;
    amplitude *= gain;
    frequency *= 2;
  }
  return total > 0 ? sum / total : 0;
}

double Noise::Ridged(double x, double y, int octaves, double gain) const {
  double sum = 0, amplitude = 1, total = 0, frequency = 1;
  for (int level = 0; level < octaves; ++level) {
    sum += amplitude * (1.0 - std::fabs(2.0 * Octave(x * frequency, y * frequency, level) - 1.0));
    total += amplitude;
    amplitude *= gain;
    frequency *= 2;
  }
  return total > 0 ? sum / total : 0;
}

std::uint64_t Rng::Next() {
  state_ += 0x9E3779B97F4A7C15ULL;
  std::uint64_t z = state_;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

double Rng::Uniform() {
  return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0);
}
double Rng::Uniform(double lo, double hi) {
  return lo + (hi - lo) * Uniform();
}
int Rng::Range(int lo, int hi) {
  if (hi <= lo) return lo;
  return lo + static_cast<int>(Next() % static_cast<std::uint64_t>(hi - lo + 1));
}

Paint WoodPaint(WoodStyle s) {
  // Rings run along u (the grain) and are counted across it along v. Tiling is offered for
  // grain along x only, where u = x and v = y.
  const bool tiled = s.periodX > 0 || s.periodY > 0;
  const double angle = tiled ? 0.0 : s.angle;
  const Fit along = FitToPeriod(s.grainLength, s.periodX);
  const Fit rings = FitToPeriod(s.ringSpacing, s.periodY);
  const Fit warpAcross = FitToPeriod(s.ringSpacing * 4, s.periodY);
  const Fit fibreAlong = FitToPeriod(s.grainLength / 6, s.periodX);
  const Noise warp(s.seed, along.cells, warpAcross.cells);
  const Noise fibre(s.seed + 101, fibreAlong.cells, s.periodY > 0 ? s.periodY : 0);
  const double c = std::cos(angle), sn = std::sin(angle);
  return [=](double x, double y) {
    const double u = x * c + y * sn;
    const double v = -x * sn + y * c;
    const double bend = warp.Fractal(u / along.feature, v / warpAcross.feature, 3) - 0.5;
    const double ring = v / rings.feature + bend * 2.2;
    const double phase = ring - std::floor(ring);
    // Late wood: a thin dark band at the end of every ring.
    const double band = std::pow(std::sin(phase * std::numbers::pi), 6.0);
    const double streak = fibre.Fractal(u / fibreAlong.feature, v, 2);
    const double t = std::clamp(0.55 * band + 0.45 * streak * streak * 1.3, 0.0, 1.0);
    Color col = Mix(s.light, s.dark, static_cast<float>(t));
    col.a = 1;
    return col;
  };
}

Paint StonePaint(StoneStyle s) {
  const Fit fx = FitToPeriod(s.scale, s.periodX);
  const Fit fy = FitToPeriod(s.scale, s.periodY);
  const Noise body(s.seed, fx.cells, fy.cells);
  const Noise pits(s.seed + 7, fx.cells * 4, fy.cells * 4);
  return [=](double x, double y) {
    const double n = body.Fractal(x / fx.feature, y / fy.feature, 5, 0.55);
    const double fine = pits.Value(x / fx.feature * 4, y / fy.feature * 4);
    const int gx = Wrap(static_cast<int>(std::floor(x)), s.periodX);
    const int gy = Wrap(static_cast<int>(std::floor(y)), s.periodY);
    const std::uint32_t h = Hash2(gx, gy, s.seed);
    const double grit = ((h & 0xFF) / 255.0 - 0.5) * 0.12;
    const double t = std::clamp(0.5 + 0.9 * (n - 0.5) + 0.35 * (fine - 0.5) + grit, 0.0, 1.0);
    return Mix(s.dark, s.light, static_cast<float>(t));
  };
}

Paint MarblePaint(MarbleStyle s) {
  const Noise warp(s.seed);
  const Noise cloud(s.seed + 3);
  return [=](double x, double y) {
    const double w = warp.Fractal(x / s.scale, y / s.scale, 5);
    const double v = std::sin((x * 0.7 + y * 0.45) / s.scale * std::numbers::pi + w * 7.0);
    const double vein = std::pow(1.0 - std::fabs(v), 10.0);
    const double haze = cloud.Fractal(x / (s.scale * 0.6), y / (s.scale * 0.6), 4);
    Color base = Shade(s.base, static_cast<float>(0.92 + 0.1 * haze));
    return Mix(base, s.vein, Clamp01(vein * 0.75 + (haze - 0.5) * 0.1));
  };
}

Paint FeltPaint(FeltStyle s) {
  const Noise blotch(s.seed);
  return [=](double x, double y) {
    const std::uint32_t h = Hash2(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)), s.seed);
    const double fibre = (h & 0xFFFF) / 65535.0 - 0.5;
    const double b = blotch.Fractal(x / 30, y / 30, 3) - 0.5;
    return Shade(s.base, static_cast<float>(1.0 + s.grain * (fibre + b)));
  };
}

Paint ParchmentPaint(ParchmentStyle s) {
  const Noise noise(s.seed);
  return [=](double x, double y) {
    const double n = noise.Fractal(x / s.scale, y / s.scale, 5);
    const std::uint32_t h = Hash2(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)), s.seed);
    const double fleck = ((h & 0xFF) / 255.0 - 0.5) * 0.03;
    const double t = std::clamp((n - 0.45) * 1.6, 0.0, 1.0);
    return Shade(Mix(s.base, s.stain, static_cast<float>(t * t)), static_cast<float>(1.0 + fleck));
  };
}

}  // namespace dakto::gfx
