#include "tools/art_shutbox/pieces.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "games/shutbox/shutbox_geometry.h"
#include "tools/art_shutbox/dice.h"
#include "tools/art_shutbox/materials.h"

namespace dakto::art {

using gfx::Canvas;
using gfx::Mask;
using gfx::PointF;
using gfx::RectF;
using gfx::ToRectF;
namespace sb = shutbox;

namespace {

// The picture of a rectangle of `drawn`, faded into `ground` over its outermost pixels, so
// that shadows and glows end before the picture's edge and it meets the board seamlessly.
Canvas CutSeamless(const Canvas& ground, const Canvas& drawn, Rect rect, double fade) {
  Canvas out = drawn.Crop(rect);
  for (int y = 0; y < out.Height(); ++y) {
    for (int x = 0; x < out.Width(); ++x) {
      const int edge = std::min({x, y, out.Width() - 1 - x, out.Height() - 1 - y});
      const float keep = static_cast<float>(std::min(1.0, edge / fade));
      out.At(x, y) = gfx::Mix(ground.At(rect.left + x, rect.top + y), out.At(x, y), keep);
    }
  }
  return out;
}

Rect EyeRect(Point at) {
  return {at.x, at.y, sb::kEyeSize.width, sb::kEyeSize.height};
}

void DrawTurnArrow(Canvas& c, Rect at) {
  const double x = at.left, y = at.top;
  const PointF arrow[] = {{x + 1.5, y + 3.5}, {x + 12, y + 3.5}, {x + 12, y + 1.2}, {x + 20.2, y + 5},
                          {x + 12, y + 9.8},  {x + 12, y + 7},   {x + 1, y + 7}};
  const Mask m = gfx::PolygonMask(c.GetSize(), arrow);
  c.Fill(m, BrassPaint(ToRectF(at)));
  gfx::Bevel(c, m, 1.5, Rgb(255, 250, 220, 0.8f), Rgb(60, 36, 8, 0.6f));
}

// ---- the Gremlin --------------------------------------------------------------------------

Mask FlameMask(Size s, PointF base, double width, double height, double lean) {
  return gfx::ShapeMask(s, {base.x - width, base.y - height - 2, width * 2 + std::fabs(lean) * 2, height + 4},
                        [=](double x, double y) {
                          const double t = (base.y - y) / height;  // 0 at the base, 1 at the tip
                          if (t < -0.15 || t > 1) return false;
                          const double centre = base.x + lean * t * t;
                          const double half =
                              width *
                              (t < 0 ? std::sqrt(1 - (t / 0.15) * (t / 0.15))
                                     : std::pow(1 - t, 0.8) * (1 + 0.6 * std::sin(t * std::numbers::pi)));
                          return std::fabs(x - centre) <= half * 0.7;
                        });
}

// Where the pupils look: up, and across by how far box k lies to the side (the boxes
// span the board, so the pupils spread evenly from box 1 to box 9). -1..1 on each axis.
PointF GazeTowards(int k, PointF eye) {
  const Rect box = sb::BoxRect(k);
  const double across = (box.left + box.width / 2.0 - eye.x) / 260.0;
  return {std::clamp(across, -1.0, 1.0), -0.8};
}

void DrawEye(Canvas& c, Point at, int k) {
  const double w = sb::kEyeSize.width, h = sb::kEyeSize.height;
  const PointF centre{at.x + w / 2, at.y + h / 2};
  const double rx = w / 2 - 2.5, ry = h / 2 - 2.2;
  const Mask white = gfx::EllipseMask(c.GetSize(), centre, rx, ry);
  gfx::Glow(c, white, 3, Rgb(255, 230, 120, 0.6f));
  c.Fill(white, gfx::RadialGradient(centre, w / 2, {{0.0f, Rgb(255, 255, 210)}, {1.0f, Rgb(255, 200, 90)}}));
  const PointF gaze = GazeTowards(k, centre);
  const PointF pupil{centre.x + gaze.x * (rx - 2.0), centre.y + gaze.y * (ry - 1.6)};
  Mask iris = gfx::EllipseMask(c.GetSize(), pupil, 2.3, 2.7);
  iris.Intersect(white);
  c.Fill(iris, Rgb(30, 8, 4));
  c.Fill(gfx::EllipseMask(c.GetSize(), {pupil.x - 1, pupil.y - 1.2}, 0.8, 0.8), Rgb(255, 255, 255, 0.8f));
}

// Dice in the air leave a faint trail behind them.
void DrawFlyingDie(Canvas& c, const DieShape& die, PointF velocity, int face) {
  DrawDieShadow(c, die, {9, 16}, 7, 0.35f);
  for (const double back : {0.6, 0.3}) {
    DieShape ghost = die;
    ghost.centre = {die.centre.x - velocity.x * back, die.centre.y - velocity.y * back};
    Canvas layer(c.GetSize());
    DrawDie(layer, ghost);
    c.Draw(layer, 0, 0, static_cast<float>(0.35 - back * 0.3));
  }
  DrawDie(c, die);
  DrawFacePips(c, die, face);
}

struct Flight {
  int picture;
  Rect rect;
  PointF centre;
  double size;
  double turn;
  PointF depth;
  PointF velocity;
  int face;
};

}  // namespace

// The board with the Gremlin's flames (no eyes).
Canvas DrawFire(const Canvas& board) {
  Canvas c = board;
  const Rect g = sb::kGremlin.rect;
  const Size s = c.GetSize();
  Mask all = FlameMask(s, {g.left + 36.5, g.top + 33.0}, 26, 31, 0);
  gfx::Glow(c, all, 6, Rgb(255, 140, 40, 0.55f));
  const struct {
    double dx, width, height, lean;
  } tongues[] = {{-20, 8, 19, -5}, {-9, 12, 29, 3}, {3, 15, 33, -2}, {15, 11, 27, 5}, {23, 7, 17, 4}};
  for (const auto& t : tongues) {
    const Mask flame = FlameMask(s, {g.left + 36.5 + t.dx, g.top + 34.0}, t.width, t.height, t.lean);
    c.Fill(flame,
           gfx::LinearGradient(
               {0, g.top + 34.0}, {0, g.top + 34.0 - t.height},
               {{0.0f, Rgb(255, 220, 90)}, {0.5f, Rgb(250, 130, 30)}, {1.0f, Rgb(200, 50, 20, 0.85f)}}));
  }
  const Mask core = FlameMask(s, {g.left + 36.5, g.top + 34.0}, 14, 16, 0);
  c.Fill(core, Rgb(255, 246, 190, 0.75f));
  return c;
}

void AddTurnArrow(const Canvas& board, PictureSet& out) {
  Canvas c = board;
  DrawTurnArrow(c, sb::kTurnArrow1);
  out[sb::kTurnArrowPicture] = CutSeamless(board, c, sb::kTurnArrow1, 1.5);
}

void AddDicePictures(const Canvas& board, PictureSet& out) {
  using sb::PipSet;
  const DieShape rest1 = TableDie(PipSet::Rest, 1), rest2 = TableDie(PipSet::Rest, 2);
  const DieShape landed1 = TableDie(PipSet::Landed, 1), landed2 = TableDie(PipSet::Landed, 2);
  auto still = [&board](std::initializer_list<DieShape> dice, PointF shadow, const sb::PlacedPicture& place) {
    Canvas c = board;
    for (const DieShape& die : dice) DrawDieShadow(c, die, shadow, 4, 0.55f);
    for (const DieShape& die : dice) DrawDie(c, die);
    return CutSeamless(board, c, place.rect, 3);
  };
  out[sb::kPairAtRest.picture] = still({rest1, rest2}, {2, 3}, sb::kPairAtRest);
  out[sb::kSingleAtRest.picture] = still({rest2}, {2, 3}, sb::kSingleAtRest);
  out[sb::kPairLanded.picture] = still({landed1, landed2}, {3, 4}, sb::kPairLanded);
  out[sb::kSingleLanded.picture] = still({landed2}, {3, 4}, sb::kSingleLanded);

  // In the air the program draws no pips, so these dice carry their own.
  const Flight pairs[][2] = {
      {{5, sb::kPairFlight1.rect, {428, 262}, 30, 0.5, {-4, 9}, {26, -8}, 5},
       {5, sb::kPairFlight1.rect, {458, 352}, 30, -0.35, {5, 9}, {26, -4}, 3}},
      {{6, sb::kPairFlight2.rect, {528, 222}, 32, 0.95, {6, 8}, {28, 8}, 2},
       {6, sb::kPairFlight2.rect, {580, 322}, 32, 0.2, {-5, 9}, {24, 10}, 6}},
  };
  for (const auto& pair : pairs) {
    Canvas c = board;
    for (const Flight& f : pair)
      DrawFlyingDie(c, FlyingDie(f.centre, f.size, f.turn, f.depth), f.velocity, f.face);
    out[pair[0].picture] = CutSeamless(board, c, pair[0].rect, 4);
  }
  const Flight singles[] = {
      {61, sb::kSingleFlight1.rect, {452, 346}, 30, 0.6, {-4, 9}, {26, -6}, 4},
      {62, sb::kSingleFlight2.rect, {579, 366}, 32, -0.4, {5, 8}, {22, 8}, 2},
  };
  for (const Flight& f : singles) {
    Canvas c = board;
    DrawFlyingDie(c, FlyingDie(f.centre, f.size, f.turn, f.depth), f.velocity, f.face);
    out[f.picture] = CutSeamless(board, c, f.rect, 4);
  }
}

void AddGlyphs(PictureSet& out) {
  const gfx::Font font(gfx::FontFace::SerifBold, 20);
  const int baseline = 15;
  for (const sb::Glyph& glyph : sb::kGlyphs) {
    Canvas c(glyph.advance, sb::kGlyphHeight, kPanel);
    const std::string text(1, glyph.ch);
    const int x = (glyph.advance - font.Width(text)) / 2;
    const Mask ink = font.Render(c.GetSize(), text, x, baseline - font.Ascent());
    c.Fill(ink.Shifted(1, 1), Rgb(0, 0, 0, 0.6f));
    c.Fill(ink, gfx::LinearGradient({0, 2}, {0, 16}, {{0.0f, Rgb(255, 240, 196)}, {1.0f, kGlyphInk}}));
    out[glyph.picture] = c;
  }
}

void AddGremlin(const Canvas& board, PictureSet& out) {
  const Canvas fire = CutSeamless(board, DrawFire(board), sb::kGremlin.rect, 4);
  out[sb::kGremlinPicture] = fire;
  // The eyes are drawn over the fire picture, so they fade into it rather than the board.
  Canvas burning = board;
  burning.Blit(fire, sb::kGremlin.rect.left, sb::kGremlin.rect.top);
  for (int k = 1; k <= sb::kBoxCount; ++k) {
    Canvas eyes = burning;
    DrawEye(eyes, sb::kLeftEye, k);
    DrawEye(eyes, sb::kRightEye, k);
    out[sb::LeftEyePicture(k)] = CutSeamless(burning, eyes, EyeRect(sb::kLeftEye), 2);
    out[sb::RightEyePicture(k)] = CutSeamless(burning, eyes, EyeRect(sb::kRightEye), 2);
  }
}

void AddTile(PictureSet& out) {
  Canvas tile(sb::kTileSize.width, sb::kTileSize.height);
  tile.FillAll(gfx::WoodPaint({.light = Rgb(96, 58, 32),
                               .dark = Rgb(60, 34, 18),
                               .ringSpacing = 8,
                               .grainLength = 56,
                               .seed = 71,
                               .periodX = 56,
                               .periodY = 32}));
  // Plank joints: one along the tile's top edge, so stacked tiles show planks of 32.
  tile.FillRect({0, 0, 56, 1}, Rgb(30, 16, 8, 0.8f));
  tile.FillRect({0, 1, 56, 1}, Rgb(140, 96, 60, 0.4f));
  out[sb::kTilePicture] = tile;
}

const Canvas* GlyphPicture(const PictureSet& pictures, char ch) {
  const sb::Glyph* glyph = sb::GlyphFor(ch);
  if (glyph == nullptr) return nullptr;
  const auto it = pictures.find(glyph->picture);
  return it == pictures.end() ? nullptr : &it->second;
}

}  // namespace dakto::art
