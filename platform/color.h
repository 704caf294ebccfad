#pragma once

#include <cstdint>

namespace dakto {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend constexpr bool operator==(Rgb, Rgb) = default;
};

// Pixels are kept as 0x00RRGGBB words.
constexpr std::uint32_t PackRgb(Rgb c) {
  return (std::uint32_t{c.red} << 16) | (std::uint32_t{c.green} << 8) | std::uint32_t{c.blue};
}
constexpr Rgb UnpackRgb(std::uint32_t pixel) {
  return {static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
          static_cast<std::uint8_t>(pixel)};
}

}  // namespace dakto
