// The stone room: ashlar walls, a flagstone floor in perspective, the window's stone
// surround, the pillar that carries the controls, and the light of moon and cauldrons.

#include <algorithm>
#include <cmath>

#include "games/tenthou/tenthou_geometry.h"
#include "tools/art_tenthou/scene.h"
#include "tools/gfx/effects.h"
#include "tools/gfx/noise.h"
#include "tools/gfx/paint.h"

namespace dakto::tenthou::art {

using namespace gfx;

namespace {

constexpr int kFloorTop = 204;  // where the wall meets the floor
constexpr int kCourse = 22;     // height of a course of wall stones
constexpr Rect kPillar = {0, 0, 46, 428};
constexpr Rect kPillarRight = {594, 0, 38, 428};

// Ashlar: courses of blocks of varied length, each with its own tint, mortar between.
Color WallAt(int x, int y, const Noise& grain, std::uint32_t seed) {
  const int course = y / kCourse;
  const int shift = static_cast<int>(Hash2(course, 0, seed) % 40);
  const int blockWidth = 58;
  const int bx = (x + shift) / blockWidth;
  const double inX = (x + shift) % blockWidth;
  const double inY = y % kCourse;
  const std::uint32_t h = Hash2(bx, course, seed + 1);
  const float tint = 0.82f + static_cast<float>(h % 1000) / 1000.0f * 0.3f;
  const double n = grain.Fractal(x / 9.0, y / 9.0, 4, 0.55);
  const Color stone = Mix(Rgb(58, 64, 78), Rgb(124, 128, 138), static_cast<float>(n));
  Color c = Shade(stone, tint);
  // Edges of each block fall away a little before the mortar.
  const double edge = std::min({inX, blockWidth - 1 - inX, inY, kCourse - 1 - inY});
  if (edge < 1.2) return Rgb(34, 32, 34);
  if (edge < 2.5) c = Shade(c, 0.78f);
  if (inY < 3.5 && edge >= 1.2) c = Shade(c, 1.08f);  // top of each block catches the light
  return c;
}

// Flagstones on a floor seen from above and in front: the rows shrink toward the wall.
Color FloorAt(double x, double y, const Noise& grain, std::uint32_t seed) {
  constexpr double kHorizon = 40;
  constexpr double kFocal = 1500;
  const double z = kFocal / (y - kHorizon);
  const double wx = (x - 316) * z / 150.0;
  const double flagDepth = 1.25;
  const double flagWidth = 1.8;
  const int row = static_cast<int>(std::floor(z / flagDepth));
  const double shift = (row % 2) * flagWidth * 0.5;
  const int col = static_cast<int>(std::floor((wx + shift) / flagWidth));
  const double fz = z / flagDepth - row;
  const double fx = (wx + shift) / flagWidth - col;
  const std::uint32_t h = Hash2(col, row, seed);
  const float tint = 0.8f + static_cast<float>(h % 1000) / 1000.0f * 0.32f;
  const double n = grain.Fractal(wx * 2.6, z * 2.6, 4, 0.55);
  Color c = Shade(Mix(Rgb(62, 64, 74), Rgb(128, 126, 126), static_cast<float>(n)), tint);
  // Joint widths in screen pixels: the world size of one pixel grows with depth.
  const double pixelWorldX = z / 150.0 / flagWidth;
  const double pixelWorldZ = z * z / kFocal / flagDepth;
  const double dx = std::min(fx, 1 - fx) / pixelWorldX;
  const double dz = std::min(fz, 1 - fz) / pixelWorldZ;
  const double d = std::min(dx, dz);
  if (d < 1.0) return Mix(Rgb(30, 28, 30), c, static_cast<float>(std::max(0.0, d - 0.2)));
  if (d < 2.2) c = Shade(c, 0.85f);
  return c;
}

void DrawWallAndFloor(Canvas& canvas) {
  const Noise wallGrain(11);
  const Noise floorGrain(12);
  canvas.Apply([&](int x, int y, Color) {
    if (y < kFloorTop) return WallAt(x, y, wallGrain, 21);
    return FloorAt(x + 0.5, y + 0.5, floorGrain, 22);
  });
  // The skirting where wall meets floor: a dark seam and a soft shadow on the floor.
  canvas.FillRect({0, kFloorTop - 2, 632, 3}, Rgb(26, 24, 28));
  Mask seam = RectMask(canvas.GetSize(), {0, kFloorTop, 632, 2}).Blurred(4);
  canvas.Fill(seam, Rgb(0, 0, 0, 0.5f));
}

// Round arch over the window: a ring of wedge stones, with the frame's reveal below.
void DrawWindowSurround(Canvas& canvas) {
  const Size size = canvas.GetSize();
  const StoneStyle light{Rgb(170, 162, 150), Rgb(104, 98, 94), 14, 31};
  const Paint stone = StonePaint(light);
  // Shadow the surround casts on the wall.
  Mask outline = RoundRectMask(size, {131, 18, 383, 180}, 4);
  DropShadow(canvas, outline, 3, 4, 5, Rgb(0, 0, 0, 0.6f));
  // Arch: segment of a circle through the frame's top corners.
  const double cx = 322.5, cy = 700, outerR = 700 - 0.0, innerR = 700 - 24;
  Mask ring = ShapeMask(size, {120, -2, 405, 40}, [=](double x, double y) {
    const double r = std::hypot(x - cx, y - cy);
    return r <= outerR && r >= innerR - 10 && y <= 30 && x >= 126 && x <= 519;
  });
  canvas.Fill(ring, stone);
  // Joints between the wedge stones, pointing at the circle's centre.
  for (int i = -8; i <= 8; ++i) {
    const double a = std::numbers::pi / 2 + i * 0.0335;
    const PointF p0 = {cx - std::cos(a) * (innerR - 12), cy - std::sin(a) * (innerR - 12)};
    const PointF p1 = {cx - std::cos(a) * (outerR + 2), cy - std::sin(a) * (outerR + 2)};
    Mask joint = LineMask(size, p0, p1, 1.3);
    joint.Intersect(ring);
    canvas.Fill(joint, Rgb(40, 36, 36, 0.9f));
  }
  Bevel(canvas, ring, 2.5f, Rgb(255, 246, 220, 0.5f), Rgb(0, 0, 0, 0.5f));
  // Jambs and head of the frame: a deep stone reveal.
  Mask frame = RoundRectMask(size, {133, 22, 379, 172}, 3);
  frame.Subtract(RectMask(size, {147, 34, 351, 145}));
  canvas.Fill(frame, stone);
  Bevel(canvas, frame, 3.0f, Rgb(255, 246, 220, 0.55f), Rgb(0, 0, 0, 0.55f));
  // The sill juts out under the window and catches the moonlight.
  Mask sill = RoundRectMask(size, {124, 180, 397, 14}, 3);
  DropShadow(canvas, sill, 0, 5, 4, Rgb(0, 0, 0, 0.7f));
  canvas.Fill(sill, StonePaint({Rgb(186, 180, 170), Rgb(112, 106, 100), 12, 33}));
  Bevel(canvas, sill, 2.5f, Rgb(235, 240, 255, 0.6f), Rgb(0, 0, 0, 0.6f));
}

// A carved stone pillar, the right one plain, the left one with a dark recess for the
// controls.
void DrawPillar(Canvas& canvas, Rect r, bool withRecess) {
  const Size size = canvas.GetSize();
  Mask body = RectMask(size, ToRectF(r));
  DropShadow(canvas, body, r.left == 0 ? 5 : -5, 0, 6, Rgb(0, 0, 0, 0.7f));
  canvas.Fill(body, StonePaint({Rgb(132, 126, 120), Rgb(74, 70, 70), 16, 41}));
  // Round the pillar with light from the room's middle.
  const double mid = r.left + r.width / 2.0;
  const double side = r.left == 0 ? 1.0 : -1.0;
  canvas.Fill(body, [=](double x, double) {
    const double t = std::clamp((x - mid) / (r.width / 2.0) * side, -1.0, 1.0);
    return t > 0 ? Rgb(255, 236, 200, static_cast<float>(0.12 * t))
                 : Rgb(0, 0, 0, static_cast<float>(-0.45 * t));
  });
  Bevel(canvas, body, 2.0f, Rgb(255, 240, 210, 0.35f), Rgb(0, 0, 0, 0.5f));
  // Capital and base mouldings.
  for (int y : {12, 408}) {
    Mask band = RectMask(size, {double(r.left), double(y), double(r.width), 9});
    canvas.Fill(band, StonePaint({Rgb(150, 144, 136), Rgb(90, 86, 84), 10, 43}));
    Bevel(canvas, band, 2.0f, Rgb(255, 240, 210, 0.5f), Rgb(0, 0, 0, 0.6f));
  }
  if (!withRecess) return;
  Mask recess = RoundRectMask(size, {3, 146, 38, 260}, 5);
  canvas.Fill(recess, LinearGradient({0, 146}, {0, 406}, {{0, Rgb(30, 32, 38)}, {1, Rgb(22, 22, 27)}}));
  InnerShadow(canvas, recess, 2, 3, 3, Rgb(0, 0, 0, 0.8f));
  Engrave(canvas, recess, 1.5f, Rgb(255, 240, 210, 0.35f), Rgb(0, 0, 0, 0.6f));
}

// Moonlight falling through the window onto the floor, and a general fall-off of light
// toward the room's corners.
void DrawLight(Canvas& canvas) {
  const Size size = canvas.GetSize();
  const PointF pool[] = {{175, 212}, {470, 212}, {560, 428}, {90, 428}};
  Mask moonPool = PolygonMask(size, pool).Blurred(22);
  canvas.Fill(moonPool, Rgb(170, 190, 255, 0.13f));
  Mask wallGlow = EllipseMask(size, {322, 110}, 250, 130).Blurred(30);
  canvas.Fill(wallGlow, Rgb(150, 170, 235, 0.12f));
  canvas.Apply([](int x, int y, Color c) {
    const double dx = (x - 320) / 360.0, dy = (y - 200) / 300.0;
    const float k = static_cast<float>(std::clamp(1.08 - 0.75 * (dx * dx + dy * dy), 0.35, 1.0));
    return Shade(c, k);
  });
}

// A wooden shelf on iron brackets, with the mage's flasks and a candle on it.
void DrawShelf(Canvas& canvas, double left, double width, double top, std::uint32_t seed) {
  const Size size = canvas.GetSize();
  for (double x : {left + 8, left + width - 12}) {
    const PointF bracket[] = {{x, top + 6}, {x + 4, top + 6}, {x + 4, top + 22}};
    Mask m = PolygonMask(size, bracket);
    m.Unite(RectMask(size, {x, top + 6, 4, 3}));
    DropShadow(canvas, m, 2, 3, 2, Rgb(0, 0, 0, 0.6f));
    canvas.Fill(m, Rgb(40, 40, 46));
  }
  Mask plank = RoundRectMask(size, {left, top, width, 7}, 1.5);
  DropShadow(canvas, plank, 2, 4, 4, Rgb(0, 0, 0, 0.6f));
  canvas.Fill(plank, WoodPaint({Rgb(128, 84, 48), Rgb(76, 46, 24), 4, 80, 0, seed}));
  Bevel(canvas, plank, 1.5f, Rgb(255, 230, 190, 0.5f), Rgb(0, 0, 0, 0.5f));
  Rng rng(seed);
  const Color glass[] = {Rgb(60, 170, 90), Rgb(120, 60, 170), Rgb(40, 110, 190), Rgb(190, 60, 60),
                         Rgb(200, 160, 50)};
  double x = left + 5;
  for (int i = 0; x < left + width - 22; ++i) {
    const double w = rng.Uniform(9, 14), h = rng.Uniform(14, 24);
    const Color c = glass[(seed + i) % 5];
    const double base = top + 0.5;
    Mask body = i % 2 == 0 ? EllipseMask(size, {x + w / 2, base - w / 2}, w / 2, w / 2)
                           : RoundRectMask(size, {x, base - h * 0.7, w, h * 0.7}, 2);
    const double neckTop = base - (i % 2 == 0 ? w + h * 0.35 : h);
    Mask neck = RectMask(size, {x + w / 2 - 2, neckTop, 4, base - neckTop - 2});
    body.Unite(neck);
    DropShadow(canvas, body, 2, 1, 2, Rgb(0, 0, 0, 0.5f));
    canvas.Fill(body, WithAlpha(Shade(c, 0.55f), 0.92f));
    Mask liquid = body;
    liquid.Intersect(RectMask(size, {x - 2, base - w * 0.75, w + 4, w}));
    canvas.Fill(liquid, c);
    Glow(canvas, liquid, 3, WithAlpha(c, 0.2f));
    canvas.Fill(RectMask(size, {x + w / 2 - 2.5, neckTop - 3, 5, 4}), Rgb(150, 110, 70));
    canvas.Fill(LineMask(size, {x + 2.5, base - w * 0.8}, {x + 2.5, base - 3}, 1.2),
                Rgb(255, 255, 255, 0.55f));
    x += w + rng.Uniform(3, 6);
  }
  // A candle at the shelf's end lights the wall around it.
  const double cx = left + width - 10;
  Mask candle = RoundRectMask(size, {cx - 3, top - 14, 6, 14}, 1);
  canvas.Fill(candle,
              LinearGradient({cx - 3, 0}, {cx + 3, 0}, {{0, Rgb(250, 240, 210)}, {1, Rgb(190, 170, 130)}}));
  Mask flame = EllipseMask(size, {cx, top - 19}, 2.2, 4.5);
  Glow(canvas, flame, 14, Rgb(255, 170, 70, 0.35f));
  canvas.Fill(EllipseMask(size, {cx, top - 10}, 40, 34).Blurred(12), Rgb(255, 160, 70, 0.10f));
  canvas.Fill(flame, RadialGradient({cx, top - 17}, 5, {{0, Rgb(255, 255, 220)}, {1, Rgb(255, 150, 40)}}));
}

}  // namespace

PointF Centre(Point p) {
  return {p.x + 0.5, p.y + 0.5};
}

Mask ClipToRect(Mask mask, Rect rect) {
  return mask.Intersect(RectMask(mask.GetSize(), ToRectF(rect)));
}

Rect InkBounds(const Mask& mask) {
  int x0 = mask.Width(), y0 = mask.Height(), x1 = -1, y1 = -1;
  for (int y = 0; y < mask.Height(); ++y) {
    for (int x = 0; x < mask.Width(); ++x) {
      if (mask.At(x, y) < 0.08f) continue;
      x0 = std::min(x0, x);
      y0 = std::min(y0, y);
      x1 = std::max(x1, x);
      y1 = std::max(y1, y);
    }
  }
  if (x1 < 0) return {};
  return {x0, y0, x1 - x0 + 1, y1 - y0 + 1};
}

Canvas DrawRoom() {
  Canvas canvas(kBoardSize, Rgb(0, 0, 0));
  DrawWallAndFloor(canvas);
  DrawLight(canvas);
  DrawPillar(canvas, kPillarRight, false);
  DrawPillar(canvas, kPillar, true);
  DrawWindowSurround(canvas);
  // Moonlight through the glass spills over the stone around it.
  Glow(canvas, RectMask(canvas.GetSize(), ToRectF(kPanelRect)), 14, Rgb(180, 200, 255, 0.22f));
  DrawShelf(canvas, 54, 64, 112, 81);
  DrawShelf(canvas, 528, 58, 112, 82);
  DrawWindow(canvas);
  DrawCauldrons(canvas);
  canvas.Flatten(Rgb(0, 0, 0));
  return canvas;
}

Canvas DrawTile() {
  const Size size = kTileSize;
  // Five courses of two blocks; the noise wraps on the tile's period.
  const Paint stone = StonePaint({Rgb(88, 94, 108), Rgb(40, 44, 54), 5, 51, size.width, size.height});
  Canvas canvas(size);
  canvas.Apply([&](int x, int y, Color) {
    const int course = y / 18;
    const int shift = (course % 2) * 29;
    const int bx = ((x + shift) % size.width) / 58;
    const int inX = ((x + shift) % size.width) % 58;
    const int blockWidth = bx == 0 ? 58 : size.width - 58;
    const int inY = y % 18;
    const std::uint32_t h = Hash2(bx, course, 52);
    const float tint = 0.85f + static_cast<float>(h % 1000) / 1000.0f * 0.25f;
    Color c = Shade(stone(x + 0.5, y + 0.5), tint);
    const int edge = std::min({inX, blockWidth - 1 - inX, inY, 17 - inY});
    if (edge < 1) return Rgb(22, 20, 24);
    if (edge < 2) c = Shade(c, 0.75f);
    if (inY == 1) c = Shade(c, 1.12f);
    return c;
  });
  return canvas;
}

}  // namespace dakto::tenthou::art
