#pragma once

// Surfaces used by several of the board's pieces.

#include "tools/art_shutbox/palette_colors.h"
#include "tools/gfx/gfx.h"

namespace dakto::art {

// Polished brass, lit from the top-left across the given rectangle.
inline gfx::Paint BrassPaint(gfx::RectF r) {
  return gfx::LinearGradient({r.x, r.y}, {r.x + r.w * 0.3, r.y + r.h},
                             {{0.0f, kBrassLight}, {0.45f, kBrass}, {1.0f, kBrassDark}});
}

}  // namespace dakto::art
