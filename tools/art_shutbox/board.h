#pragma once

// The Shut The Box screen and every picture cut from it.

#include <map>

#include "tools/gfx/gfx.h"

namespace dakto::art {

struct ShutBoxArt {
  gfx::Canvas board;                    // BITMAP_1: boxes open with their lids, controls off
  std::map<int, gfx::Canvas> pictures;  // every picture by resource number, the board included
};

ShutBoxArt DrawShutBoxArt();

}  // namespace dakto::art
