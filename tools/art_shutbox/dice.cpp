#include "tools/art_shutbox/dice.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "tools/art_shutbox/palette_colors.h"

namespace dakto::art {

using gfx::Mask;
using gfx::PointF;

namespace {

PointF Add(PointF a, PointF b) {
  return {a.x + b.x, a.y + b.y};
}
PointF Sub(PointF a, PointF b) {
  return {a.x - b.x, a.y - b.y};
}
PointF Mul(PointF a, double k) {
  return {a.x * k, a.y * k};
}
double Length(PointF a) {
  return std::hypot(a.x, a.y);
}
double Cross(PointF a, PointF b) {
  return a.x * b.y - a.y * b.x;
}

constexpr double kPipRadius = shutbox::kPipSize / 2.0;
constexpr double kFaceMargin = 3.5;  // ivory between a pip's edge and the face's edge
constexpr double kCornerRadius = 4.0;

PointF PipCentre(Point p) {
  return {p.x + kPipRadius, p.y + kPipRadius};
}

// Coordinates of p in the basis (u, v) around c.
PointF InBasis(PointF p, PointF c, PointF u, PointF v) {
  const PointF d = Sub(p, c);
  const double det = Cross(u, v);
  return {Cross(d, v) / det, Cross(u, d) / det};
}

std::array<PointF, 4> FaceCorners(const DieShape& die) {
  return {Add(Sub(die.centre, die.u), Mul(die.v, -1)), Add(Add(die.centre, die.u), Mul(die.v, -1)),
          Add(Add(die.centre, die.u), die.v), Add(Sub(die.centre, die.u), die.v)};
}

// Convex hull (monotone chain), for the body: the face and the face moved by the depth.
std::vector<PointF> Hull(std::vector<PointF> pts) {
  std::sort(pts.begin(), pts.end(),
            [](PointF a, PointF b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
  std::vector<PointF> hull(2 * pts.size());
  size_t k = 0;
  for (size_t i = 0; i < pts.size(); ++i) {
    while (k >= 2 && Cross(Sub(hull[k - 1], hull[k - 2]), Sub(pts[i], hull[k - 2])) <= 0) --k;
    hull[k++] = pts[i];
  }
  for (size_t i = pts.size() - 1, t = k + 1; i > 0; --i) {
    while (k >= t && Cross(Sub(hull[k - 1], hull[k - 2]), Sub(pts[i - 1], hull[k - 2])) <= 0) --k;
    hull[k++] = pts[i - 1];
  }
  hull.resize(k - 1);
  return hull;
}

// A convex polygon with rounded corners: the polygon pulled in by r, stroked r wide.
Mask RoundedPolygon(Size size, const std::vector<PointF>& pts, double r) {
  PointF c{0, 0};
  for (const PointF& p : pts) c = Add(c, p);
  c = Mul(c, 1.0 / static_cast<double>(pts.size()));
  std::vector<PointF> inner;
  for (const PointF& p : pts) {
    const PointF d = Sub(p, c);
    const double len = Length(d);
    inner.push_back(len > r * 1.5 ? Add(c, Mul(d, (len - r * 1.4) / len)) : c);
  }
  Mask mask = gfx::PolygonMask(size, inner);
  mask.Unite(gfx::PolylineMask(size, inner, 2 * r, true));
  return mask;
}

Mask FaceMask(Size size, const DieShape& die) {
  const auto corners = FaceCorners(die);
  return RoundedPolygon(size, {corners.begin(), corners.end()}, kCornerRadius);
}

}  // namespace

DieShape TableDie(shutbox::PipSet set, int die) {
  // The face of four tells the die's axes: its pips sit at the corners of a square.
  const auto& four = shutbox::PipsFor(set, die, 4);
  std::array<PointF, 4> p;
  for (int i = 0; i < 4; ++i) p[i] = PipCentre(four.pips[i]);
  std::sort(p.begin(), p.end(), [](PointF a, PointF b) { return a.x + a.y < b.x + b.y; });
  const PointF tl = p[0], br = p[3];
  const PointF tr = p[1].x - p[1].y > p[2].x - p[2].y ? p[1] : p[2];
  const PointF bl = p[1].x - p[1].y > p[2].x - p[2].y ? p[2] : p[1];
  const PointF u = Mul(Add(Sub(tr, tl), Sub(br, bl)), 0.5);
  const PointF v = Mul(Add(Sub(bl, tl), Sub(br, tr)), 0.5);
  const PointF centre = Mul(Add(Add(tl, tr), Add(bl, br)), 0.25);
  // Reach every pip of every face, then add the pip's radius and a margin.
  double reachU = 0, reachV = 0;
  for (int face = 1; face <= 6; ++face) {
    const auto& pips = shutbox::PipsFor(set, die, face);
    for (int i = 0; i < pips.count; ++i) {
      const PointF ab = InBasis(PipCentre(pips.pips[i]), centre, u, v);
      reachU = std::max(reachU, std::fabs(ab.x));
      reachV = std::max(reachV, std::fabs(ab.y));
    }
  }
  const double padU = (kPipRadius + kFaceMargin) / Length(u);
  const double padV = (kPipRadius + kFaceMargin) / Length(v);
  const PointF depth = set == shutbox::PipSet::Rest ? PointF{0, 14} : PointF{1, 8};
  return {centre, Mul(u, reachU + padU), Mul(v, reachV + padV), depth};
}

DieShape FlyingDie(PointF centre, double size, double turn, PointF depth) {
  const PointF u{std::cos(turn) * size / 2, std::sin(turn) * size / 2};
  const PointF v{-std::sin(turn) * size / 2 * 0.85, std::cos(turn) * size / 2 * 0.85};
  return {centre, u, v, depth};
}

Mask DieBodyMask(Size size, const DieShape& die) {
  const auto corners = FaceCorners(die);
  std::vector<PointF> pts(corners.begin(), corners.end());
  for (const PointF& c : corners) pts.push_back(Add(c, die.depth));
  return RoundedPolygon(size, Hull(pts), kCornerRadius);
}

void DrawDieShadow(gfx::Canvas& canvas, const DieShape& die, PointF offset, float blur, float strength) {
  DieShape moved = die;
  moved.centre = Add(die.centre, offset);
  gfx::DropShadow(canvas, DieBodyMask(canvas.GetSize(), moved), 0, 0, blur, Rgb(16, 6, 0, strength));
}

void DrawDie(gfx::Canvas& canvas, const DieShape& die) {
  const Size size = canvas.GetSize();
  const Mask body = DieBodyMask(size, die);
  const PointF bottom = Add(die.centre, Add(die.v, die.depth));
  canvas.Fill(body, gfx::LinearGradient(die.centre, bottom,
                                        {{0.0f, kIvoryShade}, {1.0f, Shade(kIvoryShade, 0.72f)}}));
  const Mask face = FaceMask(size, die);
  const PointF from = Sub(Sub(die.centre, die.u), die.v);
  const PointF to = Add(Add(die.centre, die.u), die.v);
  canvas.Fill(face, gfx::LinearGradient(from, to, {{0.0f, Rgb(252, 246, 232)}, {1.0f, Rgb(228, 214, 184)}}));
  gfx::Bevel(canvas, face, 2.0f, Rgb(255, 255, 250, 0.5f), Rgb(120, 96, 60, 0.35f));
  // A dark hairline where the body meets the board keeps the die crisp on any ground.
  Mask rim = body;
  rim.Subtract(body.Eroded(1.0f));
  canvas.Fill(rim, Rgb(70, 50, 30, 0.6f));
}

void DrawFacePips(gfx::Canvas& canvas, const DieShape& die, int face) {
  // Spots in the face's own coordinates, -1..1: centre, one diagonal, the other, the middles.
  static constexpr double kA = 0.55;
  static constexpr PointF kSpots[] = {{0, 0}, {-kA, -kA}, {kA, kA}, {kA, -kA}, {-kA, kA}, {-kA, 0}, {kA, 0}};
  const bool used[7][7] = {{},
                           {true},
                           {false, true, true},
                           {true, true, true},
                           {false, true, true, true, true},
                           {true, true, true, true, true},
                           {false, true, true, true, true, true, true}};
  std::vector<PointF> spots;
  for (int i = 0; i < 7; ++i) {
    if (used[face][i]) spots.push_back(kSpots[i]);
  }
  const double radius = std::min(Length(die.u), Length(die.v)) * 0.2;
  for (const PointF& s : spots) {
    const PointF at = Add(die.centre, Add(Mul(die.u, s.x), Mul(die.v, s.y)));
    canvas.Fill(gfx::EllipseMask(canvas.GetSize(), at, radius, radius * Length(die.v) / Length(die.u)), kPip);
  }
}

void DrawTablePips(gfx::Canvas& canvas, shutbox::PipSet set, int die, int face) {
  const auto& pips = shutbox::PipsFor(set, die, face);
  for (int i = 0; i < pips.count; ++i) {
    const PointF c = PipCentre(pips.pips[i]);
    canvas.Fill(gfx::EllipseMask(canvas.GetSize(), c, kPipRadius, kPipRadius), kPip);
  }
}

}  // namespace dakto::art
