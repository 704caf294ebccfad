// The wizard's study: panelled wall and arched window, the desk with its candles, the
// crystal ball on the marble cabinet, the abacus, the dice tray, the name plaque and the
// board of controls.

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "tools/art_pokerdice/art_style.h"
#include "tools/art_pokerdice/pokerdice_art.h"

namespace dakto::art_pokerdice {

using namespace gfx;
namespace pd = pokerdice;

namespace {

constexpr Size kRoom = pd::kTablePictureSize;
constexpr int kDeskTop = 200;  // where the panelled wall meets the desk

Mask RectArea(double x, double y, double w, double h) {
  return RectMask(kRoom, {x, y, w, h});
}
Mask RoundArea(double x, double y, double w, double h, double r) {
  return RoundRectMask(kRoom, {x, y, w, h}, r);
}
Mask Oval(double cx, double cy, double rx, double ry) {
  return EllipseMask(kRoom, {cx, cy}, rx, ry);
}

// ---- Wall, desk and light -----------------------------------------------------------------

void DrawWall(Canvas& room) {
  // Tall panels of dark walnut between rails, the grain running upwards.
  const int panelWidth = 80;
  for (int i = 0; i * panelWidth < kRoom.width; ++i) {
    WoodStyle style;
    style.light = Rgb(78, 46, 30);
    style.dark = Rgb(40, 22, 16);
    style.ringSpacing = 7;
    style.grainLength = 150;
    style.angle = std::numbers::pi / 2;
    style.seed = 40 + i;
    room.FillRect({i * panelWidth, 0, panelWidth, kDeskTop}, WoodPaint(style));
    const Mask inset = RectArea(i * panelWidth + 8, 16, panelWidth - 16, kDeskTop - 34);
    Engrave(room, inset, 2.0f, Rgb(150, 100, 70, 0.35f), Rgb(10, 5, 3, 0.7f));
    room.Fill(RectArea(i * panelWidth, 0, 2, kDeskTop), Rgb(12, 6, 4, 0.8f));
  }
  // The rail under the panels and the desk's front edge.
  const Mask rail = RectArea(0, kDeskTop - 10, kRoom.width, 10);
  room.Fill(rail, LinearGradient({0, kDeskTop - 10.0}, {0, kDeskTop},
                                 {{0, Rgb(120, 76, 44)}, {1, Rgb(52, 30, 18)}}));
  Bevel(room, rail, 2.0f, Rgb(220, 170, 110, 0.5f), Rgb(0, 0, 0, 0.6f));
}

void DrawDesk(Canvas& room) {
  const int plankHeight = 46;
  for (int i = 0; kDeskTop + i * plankHeight < kRoom.height; ++i) {
    const int top = kDeskTop + i * plankHeight;
    const int joint = 90 + (i * 233) % 420;
    for (int part = 0; part < 2; ++part) {
      WoodStyle style;
      style.light = Rgb(104, 62, 36);
      style.dark = Rgb(50, 27, 17);
      style.ringSpacing = 6;
      style.grainLength = 220;
      style.seed = 70 + i * 2 + part;
      const Rect area =
          part == 0 ? Rect{0, top, joint, plankHeight} : Rect{joint, top, kRoom.width - joint, plankHeight};
      room.FillRect(area, WoodPaint(style));
    }
    room.Fill(RectArea(0, top, kRoom.width, 1), Rgb(14, 7, 4, 0.9f));
    room.Fill(RectArea(0, top + 1, kRoom.width, 1), Rgb(160, 110, 70, 0.25f));
    room.Fill(RectArea(joint, top, 1, plankHeight), Rgb(14, 7, 4, 0.8f));
  }
  // The wall's shadow falls on the back of the desk.
  room.Fill(RectArea(0, kDeskTop, kRoom.width, 14),
            LinearGradient({0, double(kDeskTop)}, {0, kDeskTop + 14.0},
                           {{0, Rgb(0, 0, 0, 0.55f)}, {1, Rgb(0, 0, 0, 0)}}));
}

// Candlelight from the two candles, the violet glow of the ball, dark corners.
void LightTheRoom(Canvas& room) {
  room.Apply([](int x, int y, Color c) {
    const double dxC = x - 318.0, dyC = (y - 262.0) * 1.15;
    const double candle = std::exp(-(dxC * dxC + dyC * dyC) / (2 * 170.0 * 170.0));
    const double dxB = x - 515.0, dyB = y - 88.0;
    const double ball = std::exp(-(dxB * dxB + dyB * dyB) / (2 * 110.0 * 110.0));
    const double ex = (x - 320.0) / 360.0, ey = (y - 214.0) / 260.0;
    const double vignette = std::clamp(1.0 - 0.55 * (ex * ex + ey * ey), 0.35, 1.0);
    const float warm = static_cast<float>((0.50 + 0.95 * candle) * vignette);
    const float violet = static_cast<float>(0.5 * ball);
    return Color{c.r * warm * 1.08f + violet * 0.10f, c.g * warm * 0.98f + violet * 0.04f,
                 c.b * warm * 0.85f + violet * 0.20f, 1};
  });
}

// ---- The arched window ------------------------------------------------------------------

Mask ArchMask(double cx, double top, double halfWidth, double bottom) {
  Mask arch = Oval(cx, top + halfWidth, halfWidth, halfWidth);
  arch.Unite(RectArea(cx - halfWidth, top + halfWidth, 2 * halfWidth, bottom - top - halfWidth));
  return arch;
}

void DrawWindow(Canvas& room) {
  const double cx = 110, top = 14, half = 78, bottom = 184;
  const Mask frame = ArchMask(cx, top - 8, half + 8, bottom + 6);
  DropShadow(room, frame, 3, 4, 5, Rgb(0, 0, 0, 0.6f));
  StoneStyle stone;
  stone.light = Rgb(128, 116, 128);
  stone.dark = Rgb(70, 62, 76);
  stone.scale = 14;
  stone.seed = 9;
  room.Fill(frame, StonePaint(stone));
  Bevel(room, frame, 3.0f, Rgb(230, 220, 240, 0.45f), Rgb(0, 0, 0, 0.55f));

  const Mask glass = ArchMask(cx, top, half, bottom);
  room.Fill(glass, LinearGradient({0, top}, {0, bottom},
                                  {{0, Rgb(8, 10, 34)}, {0.6f, Rgb(26, 22, 70)}, {1, Rgb(64, 40, 96)}}));
  // Stars: a few bright, many faint.
  Rng rng(2024);
  for (int i = 0; i < 70; ++i) {
    const double x = rng.Uniform(cx - half, cx + half), y = rng.Uniform(top, bottom - 30);
    const double r = rng.Uniform() < 0.15 ? 1.1 : 0.6;
    Mask star = Oval(x, y, r, r);
    star.Intersect(glass);
    room.Fill(star, Rgb(230, 230, 255, static_cast<float>(rng.Uniform(0.4, 1.0))));
  }
  // The moon, a crescent with a halo.
  const Mask moon = Oval(146, 58, 15, 15);
  Glow(room, moon, 10, Rgb(200, 210, 255, 0.35f));
  Mask crescent = moon;
  crescent.Subtract(Oval(139, 53, 13, 13));
  room.Fill(crescent, RadialGradient({150, 62}, 16, {{0, Rgb(255, 252, 225)}, {1, Rgb(220, 214, 180)}}));
  // A far hill with a tower, in silhouette.
  const PointF hill[] = {{20, 184}, {20, 160}, {60, 150}, {100, 156}, {140, 146}, {200, 158}, {200, 184}};
  room.Fill(PolygonMask(kRoom, hill).Intersect(glass), Rgb(14, 10, 26));
  room.Fill(RectArea(58, 128, 9, 26).Intersect(glass), Rgb(14, 10, 26));
  room.Fill(PolygonMask(kRoom, std::vector<PointF>{{55, 129}, {62.5, 116}, {70, 129}}).Intersect(glass),
            Rgb(14, 10, 26));
  room.Fill(RectArea(61, 134, 2, 3), Rgb(255, 200, 90, 0.9f));
  // Leading and a reflection on the glass.
  Mask leads = RectArea(cx - 2, top, 4, bottom - top);
  leads.Unite(RectArea(cx - half, 104, 2 * half, 4));
  leads.Intersect(glass);
  room.Fill(leads, Rgb(36, 24, 20));
  Bevel(room, leads, 1.0f, Rgb(160, 120, 90, 0.5f), Rgb(0, 0, 0, 0.5f));
  const PointF sheen[] = {{50, 184}, {70, 184}, {170, 40}, {156, 30}};
  room.Fill(PolygonMask(kRoom, sheen).Intersect(glass), Rgb(200, 200, 255, 0.06f));
  InnerShadow(room, glass, 3, 3, 4, Rgb(0, 0, 0, 0.6f));
  // The sill.
  const Mask sill = RoundArea(cx - half - 14, bottom, 2 * half + 28, 9, 2);
  room.Fill(sill,
            LinearGradient({0, bottom}, {0, bottom + 9}, {{0, Rgb(150, 138, 150)}, {1, Rgb(72, 64, 78)}}));
  Bevel(room, sill, 1.5f, Rgb(255, 255, 255, 0.4f), Rgb(0, 0, 0, 0.5f));
}

// ---- Crystal ball on the marble cabinet ------------------------------------------------------

void DrawCrystalBall(Canvas& room) {
  const double cx = 515, cy = 88, r = 60;
  const Mask ball = Oval(cx, cy, r, r);
  Glow(room, ball, 26, Rgb(150, 90, 255, 0.55f));

  // The stand: a gilded pedestal on a round foot, with a collar that holds the ball.
  const Paint gilt = LinearGradient(
      {470, 0}, {560, 0},
      {{0, Rgb(110, 72, 24)}, {0.35f, Rgb(255, 224, 140)}, {0.6f, Rgb(196, 146, 62)}, {1, Rgb(80, 50, 16)}});
  const Mask foot = Oval(cx, 178, 42, 6);
  DropShadow(room, foot, 3, 3, 4, Rgb(0, 0, 0, 0.7f));
  const PointF stem[] = {{488, 178}, {542, 178}, {530, 164}, {524, 150}, {506, 150}, {500, 164}};
  Mask pedestal = PolygonMask(kRoom, stem);
  pedestal.Unite(foot);
  room.Fill(pedestal, gilt);
  Bevel(room, pedestal, 2.0f, Rgb(255, 244, 200, 0.6f), Rgb(40, 20, 0, 0.6f));
  room.Fill(Oval(cx, 166, 22, 3), Rgb(70, 40, 10, 0.5f));
  const Mask collar = Oval(cx, 149, 30, 7);
  room.Fill(collar, gilt);
  Bevel(room, collar, 1.5f, Rgb(255, 244, 200, 0.7f), Rgb(40, 20, 0, 0.6f));

  // The glass: deep violet, lit from the upper left, with mist swirling inside.
  room.Fill(
      ball,
      RadialGradient(
          {cx - 16, cy - 20}, r * 1.3,
          {{0, Rgb(176, 140, 255)}, {0.4f, Rgb(92, 52, 190)}, {0.8f, Rgb(34, 18, 96)}, {1, Rgb(14, 8, 48)}}));
  const Noise mist(77);
  room.Fill(ball, [&](double x, double y) {
    const double u = (x - cx) / r, v = (y - cy) / r;
    const double radius = std::sqrt(u * u + v * v);
    const double turn = 2.6 * (1.0 - radius);  // the middle turns further: a swirl
    const double su = u * std::cos(turn) - v * std::sin(turn), sv = u * std::sin(turn) + v * std::cos(turn);
    const double cloud = mist.Fractal(su * 2.2 + 5, sv * 2.2 + 5, 5);
    const double glow = std::pow(std::clamp((cloud - 0.42) * 2.6, 0.0, 1.0), 1.5) * (1.0 - radius * 0.6);
    return Rgb(214, 184, 255, static_cast<float>(std::clamp(glow, 0.0, 0.8)));
  });
  room.Fill(Oval(cx + 2, cy + 8, 20, 16).Blurred(8), Rgb(150, 220, 255, 0.35f));
  // Sparks of magic caught in the mist.
  Rng sparks(99);
  for (int i = 0; i < 14; ++i) {
    const double angle = sparks.Uniform(0, 2 * std::numbers::pi),
                 distance = r * 0.75 * std::sqrt(sparks.Uniform());
    const double x = cx + distance * std::cos(angle), y = cy + distance * std::sin(angle);
    const double size = sparks.Uniform(0.5, 1.2);
    room.Fill(Oval(x, y, size * 2.5, size * 2.5).Blurred(1.5f), Rgb(220, 200, 255, 0.5f));
    room.Fill(Oval(x, y, size, size), Rgb(255, 250, 255, 0.9f));
  }
  // Rim light, the window's highlight and a dark edge.
  room.Fill(
      RingMask(kRoom, {cx, cy}, r - 2, r - 2, 3).Intersect(Oval(cx + 20, cy + 26, 48, 44)).Blurred(1.2f),
      Rgb(200, 170, 255, 0.5f));
  room.Fill(Oval(cx - 24, cy - 30, 15, 9).Blurred(2.5f), Rgb(255, 255, 255, 0.85f));
  room.Fill(Oval(cx - 10, cy - 40, 4, 3).Blurred(1), Rgb(255, 255, 255, 0.7f));
  room.Fill(RingMask(kRoom, {cx, cy}, r - 0.5, r - 0.5, 1.2), Rgb(10, 4, 30, 0.7f));
  // Three claws of the collar reach up over the glass.
  for (const double dx : {-22.0, 0.0, 22.0}) {
    const double x = cx + dx;
    const double baseY = 150 - std::abs(dx) * 0.1;
    const PointF claw[] = {{x - 4, baseY},
                           {x + 4, baseY},
                           {x + 1.5 + dx * 0.05, baseY - 10},
                           {x + dx * 0.08, baseY - 12},
                           {x - 1.5 + dx * 0.05, baseY - 10}};
    const Mask clawMask = PolygonMask(kRoom, claw);
    room.Fill(clawMask, gilt);
    Bevel(room, clawMask, 1.0f, Rgb(255, 244, 200, 0.7f), Rgb(40, 20, 0, 0.6f));
  }
}

// Cream marble with soft clouds and thin grey-violet veins running on the diagonal. The
// veins stay pale enough for the panel's dark text to read over them.
Paint WhiteMarble() {
  const Noise cloud(31), warp(32), strength(33);
  return [=](double x, double y) {
    const double c = cloud.Fractal(x / 60, y / 60, 5);
    const double wx = warp.Fractal(x / 120, y / 120, 5);
    const double t = (x * 0.55 + y * 0.83) / 95 + 1.8 * wx;
    const double main = std::pow(1 - std::abs(std::sin(t * std::numbers::pi)), 26) *
                        (0.2 + 0.8 * strength.Fractal(x / 50, y / 50, 3));
    const double u = (x * 0.9 - y * 0.45) / 60 + 1.3 * warp.Fractal(x / 70 + 31, y / 70 + 7, 4);
    const double fine =
        std::pow(1 - std::abs(std::sin(u * std::numbers::pi)), 36) * 0.35 * strength.Value(x / 30, y / 30);
    const Color base = Mix(Rgb(242, 236, 224), Rgb(212, 204, 200), static_cast<float>(c * 0.9));
    return Mix(base, Rgb(146, 130, 150), static_cast<float>(std::clamp(main + fine, 0.0, 0.75)));
  };
}

void DrawMarblePanel(Canvas& room) {
  const Rect panel = pd::kMessagePanel;
  const Mask frame = RoundArea(panel.left - 9, panel.top - 8, panel.width + 18, panel.height + 16, 6);
  DropShadow(room, frame, 4, 5, 6, Rgb(0, 0, 0, 0.7f));
  room.Fill(frame,
            LinearGradient({0, panel.top - 8.0}, {0, panel.Bottom() + 8.0},
                           {{0, Rgb(246, 208, 120)}, {0.5f, Rgb(178, 128, 52)}, {1, Rgb(110, 72, 24)}}));
  Bevel(room, frame, 3.0f, Rgb(255, 244, 200, 0.7f), Rgb(40, 20, 0, 0.7f));
  const Mask groove = RoundArea(panel.left - 4, panel.top - 4, panel.width + 8, panel.height + 8, 3);
  Engrave(room, groove, 1.5f, Rgb(255, 240, 190, 0.6f), Rgb(60, 30, 0, 0.7f));
  const Mask slab = RectArea(panel.left, panel.top, panel.width, panel.height);
  room.Fill(slab, WhiteMarble());
  room.Fill(slab, LinearGradient({double(panel.left), double(panel.top)},
                                 {double(panel.Right()), double(panel.Bottom())},
                                 {{0, Rgb(255, 250, 240, 0.25f)}, {1, Rgb(90, 60, 80, 0.15f)}}));
  InnerShadow(room, slab, 2, 2, 3, Rgb(40, 20, 10, 0.55f));
}

// ---- Name plaque and the board of controls -----------------------------------------------------

// The game's name in gilt letters on the panelling above the plaque.
void DrawTitle(Canvas& room) {
  const Font font(FontFace::SerifBoldItalic, 20);
  const Mask title = InkCentred(kRoom, font, "Poker Dice", 319, 14);
  room.Fill(Mask(title).Shifted(1, 2).Blurred(1.2f), Rgb(0, 0, 0, 0.8f));
  room.Fill(title,
            LinearGradient({0, 6}, {0, 22},
                           {{0, Rgb(255, 240, 180)}, {0.5f, Rgb(226, 176, 80)}, {1, Rgb(140, 90, 30)}}));
  Bevel(room, title, 1.0f, Rgb(255, 255, 230, 0.5f), Rgb(60, 30, 0, 0.5f));
}

void DrawNamePlaque(Canvas& room) {
  const Mask plaque = RoundArea(238, 28, 162, 96, 7);
  DropShadow(room, plaque, 3, 4, 5, Rgb(0, 0, 0, 0.7f));
  room.Fill(plaque, LinearGradient({0, 28}, {0, 124}, {{0, Rgb(250, 214, 128)}, {1, Rgb(120, 80, 28)}}));
  Bevel(room, plaque, 2.0f, Rgb(255, 246, 210, 0.7f), Rgb(40, 20, 0, 0.7f));
  const Mask inner = RoundArea(242, 32, 154, 88, 5);
  room.Fill(inner, LinearGradient({0, 32}, {0, 120}, {{0, Rgb(40, 22, 54)}, {1, Rgb(22, 12, 32)}}));
  const Noise grain(5);
  room.Fill(inner, [&](double x, double y) {
    return Rgb(120, 80, 160, static_cast<float>(0.10 * grain.Fractal(x / 9, y / 3, 3)));
  });
  InnerShadow(room, inner, 2, 2, 3, Rgb(0, 0, 0, 0.8f));
  // A thin gold line between the two players.
  room.Fill(RectArea(252, 79.6, 134, 0.8), Rgb(200, 160, 80, 0.55f));
}

Mask ControlBoardShape() {
  Mask board = RoundArea(252, 121, 178, 59, 6);
  board.Unite(RoundArea(214, 146, 44, 102, 6));
  return board;
}

void DrawControlBoard(Canvas& room) {
  const Mask outer = ControlBoardShape();
  DropShadow(room, outer, 3, 4, 5, Rgb(0, 0, 0, 0.7f));
  room.Fill(outer, LinearGradient({0, 121}, {0, 248}, {{0, Rgb(246, 206, 120)}, {1, Rgb(130, 86, 30)}}));
  Bevel(room, outer, 2.0f, Rgb(255, 246, 210, 0.7f), Rgb(40, 20, 0, 0.7f));
  // One velvet field over both arms, so no seam shows where they meet.
  Mask inner = RoundArea(255, 124, 172, 53, 4);
  inner.Unite(RoundArea(217, 149, 44, 96, 4));
  room.Fill(inner, Color(kVelvet));
  const Noise pile(12);
  room.Fill(inner, [&](double x, double y) {
    const float n = static_cast<float>(pile.Fractal(x / 2.5, y / 2.5, 3));
    return n > 0.5f ? Rgb(140, 90, 180, (n - 0.5f) * 0.5f) : Rgb(0, 0, 0, (0.5f - n) * 0.5f);
  });
  InnerShadow(room, inner, 2, 2, 3, Rgb(0, 0, 0, 0.75f));
}

// ---- Abacus and dice tray -----------------------------------------------------------------------

void DrawDiceTray(Canvas& room) {
  const Mask rim = RoundArea(10, 318, 240, 118, 8);
  DropShadow(room, rim, 3, 3, 5, Rgb(0, 0, 0, 0.6f));
  WoodStyle wood;
  wood.light = Rgb(140, 80, 44);
  wood.dark = Rgb(74, 36, 20);
  wood.seed = 5;
  room.Fill(rim, WoodPaint(wood));
  Bevel(room, rim, 2.5f, Rgb(255, 210, 160, 0.5f), Rgb(0, 0, 0, 0.6f));
  const Mask felt = RoundArea(18, 326, 224, 110, 5);
  FeltStyle style;
  style.base = FeltBehindSmallDice();
  style.grain = 0.10;
  style.seed = 8;
  room.Fill(felt, FeltPaint(style));
  InnerShadow(room, felt, 3, 3, 4, Rgb(0, 0, 0, 0.7f));
}

void DrawAbacus(Canvas& room) {
  const double left = 40, right = 154, top = 212, bottom = 333;
  Mask frame = RectArea(left, top, right - left, 33);            // top bar with the digits
  frame.Unite(RectArea(left, 325, right - left, bottom - 325));  // bottom bar
  frame.Unite(RectArea(left, top, 12, bottom - top));            // posts
  frame.Unite(RectArea(142, top, 12, bottom - top));
  DropShadow(room, frame, 4, 4, 5, Rgb(0, 0, 0, 0.7f));
  room.Fill(RectArea(52, 245, 90, 80), Color(AbacusBacking()));
  WoodStyle wood;
  wood.light = Rgb(150, 64, 40);
  wood.dark = Rgb(80, 28, 20);
  wood.ringSpacing = 5;
  wood.seed = 19;
  room.Fill(frame, WoodPaint(wood));
  Bevel(room, frame, 2.0f, Rgb(255, 200, 160, 0.55f), Rgb(0, 0, 0, 0.65f));

  // Brass rods through the bead places; they lean as the places do.
  for (int rod = 1; rod <= pd::kRodCount; ++rod) {
    const auto& places = pd::kBeadPlaces[rod];
    const double xTop = places[1].x + pd::kBeadSize.width / 2.0;
    const double xBottom = places[7].x + pd::kBeadSize.width / 2.0;
    room.Fill(LineMask(kRoom, {xTop, 245}, {xBottom, 325}, 2.0), Color(AbacusRodColour()));
  }
  // The beam between the five-beads and the one-beads: a straight bar whose top runs just
  // under place 2 of the outer rods; the gaps between places 2 and 3 leave it room on
  // every rod, so it never shows under a bead place.
  const auto& leftRod = pd::kBeadPlaces[pd::kRodCount];
  const auto& rightRod = pd::kBeadPlaces[1];
  const double half = pd::kBeadSize.width / 2.0;
  const PointF from{leftRod[2].x + half, leftRod[2].y + pd::kBeadSize.height + 0.4};
  const PointF to{rightRod[2].x + half, rightRod[2].y + pd::kBeadSize.height + 0.4};
  const double slope = (to.y - from.y) / (to.x - from.x);
  auto topAt = [&](double x) { return from.y + slope * (x - from.x); };
  const double thickness = 3.2;
  const std::vector<PointF> beam = {
      {50, topAt(50)}, {144, topAt(144)}, {144, topAt(144) + thickness}, {50, topAt(50) + thickness}};
  const Mask beamMask = PolygonMask(kRoom, beam);
  room.Fill(beamMask,
            LinearGradient({0, 266}, {0, 276},
                           {{0, Rgb(255, 226, 140)}, {0.5f, Rgb(206, 160, 78)}, {1, Rgb(110, 70, 24)}}));
  InnerShadow(room, RectArea(52, 245, 90, 80), 2, 2, 3, Rgb(0, 0, 0, 0.5f));

  // The digit strip on the top bar: one flat colour, so one digit picture fits every rod.
  const Mask strip = RectArea(47, 217, 98, 24);
  room.Fill(strip, Rgb(200, 158, 76));
  Bevel(room, strip, 1.0f, Rgb(255, 240, 190, 0.8f), Rgb(60, 30, 0, 0.7f));
  room.Fill(RectArea(48, 218, 96, 22), Color(DigitStripColour()));
  // Brass caps on the bottom corners.
  for (const double x : {46.0, 148.0}) {
    room.Fill(Oval(x, 329, 3.2, 3.2),
              RadialGradient({x - 1, 328}, 4, {{0, Rgb(255, 236, 170)}, {1, Rgb(130, 90, 30)}}));
  }
}

// ---- Candles -----------------------------------------------------------------------------------

// A flame standing on (cx, baseY), height h, widest radius r.
Mask FlameShape(double cx, double baseY, double h, double r) {
  return ShapeMask(kRoom, {cx - r - 1, baseY - h - 1, 2 * r + 2, h + 2}, [=](double x, double y) {
    const double s = (y - (baseY - h)) / h;  // 0 at the tip, 1 at the base
    if (s < 0 || s > 1) return false;
    const double halfWidth = r * std::sin(std::numbers::pi * std::pow(s, 2.4));
    return std::abs(x - cx) <= halfWidth;
  });
}

void DrawFlame(Canvas& room, double cx, double baseY, double h, double r, const Mask& clip, bool wideGlow) {
  auto clipped = [&](Mask m) { return m.Intersect(clip); };
  if (wideGlow) {
    Glow(room, FlameShape(cx, baseY, h, r), 14, Rgb(255, 170, 60, 0.45f));
  } else {
    // A glow that fades out before the picture's edges.
    room.Fill(clip, EllipticalGradient({cx, baseY - h * 0.45}, 7.2, h * 0.75 + 4,
                                       {{0, Rgb(255, 180, 80, 0.55f)}, {1, Rgb(255, 150, 60, 0)}}));
  }
  room.Fill(clipped(FlameShape(cx, baseY, h, r)), Rgb(255, 140, 40, 0.95f));
  room.Fill(clipped(FlameShape(cx, baseY - 1, h * 0.78, r * 0.72)), Rgb(255, 214, 90));
  room.Fill(clipped(FlameShape(cx, baseY - 1.5, h * 0.5, r * 0.42)), Rgb(255, 250, 220));
  room.Fill(clipped(Oval(cx, baseY - 1.5, r * 0.45, 2.0)), Rgb(90, 120, 255, 0.7f));
}

// A candle on its brass dish; the dish stays within the candle's click area.
void DrawCandle(Canvas& room, double cx, double bodyTop, double bodyBottom, double halfWidth,
                double dishHalfWidth, const char* label, int labelSize, double letterStep) {
  // The brass dish.
  const Mask dish = Oval(cx, bodyBottom + 3, dishHalfWidth, 6);
  DropShadow(room, dish, 3, 3, 4, Rgb(0, 0, 0, 0.7f));
  room.Fill(dish, LinearGradient({cx - dishHalfWidth, 0}, {cx + dishHalfWidth, 0},
                                 {{0, Rgb(110, 70, 24)}, {0.35f, Rgb(255, 220, 140)}, {1, Rgb(90, 56, 18)}}));
  Bevel(room, dish, 1.5f, Rgb(255, 246, 210, 0.6f), Rgb(40, 20, 0, 0.6f));
  room.Fill(Oval(cx, bodyBottom + 1, halfWidth + 2, 3), Rgb(80, 50, 16, 0.8f));

  // The wax: a cylinder lit from the left, a soft top with drips.
  Mask wax = RectArea(cx - halfWidth, bodyTop, 2 * halfWidth, bodyBottom - bodyTop);
  wax.Unite(Oval(cx, bodyTop, halfWidth, 2.5));
  wax.Unite(Oval(cx, bodyBottom, halfWidth, 2.5));
  const Paint waxPaint = LinearGradient({cx - halfWidth, 0}, {cx + halfWidth, 0},
                                        {{0, Rgb(170, 140, 110)},
                                         {0.3f, Rgb(250, 238, 210)},
                                         {0.6f, Rgb(232, 214, 178)},
                                         {1, Rgb(120, 92, 70)}});
  room.Fill(wax, waxPaint);
  for (const double dx : {-0.6, 0.15, 0.7}) {
    const double x = cx + dx * halfWidth, length = 8 + 10 * std::abs(dx + 0.2);
    room.Fill(RoundArea(x - 1.6, bodyTop, 3.2, length, 1.6), Rgb(252, 244, 222, 0.9f));
  }
  room.Fill(Oval(cx, bodyTop, halfWidth - 1.5, 1.8), Rgb(255, 248, 228));
  room.Fill(Oval(cx, bodyTop + 0.3, halfWidth * 0.5, 1.0), Rgb(210, 180, 140, 0.8f));
  room.Fill(LineMask(kRoom, {cx, bodyTop - 5}, {cx, bodyTop}, 1.3), Rgb(30, 20, 16));

  // The word down the candle, one letter under the other, pressed into the wax.
  const Font font(FontFace::SerifBold, labelSize);
  const std::string text = label;
  const double first = bodyTop + 6;
  for (size_t i = 0; i < text.size(); ++i) {
    const std::string letter(1, text[i]);
    const int w = font.Width(letter);
    const int x = static_cast<int>(std::lround(cx - w / 2.0));
    const int y = static_cast<int>(std::lround(first + i * letterStep));
    DrawText(room, font, letter, x + 1, y + 1, Rgb(255, 250, 235, 0.7f));
    DrawText(room, font, letter, x, y, Rgb(128, 24, 34));
  }
}

// A gold coin lying flat, seen from above the desk: its edge, then its face.
void DrawCoin(Canvas& room, double cx, double cy, double rx, double ry) {
  const Mask edge = Oval(cx, cy + 1.6, rx, ry);
  room.Fill(edge, LinearGradient({cx - rx, 0}, {cx + rx, 0},
                                 {{0, Rgb(110, 70, 20)}, {0.4f, Rgb(200, 150, 60)}, {1, Rgb(90, 56, 16)}}));
  const Mask face = Oval(cx, cy, rx, ry);
  room.Fill(face,
            RadialGradient({cx - rx * 0.3, cy - ry * 0.4}, rx * 1.2,
                           {{0, Rgb(255, 240, 170)}, {0.6f, Rgb(230, 180, 76)}, {1, Rgb(160, 110, 36)}}));
  room.Fill(RingMask(kRoom, {cx, cy}, rx * 0.72, ry * 0.72, 0.9), Rgb(140, 96, 30, 0.7f));
}

// The stakes: a stack of gold coins beside the panel and one that rolled away.
void DrawCoins(Canvas& room) {
  const Mask shadow = Oval(380, 414, 16, 5);
  room.Fill(shadow.Blurred(3), Rgb(0, 0, 0, 0.55f));
  for (int i = 0; i < 6; ++i) {
    const double wobble = (i % 3 - 1) * 0.8;
    DrawCoin(room, 378 + wobble, 410 - i * 3.2, 11, 4);
  }
  room.Fill(Oval(263, 421, 10, 3.6).Blurred(2.5f), Rgb(0, 0, 0, 0.5f));
  DrawCoin(room, 262, 418, 9, 3.4);
}

}  // namespace

// ---- The pieces cut from the room ---------------------------------------------------------

Canvas DrawRoomBase() {
  Canvas room(kRoom, Rgb(0, 0, 0));
  DrawWall(room);
  DrawDesk(room);
  LightTheRoom(room);
  DrawWindow(room);
  DrawMarblePanel(room);
  DrawCrystalBall(room);
  DrawTitle(room);
  DrawNamePlaque(room);
  DrawControlBoard(room);
  DrawDiceTray(room);
  DrawAbacus(room);
  // Candlelight pools on the desk.
  room.Fill(Oval(318, 400, 90, 26).Blurred(10), Rgb(255, 170, 80, 0.22f));
  DrawCoins(room);
  DrawCandle(room, 295, 292, 398, 12, (pd::kPassCandle.x2 - pd::kPassCandle.x1) / 2.0, "PASS", 12, 24);
  DrawCandle(room, 347.5, 274, 342, 10, (pd::kRollCandle.x2 - pd::kRollCandle.x1) / 2.0 - 1, "ROLL", 11, 15);
  DrawFlame(room, 295, 290, 34, 5.2, RectArea(0, 0, kRoom.width, kRoom.height), true);
  room.Flatten(Rgb(0, 0, 0));
  return room;
}

void DrawRollFlame(Canvas& room, int height) {
  if (height <= 0) return;
  const Rect place = pd::kRollFlamePlace;
  const Mask clip = RectArea(place.left, place.top, place.width, place.height);
  const double heights[] = {0, 13, 24, 38};
  const double radii[] = {0, 3.2, 4.0, 4.8};
  DrawFlame(room, 347.5, 271, heights[height], radii[height], clip, false);
}

Canvas DrawTable(const Canvas& base) {
  Canvas table = base;
  for (const pd::SideControl& control : pd::kSideControls) DrawSideControl(table, control, 0);
  DrawOptionsPlate(table);
  return table;
}

Canvas DrawTile() {
  // Dark walnut that wraps at the tile's edges, the same wood as the wall.
  Canvas tile(pd::kTilePictureSize, Rgb(0, 0, 0));
  WoodStyle style;
  style.light = Rgb(74, 44, 30);
  style.dark = Rgb(34, 19, 14);
  style.ringSpacing = 7;
  style.grainLength = 105;
  style.seed = 63;
  style.periodX = pd::kTilePictureSize.width;
  style.periodY = pd::kTilePictureSize.height;
  tile.FillAll(WoodPaint(style));
  // Boards in courses, their joints staggered from one course to the next.
  const int course = pd::kTilePictureSize.height / 2;
  for (const int top : {0, course}) {
    tile.FillRect({0, top, pd::kTilePictureSize.width, 1}, Rgb(10, 5, 4, 0.85f));
    tile.FillRect({0, top + 1, pd::kTilePictureSize.width, 1}, Rgb(150, 100, 80, 0.18f));
    tile.FillRect({top == 0 ? 0 : 52, top, 1, course}, Rgb(10, 5, 4, 0.75f));
  }
  tile.Apply([](int, int, Color c) { return Color{c.r * 0.8f + 0.02f, c.g * 0.75f, c.b * 0.8f + 0.04f, 1}; });
  return tile;
}

}  // namespace dakto::art_pokerdice
