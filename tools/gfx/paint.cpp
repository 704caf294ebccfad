#include "tools/gfx/paint.h"

#include <algorithm>
#include <cmath>

namespace dakto::gfx {

Paint Solid(Color c) {
  return [c](double, double) { return c; };
}

Color SampleStops(const std::vector<Stop>& stops, float t) {
  if (stops.empty()) return {0, 0, 0, 0};
  if (t <= stops.front().t) return stops.front().color;
  for (size_t i = 1; i < stops.size(); ++i) {
    if (t <= stops[i].t) {
      const float span = stops[i].t - stops[i - 1].t;
      const float f = span > 0 ? (t - stops[i - 1].t) / span : 1.0f;
      return Mix(stops[i - 1].color, stops[i].color, f);
    }
  }
  return stops.back().color;
}

static std::vector<Stop> Sorted(std::vector<Stop> stops) {
  std::stable_sort(stops.begin(), stops.end(), [](const Stop& a, const Stop& b) { return a.t < b.t; });
  return stops;
}

Paint LinearGradient(PointF from, PointF to, std::vector<Stop> stops) {
  stops = Sorted(std::move(stops));
  const double dx = to.x - from.x, dy = to.y - from.y;
  const double lengthSquared = std::max(1e-12, dx * dx + dy * dy);
  return [=](double x, double y) {
    const double t = ((x - from.x) * dx + (y - from.y) * dy) / lengthSquared;
    return SampleStops(stops, static_cast<float>(t));
  };
}

Paint RadialGradient(PointF centre, double radius, std::vector<Stop> stops) {
  return EllipticalGradient(centre, radius, radius, std::move(stops));
}

Paint EllipticalGradient(PointF centre, double rx, double ry, std::vector<Stop> stops) {
  stops = Sorted(std::move(stops));
  rx = std::max(rx, 1e-6);
  ry = std::max(ry, 1e-6);
  return [=](double x, double y) {
    const double u = (x - centre.x) / rx, v = (y - centre.y) / ry;
    return SampleStops(stops, static_cast<float>(std::sqrt(u * u + v * v)));
  };
}

}  // namespace dakto::gfx
