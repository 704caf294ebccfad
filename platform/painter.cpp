#include "platform/painter.h"

#include <algorithm>

namespace dakto {

void Painter::Copy(Point at, const Bitmap& picture, RasterOp op) {
  Copy(at, picture, picture.Bounds(), op);
}

void Painter::Copy(Point at, const Bitmap& picture, Rect source, RasterOp op) {
  Record({.kind = DrawRecord::Kind::Picture,
          .picture = picture.Name(),
          .source = source,
          .target = {at.x, at.y, source.width, source.height},
          .op = op});
  // Clip the source to the picture, then the destination to the target.
  int sx = source.left, sy = source.top, dx = at.x + origin_.x, dy = at.y + origin_.y;
  int width = source.width, height = source.height;
  auto clip = [](int& s, int& d, int& extent, int sourceLimit, int targetLimit) {
    if (s < 0) {
      d -= s;
      extent += s;
      s = 0;
    }
    if (d < 0) {
      s -= d;
      extent += d;
      d = 0;
    }
    extent = std::min({extent, sourceLimit - s, targetLimit - d});
  };
  clip(sx, dx, width, picture.Width(), target_.Width());
  clip(sy, dy, height, picture.Height(), target_.Height());
  if (width <= 0 || height <= 0) return;
  target_.Touch();
  for (int row = 0; row < height; ++row) {
    const std::uint32_t* from = picture.Row(sy + row) + sx;
    std::uint32_t* to = target_.Row(dy + row) + dx;
    switch (op) {
      case RasterOp::Copy:
        std::copy_n(from, width, to);
        break;
      case RasterOp::And:
        for (int i = 0; i < width; ++i) to[i] &= from[i];
        break;
      case RasterOp::Or:
        for (int i = 0; i < width; ++i) to[i] |= from[i];
        break;
    }
  }
}

void Painter::FillRect(Rect area, Rgb color) {
  Record({.kind = DrawRecord::Kind::Fill, .target = area, .color = color});
  const int left = std::max(area.left + origin_.x, 0);
  const int top = std::max(area.top + origin_.y, 0);
  const int right = std::min(area.Right() + origin_.x, target_.Width());
  const int bottom = std::min(area.Bottom() + origin_.y, target_.Height());
  const std::uint32_t pixel = PackRgb(color);
  target_.Touch();
  for (int y = top; y < bottom; ++y)
    std::fill(target_.Row(y) + left, target_.Row(y) + std::max(left, right), pixel);
}

// Visits the pixels whose centres lie inside the ellipse inscribed in `bounds`, telling whether
// each one is on the rim (a neighbour outside it).
template <typename Visit>
void Painter::ForEllipsePixel(Rect bounds, Visit visit) {
  if (bounds.IsEmpty()) return;
  const double cx = bounds.left + bounds.width / 2.0;
  const double cy = bounds.top + bounds.height / 2.0;
  const double rx = bounds.width / 2.0;
  const double ry = bounds.height / 2.0;
  auto inside = [&](int x, int y) {
    const double nx = (x + 0.5 - cx) / rx;
    const double ny = (y + 0.5 - cy) / ry;
    return nx * nx + ny * ny <= 1.0;
  };
  for (int y = bounds.top; y < bounds.Bottom(); ++y) {
    for (int x = bounds.left; x < bounds.Right(); ++x) {
      if (!inside(x, y)) continue;
      const bool rim = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
      visit(x, y, rim);
    }
  }
}

void Painter::FillEllipse(Rect bounds, Rgb color) {
  Record({.kind = DrawRecord::Kind::FillEllipse, .target = bounds, .color = color});
  const std::uint32_t pixel = PackRgb(color);
  ForEllipsePixel(bounds, [&](int x, int y, bool) {
    x += origin_.x;
    y += origin_.y;
    if (x >= 0 && y >= 0 && x < target_.Width() && y < target_.Height()) target_.Row(y)[x] = pixel;
  });
}

void Painter::OutlineEllipse(Rect bounds, Rgb color) {
  Record({.kind = DrawRecord::Kind::OutlineEllipse, .target = bounds, .color = color});
  const std::uint32_t pixel = PackRgb(color);
  ForEllipsePixel(bounds, [&](int x, int y, bool rim) {
    x += origin_.x;
    y += origin_.y;
    if (rim && x >= 0 && y >= 0 && x < target_.Width() && y < target_.Height()) target_.Row(y)[x] = pixel;
  });
}

void Painter::Text(Point at, std::string_view text, const Font& font, Rgb color) {
  Record({.kind = DrawRecord::Kind::Text,
          .target = {at.x, at.y, font.TextWidth(text), font.CellHeight()},
          .color = color,
          .text = std::string(text),
          .font = font.Description()});
  font.Draw(target_, {at.x + origin_.x, at.y + origin_.y}, text, color);
}

void Painter::Record(DrawRecord record) {
  target_.Touch();
  if (log_ == nullptr) return;
  record.origin = origin_;
  log_->Add(std::move(record));
}

}  // namespace dakto
