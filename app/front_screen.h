#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "platform/bitmap.h"
#include "platform/font.h"
#include "platform/palette.h"
#include "platform/platform.h"

namespace dakto {

// One tip: three lines, an empty line draws nothing.
using Tip = std::array<const char*, 3>;

inline constexpr std::array<Tip, 10> kTipTable = {{
    {"In surveys of magical persons, wizards", "beat apprentices in these games", "75% of the time."},
    {"Try the Gremlin in Shut The Box, and", "Aces Wild in Poker Dice!", ""},
    {"In 10,000, with one die left, you have", "two chances to score.  If you do so,",
     "bonus points are added to your score."},
    {"All three games have an undo option.", "Read about it in Help.", ""},
    {"To change player options, click on", "any player name.", ""},
    {"In 10,000, if you have scored using all", "the dice, no matter how many rolls you",
     "needed, you may roll the dice again."},
    {"In Poker Dice, your coin tally is", "saved for subsequent games.", ""},
    {"In 10,000, if you roll dice with", "no scoring combinations, you lose", "your turn score."},
    {"In Poker Dice, try for the", "Billionaire Club!", ""},
    {"In 10,000, rolling four two's is a", "disaster, causing you to lose all", "points, turn and total."},
}};
inline constexpr std::int32_t kTipCount = static_cast<std::int32_t>(kTipTable.size());

// The tip after `tipIndex`, going round from the last to the first. A value below 1, as a
// damaged file may hold, goes to the first tip.
std::int32_t NextTipIndex(std::int32_t tipIndex);

// The picture shown at start and between games, with its palette, tip font and tips.
class FrontScreen {
 public:
  FrontScreen();

  const Palette& FrontPalette() const { return palette_; }
  const Font& TipFont() const { return tipFont_; }

  // The whole client area black, the front picture, the tip.
  void Draw(Platform& platform, Point playOrigin, std::int32_t tipIndex) const;
  void DrawTip(Painter& painter, std::int32_t tipIndex) const;
  // Clears the tip band and draws the tip `tipIndex`.
  void RedrawTip(Platform& platform, Point playOrigin, std::int32_t tipIndex) const;

 private:
  std::unique_ptr<Bitmap> picture_;
  Palette palette_;
  Font tipFont_;
};

inline constexpr char kAboutCaption[] = "About";
// The About box's text: the program, its version and its games.
std::string AboutText();

}  // namespace dakto
