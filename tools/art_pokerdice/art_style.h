#pragma once

// Colours and small drawing helpers shared by the Poker Dice pictures.

#include <string_view>

#include "tools/gfx/gfx.h"

namespace dakto::art_pokerdice {

inline constexpr gfx::Color kVelvet = gfx::Rgb(56, 26, 74);
inline constexpr gfx::Color kGoldLight = gfx::Rgb(255, 236, 168);
inline constexpr gfx::Color kGold = gfx::Rgb(222, 174, 76);
inline constexpr gfx::Color kGoldDark = gfx::Rgb(128, 84, 26);
inline constexpr gfx::Color kDimGold = gfx::Rgb(120, 100, 86);
inline constexpr gfx::Color kDimGoldDark = gfx::Rgb(70, 58, 56);

// A vertical gold gradient across [top, bottom]: bright at the top, deep at the bottom.
gfx::Paint GoldPaint(double top, double bottom, bool lit = true);

// Draws the text so that its ink (not its line box) is centred on (cx, cy).
void DrawInkCentred(gfx::Canvas& canvas, const gfx::Font& font, std::string_view text, double cx, double cy,
                    const gfx::Paint& paint);
// The ink of the text centred on (cx, cy), as a coverage mask the size of the canvas.
gfx::Mask InkCentred(Size size, const gfx::Font& font, std::string_view text, double cx, double cy);

}  // namespace dakto::art_pokerdice
