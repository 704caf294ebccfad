#include "tools/gfx/canvas.h"

#include <algorithm>

namespace dakto::gfx {

Canvas::Canvas(int width, int height, Color fill)
    : width_(std::max(0, width)),
      height_(std::max(0, height)),
      pixels_(static_cast<size_t>(width_) * height_, fill) {}

void Canvas::Fill(const Mask& mask, const Paint& paint, float opacity) {
  const int w = std::min(width_, mask.Width());
  const int h = std::min(height_, mask.Height());
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const float coverage = mask.At(x, y) * opacity;
      if (coverage <= 0.0f) continue;
      At(x, y) = Over(At(x, y), paint(x + 0.5, y + 0.5), coverage);
    }
  }
}

void Canvas::Fill(const Mask& mask, Color color, float opacity) {
  Fill(mask, Solid(color), opacity);
}

void Canvas::FillRect(Rect rect, const Paint& paint) {
  const int x0 = std::max(0, rect.left), y0 = std::max(0, rect.top);
  const int x1 = std::min(width_, rect.Right()), y1 = std::min(height_, rect.Bottom());
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) At(x, y) = Over(At(x, y), paint(x + 0.5, y + 0.5));
  }
}

void Canvas::FillRect(Rect rect, Color color) {
  FillRect(rect, Solid(color));
}

void Canvas::FillAll(const Paint& paint) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) At(x, y) = paint(x + 0.5, y + 0.5);
  }
}

void Canvas::Draw(const Canvas& src, int x, int y, float opacity) {
  for (int sy = 0; sy < src.Height(); ++sy) {
    for (int sx = 0; sx < src.Width(); ++sx) {
      if (!Contains(x + sx, y + sy)) continue;
      At(x + sx, y + sy) = Over(At(x + sx, y + sy), src.At(sx, sy), opacity);
    }
  }
}

void Canvas::Blit(const Canvas& src, int x, int y) {
  for (int sy = 0; sy < src.Height(); ++sy) {
    for (int sx = 0; sx < src.Width(); ++sx) {
      if (Contains(x + sx, y + sy)) At(x + sx, y + sy) = src.At(sx, sy);
    }
  }
}

Canvas Canvas::Crop(Rect rect) const {
  Canvas out(rect.width, rect.height);
  for (int y = 0; y < out.Height(); ++y) {
    for (int x = 0; x < out.Width(); ++x) out.At(x, y) = Get(rect.left + x, rect.top + y);
  }
  return out;
}

void Canvas::Apply(const std::function<Color(int x, int y, Color c)>& f) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) At(x, y) = f(x, y, At(x, y));
  }
}

void Canvas::Flatten(Color backdrop) {
  backdrop.a = 1;
  for (Color& c : pixels_) c = Over(backdrop, c);
}

}  // namespace dakto::gfx
