#pragma once

// The front screen's layout, relative to the play area's top-left corner. The window's
// click handling and the picture generator both read it, so a spot drawn on the front
// picture and the area that answers a click are the same rectangle.

#include <array>

#include "platform/geometry.h"

namespace dakto::front {

// The front picture, BITMAP_216, covers x 31..599; columns 0..30 and 600..631 stay black.
inline constexpr int kPicture = 216;
inline constexpr int kPalettePicture = 217;
inline constexpr Point kPictureOrigin = {31, 0};
inline constexpr Size kPictureSize = {569, 428};

enum class FrontAction { ShutTheBox, TenThou, PokerDice, HelpContents, TopScores, About, NextTip };

struct FrontSpot {
  HitBox area;  // both bounds inclusive
  FrontAction action;
  int palettePicture;  // the game's palette source, 0 for spots that start no game
};

// Tested in this order; the first that holds the point acts.
inline constexpr std::array<FrontSpot, 7> kSpots = {{
    {{49, 275, 150, 419}, FrontAction::ShutTheBox, 143},
    {{49, 27, 150, 124}, FrontAction::TenThou, 144},
    {{49, 133, 150, 260}, FrontAction::PokerDice, 145},
    {{279, 108, 355, 145}, FrontAction::HelpContents, 0},
    {{323, 157, 430, 185}, FrontAction::TopScores, 0},
    {{367, 195, 466, 225}, FrontAction::About, 0},
    {{501, 401, 590, 420}, FrontAction::NextTip, 0},
}};

// A spot's rectangle inside the front picture, whose left edge is at play-area x 31.
constexpr Rect SpotInPicture(const FrontSpot& spot) {
  return {spot.area.x1 - kPictureOrigin.x, spot.area.y1 - kPictureOrigin.y, spot.area.x2 - spot.area.x1 + 1,
          spot.area.y2 - spot.area.y1 + 1};
}

// The tip: three lines, each centred in the band, tops at 280 + 25 n.
inline constexpr int kTipBandLeft = 231;
inline constexpr int kTipBandWidth = 393;
inline constexpr std::array<int, 3> kTipLineTops = {305, 330, 355};
// Cleared before the next tip is drawn: (231, 290) up to but not including (622, 400).
inline constexpr Rect kTipEraseRect = {231, 290, 622 - 231, 400 - 290};
inline constexpr int kTipRed = 8;
inline constexpr int kTipGreen = 66;
inline constexpr int kTipBlue = 115;
// The tip font: Times New Roman, cell height 25, bold, italic.
inline constexpr int kTipFontHeight = 25;

constexpr int TipLineLeft(int textWidth) {
  return kTipBandLeft + (kTipBandWidth - textWidth) / 2;
}

}  // namespace dakto::front
