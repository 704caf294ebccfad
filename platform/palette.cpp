#include "platform/palette.h"

namespace dakto {

SystemPalette TrueColorDisplay() {
  return {};
}

Palette BuildPalette(std::span<const Rgb> colorTable, const SystemPalette& display) {
  Palette palette;
  const int kept = display.reservedColors / 2;  // -1 / 2 is 0: nothing is reserved
  for (int i = 0; i < 256; ++i) palette.entries[i] = {display.colors[i], 0};
  for (int i = kept; i <= 255 - kept; ++i) {
    const int source = i - kept;
    const Rgb color = source < static_cast<int>(colorTable.size()) ? colorTable[source] : Rgb{};
    bool isSystemColor = false;
    for (int j = 256 - kept; j <= 255; ++j) isSystemColor = isSystemColor || display.colors[j] == color;
    palette.entries[i] = {color, isSystemColor ? kPaletteReserved : kPaletteNoCollapse};
  }
  return palette;
}

}  // namespace dakto
