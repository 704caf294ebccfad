#pragma once

// A coverage image (0 = outside, 1 = inside) and the anti-aliased shapes that make one.
// Shapes are sampled on a 4 x 4 grid inside every pixel, so edges come out smooth and the
// result depends only on the inputs.

#include <functional>
#include <span>
#include <vector>

#include "platform/geometry.h"

namespace dakto::gfx {

struct PointF {
  double x = 0;
  double y = 0;
};

// x, y is the top-left corner; the pixel (i, j) covers [i, i + 1) x [j, j + 1).
struct RectF {
  double x = 0;
  double y = 0;
  double w = 0;
  double h = 0;
};

constexpr RectF ToRectF(Rect r) {
  return {double(r.left), double(r.top), double(r.width), double(r.height)};
}

class Mask {
 public:
  Mask() = default;
  Mask(int width, int height, float value = 0.0f);
  explicit Mask(Size size, float value = 0.0f) : Mask(size.width, size.height, value) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  Size GetSize() const { return {width_, height_}; }
  // Outside the mask reads as 0, so callers need not clip.
  float At(int x, int y) const;
  void Set(int x, int y, float v);

  Mask Blurred(float radius) const;    // three box passes, close to a Gaussian
  Mask Shifted(int dx, int dy) const;  // moved, what comes in is 0
  Mask Dilated(float radius) const;    // grown outward by roughly radius pixels
  Mask Eroded(float radius) const;     // shrunk inward
  Mask Inverted() const;               // 1 - v
  Mask& Unite(const Mask& other);      // a + b - a b
  Mask& Intersect(const Mask& other);  // a b
  Mask& Subtract(const Mask& other);   // a (1 - b)
  Mask& Scale(float k);                // v * k, clamped to 0..1

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<float> values_;
};

// Any shape given by an inside test, sampled only within bounds (pixels outside stay 0).
Mask ShapeMask(Size size, RectF bounds, const std::function<bool(double x, double y)>& inside);

Mask RectMask(Size size, RectF rect);
Mask RoundRectMask(Size size, RectF rect, double radius);
Mask EllipseMask(Size size, PointF centre, double rx, double ry);
// An elliptical ring of the given thickness, centred on the ellipse's edge.
Mask RingMask(Size size, PointF centre, double rx, double ry, double thickness);
// Filled polygon, non-zero winding rule.
Mask PolygonMask(Size size, std::span<const PointF> points);
// A straight stroke with round ends.
Mask LineMask(Size size, PointF a, PointF b, double width);
// Strokes along the points, round joins; closed joins the last point back to the first.
Mask PolylineMask(Size size, std::span<const PointF> points, double width, bool closed);

}  // namespace dakto::gfx
