#pragma once

// Every picture of the 10,000 screen, each cut from or drawn over the same composition.

#include <vector>

#include "tools/gfx/canvas.h"

namespace dakto::tenthou::art {

struct Picture {
  int number;  // written as BITMAP_<number>.bmp
  gfx::Canvas image;
};

// All pictures but the palette source, in resource-number order.
std::vector<Picture> DrawAllPictures();

const gfx::Canvas* FindPicture(const std::vector<Picture>& pictures, int number);

// The board with pieces in place, as the game would show it; withPanel covers the window
// with the opening message.
gfx::Canvas ComposeReview(const std::vector<Picture>& pictures, bool withPanel);

}  // namespace dakto::tenthou::art
