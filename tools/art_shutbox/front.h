#pragma once

// The front screen and the window icon.

#include "tools/gfx/gfx.h"

namespace dakto::art {

gfx::Canvas DrawFront();  // BITMAP_216, 569 x 428
gfx::Canvas DrawIcon();   // IDI_ICON1, 64 x 64 with alpha

}  // namespace dakto::art
