#pragma once

// Dice seen from above and a little in front: a top face (a parallelogram fitted around
// the pip places) over a body that shows the near sides.

#include "games/shutbox/shutbox_geometry.h"
#include "tools/gfx/gfx.h"

namespace dakto::art {

struct DieShape {
  gfx::PointF centre;  // of the top face
  gfx::PointF u;       // from the centre to the middle of the face's right edge
  gfx::PointF v;       // from the centre to the middle of the face's lower edge
  gfx::PointF depth;   // how far the body shows below the top face
};

// The die whose pips the program draws at the given set's places, fitted so that every
// face's pips lie on the top face with a margin.
DieShape TableDie(shutbox::PipSet set, int die);

// A die in the air: centre, size of the face, turn in radians, and the lean that shows
// its sides.
DieShape FlyingDie(gfx::PointF centre, double size, double turn, gfx::PointF depth);

gfx::Mask DieBodyMask(Size size, const DieShape& die);
void DrawDieShadow(gfx::Canvas& canvas, const DieShape& die, gfx::PointF offset, float blur, float strength);
void DrawDie(gfx::Canvas& canvas, const DieShape& die);
// Pips at the usual places of a face, for dice the program does not draw pips on.
void DrawFacePips(gfx::Canvas& canvas, const DieShape& die, int face);
// The program's pips: filled circles of 6 x 6 at the table's places (for the review).
void DrawTablePips(gfx::Canvas& canvas, shutbox::PipSet set, int die, int face);

}  // namespace dakto::art
