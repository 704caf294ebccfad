#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "platform/color.h"

namespace dakto {

struct PaletteEntry {
  Rgb color;
  std::uint8_t flags = 0;
  friend constexpr bool operator==(const PaletteEntry&, const PaletteEntry&) = default;
};

inline constexpr std::uint8_t kPaletteReserved = 0x01;
inline constexpr std::uint8_t kPaletteNoCollapse = 0x04;

struct Palette {
  std::uint16_t version = 0x300;
  std::array<PaletteEntry, 256> entries{};
};

// The display's own colours. A true-colour display has no palette and reports -1 reserved colours.
struct SystemPalette {
  int reservedColors = -1;
  std::array<Rgb, 256> colors{};
};

SystemPalette TrueColorDisplay();

// A 256-entry palette from a picture's colour table, keeping the display's reserved colours at
// both ends. On a true-colour display every entry is the table's own colour, drawn exactly.
Palette BuildPalette(std::span<const Rgb> colorTable, const SystemPalette& display = TrueColorDisplay());

}  // namespace dakto
