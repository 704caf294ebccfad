#pragma once

// Seeded noise and random numbers for textures. Nothing here reads the clock or the
// standard library's distributions, so the same seed gives the same picture everywhere.

#include <cstdint>

#include "tools/gfx/color.h"
#include "tools/gfx/paint.h"

namespace dakto::gfx {

std::uint32_t Hash2(int x, int y, std::uint32_t seed);

// Smooth value noise in 0..1 on a unit lattice. A period of 0 means no wrapping; a
// period p > 0 makes the noise repeat every p units along that axis (for tiles).
class Noise {
 public:
  explicit Noise(std::uint32_t seed, int periodX = 0, int periodY = 0)
      : seed_(seed), periodX_(periodX), periodY_(periodY) {}

  double Value(double x, double y) const;
  // Sum of octaves, each at twice the frequency and gain times the amplitude; 0..1.
  // With a period, the period doubles with the frequency, so the sum still wraps.
  double Fractal(double x, double y, int octaves, double gain = 0.5) const;
  // 1 - |2 v - 1| per octave: sharp creases, for marble veins and cracks.
  double Ridged(double x, double y, int octaves, double gain = 0.5) const;

 private:
  double Octave(double x, double y, int level) const;
  std::uint32_t seed_;
  int periodX_;
  int periodY_;
};

// SplitMix64: small, fast and fully specified.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next();
  double Uniform();  // [0, 1)
  double Uniform(double lo, double hi);
  int Range(int lo, int hi);  // lo..hi inclusive

 private:
  std::uint64_t state_;
};

// Ready-made surfaces. Each takes its colours and a seed; scale is the size in pixels of
// the main feature. A tile period (in pixels, 0 = none) makes the texture wrap seamlessly
// on that axis; it must be a multiple of the feature size for the wrap to be exact.
struct WoodStyle {
  Color light = Rgb(176, 112, 60);
  Color dark = Rgb(112, 62, 30);
  double ringSpacing = 9;    // pixels between growth rings, across the grain
  double grainLength = 120;  // how far the rings run before they wander
  double angle = 0;          // grain direction in radians, 0 = along x
  std::uint32_t seed = 1;
  int periodX = 0;
  int periodY = 0;
};
Paint WoodPaint(WoodStyle style);

struct StoneStyle {
  Color light = Rgb(150, 146, 138);
  Color dark = Rgb(88, 84, 80);
  double scale = 24;
  std::uint32_t seed = 2;
  int periodX = 0;
  int periodY = 0;
};
Paint StonePaint(StoneStyle style);

struct MarbleStyle {
  Color base = Rgb(226, 222, 214);
  Color vein = Rgb(120, 112, 120);
  double scale = 60;
  std::uint32_t seed = 3;
};
Paint MarblePaint(MarbleStyle style);

struct FeltStyle {
  Color base = Rgb(30, 92, 52);
  double grain = 0.08;  // how much the fibres vary the colour
  std::uint32_t seed = 4;
};
Paint FeltPaint(FeltStyle style);

struct ParchmentStyle {
  Color base = Rgb(236, 222, 184);
  Color stain = Rgb(196, 168, 116);
  double scale = 70;
  std::uint32_t seed = 5;
};
Paint ParchmentPaint(ParchmentStyle style);

}  // namespace dakto::gfx
