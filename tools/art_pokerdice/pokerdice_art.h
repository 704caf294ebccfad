#pragma once

// The Poker Dice pictures: the wizard's study and every piece drawn on it.
//
// The room is drawn once without its changing parts; every picture that the game copies
// over the room (controls, flames, turn markers, the options plate) is cut from a copy of
// the room with that part drawn in, so its edges always continue the room behind it.

#include <map>
#include <string>
#include <vector>

#include "games/pokerdice/pokerdice_geometry.h"
#include "tools/gfx/gfx.h"

namespace dakto::art_pokerdice {

enum class PictureFormat {
  kColour,  // 24 bits
  kMask,    // 1 bit: black where the piece is, white where the table shows through
};

struct Picture {
  gfx::Canvas image;
  PictureFormat format = PictureFormat::kColour;
};

// Every picture of the game by resource number, except the palette source.
using PictureSet = std::map<int, Picture>;

// ---- room.cpp: the table and what is cut from it --------------------------------------------

// The room without controls, flame, turn markers or options plate.
gfx::Canvas DrawRoomBase();
void DrawSideControl(gfx::Canvas& room, const pokerdice::SideControl& control, int state);
// height 0 leaves the wick unlit, 3 is the tallest flame.
void DrawRollFlame(gfx::Canvas& room, int height);
void DrawTurnMarker(gfx::Canvas& room, int player);
void DrawOptionsPlate(gfx::Canvas& room);
// The table as the game loads it: the base with every control released or off.
gfx::Canvas DrawTable(const gfx::Canvas& base);
gfx::Canvas DrawTile();

// ---- pieces.cpp: dice, masks, digits and the bead -------------------------------------------

// The colours the pieces are laid on, so that their anti-aliased rims blend into them.
gfx::Color MarbleBehindDice();
gfx::Color FeltBehindSmallDice();
gfx::Color AbacusBacking();
gfx::Color DigitStripColour();
gfx::Color AbacusRodColour();

gfx::Canvas DrawBigDie(int face, int frame);
gfx::Canvas DrawBigDieMask();
gfx::Canvas DrawSmallDie(int face);
gfx::Canvas DrawSmallDieMask();
gfx::Canvas DrawBetDigit(int digit);
gfx::Canvas DrawBead();

// ---- pokerdice_art.cpp: the whole set, the palette, the files and the review screen ----------

PictureSet DrawAllPictures();
// 256 colours fitting the pictures, with the text colours in it exactly.
std::vector<gfx::Rgb8> GamePalette(const PictureSet& pictures);
// Writes BITMAP_<n>.bmp for every picture and the palette source; false on a write failure.
bool WriteAllPictures(const PictureSet& pictures, const std::string& folder);
// The screen during a hand: dice landed through their masks, beads set, flame lit, text drawn.
gfx::Canvas ComposeReview(const PictureSet& pictures);

}  // namespace dakto::art_pokerdice
