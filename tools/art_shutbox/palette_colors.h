#pragma once

// The apprentice's board by the hearth: warm oak, walnut covers, ivory tiles, brass.

#include "tools/gfx/color.h"

namespace dakto::art {

using gfx::Color;
using gfx::Rgb;

inline constexpr Color kOakLight = Rgb(190, 132, 78);
inline constexpr Color kOakDark = Rgb(132, 82, 42);
inline constexpr Color kWalnutLight = Rgb(122, 74, 40);
inline constexpr Color kWalnutDark = Rgb(74, 40, 20);
inline constexpr Color kSlotDark = Rgb(46, 26, 14);
inline constexpr Color kIvory = Rgb(240, 228, 200);
inline constexpr Color kIvoryShade = Rgb(196, 178, 142);
inline constexpr Color kInk = Rgb(70, 34, 18);
inline constexpr Color kBrassLight = Rgb(250, 218, 130);
inline constexpr Color kBrass = Rgb(200, 150, 62);
inline constexpr Color kBrassDark = Rgb(112, 76, 26);
inline constexpr Color kPanel = Rgb(40, 30, 26);        // score board, flat under the glyphs
inline constexpr Color kGlyphInk = Rgb(242, 224, 172);  // light letters on the panel
inline constexpr Color kFeltLight = Rgb(44, 104, 62);
inline constexpr Color kLeather = Rgb(112, 36, 28);
inline constexpr Color kHighlight = Rgb(255, 240, 200, 0.55f);
inline constexpr Color kShadow = Rgb(20, 8, 0, 0.55f);
inline constexpr Color kPip = Rgb(60, 61, 72);

}  // namespace dakto::art
