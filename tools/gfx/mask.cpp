#include "tools/gfx/mask.h"

#include <algorithm>
#include <cmath>

namespace dakto::gfx {

namespace {

constexpr int kGrid = 4;  // samples per pixel along each axis

// One pass of a box filter of half-width k along rows (horizontal) or columns.
std::vector<float> BoxPass(const std::vector<float>& in, int width, int height, int k, bool horizontal) {
  std::vector<float> out(in.size(), 0.0f);
  const int lines = horizontal ? height : width;
  const int length = horizontal ? width : height;
  const float scale = 1.0f / static_cast<float>(2 * k + 1);
  for (int line = 0; line < lines; ++line) {
    auto index = [&](int i) {
      return horizontal ? static_cast<size_t>(line) * width + i : static_cast<size_t>(i) * width + line;
    };
    double sum = 0;
    for (int i = -k; i <= k; ++i) {
      if (i >= 0 && i < length) sum += in[index(i)];
    }
    for (int i = 0; i < length; ++i) {
      out[index(i)] = static_cast<float>(sum) * scale;
      const int leaving = i - k;
      const int entering = i + k + 1;
      if (leaving >= 0 && leaving < length) sum -= in[index(leaving)];
      if (entering >= 0 && entering < length) sum += in[index(entering)];
    }
  }
  return out;
}

double SegmentDistanceSquared(double px, double py, PointF a, PointF b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double lengthSquared = dx * dx + dy * dy;
  double t = 0;
  if (lengthSquared > 0) t = std::clamp(((px - a.x) * dx + (py - a.y) * dy) / lengthSquared, 0.0, 1.0);
  const double ex = px - (a.x + t * dx);
  const double ey = py - (a.y + t * dy);
  return ex * ex + ey * ey;
}

RectF Grow(RectF r, double by) {
  return {r.x - by, r.y - by, r.w + 2 * by, r.h + 2 * by};
}

RectF BoundsOf(std::span<const PointF> points) {
  if (points.empty()) return {};
  double x0 = points[0].x, y0 = points[0].y, x1 = x0, y1 = y0;
  for (const PointF& p : points) {
    x0 = std::min(x0, p.x);
    y0 = std::min(y0, p.y);
    x1 = std::max(x1, p.x);
    y1 = std::max(y1, p.y);
  }
  return {x0, y0, x1 - x0, y1 - y0};
}

}  // namespace

Mask::Mask(int width, int height, float value)
    : width_(std::max(0, width)),
      height_(std::max(0, height)),
      values_(static_cast<size_t>(width_) * height_, value) {}

float Mask::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0.0f;
  return values_[static_cast<size_t>(y) * width_ + x];
}

void Mask::Set(int x, int y, float v) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  values_[static_cast<size_t>(y) * width_ + x] = v;
}

Mask Mask::Blurred(float radius) const {
  Mask out = *this;
  const int k = static_cast<int>(std::lround(radius / 2.0f));
  if (k <= 0) return out;
  for (int pass = 0; pass < 3; ++pass) {
    out.values_ = BoxPass(out.values_, width_, height_, k, true);
    out.values_ = BoxPass(out.values_, width_, height_, k, false);
  }
  return out;
}

Mask Mask::Shifted(int dx, int dy) const {
  Mask out(width_, height_);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) out.Set(x, y, At(x - dx, y - dy));
  }
  return out;
}

Mask Mask::Dilated(float radius) const {
  const int r = static_cast<int>(std::ceil(radius));
  Mask out(width_, height_);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      float best = 0;
      for (int oy = -r; oy <= r; ++oy) {
        for (int ox = -r; ox <= r; ++ox) {
          if (ox * ox + oy * oy <= radius * radius) best = std::max(best, At(x + ox, y + oy));
        }
      }
      out.Set(x, y, best);
    }
  }
  return out;
}

Mask Mask::Eroded(float radius) const {
  return Inverted().Dilated(radius).Inverted();
}

Mask Mask::Inverted() const {
  Mask out = *this;
  for (float& v : out.values_) v = 1.0f - v;
  return out;
}

Mask& Mask::Unite(const Mask& other) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const float a = At(x, y), b = other.At(x, y);
      Set(x, y, a + b - a * b);
    }
  }
  return *this;
}

Mask& Mask::Intersect(const Mask& other) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) Set(x, y, At(x, y) * other.At(x, y));
  }
  return *this;
}

Mask& Mask::Subtract(const Mask& other) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) Set(x, y, At(x, y) * (1.0f - other.At(x, y)));
  }
  return *this;
}

Mask& Mask::Scale(float k) {
  for (float& v : values_) v = std::clamp(v * k, 0.0f, 1.0f);
  return *this;
}

Mask ShapeMask(Size size, RectF bounds, const std::function<bool(double x, double y)>& inside) {
  Mask mask(size);
  const int x0 = std::max(0, static_cast<int>(std::floor(bounds.x)) - 1);
  const int y0 = std::max(0, static_cast<int>(std::floor(bounds.y)) - 1);
  const int x1 = std::min(size.width, static_cast<int>(std::ceil(bounds.x + bounds.w)) + 1);
  const int y1 = std::min(size.height, static_cast<int>(std::ceil(bounds.y + bounds.h)) + 1);
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      int hits = 0;
      for (int sy = 0; sy < kGrid; ++sy) {
        for (int sx = 0; sx < kGrid; ++sx) {
          if (inside(x + (sx + 0.5) / kGrid, y + (sy + 0.5) / kGrid)) ++hits;
        }
      }
      mask.Set(x, y, static_cast<float>(hits) / (kGrid * kGrid));
    }
  }
  return mask;
}

Mask RectMask(Size size, RectF r) {
  return ShapeMask(
      size, r, [r](double x, double y) { return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h; });
}

Mask RoundRectMask(Size size, RectF r, double radius) {
  radius = std::clamp(radius, 0.0, std::min(r.w, r.h) / 2);
  return ShapeMask(size, r, [r, radius](double x, double y) {
    if (x < r.x || x >= r.x + r.w || y < r.y || y >= r.y + r.h) return false;
    const double cx = std::clamp(x, r.x + radius, r.x + r.w - radius);
    const double cy = std::clamp(y, r.y + radius, r.y + r.h - radius);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
  });
}

Mask EllipseMask(Size size, PointF c, double rx, double ry) {
  if (rx <= 0 || ry <= 0) return Mask(size);
  return ShapeMask(size, {c.x - rx, c.y - ry, 2 * rx, 2 * ry}, [c, rx, ry](double x, double y) {
    const double u = (x - c.x) / rx, v = (y - c.y) / ry;
    return u * u + v * v <= 1.0;
  });
}

Mask RingMask(Size size, PointF c, double rx, double ry, double thickness) {
  Mask outer = EllipseMask(size, c, rx + thickness / 2, ry + thickness / 2);
  outer.Subtract(EllipseMask(size, c, rx - thickness / 2, ry - thickness / 2));
  return outer;
}

Mask PolygonMask(Size size, std::span<const PointF> points) {
  std::vector<PointF> poly(points.begin(), points.end());
  return ShapeMask(size, BoundsOf(points), [poly](double x, double y) {
    int winding = 0;
    const size_t n = poly.size();
    for (size_t i = 0; i < n; ++i) {
      const PointF a = poly[i], b = poly[(i + 1) % n];
      const double side = (b.x - a.x) * (y - a.y) - (x - a.x) * (b.y - a.y);
      if (a.y <= y) {
        if (b.y > y && side > 0) ++winding;
      } else if (b.y <= y && side < 0) {
        --winding;
      }
    }
    return winding != 0;
  });
}

Mask LineMask(Size size, PointF a, PointF b, double width) {
  const PointF pts[] = {a, b};
  return PolylineMask(size, pts, width, false);
}

Mask PolylineMask(Size size, std::span<const PointF> points, double width, bool closed) {
  std::vector<PointF> pts(points.begin(), points.end());
  const double half = width / 2;
  return ShapeMask(size, Grow(BoundsOf(points), half), [pts, half, closed](double x, double y) {
    const size_t n = pts.size();
    if (n == 1) return SegmentDistanceSquared(x, y, pts[0], pts[0]) <= half * half;
    const size_t segments = closed ? n : n - 1;
    for (size_t i = 0; i < segments; ++i) {
      if (SegmentDistanceSquared(x, y, pts[i], pts[(i + 1) % n]) <= half * half) return true;
    }
    return false;
  });
}

}  // namespace dakto::gfx
