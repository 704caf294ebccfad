#pragma once

#include <cstdint>
#include <vector>

#include "platform/color.h"

namespace dakto::testing {

// Builds a small BMP file in memory: 24 bits, or 8 or 1 bits with a colour table.
// `indices` holds colour-table indices (8 and 1 bits) top row first; `colors` the pixels at 24 bits.
std::vector<std::uint8_t> MakeBmp(int width, int height, int bits, const std::vector<Rgb>& table,
                                  const std::vector<int>& indices, const std::vector<Rgb>& colors = {});

}  // namespace dakto::testing
