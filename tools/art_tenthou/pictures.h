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

enum class ReviewScene {
  Play,   // dice landed, panes touched, scores and names written
  Panel,  // the same with the opening message over the window
  Toss,   // the dice on their way in, frames 1 to 3 as a toss leaves them
};

// The board with pieces in place, as the game would show it.
gfx::Canvas ComposeReview(const std::vector<Picture>& pictures, ReviewScene scene);

}  // namespace dakto::tenthou::art
