#pragma once

// What fills a shape: a colour for every point of the picture.

#include <functional>
#include <vector>

#include "tools/gfx/color.h"
#include "tools/gfx/mask.h"

namespace dakto::gfx {

// Called with the pixel's centre (x + 0.5, y + 0.5).
using Paint = std::function<Color(double x, double y)>;

struct Stop {
  float t = 0;
  Color color;
};

Paint Solid(Color c);
// Stops are sorted by t; t is clamped to the first and last stop.
Color SampleStops(const std::vector<Stop>& stops, float t);
Paint LinearGradient(PointF from, PointF to, std::vector<Stop> stops);
Paint RadialGradient(PointF centre, double radius, std::vector<Stop> stops);
// Radial with separate radii, for elliptical glows.
Paint EllipticalGradient(PointF centre, double rx, double ry, std::vector<Stop> stops);

}  // namespace dakto::gfx
