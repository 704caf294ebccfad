#include "platform/region.h"

namespace dakto {

PolygonRegion::PolygonRegion(std::span<const Point> points, Point offset) {
  points_.reserve(points.size());
  for (Point p : points) points_.push_back({p.x + offset.x, p.y + offset.y});
}

bool PolygonRegion::Contains(Point pixel) const {
  if (IsEmpty()) return false;
  // Work in doubled coordinates so the pixel centre (x + 1/2, y + 1/2) is a whole number and
  // never ties with a vertex row.
  const long long px = 2LL * pixel.x + 1;
  const long long py = 2LL * pixel.y + 1;
  int winding = 0;
  for (std::size_t i = 0; i < points_.size(); ++i) {
    const Point a = points_[i];
    const Point b = points_[(i + 1) % points_.size()];
    const long long ax = 2LL * a.x, ay = 2LL * a.y, bx = 2LL * b.x, by = 2LL * b.y;
    // Which side of the edge a -> b the centre lies on: positive is left.
    const long long side = (bx - ax) * (py - ay) - (px - ax) * (by - ay);
    if (ay <= py && by > py && side > 0)
      ++winding;  // upward edge, centre on its left
    else if (ay > py && by <= py && side < 0)
      --winding;  // downward edge, centre on its right
  }
  return winding != 0;
}

}  // namespace dakto
