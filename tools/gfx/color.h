#pragma once

// Colours of the picture generators: floats in 0..1 (sRGB values, straight alpha),
// and the 8-bit triples that end up in the files.

#include <algorithm>
#include <cstdint>

namespace dakto::gfx {

struct Color {
  float r = 0;
  float g = 0;
  float b = 0;
  float a = 1;
  friend constexpr bool operator==(const Color&, const Color&) = default;
};

struct Rgb8 {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend constexpr bool operator==(const Rgb8&, const Rgb8&) = default;
  friend constexpr auto operator<=>(const Rgb8&, const Rgb8&) = default;
};

// A colour from 0..255 components, as colours are usually written down.
constexpr Color Rgb(int r, int g, int b, float a = 1.0f) {
  return {static_cast<float>(r) / 255.0f, static_cast<float>(g) / 255.0f, static_cast<float>(b) / 255.0f, a};
}

constexpr Color WithAlpha(Color c, float a) {
  return {c.r, c.g, c.b, a};
}

// Straight interpolation of every component, alpha included; t = 0 gives a, t = 1 gives b.
constexpr Color Mix(Color a, Color b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

// Multiplies the colour (not the alpha): k < 1 darkens, k > 1 brightens.
constexpr Color Shade(Color c, float k) {
  return {c.r * k, c.g * k, c.b * k, c.a};
}

constexpr std::uint8_t ToByte(float v) {
  const float clamped = std::clamp(v, 0.0f, 1.0f);
  return static_cast<std::uint8_t>(clamped * 255.0f + 0.5f);
}

constexpr Rgb8 ToRgb8(Color c) {
  return {ToByte(c.r), ToByte(c.g), ToByte(c.b)};
}
constexpr Color FromRgb8(Rgb8 c, float a = 1.0f) {
  return Rgb(c.r, c.g, c.b, a);
}

// Source-over compositing with straight alpha; coverage scales the source's alpha.
constexpr Color Over(Color dst, Color src, float coverage = 1.0f) {
  const float sa = std::clamp(src.a * coverage, 0.0f, 1.0f);
  if (sa <= 0.0f) return dst;
  const float da = dst.a * (1.0f - sa);
  const float outA = sa + da;
  if (outA <= 0.0f) return {0, 0, 0, 0};
  return {(src.r * sa + dst.r * da) / outA, (src.g * sa + dst.g * da) / outA,
          (src.b * sa + dst.b * da) / outA, outA};
}

}  // namespace dakto::gfx
