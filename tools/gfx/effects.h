#pragma once

// Light and shadow around shapes given as masks.

#include "tools/gfx/canvas.h"

namespace dakto::gfx {

// A soft shadow of the shape, moved by (dx, dy) and blurred; color.a is its strength.
// Draw it before the shape itself.
void DropShadow(Canvas& canvas, const Mask& shape, int dx, int dy, float blur, Color color);

// Lights the rim of a raised shape: edges facing the light (from the top-left by default)
// take the highlight, the others the shadow; width is the slope's width in pixels and the
// colours' alpha their strength. Draw it after the shape.
void Bevel(Canvas& canvas, const Mask& shape, float width, Color highlight, Color shadow,
           PointF lightFrom = {-1, -1});

// The shape pressed in: the same light the other way round.
void Engrave(Canvas& canvas, const Mask& shape, float width, Color highlight, Color shadow,
             PointF lightFrom = {-1, -1});

// A darkening that falls off inside the shape from its edge, as in a hollow.
void InnerShadow(Canvas& canvas, const Mask& shape, int dx, int dy, float blur, Color color);

// A soft halo around the shape, for lit things (flames, glowing eyes, candles).
void Glow(Canvas& canvas, const Mask& shape, float radius, Color color);

}  // namespace dakto::gfx
