#include "tools/art_shutbox/front.h"

#include <cmath>
#include <numbers>
#include <string>

#include "app/front_geometry.h"
#include "tools/art_shutbox/dice.h"
#include "tools/art_shutbox/materials.h"

namespace dakto::art {

using gfx::Canvas;
using gfx::Mask;
using gfx::PointF;
using gfx::RectF;
using gfx::ToRectF;

namespace {

constexpr Size kSize = front::kPictureSize;

const front::FrontSpot& SpotFor(front::FrontAction action) {
  for (const front::FrontSpot& spot : front::kSpots) {
    if (spot.action == action) return spot;
  }
  return front::kSpots[0];
}

Rect SpotRect(front::FrontAction action) {
  return front::SpotInPicture(SpotFor(action));
}

// The tip band inside the picture: the window fills it black before every new tip, so
// the picture keeps it black too.
Rect TipBand() {
  const Rect erase = front::kTipEraseRect;
  const int left = erase.left - front::kPictureOrigin.x;
  return {left, erase.top, kSize.width - left, erase.height};
}

gfx::Paint GoldPaint(RectF r) {
  return gfx::LinearGradient(
      {r.x, r.y}, {r.x, r.y + r.h},
      {{0.0f, Rgb(255, 240, 170)}, {0.5f, Rgb(232, 180, 70)}, {1.0f, Rgb(150, 96, 30)}});
}

void DrawCentredText(Canvas& c, const gfx::Font& font, const std::string& text, RectF box,
                     const gfx::Paint& ink, Color shadow) {
  const int x = static_cast<int>(box.x + (box.w - font.Width(text)) / 2);
  const int y = static_cast<int>(box.y + (box.h - font.LineHeight()) / 2);
  const Mask m = font.Render(c.GetSize(), text, x, y);
  c.Fill(m.Shifted(1, 1), shadow);
  c.Fill(m, ink);
}

// ---- the room ----------------------------------------------------------------------------

void DrawWall(Canvas& c) {
  c.FillAll(gfx::StonePaint({.light = Rgb(70, 72, 92), .dark = Rgb(30, 30, 44), .scale = 30, .seed = 211}));
  // Courses of stone: mortar lines, every other row offset by half a block.
  for (int row = 0; row * 36 < kSize.height; ++row) {
    const double y = row * 36.0;
    Mask joint = gfx::RectMask(kSize, {0, y, double(kSize.width), 2});
    const double offset = row % 2 == 0 ? 0 : 40;
    for (double x = offset; x < kSize.width; x += 80) joint.Unite(gfx::RectMask(kSize, {x, y, 2, 36}));
    c.Fill(joint, Rgb(14, 14, 22, 0.8f));
    c.Fill(joint.Shifted(1, 1), Rgb(120, 120, 150, 0.18f));
  }
  // Warm light from the candle by the title, the rest of the room in shadow.
  c.Fill(Mask(kSize, 1.0f), gfx::EllipticalGradient({380, 120}, 330, 260,
                                                    {{0.0f, Rgb(255, 180, 90, 0.30f)},
                                                     {0.6f, Rgb(255, 150, 60, 0.08f)},
                                                     {1.0f, Rgb(0, 0, 0, 0.0f)}}));
  c.Fill(Mask(kSize, 1.0f),
         gfx::EllipticalGradient({300, 180}, 420, 320,
                                 {{0.55f, Rgb(0, 0, 0, 0.0f)}, {1.0f, Rgb(0, 0, 0, 0.5f)}}));
}

// The dark oak column that holds the three game pictures.
void DrawColumn(Canvas& c) {
  const RectF column{4, 6, 136, 416};
  const Mask m = gfx::RoundRectMask(kSize, column, 8);
  gfx::DropShadow(c, m, 4, 5, 8, Rgb(0, 0, 0, 0.7f));
  c.Fill(m, gfx::WoodPaint({.light = Rgb(110, 68, 38),
                            .dark = Rgb(62, 34, 18),
                            .ringSpacing = 7,
                            .grainLength = 140,
                            .angle = std::numbers::pi / 2,
                            .seed = 223}));
  gfx::Bevel(c, m, 5, Rgb(255, 220, 170, 0.4f), Rgb(0, 0, 0, 0.6f));
}

// ---- the three game pictures -------------------------------------------------------------

// A gilt frame around the spot with a brass label at its foot; returns the scene's area.
RectF DrawFrame(Canvas& c, Rect spot, const std::string& label, const gfx::Font& font) {
  const RectF outer = ToRectF(spot);
  const Mask frame = gfx::RoundRectMask(kSize, outer, 3);
  gfx::DropShadow(c, frame, 3, 4, 5, Rgb(0, 0, 0, 0.7f));
  c.Fill(frame, GoldPaint(outer));
  gfx::Bevel(c, frame, 3, Rgb(255, 255, 220, 0.7f), Rgb(60, 30, 0, 0.6f));
  const RectF inner{outer.x + 6, outer.y + 6, outer.w - 12, outer.h - 12};
  const Mask innerMask = gfx::RectMask(kSize, inner);
  gfx::Engrave(c, gfx::RectMask(kSize, {inner.x - 1, inner.y - 1, inner.w + 2, inner.h + 2}), 1.5,
               Rgb(255, 255, 220, 0.5f), Rgb(60, 30, 0, 0.6f));
  c.Fill(innerMask, Rgb(20, 14, 10));
  const RectF plate{inner.x, inner.y + inner.h - 17, inner.w, 17};
  c.Fill(gfx::RectMask(kSize, plate),
         gfx::WoodPaint({.light = Rgb(90, 52, 28), .dark = Rgb(50, 28, 14), .seed = 229}));
  DrawCentredText(c, font, label, plate, GoldPaint(plate), Rgb(0, 0, 0, 0.8f));
  return {inner.x, inner.y, inner.w, inner.h - 17};
}

void SceneShadow(Canvas& c, RectF scene) {
  gfx::InnerShadow(c, gfx::RectMask(kSize, scene), 1, 2, 4, Rgb(0, 0, 0, 0.8f));
}

void DrawCauldron(Canvas& c, PointF pot, double r, Color brew) {
  c.Fill(gfx::EllipseMask(kSize, {pot.x, pot.y + r * 0.55}, r * 1.1, r * 0.3), Rgb(0, 0, 0, 0.5f));
  const Mask body = gfx::EllipseMask(kSize, pot, r, r * 0.7);
  c.Fill(body, gfx::RadialGradient({pot.x - r * 0.3, pot.y - r * 0.25}, r * 1.2,
                                   {{0.0f, Rgb(100, 100, 106)}, {1.0f, Rgb(14, 14, 18)}}));
  const Mask top = gfx::EllipseMask(kSize, {pot.x, pot.y - r * 0.45}, r * 0.85, r * 0.22);
  c.Fill(top, brew);
  gfx::Glow(c, top, static_cast<float>(r * 0.5), WithAlpha(brew, 0.6f));
}

// The mage's stone room: a leaded window of frosted panes over two cauldrons.
void DrawTenThouScene(Canvas& c, RectF s) {
  const Mask scene = gfx::RectMask(kSize, s);
  c.Fill(scene,
         gfx::StonePaint({.light = Rgb(128, 124, 122), .dark = Rgb(66, 64, 68), .scale = 10, .seed = 233}));
  const double floorY = s.y + s.h * 0.62;
  c.Fill(gfx::RectMask(kSize, {s.x, floorY, s.w, s.y + s.h - floorY}),
         gfx::WoodPaint({.light = Rgb(96, 86, 76),
                         .dark = Rgb(56, 50, 46),
                         .ringSpacing = 3,
                         .grainLength = 40,
                         .seed = 235}));
  const RectF win{s.x + 8, s.y + 5, s.w - 16, 30};
  const Mask frame = gfx::RoundRectMask(kSize, {win.x - 3, win.y - 3, win.w + 6, win.h + 6}, 4);
  gfx::DropShadow(c, frame, 1, 2, 2, Rgb(0, 0, 0, 0.7f));
  c.Fill(frame, Rgb(176, 170, 160));
  gfx::Bevel(c, frame, 1.5f, Rgb(255, 255, 255, 0.5f), Rgb(0, 0, 0, 0.5f));
  const Color panes[] = {Rgb(150, 170, 220), Rgb(220, 190, 140), Rgb(200, 160, 200), Rgb(150, 200, 180),
                         Rgb(230, 160, 150), Rgb(170, 200, 230), Rgb(220, 210, 160), Rgb(180, 170, 220)};
  c.Fill(gfx::RectMask(kSize, win), Rgb(40, 40, 46));
  int i = 0;
  for (int row = 0; row < 3; ++row) {
    const double y = win.y + row * 10;
    const double shift = row == 1 ? 7 : 0;
    for (double x = win.x - shift; x < win.x + win.w; x += 15, ++i) {
      Mask pane = gfx::RectMask(kSize, {x + 1, y + 1, 13, 8});
      pane.Intersect(gfx::RectMask(kSize, win));
      c.Fill(pane,
             gfx::LinearGradient({x, y}, {x + 14, y + 9},
                                 {{0.0f, Shade(panes[i % 8], 1.12f)}, {1.0f, Shade(panes[i % 8], 0.9f)}}));
    }
  }
  DrawCauldron(c, {s.x + 26, s.y + s.h - 13}, 14, Rgb(120, 240, 110));
  DrawCauldron(c, {s.x + s.w - 24, s.y + s.h - 11}, 15, Rgb(250, 200, 70));
  SceneShadow(c, s);
}

// The wizard's study: a window on the night, a candle and the crystal ball.
void DrawPokerScene(Canvas& c, RectF s) {
  const Mask scene = gfx::RectMask(kSize, s);
  c.Fill(scene, gfx::WoodPaint({.light = Rgb(100, 58, 40),
                                .dark = Rgb(60, 32, 24),
                                .ringSpacing = 4,
                                .grainLength = 50,
                                .seed = 237}));
  const double table = s.y + s.h * 0.7;
  // The window, with the moon.
  const RectF win{s.x + 6, s.y + 8, 30, 44};
  Mask glass = gfx::RectMask(kSize, {win.x, win.y + 15, win.w, win.h - 15});
  glass.Unite(gfx::EllipseMask(kSize, {win.x + 15, win.y + 15}, 15, 15));
  Mask stone = glass.Dilated(2.5f);
  c.Fill(stone, Rgb(140, 136, 140));
  gfx::Bevel(c, stone, 1.5f, Rgb(255, 255, 255, 0.4f), Rgb(0, 0, 0, 0.5f));
  c.Fill(glass, gfx::LinearGradient({0, win.y}, {0, win.y + win.h},
                                    {{0.0f, Rgb(20, 24, 70)}, {1.0f, Rgb(60, 50, 120)}}));
  Mask moon = gfx::EllipseMask(kSize, {win.x + 19, win.y + 14}, 6, 6);
  moon.Subtract(gfx::EllipseMask(kSize, {win.x + 22, win.y + 12}, 5, 5));
  c.Fill(moon, Rgb(250, 240, 200));
  gfx::Rng stars(239);
  for (int k = 0; k < 7; ++k) {
    const PointF at{win.x + stars.Uniform(3, 27), win.y + stars.Uniform(6, 40)};
    Mask star = gfx::EllipseMask(kSize, at, 0.7, 0.7);
    star.Intersect(glass);
    c.Fill(star, Rgb(255, 255, 230));
  }
  c.Fill(gfx::RectMask(kSize, {win.x + 14, win.y, 2, win.h}), Rgb(30, 24, 30, 0.8f));
  // The table's velvet.
  c.Fill(
      gfx::RectMask(kSize, {s.x, table, s.w, s.y + s.h - table}),
      gfx::LinearGradient({0, table}, {0, s.y + s.h}, {{0.0f, Rgb(90, 40, 110)}, {1.0f, Rgb(50, 20, 64)}}));
  // A candle between the window and the ball.
  const RectF wax{s.x + 42, table - 22, 6, 24};
  c.Fill(gfx::RectMask(kSize, wax),
         gfx::LinearGradient({wax.x, 0}, {wax.x + wax.w, 0},
                             {{0.0f, Rgb(250, 240, 210)}, {1.0f, Rgb(190, 170, 130)}}));
  const Mask flame = gfx::EllipseMask(kSize, {wax.x + 3, wax.y - 5}, 2.4, 5);
  gfx::Glow(c, flame, 10, Rgb(255, 190, 80, 0.7f));
  c.Fill(flame, Rgb(255, 236, 160));
  // The crystal ball on its stand.
  const PointF ball{s.x + s.w - 22, table - 16};
  const PointF stand[] = {
      {ball.x - 12, table + 8}, {ball.x + 12, table + 8}, {ball.x + 6, table - 4}, {ball.x - 6, table - 4}};
  c.Fill(gfx::PolygonMask(kSize, stand), GoldPaint({ball.x - 12, table - 4, 24, 12}));
  const Mask orb = gfx::EllipseMask(kSize, ball, 16, 16);
  gfx::Glow(c, orb, 8, Rgb(190, 130, 255, 0.5f));
  c.Fill(orb, gfx::RadialGradient(
                  {ball.x - 5, ball.y - 6}, 22,
                  {{0.0f, Rgb(240, 220, 255)}, {0.4f, Rgb(150, 90, 220)}, {1.0f, Rgb(40, 16, 90)}}));
  c.Fill(gfx::EllipseMask(kSize, {ball.x - 6, ball.y - 7}, 3.5, 2.5), Rgb(255, 255, 255, 0.8f));
  // Two dice on the velvet.
  const DieShape a = FlyingDie({s.x + 16, s.y + s.h - 10}, 13, -0.25, {1, 3});
  const DieShape b = FlyingDie({s.x + 38, s.y + s.h - 8}, 13, 0.3, {-1, 3});
  for (const DieShape& die : {a, b}) {
    DrawDieShadow(c, die, {2, 2}, 3, 0.6f);
    DrawDie(c, die);
  }
  DrawFacePips(c, a, 1);
  DrawFacePips(c, b, 6);
  SceneShadow(c, s);
}

// The apprentice's board by the hearth: the row of numbered tiles and two dice.
void DrawShutBoxScene(Canvas& c, RectF s) {
  const Mask scene = gfx::RectMask(kSize, s);
  c.Fill(scene,
         gfx::WoodPaint(
             {.light = kOakLight, .dark = kOakDark, .ringSpacing = 5, .grainLength = 60, .seed = 239}));
  c.Fill(scene, gfx::EllipticalGradient({s.x + s.w / 2, s.y + s.h}, 70, 60,
                                        {{0.0f, Rgb(255, 150, 50, 0.35f)}, {1.0f, Rgb(0, 0, 0, 0.0f)}}));
  const RectF well{s.x + 4, s.y + 8, s.w - 8, 44};
  const Mask wellMask = gfx::RoundRectMask(kSize, well, 3);
  c.Fill(wellMask, kSlotDark);
  const gfx::Font digits(gfx::FontFace::SansBold, 8);
  for (int n = 1; n <= 9; ++n) {
    const RectF tile{well.x + 2 + (n - 1) * 9.0, well.y + 4, 7.6, 32};
    const bool shut = n == 2 || n == 6 || n == 9;
    const Mask t = gfx::RoundRectMask(kSize, tile, 1.5);
    if (shut) {
      c.Fill(t, gfx::WoodPaint({.light = Rgb(150, 92, 50),
                                .dark = Rgb(96, 54, 26),
                                .angle = std::numbers::pi / 2,
                                .seed = 31}));
    } else {
      c.Fill(t, kIvory);
      DrawCentredText(c, digits, std::to_string(n), tile, gfx::Solid(kInk), Rgb(255, 255, 240, 0.6f));
    }
    gfx::Bevel(c, t, 1.2f, Rgb(255, 255, 240, 0.5f), Rgb(40, 20, 0, 0.5f));
  }
  gfx::InnerShadow(c, wellMask, 1, 2, 2, Rgb(0, 0, 0, 0.6f));
  const RectF felt{s.x + 8, s.y + 60, s.w - 16, s.h - 66};
  const Mask feltMask = gfx::RoundRectMask(kSize, felt, 4);
  c.Fill(feltMask, gfx::FeltPaint({.base = kFeltLight, .seed = 241}));
  gfx::InnerShadow(c, feltMask, 1, 2, 3, Rgb(0, 0, 0, 0.6f));
  const DieShape a = FlyingDie({felt.x + 24, felt.y + 20}, 17, 0.35, {1, 4});
  const DieShape b = FlyingDie({felt.x + 52, felt.y + 30}, 17, -0.2, {-1, 4});
  for (const DieShape& die : {a, b}) {
    DrawDieShadow(c, die, {2, 3}, 3, 0.6f);
    DrawDie(c, die);
  }
  DrawFacePips(c, a, 5);
  DrawFacePips(c, b, 3);
  SceneShadow(c, s);
}

// ---- title, signs and the tip band ----------------------------------------------------------

void DrawTitle(Canvas& c) {
  const gfx::Font big(gfx::FontFace::SerifBoldItalic, 92);
  const std::string title = "Dakto";
  const int x = 250 + (300 - big.Width(title)) / 2;
  const int y = -4;
  const Mask ink = big.Render(kSize, title, x, y);
  gfx::Glow(c, ink, 14, Rgb(255, 170, 60, 0.45f));
  gfx::DropShadow(c, ink, 3, 4, 4, Rgb(0, 0, 0, 0.8f));
  c.Fill(ink, GoldPaint({0, double(y + 22), 0, 70}));
  gfx::Bevel(c, ink, 2.5f, Rgb(255, 255, 230, 0.8f), Rgb(90, 50, 0, 0.7f));
  const gfx::Font small(gfx::FontFace::SerifItalic, 17);
  DrawCentredText(c, small, "three games of dice", {250, 92, 300, 20}, gfx::Solid(Rgb(236, 214, 170)),
                  Rgb(0, 0, 0, 0.8f));
}

// A tall candle in a brass holder, lighting the wall at the right.
void DrawCandle(Canvas& c) {
  const double cx = 515, top = 192, dish = 279;  // the holder stands on the tip frame
  c.Fill(Mask(kSize, 1.0f),
         gfx::RadialGradient({cx, top - 14}, 150,
                             {{0.0f, Rgb(255, 190, 100, 0.35f)}, {1.0f, Rgb(0, 0, 0, 0.0f)}}));
  const Mask holder = gfx::EllipseMask(kSize, {cx, dish}, 24, 6);
  gfx::DropShadow(c, holder, 3, 4, 5, Rgb(0, 0, 0, 0.6f));
  c.Fill(holder, GoldPaint({cx - 24, dish - 6, 48, 12}));
  gfx::Bevel(c, holder, 2, Rgb(255, 255, 220, 0.7f), Rgb(60, 30, 0, 0.6f));
  const RectF wax{cx - 8, top, 16, dish - top - 2};
  const Mask candle = gfx::RoundRectMask(kSize, wax, 3);
  c.Fill(candle, gfx::LinearGradient(
                     {wax.x, 0}, {wax.x + wax.w, 0},
                     {{0.0f, Rgb(255, 246, 222)}, {0.6f, Rgb(236, 218, 180)}, {1.0f, Rgb(170, 146, 110)}}));
  const PointF drip[] = {
      {cx - 8, top + 2}, {cx - 3, top + 2}, {cx - 4, top + 20}, {cx - 6.5, top + 22}, {cx - 8, top + 16}};
  c.Fill(gfx::PolygonMask(kSize, drip), Rgb(255, 250, 236, 0.8f));
  c.Fill(gfx::LineMask(kSize, {cx, top}, {cx + 0.5, top - 5}, 1.4), Rgb(40, 30, 20));
  const Mask outerFlame = gfx::EllipseMask(kSize, {cx + 0.5, top - 13}, 5.5, 11);
  gfx::Glow(c, outerFlame, 16, Rgb(255, 180, 70, 0.8f));
  c.Fill(outerFlame, gfx::LinearGradient({0, top - 24}, {0, top - 2},
                                         {{0.0f, Rgb(255, 150, 40, 0.9f)}, {1.0f, Rgb(255, 230, 140)}}));
  c.Fill(gfx::EllipseMask(kSize, {cx + 0.5, top - 9}, 2.6, 5.5), Rgb(255, 255, 230));
}

// A wooden sign hanging from two brass chains, with gilt letters.
void DrawSign(Canvas& c, Rect spot, const std::string& text, const gfx::Font& font, bool chains = true) {
  const RectF r = ToRectF(spot);
  for (const double cx : {r.x + 10, r.x + r.w - 10}) {
    if (!chains) break;
    for (double y = r.y - 14; y < r.y; y += 4) {
      c.Fill(gfx::RingMask(kSize, {cx, y + 2}, 1.4, 2.2, 1.1), GoldPaint({cx - 2, y, 4, 4}));
    }
  }
  const Mask board = gfx::RoundRectMask(kSize, r, 6);
  gfx::DropShadow(c, board, 4, 5, 6, Rgb(0, 0, 0, 0.75f));
  c.Fill(board, gfx::WoodPaint({.light = Rgb(120, 74, 40),
                                .dark = Rgb(72, 40, 20),
                                .ringSpacing = 5,
                                .grainLength = 90,
                                .seed = 251}));
  gfx::Bevel(c, board, 4, Rgb(255, 220, 170, 0.5f), Rgb(0, 0, 0, 0.6f));
  const Mask rim = gfx::RoundRectMask(kSize, {r.x + 3, r.y + 3, r.w - 6, r.h - 6}, 4);
  Mask line = rim;
  line.Subtract(gfx::RoundRectMask(kSize, {r.x + 4.2, r.y + 4.2, r.w - 8.4, r.h - 8.4}, 3));
  c.Fill(line, Rgb(230, 180, 80, 0.7f));
  DrawCentredText(c, font, text, r, GoldPaint(r), Rgb(0, 0, 0, 0.85f));
}

void DrawTipBand(Canvas& c) {
  const Rect band = TipBand();
  const RectF border{band.left - 4.0, band.top - 4.0, band.width + 10.0, band.height + 8.0};
  const Mask outer = gfx::RoundRectMask(kSize, border, 5);
  gfx::DropShadow(c, outer, 3, 4, 6, Rgb(0, 0, 0, 0.7f));
  c.Fill(outer, GoldPaint(border));
  gfx::Bevel(c, outer, 2, Rgb(255, 255, 220, 0.7f), Rgb(60, 30, 0, 0.6f));
  c.FillRect(band, Rgb(0, 0, 0));
  const gfx::Font font(gfx::FontFace::SerifBoldItalic, 16);
  const int y = band.top - 4 - 22;
  const Mask ink = font.Render(kSize, "A tip from the wizard", band.left + 4, y);
  c.Fill(ink.Shifted(1, 1), Rgb(0, 0, 0, 0.8f));
  c.Fill(ink, GoldPaint({0, double(y), 0, 20}));
}

}  // namespace

Canvas DrawFront() {
  Canvas c(kSize, Rgb(0, 0, 0));
  DrawWall(c);
  DrawColumn(c);
  const gfx::Font labelFont(gfx::FontFace::SerifBold, 13);
  using front::FrontAction;
  DrawTenThouScene(c, DrawFrame(c, SpotRect(FrontAction::TenThou), "10,000", labelFont));
  DrawPokerScene(c, DrawFrame(c, SpotRect(FrontAction::PokerDice), "Poker Dice", labelFont));
  DrawShutBoxScene(c, DrawFrame(c, SpotRect(FrontAction::ShutTheBox), "Shut The Box", labelFont));
  DrawCandle(c);
  DrawTitle(c);
  const gfx::Font signFont(gfx::FontFace::SerifBold, 19);
  DrawSign(c, SpotRect(FrontAction::HelpContents), "Help", signFont);
  DrawSign(c, SpotRect(FrontAction::TopScores), "Top Scores", signFont);
  DrawSign(c, SpotRect(FrontAction::About), "About", signFont);
  DrawTipBand(c);
  DrawSign(c, SpotRect(FrontAction::NextTip), "Next tip", gfx::Font(gfx::FontFace::SerifBold, 14), false);
  return c;
}

Canvas DrawIcon() {
  Canvas c(64, 64);
  const DieShape die = FlyingDie({30, 27}, 40, 0.28, {3, 9});
  DrawDieShadow(c, die, {3, 4}, 4, 0.6f);
  DrawDie(c, die);
  DrawFacePips(c, die, 5);
  // A gold star for the magic of the house.
  PointF star[10];
  for (int i = 0; i < 10; ++i) {
    const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
    const double r = i % 2 == 0 ? 10 : 4.2;
    star[i] = {51 + r * std::cos(a), 13 + r * std::sin(a)};
  }
  const Mask starMask = gfx::PolygonMask(c.GetSize(), star);
  gfx::Glow(c, starMask, 4, Rgb(255, 200, 80, 0.6f));
  c.Fill(starMask, GoldPaint({41, 3, 20, 20}));
  return c;
}

}  // namespace dakto::art
