#pragma once

// The pictures that are drawn over the board: turn arrow, dice, glyphs, the Gremlin and
// the tile for outside the play area. Each is cut from the board with the piece drawn on
// it, so its edges repeat the board where the program puts it.

#include <map>

#include "tools/gfx/gfx.h"

namespace dakto::art {

using PictureSet = std::map<int, gfx::Canvas>;

void AddTurnArrow(const gfx::Canvas& board, PictureSet& out);
void AddDicePictures(const gfx::Canvas& board, PictureSet& out);
void AddGlyphs(PictureSet& out);
void AddGremlin(const gfx::Canvas& board, PictureSet& out);
void AddTile(PictureSet& out);

// The glyph of one character as the program draws it (for the review).
const gfx::Canvas* GlyphPicture(const PictureSet& pictures, char ch);

}  // namespace dakto::art
