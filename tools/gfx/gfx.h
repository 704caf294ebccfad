#pragma once

// Everything of the generators' drawing library in one include.

#include "tools/gfx/bmp.h"
#include "tools/gfx/canvas.h"
#include "tools/gfx/color.h"
#include "tools/gfx/effects.h"
#include "tools/gfx/mask.h"
#include "tools/gfx/noise.h"
#include "tools/gfx/paint.h"
#include "tools/gfx/quantise.h"
#include "tools/gfx/text.h"
