#include "tools/gfx/effects.h"

#include <algorithm>
#include <cmath>

namespace dakto::gfx {

namespace {

// Lights a height field made from the shape; sign +1 raises the shape, -1 sinks it.
void LightRim(Canvas& canvas, const Mask& shape, float width, Color highlight, Color shadow, PointF lightFrom,
              float sign) {
  const Mask height = shape.Blurred(width);
  const double length = std::hypot(lightFrom.x, lightFrom.y);
  const double lx = length > 0 ? lightFrom.x / length : 0, ly = length > 0 ? lightFrom.y / length : 0;
  // A slope of 1 / width (shape edge to full height over the rim) gives full strength.
  const double gain = std::max(1.0f, width) * 1.6;
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      const float inside = shape.At(x, y);
      if (inside <= 0.0f) continue;
      const double gx = (height.At(x + 1, y) - height.At(x - 1, y)) / 2.0;
      const double gy = (height.At(x, y + 1) - height.At(x, y - 1)) / 2.0;
      // Rising away from the light means the slope faces it.
      const double facing = -(gx * lx + gy * ly) * gain * sign;
      const float amount = static_cast<float>(std::clamp(std::fabs(facing), 0.0, 1.0)) * inside;
      if (amount <= 0.0f) continue;
      const Color tint = facing > 0 ? highlight : shadow;
      canvas.At(x, y) = Over(canvas.At(x, y), tint, amount);
    }
  }
}

}  // namespace

void DropShadow(Canvas& canvas, const Mask& shape, int dx, int dy, float blur, Color color) {
  canvas.Fill(shape.Shifted(dx, dy).Blurred(blur), color);
}

void Bevel(Canvas& canvas, const Mask& shape, float width, Color highlight, Color shadow, PointF lightFrom) {
  LightRim(canvas, shape, width, highlight, shadow, lightFrom, 1.0f);
}

void Engrave(Canvas& canvas, const Mask& shape, float width, Color highlight, Color shadow,
             PointF lightFrom) {
  LightRim(canvas, shape, width, highlight, shadow, lightFrom, -1.0f);
}

void InnerShadow(Canvas& canvas, const Mask& shape, int dx, int dy, float blur, Color color) {
  Mask shade = shape.Inverted().Shifted(dx, dy).Blurred(blur);
  shade.Intersect(shape);
  canvas.Fill(shade, color);
}

void Glow(Canvas& canvas, const Mask& shape, float radius, Color color) {
  canvas.Fill(shape.Dilated(radius / 3).Blurred(radius), color);
}

}  // namespace dakto::gfx
