#pragma once

#include <span>
#include <vector>

#include "platform/geometry.h"

namespace dakto {

// A closed polygon filled with the winding rule. A pixel belongs to it when the pixel's centre
// lies inside, so a left or top edge belongs to the area and a right or bottom edge does not.
class PolygonRegion {
 public:
  PolygonRegion() = default;
  PolygonRegion(std::span<const Point> points, Point offset = {});

  bool Contains(Point pixel) const;
  bool IsEmpty() const { return points_.size() < 3; }

 private:
  std::vector<Point> points_;
};

}  // namespace dakto
