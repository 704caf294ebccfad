#pragma once

// Palettes that fit a picture: median cut over the picture's colours, fully deterministic.

#include <cstdint>
#include <string>
#include <vector>

#include "tools/gfx/canvas.h"

namespace dakto::gfx {

// At most maxColors colours representing the pixels (duplicates weigh by their count).
// When the pixels hold no more distinct colours than that, they are returned as they are,
// sorted. The result is never padded.
std::vector<Rgb8> MedianCutPalette(const std::vector<Rgb8>& pixels, int maxColors);
std::vector<Rgb8> PaletteFor(const Canvas& image, int maxColors = 256);
// Several pictures that share one palette (a game's screen and its pieces).
std::vector<Rgb8> PaletteFor(const std::vector<const Canvas*>& images, int maxColors = 256);

// Index of the nearest palette colour (squared RGB distance, lowest index on ties).
std::uint8_t NearestIndex(const std::vector<Rgb8>& palette, Rgb8 c);
std::vector<std::uint8_t> MapToPalette(const Canvas& image, const std::vector<Rgb8>& palette);

// A 4 x 4 picture in 8 bits whose colour table is the palette: the program builds its
// palette from such a file. The pixels show the first sixteen entries.
bool WritePaletteSource(const std::string& path, const std::vector<Rgb8>& palette);

}  // namespace dakto::gfx
