// Blank ivory dice seen from above and in front. The top face is laid out on the pip grid,
// so the pips the game draws sit on it; the sides take whatever room the frame leaves.

#include <algorithm>
#include <cmath>

#include "games/tenthou/tenthou_geometry.h"
#include "tools/art_tenthou/scene.h"
#include "tools/gfx/effects.h"
#include "tools/gfx/paint.h"

namespace dakto::tenthou::art {

using namespace gfx;

namespace {

constexpr Color kTop = Rgb(242, 232, 210);
constexpr Color kFront = Rgb(198, 182, 154);
constexpr Color kSide = Rgb(156, 142, 118);

PointF PipCentre(const DieFrame& f, PipPlace place) {
  const Point o = PipOffset(place);
  return {f.pipBase.x + o.x + kPipSize / 2.0, f.pipBase.y + o.y + kPipSize / 2.0};
}

// The face as a bilinear patch over the corner pips: (0, 0) is A, (1, 0) D, (0, 1) E, (1, 1) B.
struct FacePatch {
  PointF a, d, e, b;
  PointF At(double s, double t) const {
    return {(1 - s) * (1 - t) * a.x + s * (1 - t) * d.x + (1 - s) * t * e.x + s * t * b.x,
            (1 - s) * (1 - t) * a.y + s * (1 - t) * d.y + (1 - s) * t * e.y + s * t * b.y};
  }
};

struct CubeShape {
  PointF tl, tr, br, bl;  // the top face
  PointF depth;           // how the sides run down from its near edges
};

// The largest face margin that keeps the face inside the frame, leaving room for the sides.
// The die must stay inside its rest place even where a flight frame reaches past it: the
// resting die is drawn over the flight frames, and only what it covers is ever erased.
CubeShape FitCube(const DieFrame& f, int frame, Rect rest) {
  const FacePatch patch = {PipCentre(f, PipPlace::A), PipCentre(f, PipPlace::D), PipCentre(f, PipPlace::E),
                           PipCentre(f, PipPlace::B)};
  const double w = std::min(f.rect.width, rest.Right() - f.rect.left);
  const double h = std::min(f.rect.height, rest.Bottom() - f.rect.top);
  const double wantedDepth = frame == 2 ? 3.0 : frame == 3 ? 6.0 : 8.0;
  CubeShape cube{};
  for (double margin = 0.34; margin >= 0.08; margin -= 0.02) {
    double tBottom = 1 + margin;
    // Seen flatter, the face's far rows leave the frame: cut it where the sides begin.
    while (tBottom > 0.3 &&
           std::max(patch.At(-margin, tBottom).y, patch.At(1 + margin, tBottom).y) > h - 1 - wantedDepth)
      tBottom -= 0.02;
    cube = {patch.At(-margin, -margin),
            patch.At(1 + margin, -margin),
            patch.At(1 + margin, tBottom),
            patch.At(-margin, tBottom),
            {}};
    const double left = std::min(cube.tl.x, cube.bl.x);
    const double right = std::max(cube.tr.x, cube.br.x);
    const double top = std::min(cube.tl.y, cube.tr.y);
    if (left >= 0.5 && right <= w - 0.5 && top >= 0.5) break;
  }
  const double left = std::min(cube.tl.x, cube.bl.x);
  const double bottom = std::max(cube.bl.y, cube.br.y);
  cube.depth = {-std::clamp(left - 0.5, 0.0, 7.0), std::clamp(h - 0.5 - bottom, 1.5, wantedDepth + 2)};
  return cube;
}

PointF Plus(PointF p, PointF d) {
  return {p.x + d.x, p.y + d.y};
}

// Fades a shadow out before the frame's edge, so the picture's edge never shows.
Mask InsideFrame(Mask mask, Size usable) {
  Mask keep = RectMask(mask.GetSize(), {2, 2, usable.width - 4.0, usable.height - 4.0}).Blurred(1.0f);
  keep.Intersect(RectMask(mask.GetSize(), {0, 0, usable.width - 1.0, usable.height - 1.0}));
  return mask.Intersect(keep);
}

void DrawCube(Canvas& canvas, const CubeShape& c, bool resting, Size usable) {
  const Size size = canvas.GetSize();
  const PointF top[] = {c.tl, c.tr, c.br, c.bl};
  const PointF front[] = {c.bl, c.br, Plus(c.br, c.depth), Plus(c.bl, c.depth)};
  const PointF side[] = {c.tl, c.bl, Plus(c.bl, c.depth), Plus(c.tl, c.depth)};
  Mask topMask = PolygonMask(size, top);
  Mask frontMask = PolygonMask(size, front);
  Mask sideMask = PolygonMask(size, side);
  Mask whole = topMask;
  whole.Unite(frontMask).Unite(sideMask);
  // Resting dice sit on their shadow; flying ones cast a fainter, wider one.
  canvas.Fill(InsideFrame(whole.Shifted(2, 2).Blurred(resting ? 1.2f : 2.0f), usable),
              Rgb(0, 0, 0, resting ? 0.6f : 0.3f));
  canvas.Fill(sideMask, LinearGradient(c.tl, Plus(c.bl, c.depth), {{0, kSide}, {1, Shade(kSide, 0.8f)}}));
  canvas.Fill(frontMask, LinearGradient(c.bl, Plus(c.bl, c.depth), {{0, kFront}, {1, Shade(kFront, 0.82f)}}));
  canvas.Fill(topMask, LinearGradient(c.tl, c.br,
                                      {{0, Mix(kTop, Rgb(255, 255, 255), 0.35f)}, {1, Shade(kTop, 0.94f)}}));
  // Rounded edges: a lit rim on the top face and a dark seam between the faces.
  Bevel(canvas, topMask, 1.3f, Rgb(255, 255, 255, 0.7f), Rgb(90, 70, 40, 0.45f));
  const PointF nearEdges[] = {c.tl, c.bl, c.br};
  canvas.Fill(PolylineMask(size, nearEdges, 0.8, false), Rgb(120, 100, 70, 0.5f));
}

// The die far away and edge-on: a thin sliver of side with a bright top edge.
void DrawSliver(Canvas& canvas, Size usable) {
  const Size size = canvas.GetSize();
  const double w = size.width, h = size.height;
  const PointF body[] = {{1.5, 1}, {w - 3, 0.5}, {w - 1, h - 2}, {3, h - 1.5}};
  Mask m = PolygonMask(size, body);
  canvas.Fill(InsideFrame(m.Shifted(1, 1).Blurred(1.0f), usable), Rgb(0, 0, 0, 0.35f));
  canvas.Fill(m, LinearGradient({0, 0}, {0, h},
                                {{0, Mix(kTop, Rgb(255, 255, 255), 0.3f)}, {0.35f, kFront}, {1, kSide}}));
}

}  // namespace

Canvas DrawDieFrame(const Canvas& board, int die, int frame) {
  const DieFrame& f = DieFrameOf(die, frame);
  Canvas canvas = board.Crop(f.rect);
  const Rect rest = RestPlace(die);
  const Size usable = {std::min(f.rect.width, rest.Right() - f.rect.left),
                       std::min(f.rect.height, rest.Bottom() - f.rect.top)};
  if (frame == 1) {
    DrawSliver(canvas, usable);
  } else {
    DrawCube(canvas, FitCube(f, frame, rest), frame == kRestFrame, usable);
  }
  canvas.Flatten(Rgb(0, 0, 0));
  return canvas;
}

}  // namespace dakto::tenthou::art
