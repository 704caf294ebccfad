#include "tools/art_pokerdice/art_style.h"

#include <algorithm>
#include <cmath>

namespace dakto::art_pokerdice {

using namespace gfx;

Paint GoldPaint(double top, double bottom, bool lit) {
  if (!lit)
    return LinearGradient({0, top}, {0, bottom},
                          {{0, Rgb(150, 130, 116)}, {0.5f, kDimGold}, {1, kDimGoldDark}});
  return LinearGradient({0, top}, {0, bottom}, {{0, kGoldLight}, {0.45f, kGold}, {1, kGoldDark}});
}

namespace {

// The bounds of the ink of a text drawn with its line top-left at (0, 0).
RectF InkBounds(const Font& font, std::string_view text) {
  const Size box{font.Width(text) + 4, font.LineHeight() + 4};
  const Mask ink = font.Render(box, text, 0, 0);
  double x0 = box.width, y0 = box.height, x1 = 0, y1 = 0;
  for (int y = 0; y < box.height; ++y) {
    for (int x = 0; x < box.width; ++x) {
      if (ink.At(x, y) < 0.25f) continue;
      x0 = std::min<double>(x0, x);
      y0 = std::min<double>(y0, y);
      x1 = std::max<double>(x1, x + 1);
      y1 = std::max<double>(y1, y + 1);
    }
  }
  if (x1 <= x0) return {0, 0, 0, 0};
  return {x0, y0, x1 - x0, y1 - y0};
}

}  // namespace

Mask InkCentred(Size size, const Font& font, std::string_view text, double cx, double cy) {
  const RectF ink = InkBounds(font, text);
  const int x = static_cast<int>(std::lround(cx - ink.w / 2 - ink.x));
  const int y = static_cast<int>(std::lround(cy - ink.h / 2 - ink.y));
  return font.Render(size, text, x, y);
}

void DrawInkCentred(Canvas& canvas, const Font& font, std::string_view text, double cx, double cy,
                    const Paint& paint) {
  canvas.Fill(InkCentred(canvas.GetSize(), font, text, cx, cy), paint);
}

}  // namespace dakto::art_pokerdice
