// The two cauldrons on the floor: iron bellies with bubbling brews, slate boxes for the
// scores, a socket for the turn arrow, and a brass name plate in front of each.

#include <algorithm>
#include <cmath>

#include "games/tenthou/tenthou_geometry.h"
#include "tools/art_tenthou/scene.h"
#include "tools/gfx/effects.h"
#include "tools/gfx/noise.h"
#include "tools/gfx/paint.h"
#include "tools/gfx/text.h"

namespace dakto::tenthou::art {

using namespace gfx;

namespace {

struct CauldronShape {
  double cx;
  double rimY;
  double rimRx;
  double rimRy;
  double bellyCy;
  double bellyRx;
  double bellyRy;
  double floorY;  // where the legs stand
  Color brew;
  std::uint32_t seed;
};

// Player 1's cauldron stands further back than the second seat's.
constexpr CauldronShape kCauldrons[2] = {
    {348, 231, 60, 10, 270, 72, 50, 330, Rgb(96, 230, 120), 61},
    {496, 281, 70, 12, 326, 82, 56, 392, Rgb(255, 204, 70), 62},
};

void DrawFireGlow(Canvas& canvas, const CauldronShape& c) {
  const Size size = canvas.GetSize();
  Mask pool = EllipseMask(size, {c.cx, c.floorY - 4}, c.bellyRx * 1.3, 22).Blurred(10);
  canvas.Fill(pool, Rgb(255, 140, 50, 0.35f));
  // Embers between the legs.
  Rng rng(c.seed);
  for (int i = 0; i < 14; ++i) {
    const double x = c.cx + rng.Uniform(-c.bellyRx * 0.55, c.bellyRx * 0.55);
    const double y = c.floorY - rng.Uniform(1, 9);
    Mask ember = EllipseMask(size, {x, y}, rng.Uniform(2, 4.5), rng.Uniform(1.2, 2.5));
    Glow(canvas, ember, 4, Rgb(255, 120, 30, 0.5f));
    canvas.Fill(ember, Mix(Rgb(255, 90, 20), Rgb(255, 220, 120), static_cast<float>(rng.Uniform())));
  }
  // Tongues of flame under the belly, blurred so they flicker rather than stand.
  for (int i = 0; i < 7; ++i) {
    const double x = c.cx + (i - 3) * c.bellyRx * 0.15 + rng.Uniform(-3, 3);
    const double h = rng.Uniform(7, 13);
    const PointF tip = {x + rng.Uniform(-2, 2), c.floorY - 3 - h};
    Mask m = EllipseMask(size, {x, c.floorY - 3 - h * 0.35}, 3.2, h * 0.4);
    const PointF tongue[] = {{x - 3, c.floorY - 3 - h * 0.35}, tip, {x + 3, c.floorY - 3 - h * 0.35}};
    m.Unite(PolygonMask(size, tongue));
    m = m.Blurred(0.7f);
    Glow(canvas, m, 6, Rgb(255, 130, 40, 0.3f));
    canvas.Fill(m, LinearGradient(
                       tip, {x, c.floorY - 3},
                       {{0, Rgb(255, 110, 20, 0.7f)}, {0.5f, Rgb(255, 180, 60)}, {1, Rgb(255, 240, 180)}}));
  }
}

Mask BellyMask(Size size, const CauldronShape& c) {
  Mask belly = EllipseMask(size, {c.cx, c.bellyCy}, c.bellyRx, c.bellyRy);
  belly.Intersect(RectMask(size, {0, c.rimY, 632, 428}));
  belly.Unite(EllipseMask(size, {c.cx, c.rimY}, c.rimRx + 4, c.rimRy + 2));
  return belly;
}

void DrawIron(Canvas& canvas, const CauldronShape& c) {
  const Size size = canvas.GetSize();
  // Three stubby legs that flare into feet.
  for (int i = -1; i <= 1; ++i) {
    const double x = c.cx + i * c.bellyRx * 0.62;
    const double top = c.bellyCy + c.bellyRy * 0.7;
    const double bottom = c.floorY + (i == 0 ? 4 : 0);
    const PointF leg[] = {{x - 4, top},    {x + 4, top},    {x + 4, bottom - 4},
                          {x + 7, bottom}, {x - 7, bottom}, {x - 4, bottom - 4}};
    Mask m = PolygonMask(size, leg);
    DropShadow(canvas, m, 3, 2, 2, Rgb(0, 0, 0, 0.6f));
    canvas.Fill(m, LinearGradient({x - 7, 0}, {x + 7, 0},
                                  {{0, Rgb(96, 98, 110)}, {0.5f, Rgb(46, 46, 54)}, {1, Rgb(18, 18, 22)}}));
    Bevel(canvas, m, 1.2f, Rgb(200, 210, 240, 0.4f), Rgb(0, 0, 0, 0.5f));
  }
  const Mask belly = BellyMask(size, c);
  DropShadow(canvas, belly, 4, 6, 6, Rgb(0, 0, 0, 0.55f));
  const Noise cast(c.seed + 10);
  const Paint shine =
      RadialGradient({c.cx - c.bellyRx * 0.45, c.bellyCy - c.bellyRy * 0.35}, c.bellyRx * 1.5,
                     {{0, Rgb(104, 108, 122)}, {0.35f, Rgb(46, 46, 54)}, {1, Rgb(10, 10, 12)}});
  canvas.Fill(belly, [&](double x, double y) {
    const float n = static_cast<float>(cast.Fractal(x / 2.5, y / 2.5, 3) - 0.5) * 0.35f;
    return Shade(shine(x, y), 1.0f + n);
  });
  // The brew's glow on the iron from above, and the fire's from below.
  Mask upper = belly;
  upper.Intersect(EllipseMask(size, {c.cx, c.rimY}, c.bellyRx * 1.1, c.bellyRy * 0.5).Blurred(6));
  canvas.Fill(upper, WithAlpha(c.brew, 0.14f));
  Mask lower = belly;
  lower.Intersect(
      EllipseMask(size, {c.cx, c.bellyCy + c.bellyRy}, c.bellyRx * 0.9, c.bellyRy * 0.5).Blurred(8));
  canvas.Fill(lower, Rgb(255, 130, 40, 0.3f));
  Bevel(canvas, belly, 3.0f, Rgb(200, 210, 240, 0.35f), Rgb(0, 0, 0, 0.5f));
}

void DrawBrew(Canvas& canvas, const CauldronShape& c) {
  const Size size = canvas.GetSize();
  const PointF centre = {c.cx, c.rimY};
  // Thick rim, lit on its front lip.
  Mask rim = EllipseMask(size, centre, c.rimRx + 4, c.rimRy + 2);
  canvas.Fill(rim, LinearGradient({0, c.rimY - c.rimRy}, {0, c.rimY + c.rimRy + 2},
                                  {{0, Rgb(30, 30, 36)}, {0.6f, Rgb(70, 72, 84)}, {1, Rgb(120, 124, 140)}}));
  Mask surface = EllipseMask(size, centre, c.rimRx - 2, c.rimRy - 2);
  const Noise swirl(c.seed + 20);
  canvas.Fill(surface, [&](double x, double y) {
    const double d = std::hypot((x - c.cx) / c.rimRx, (y - c.rimY) / c.rimRy);
    const float n = static_cast<float>(swirl.Fractal(x / 6.0, y / 3.0, 3));
    const Color deep = Mix(Shade(c.brew, 0.5f), Rgb(70, 30, 10), 0.3f);
    return Mix(Mix(c.brew, Rgb(240, 255, 230), 0.35f * n), deep, static_cast<float>(std::clamp(d, 0.0, 1.0)));
  });
  InnerShadow(canvas, surface, 0, 2, 2.0f, Rgb(0, 0, 0, 0.6f));
  // Bubbles: rings with a bright point.
  Rng rng(c.seed + 30);
  for (int i = 0; i < 9; ++i) {
    const double a = rng.Uniform(0, 2 * std::numbers::pi);
    const double r = std::sqrt(rng.Uniform()) * 0.75;
    const PointF p = {c.cx + std::cos(a) * r * c.rimRx, c.rimY + std::sin(a) * r * (c.rimRy - 3)};
    const double br = rng.Uniform(1.6, 3.4);
    canvas.Fill(EllipseMask(size, p, br, br * 0.75), Mix(c.brew, Rgb(255, 255, 255), 0.45f));
    canvas.Fill(RingMask(size, p, br, br * 0.75, 0.8), Shade(c.brew, 0.6f));
    canvas.Fill(EllipseMask(size, {p.x - br * 0.35, p.y - br * 0.3}, 0.7, 0.6), Rgb(255, 255, 255, 0.9f));
  }
  // Vapour rising from the brew.
  for (int i = 0; i < 6; ++i) {
    const double x = c.cx + rng.Uniform(-c.rimRx * 0.6, c.rimRx * 0.6);
    const double y = c.rimY - rng.Uniform(10, 38);
    Mask puff = EllipseMask(size, {x, y}, rng.Uniform(8, 16), rng.Uniform(5, 9)).Blurred(5);
    canvas.Fill(puff, WithAlpha(Mix(c.brew, Rgb(255, 255, 255), 0.4f), 0.3f));
  }
  Glow(canvas, surface, 8, WithAlpha(c.brew, 0.25f));
}

// A slate tablet in a brass frame: the frame fills the box's outer two pixels, the slate
// inside is one flat colour so the digit pictures match it anywhere.
void DrawScoreBox(Canvas& canvas, Rect box) {
  const Size size = canvas.GetSize();
  Mask frame = RoundRectMask(size, ToRectF(box), 3);
  canvas.Fill(frame,
              LinearGradient({0, double(box.top)}, {0, double(box.Bottom())},
                             {{0, Rgb(236, 196, 110)}, {0.5f, Rgb(176, 128, 56)}, {1, Rgb(120, 82, 34)}}));
  Bevel(canvas, frame, 1.2f, Rgb(255, 245, 200, 0.6f), Rgb(40, 20, 0, 0.6f));
  canvas.FillRect({box.left + 2, box.top + 2, box.width - 4, box.height - 4}, kSlate);
}

// A small brass collar around the arrow's place; inside it the same slate as the boxes.
void DrawArrowSocket(Canvas& canvas, Rect place) {
  const Size size = canvas.GetSize();
  Mask collar =
      RoundRectMask(size, {place.left - 2.0, place.top - 2.0, place.width + 4.0, place.height + 4.0}, 3);
  canvas.Fill(collar, Rgb(176, 128, 56));
  Bevel(canvas, collar, 1.0f, Rgb(255, 245, 200, 0.6f), Rgb(40, 20, 0, 0.6f));
  canvas.FillRect(place, kSlate);
}

void DrawNamePlate(Canvas& canvas, Rect plate) {
  const Size size = canvas.GetSize();
  const RectF r = ToRectF(plate);
  Mask body = RoundRectMask(size, r, 4);
  DropShadow(canvas, body, 2, 4, 3, Rgb(0, 0, 0, 0.7f));
  const Noise brush(70 + plate.left);
  const Paint brass =
      LinearGradient({r.x, r.y}, {r.x + r.w * 0.3, r.y + r.h},
                     {{0, Rgb(246, 214, 134)}, {0.45f, Rgb(214, 168, 82)}, {1, Rgb(150, 104, 40)}});
  canvas.Fill(body, [&](double x, double y) {
    const float n = static_cast<float>(brush.Value(x / 20.0, y * 1.5) - 0.5) * 0.12f;
    return Shade(brass(x, y), 1.0f + n);
  });
  Bevel(canvas, body, 2.0f, Rgb(255, 250, 220, 0.7f), Rgb(60, 30, 0, 0.6f));
  // An engraved border line and two rivets half-way down the sides.
  Mask border = RoundRectMask(size, {r.x + 3, r.y + 3, r.w - 6, r.h - 6}, 2);
  border.Subtract(RoundRectMask(size, {r.x + 4, r.y + 4, r.w - 8, r.h - 8}, 2));
  Engrave(canvas, border, 0.8f, Rgb(255, 250, 220, 0.6f), Rgb(60, 30, 0, 0.5f));
  canvas.Fill(border, Rgb(110, 72, 24, 0.6f));
  for (double x : {r.x + 7.5, r.x + r.w - 7.5}) {
    Mask rivet = EllipseMask(size, {x, r.y + r.h / 2}, 1.8, 1.8);
    canvas.Fill(rivet, Rgb(120, 84, 30));
    Bevel(canvas, rivet, 1.0f, Rgb(255, 250, 220, 0.9f), Rgb(50, 25, 0, 0.8f));
  }
}

}  // namespace

void DrawCauldrons(Canvas& canvas) {
  // Each brew lights the wall and floor around its cauldron; both lights go down before
  // either cauldron, so neither tints the other's slate boxes.
  for (const CauldronShape& c : kCauldrons) {
    canvas.Fill(EllipseMask(canvas.GetSize(), {c.cx, c.rimY - 20}, c.bellyRx * 1.6, 60).Blurred(24),
                WithAlpha(c.brew, 0.12f));
  }
  for (int seat = 0; seat < 2; ++seat) {
    const CauldronShape& c = kCauldrons[seat];
    const SeatPlaces& places = kSeats[seat];
    DrawFireGlow(canvas, c);
    DrawIron(canvas, c);
    DrawBrew(canvas, c);
    DrawScoreBox(canvas, places.turnBox);
    DrawScoreBox(canvas, places.totalBox);
    DrawArrowSocket(canvas, places.arrowPlace);
    DrawNamePlate(canvas, places.namePlate);
  }
}

Canvas DrawDigit(int digit) {
  Canvas canvas(kDigitSize, kSlate);
  const char text[2] = {static_cast<char>('0' + digit), 0};
  // The biggest bold face whose ink fits 9 x 10 pixels, the same size for every digit.
  Font font(FontFace::SerifBold, 8);
  for (int pixels = 20; pixels >= 8; --pixels) {
    Font candidate(FontFace::SerifBold, pixels);
    const Rect ink = InkBounds(candidate.Render({40, 40}, "0", 4, 4));
    if (ink.width <= 9 && ink.height <= 10) {
      font = std::move(candidate);
      break;
    }
  }
  const Rect zero = InkBounds(font.Render({40, 40}, "0", 4, 4));
  const Rect ink = InkBounds(font.Render({40, 40}, text, 4, 4));
  // Digits share a baseline: centre them on the zero's box, each on its own width.
  const int x = (kDigitSize.width - ink.width) / 2 - (ink.left - 4);
  const int y = (kDigitSize.height - zero.height) / 2 - (zero.top - 4);
  const Mask m = font.Render(kDigitSize, text, x, y);
  // The glow stays off the picture's edge, which must be plain slate like the boxes.
  canvas.Fill(ClipToRect(m.Blurred(1.2f), {1, 1, kDigitSize.width - 2, kDigitSize.height - 2}),
              Rgb(255, 150, 40, 0.45f));
  canvas.Fill(m, kDigitInk);
  canvas.Flatten(kSlate);
  return canvas;
}

Canvas DrawTurnArrow(const Canvas& board) {
  Canvas canvas = board.Crop(kSeats[0].arrowPlace);
  const Size size = canvas.GetSize();
  // A flame-coloured arrow pointing at the scores.
  const PointF arrow[] = {{1.5, 4}, {6.5, 4}, {6.5, 1}, {12, 6}, {6.5, 11}, {6.5, 8}, {1.5, 8}};
  Mask m = PolygonMask(size, arrow);
  canvas.Fill(m.Blurred(1.0f), Rgb(255, 120, 30, 0.5f));
  canvas.Fill(m, LinearGradient({0, 1}, {0, 11}, {{0, Rgb(255, 236, 150)}, {1, Rgb(240, 120, 30)}}));
  canvas.Flatten(kSlate);
  return canvas;
}

}  // namespace dakto::tenthou::art
