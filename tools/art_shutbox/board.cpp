#include "tools/art_shutbox/board.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "games/shutbox/shutbox_geometry.h"
#include "tools/art_shutbox/dice.h"
#include "tools/art_shutbox/materials.h"
#include "tools/art_shutbox/palette_colors.h"
#include "tools/art_shutbox/pieces.h"

namespace dakto::art {

using gfx::Canvas;
using gfx::Mask;
using gfx::PointF;
using gfx::RectF;
using gfx::ToRectF;
namespace sb = shutbox;

namespace {

constexpr Size kSize = sb::kBoardSize;

// A raised brass plate with a soft shadow.
void BrassPlate(Canvas& c, RectF r, double radius) {
  const Mask plate = gfx::RoundRectMask(c.GetSize(), r, radius);
  gfx::DropShadow(c, plate, 2, 3, 4, kShadow);
  c.Fill(plate, gfx::LinearGradient({r.x, r.y}, {r.x, r.y + r.h},
                                    {{0.0f, kBrassLight}, {0.5f, kBrass}, {1.0f, Shade(kBrass, 0.8f)}}));
  gfx::Bevel(c, plate, 3, Rgb(255, 250, 220, 0.7f), Rgb(60, 36, 8, 0.6f));
}

void Screw(Canvas& c, PointF at) {
  const Mask head = gfx::EllipseMask(c.GetSize(), at, 2.6, 2.6);
  c.Fill(head, gfx::RadialGradient({at.x - 1, at.y - 1}, 3.5, {{0.0f, kBrassLight}, {1.0f, kBrassDark}}));
  c.Fill(gfx::LineMask(c.GetSize(), {at.x - 1.8, at.y + 1.2}, {at.x + 1.8, at.y - 1.2}, 0.9),
         Rgb(70, 44, 10, 0.8f));
}

// Brass corner pieces over a frame's four corners.
void BrassCorners(Canvas& c, RectF r, double size) {
  const double xs[] = {r.x, r.x + r.w};
  const double ys[] = {r.y, r.y + r.h};
  for (int i = 0; i < 2; ++i) {
    for (int j = 0; j < 2; ++j) {
      const double x = xs[i], y = ys[j];
      const double dx = i == 0 ? 1 : -1, dy = j == 0 ? 1 : -1;
      const PointF corner[] = {
          {x, y}, {x + dx * size, y}, {x + dx * size * 0.45, y + dy * size * 0.45}, {x, y + dy * size}};
      const Mask m = gfx::PolygonMask(kSize, corner);
      gfx::DropShadow(c, m, 1, 2, 2, Rgb(20, 8, 0, 0.6f));
      c.Fill(m, BrassPaint({x - size, y - size, 2 * size, 2 * size}));
      gfx::Bevel(c, m, 2, Rgb(255, 250, 220, 0.7f), Rgb(60, 36, 8, 0.6f));
      Screw(c, {x + dx * size * 0.28, y + dy * size * 0.28});
    }
  }
}

// ---- the board's ground ----------------------------------------------------------------

void DrawGround(Canvas& c) {
  c.FillAll(gfx::WoodPaint(
      {.light = kOakLight, .dark = kOakDark, .ringSpacing = 8, .grainLength = 150, .seed = 17}));
  // The frame around the whole board, raised, with a groove inside it.
  const Mask whole = gfx::RectMask(kSize, {0, 0, 632, 428});
  gfx::Bevel(c, whole, 7, Rgb(255, 230, 180, 0.5f), Rgb(40, 16, 0, 0.6f));
  const Mask groove = gfx::RoundRectMask(kSize, {9, 9, 614, 410}, 8);
  Mask grooveLine = groove;
  grooveLine.Subtract(gfx::RoundRectMask(kSize, {11, 11, 610, 406}, 7));
  c.Fill(grooveLine, Rgb(60, 30, 10, 0.55f));
  gfx::Engrave(c, grooveLine, 1.5, Rgb(255, 230, 180, 0.3f), Rgb(40, 16, 0, 0.3f));
}

// Firelight from the hearth below the boxes, and darker corners.
void DrawFirelight(Canvas& c) {
  const gfx::Paint light = gfx::EllipticalGradient(
      {318, 236}, 420, 300,
      {{0.0f, Rgb(255, 170, 80, 0.22f)}, {0.5f, Rgb(255, 150, 60, 0.08f)}, {1.0f, Rgb(0, 0, 0, 0.0f)}});
  const gfx::Paint dark = gfx::EllipticalGradient({316, 214}, 400, 300,
                                                  {{0.6f, Rgb(0, 0, 0, 0.0f)}, {1.0f, Rgb(20, 6, 0, 0.35f)}});
  c.Fill(Mask(kSize, 1.0f), light);
  c.Fill(Mask(kSize, 1.0f), dark);
}

// ---- the boxes ----------------------------------------------------------------------------

constexpr RectF kCase = {40, 20, 552, 148};

void DrawCase(Canvas& c) {
  const Mask outer = gfx::RoundRectMask(kSize, kCase, 8);
  gfx::DropShadow(c, outer, 3, 4, 6, Rgb(20, 8, 0, 0.6f));
  c.Fill(outer,
         gfx::WoodPaint(
             {.light = kWalnutLight, .dark = kWalnutDark, .ringSpacing = 6, .grainLength = 200, .seed = 23}));
  gfx::Bevel(c, outer, 5, Rgb(255, 220, 170, 0.45f), Rgb(20, 8, 0, 0.6f));
  // The well the boxes stand in.
  const Mask well = gfx::RectMask(kSize, {47, 29, 538, 133});
  c.Fill(well, kSlotDark);
  gfx::InnerShadow(c, well, 2, 3, 4, Rgb(0, 0, 0, 0.7f));
  BrassCorners(c, {kCase.x + 1, kCase.y + 1, kCase.w - 2, kCase.h - 2}, 14);
  // Brass hinges on the case's upper rail.
  for (const double x : {96.0, 316.0, 536.0}) {
    BrassPlate(c, {x - 14, 21, 28, 6}, 2);
    Screw(c, {x - 9, 24});
    Screw(c, {x + 9, 24});
  }
}

// The cover that rises to shut a box, and whose top is the lid of an open box.
Canvas DrawCover() {
  Canvas c(sb::kBoxSize.width, sb::kBoxSize.height);
  const Size s = c.GetSize();
  c.FillAll(gfx::WoodPaint({.light = Rgb(150, 92, 50),
                            .dark = Rgb(96, 54, 26),
                            .ringSpacing = 5,
                            .grainLength = 90,
                            .angle = std::numbers::pi / 2,
                            .seed = 31}));
  const Mask panel = gfx::RectMask(s, {0, 0, 56, 125});
  gfx::Bevel(c, panel, 4, Rgb(255, 226, 170, 0.55f), Rgb(30, 10, 0, 0.65f));
  // A sunk field below the pull, with a brass diamond inlay.
  const Mask field = gfx::RoundRectMask(s, {8, 26, 40, 90}, 4);
  gfx::Engrave(c, field, 2, Rgb(255, 226, 170, 0.4f), Rgb(30, 10, 0, 0.5f));
  const PointF diamond[] = {{28, 52}, {38, 71}, {28, 90}, {18, 71}};
  const Mask inlay = gfx::PolygonMask(s, diamond);
  c.Fill(inlay, BrassPaint({18, 52, 20, 38}));
  gfx::Bevel(c, inlay, 2, Rgb(255, 250, 220, 0.6f), Rgb(60, 36, 8, 0.5f));
  // The pull: a brass bar across the top, inside the rows that show as the lid.
  const Mask pull = gfx::RoundRectMask(s, {12, 7, 32, 8}, 4);
  gfx::DropShadow(c, pull, 1, 2, 2, Rgb(20, 8, 0, 0.6f));
  c.Fill(pull, BrassPaint({12, 7, 32, 8}));
  gfx::Bevel(c, pull, 2.5, Rgb(255, 250, 220, 0.8f), Rgb(60, 36, 8, 0.6f));
  Screw(c, {8, 11});
  Screw(c, {48, 11});
  return c;
}

// An open box: the numbered ivory tile in its slot, above the lid.
void DrawOpenBox(Canvas& c, int n, const Canvas& lid, const gfx::Font& numberFont) {
  const Rect box = sb::BoxRect(n);
  const Mask slot = gfx::RectMask(kSize, ToRectF(box));
  c.Fill(slot, gfx::LinearGradient({0, double(box.top)}, {0, double(box.Bottom())},
                                   {{0.0f, Rgb(30, 16, 8)}, {1.0f, kSlotDark}}));
  gfx::InnerShadow(c, slot, 0, 3, 5, Rgb(0, 0, 0, 0.8f));
  const RectF tileRect{box.left + 5.0, box.top + 6.0, 46, 93};
  const Mask tile = gfx::RoundRectMask(kSize, tileRect, 5);
  gfx::DropShadow(c, tile, 1, 2, 3, Rgb(0, 0, 0, 0.6f));
  c.Fill(tile, gfx::LinearGradient({tileRect.x, tileRect.y}, {tileRect.x + 20, tileRect.y + tileRect.h},
                                   {{0.0f, Rgb(250, 240, 216)}, {1.0f, Rgb(224, 204, 164)}}));
  gfx::Bevel(c, tile, 3, Rgb(255, 255, 245, 0.7f), Rgb(110, 80, 40, 0.5f));
  const std::string digit(1, static_cast<char>('0' + n));
  const int x = box.left + (box.width - numberFont.Width(digit)) / 2;
  const int y = box.top + 6 + (93 - numberFont.LineHeight()) / 2 - 2;
  const Mask ink = numberFont.Render(kSize, digit, x, y);
  c.Fill(ink.Shifted(1, 1), Rgb(255, 255, 240, 0.8f));  // cut into the ivory: a lit lower edge
  c.Fill(ink, kInk);
  c.Blit(lid, sb::LidRect(n).left, sb::LidRect(n).top);
}

// ---- the score board ---------------------------------------------------------------------

void DrawScoreBoard(Canvas& c) {
  const RectF frame{44, 212, 232, 126};
  const Mask outer = gfx::RoundRectMask(kSize, frame, 7);
  gfx::DropShadow(c, outer, 3, 4, 6, Rgb(20, 8, 0, 0.6f));
  c.Fill(outer,
         gfx::WoodPaint(
             {.light = kWalnutLight, .dark = kWalnutDark, .ringSpacing = 6, .grainLength = 160, .seed = 41}));
  gfx::Bevel(c, outer, 4, Rgb(255, 220, 170, 0.45f), Rgb(20, 8, 0, 0.6f));
  // The panel: flat under the rows, so that letters drawn anywhere on it blend in.
  const Mask panel = gfx::RoundRectMask(kSize, {78, 219, 192, 112}, 3);
  c.Fill(panel, kPanel);
  gfx::InnerShadow(c, panel, 1, 1, 2, Rgb(0, 0, 0, 0.8f));
  c.FillRect(sb::kScoreBoardRows, kPanel);
  // A faint brass rule between the players, clear of every row's letters.
  c.FillRect({92, 273, 164, 1}, Mix(kPanel, kBrass, 0.45f));
  // The rail of the turn arrows: its colour changes across it only, so an arrow drawn
  // at either row sits on the same ground.
  const Rect rail = {52, 222, 24, 106};
  c.FillRect(
      rail, gfx::LinearGradient({52, 0}, {76, 0},
                                {{0.0f, Rgb(36, 22, 12)}, {0.5f, Rgb(58, 36, 20)}, {1.0f, Rgb(30, 18, 10)}}));
}

// ---- title, hearth, cup and tray -----------------------------------------------------------

void DrawTitle(Canvas& c) {
  const RectF plate{64, 174, 194, 30};
  BrassPlate(c, plate, 5);
  const gfx::Font font(gfx::FontFace::SerifBold, 19);
  const std::string title = "SHUT THE BOX";
  const int x = static_cast<int>(plate.x) + (static_cast<int>(plate.w) - font.Width(title)) / 2;
  const int y = static_cast<int>(plate.y) + (static_cast<int>(plate.h) - font.LineHeight()) / 2;
  const Mask ink = font.Render(kSize, title, x, y);
  c.Fill(ink.Shifted(1, 1), Rgb(255, 246, 210, 0.35f));
  c.Fill(ink, Rgb(52, 28, 6));
  for (const double sx : {plate.x + 7, plate.x + plate.w - 7}) Screw(c, {sx, plate.y + plate.h / 2});
}

// The little brazier where the Gremlin lives, embers only while it sleeps.
void DrawBrazier(Canvas& c) {
  const Rect g = sb::kGremlin.rect;
  c.Fill(Mask(kSize, 1.0f),
         gfx::EllipticalGradient({g.left + 36.5, g.top + 30.0}, 60, 34,
                                 {{0.0f, Rgb(255, 120, 40, 0.25f)}, {1.0f, Rgb(0, 0, 0, 0.0f)}}));
  const Mask bowl = gfx::EllipseMask(kSize, {g.left + 36.5, g.top + 33.0}, 31, 7);
  gfx::DropShadow(c, bowl, 2, 3, 4, Rgb(20, 8, 0, 0.6f));
  c.Fill(bowl, gfx::LinearGradient({0, g.top + 26.0}, {0, g.top + 40.0},
                                   {{0.0f, Rgb(70, 64, 60)}, {1.0f, Rgb(24, 20, 20)}}));
  gfx::Bevel(c, bowl, 2, Rgb(200, 190, 180, 0.5f), Rgb(0, 0, 0, 0.5f));
  const Mask coals = gfx::EllipseMask(kSize, {g.left + 36.5, g.top + 31.0}, 26, 3.6);
  gfx::Rng rng(97);
  c.Fill(coals, Rgb(40, 18, 12));
  for (int i = 0; i < 16; ++i) {
    const PointF at{g.left + 14 + rng.Uniform(0, 45), g.top + 29.5 + rng.Uniform(0, 3)};
    c.Fill(gfx::EllipseMask(kSize, at, rng.Uniform(1.5, 3), 1.3),
           Rgb(200, 70, 20, static_cast<float>(rng.Uniform(0.4, 0.9))));
  }
}

constexpr RectF kCup = {306, 244, 96, 108};

void DrawCup(Canvas& c) {
  const Mask rim = gfx::RoundRectMask(kSize, kCup, 22);
  gfx::DropShadow(c, rim, 3, 4, 6, Rgb(20, 8, 0, 0.6f));
  c.Fill(rim, BrassPaint(kCup));
  gfx::Bevel(c, rim, 3, Rgb(255, 250, 220, 0.75f), Rgb(60, 36, 8, 0.6f));
  const Mask well = gfx::RoundRectMask(kSize, {kCup.x + 5, kCup.y + 5, kCup.w - 10, kCup.h - 10}, 18);
  c.Fill(well, gfx::FeltPaint({.base = kLeather, .grain = 0.12, .seed = 5}));
  gfx::InnerShadow(c, well, 2, 4, 7, Rgb(0, 0, 0, 0.75f));
}

constexpr RectF kTray = {410, 174, 208, 242};

void DrawTray(Canvas& c) {
  const Mask outer = gfx::RoundRectMask(kSize, kTray, 10);
  gfx::DropShadow(c, outer, 3, 4, 6, Rgb(20, 8, 0, 0.6f));
  c.Fill(outer,
         gfx::WoodPaint(
             {.light = kWalnutLight, .dark = kWalnutDark, .ringSpacing = 6, .grainLength = 180, .seed = 53}));
  gfx::Bevel(c, outer, 4, Rgb(255, 220, 170, 0.45f), Rgb(20, 8, 0, 0.6f));
  const Mask felt = gfx::RoundRectMask(kSize, {kTray.x + 8, kTray.y + 8, kTray.w - 16, kTray.h - 16}, 6);
  c.Fill(felt, gfx::FeltPaint({.base = kFeltLight, .grain = 0.1, .seed = 7}));
  c.Fill(felt, gfx::EllipticalGradient({514, 290}, 120, 140,
                                       {{0.0f, Rgb(255, 230, 160, 0.12f)}, {1.0f, Rgb(0, 0, 0, 0.25f)}}));
  gfx::InnerShadow(c, felt, 2, 3, 6, Rgb(0, 0, 0, 0.7f));
  BrassCorners(c, {kTray.x + 1, kTray.y + 1, kTray.w - 2, kTray.h - 2}, 16);
}

// ---- side controls ------------------------------------------------------------------------

constexpr RectF kControlBar = {44, 354, 336, 38};

void DrawControlBar(Canvas& c) {
  const Mask bar = gfx::RoundRectMask(kSize, kControlBar, 7);
  gfx::DropShadow(c, bar, 3, 4, 6, Rgb(20, 8, 0, 0.6f));
  c.Fill(bar,
         gfx::WoodPaint(
             {.light = kWalnutLight, .dark = kWalnutDark, .ringSpacing = 6, .grainLength = 160, .seed = 61}));
  gfx::Bevel(c, bar, 4, Rgb(255, 220, 170, 0.45f), Rgb(20, 8, 0, 0.6f));
}

Rect HitRect(HitBox h) {
  return {h.x1, h.y1, h.x2 - h.x1 + 1, h.y2 - h.y1 + 1};
}

// The shape of each control's sign, inside its picture's rectangle.
Mask ControlSign(int k) {
  const sb::SideControl& ctl = *sb::SideControlFor(k);
  const double x = ctl.position.x, y = ctl.position.y, w = ctl.size.width, h = ctl.size.height;
  switch (k) {
    case sb::kFasterControl: {
      Mask m = gfx::RoundRectMask(kSize, {x + 7.5, y + 2, 4, 15}, 1.5);
      m.Unite(gfx::RoundRectMask(kSize, {x + 2, y + 7.5, 15, 4}, 1.5));
      return m;
    }
    case sb::kSlowerControl:
      return gfx::RoundRectMask(kSize, {x + 1, y + 0.5, w - 2, h - 1}, 1.5);
    case sb::kMusicControl: {
      Mask m = gfx::EllipseMask(kSize, {x + 5.5, y + 18.5}, 4.6, 3.6);
      m.Unite(gfx::RectMask(kSize, {x + 8.5, y + 2, 2.2, 17}));
      const PointF flag[] = {{x + 8.5, y + 1.5}, {x + 15, y + 6}, {x + 15, y + 10}, {x + 10.5, y + 7}};
      m.Unite(gfx::PolygonMask(kSize, flag));
      return m;
    }
    case sb::kMusicFileControl: {
      Mask m = gfx::RoundRectMask(kSize, {x + 1.5, y + 6, 20, 14}, 2);
      m.Unite(gfx::RoundRectMask(kSize, {x + 1.5, y + 3.5, 9, 5}, 1.5));
      Mask cut = gfx::RectMask(kSize, {x + 3, y + 9.5, 17, 1.3});
      m.Subtract(cut);
      return m;
    }
    case sb::kSoundControl: {
      const PointF cone[] = {{x + 2, y + 8.5},   {x + 6.5, y + 8.5},  {x + 12, y + 3.5},
                             {x + 12, y + 19.5}, {x + 6.5, y + 14.5}, {x + 2, y + 14.5}};
      Mask m = gfx::PolygonMask(kSize, cone);
      for (const double r : {4.5, 8.0}) {
        Mask arc = gfx::RingMask(kSize, {x + 12, y + 11.5}, r, r, 1.8);
        arc.Intersect(gfx::RectMask(kSize, {x + 14, y, 9, 23}));
        m.Unite(arc);
      }
      return m;
    }
    case sb::kGremlinControl: {
      Mask m = gfx::RoundRectMask(kSize, {x + 0.8, y + 1.5, 4.4, 14}, 2);
      m.Unite(gfx::EllipseMask(kSize, {x + 3, y + 19.5}, 2.3, 2.3));
      return m;
    }
  }
  return Mask(kSize);
}

Mask QuitSign() {
  const Rect r = HitRect(sb::kQuitHit);
  const double x = r.left, y = r.top;
  Mask m = gfx::RingMask(kSize, {x + 15, y + 12}, 8, 7, 3.2);
  m.Subtract(gfx::RectMask(kSize, {x, y, 15, 12}));
  m.Unite(gfx::RectMask(kSize, {x + 10, y + 17.4, 5.5, 3.2}));
  const PointF head[] = {{x + 2.5, y + 6.5}, {x + 11, y + 0.5}, {x + 11, y + 12.5}};
  m.Unite(gfx::PolygonMask(kSize, head));
  m.Unite(gfx::RectMask(kSize, {x + 10.5, y + 4.9, 5, 3.2}));
  return m;
}

Mask HelpSign(const gfx::Font& font) {
  const Rect r = HitRect(sb::kHelpHit);
  return font.Render(kSize, "?", r.left + (r.width - font.Width("?")) / 2,
                     r.top + (r.height - font.LineHeight()) / 2 + 1);
}

void DrawSign(Canvas& c, const Mask& sign, Rect area, bool lit) {
  if (lit) {
    Canvas glow(kSize);
    gfx::Glow(glow, sign, 4, Rgb(255, 190, 80, 0.9f));
    // The glow stays inside the picture, which is all the program redraws, and fades out
    // before its edge.
    Mask inside(kSize);
    for (int y = area.top; y < area.Bottom(); ++y) {
      for (int x = area.left; x < area.Right(); ++x) {
        const int edge = std::min({x - area.left, y - area.top, area.Right() - 1 - x, area.Bottom() - 1 - y});
        inside.Set(x, y, std::min(1.0f, edge / 2.0f));
      }
    }
    c.Fill(inside, [&glow](double px, double py) { return glow.At(int(px), int(py)); });
    c.Fill(sign, gfx::LinearGradient({0, double(area.top)}, {0, double(area.Bottom())},
                                     {{0.0f, Rgb(255, 250, 210)}, {1.0f, Rgb(255, 196, 90)}}));
    gfx::Bevel(c, sign, 1.5, Rgb(255, 255, 255, 0.6f), Rgb(150, 80, 10, 0.5f));
  } else {
    c.Fill(sign.Shifted(1, 1), Rgb(255, 220, 170, 0.25f));
    c.Fill(sign, BrassPaint(ToRectF(area)));
    c.Fill(sign, Rgb(40, 20, 6, 0.1f));
    gfx::Bevel(c, sign, 1.5, Rgb(255, 240, 200, 0.55f), Rgb(40, 20, 6, 0.6f));
  }
}

void DrawOneDieSign(Canvas& c) {
  const Rect r = HitRect(sb::kOneDieHit);
  const DieShape die = FlyingDie({r.left + 11.5, r.top + 9.5}, 15, -0.12, {0.5, 4});
  DrawDieShadow(c, die, {1.5, 2}, 2, 0.5f);
  DrawDie(c, die);
  DrawFacePips(c, die, 1);
}

}  // namespace

ShutBoxArt DrawShutBoxArt() {
  ShutBoxArt art;
  Canvas board(kSize, Rgb(0, 0, 0));
  DrawGround(board);
  DrawFirelight(board);
  DrawCase(board);
  const Canvas cover = DrawCover();
  const Canvas lid = cover.Crop({0, 0, sb::kLidSize.width, sb::kLidSize.height});
  const gfx::Font numberFont(gfx::FontFace::SerifBold, 50);
  for (int n = 1; n <= sb::kBoxCount; ++n) DrawOpenBox(board, n, lid, numberFont);
  DrawBrazier(board);  // before the panels, which its glow must not tint
  DrawTitle(board);
  DrawScoreBoard(board);
  DrawCup(board);
  DrawTray(board);
  DrawControlBar(board);
  const gfx::Font helpFont(gfx::FontFace::SerifBold, 25);
  DrawSign(board, QuitSign(), HitRect(sb::kQuitHit), false);
  DrawSign(board, HelpSign(helpFont), HitRect(sb::kHelpHit), false);
  DrawOneDieSign(board);
  Canvas lit = board;
  for (const sb::SideControl& ctl : sb::kSideControls) {
    DrawSign(board, ControlSign(ctl.k), sb::ControlRect(ctl), false);
    DrawSign(lit, ControlSign(ctl.k), sb::ControlRect(ctl), true);
  }
  for (const sb::SideControl& ctl : sb::kSideControls) {
    art.pictures[ctl.offPicture] = board.Crop(sb::ControlRect(ctl));
    art.pictures[ctl.onPicture] = lit.Crop(sb::ControlRect(ctl));
  }
  AddTurnArrow(board, art.pictures);
  AddDicePictures(board, art.pictures);
  AddGlyphs(art.pictures);
  AddGremlin(board, art.pictures);
  AddTile(art.pictures);
  art.board = board;
  art.pictures[sb::kBoardPicture] = board;
  art.pictures[sb::kShutBoxPicture] = cover;
  art.pictures[sb::kLidPicture] = lid;
  return art;
}

}  // namespace dakto::art
