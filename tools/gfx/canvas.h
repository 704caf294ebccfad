#pragma once

// The picture being drawn: a grid of float colours with straight alpha.

#include <functional>
#include <vector>

#include "platform/geometry.h"
#include "tools/gfx/color.h"
#include "tools/gfx/mask.h"
#include "tools/gfx/paint.h"

namespace dakto::gfx {

class Canvas {
 public:
  Canvas() = default;
  Canvas(int width, int height, Color fill = {0, 0, 0, 0});
  explicit Canvas(Size size, Color fill = {0, 0, 0, 0}) : Canvas(size.width, size.height, fill) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  Size GetSize() const { return {width_, height_}; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // Unchecked access; the caller keeps inside the canvas.
  Color& At(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }
  const Color& At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
  // Outside the canvas reads as transparent black.
  Color Get(int x, int y) const { return Contains(x, y) ? At(x, y) : Color{0, 0, 0, 0}; }

  // Paints over the canvas where the mask covers it (source-over), scaled by opacity.
  void Fill(const Mask& mask, const Paint& paint, float opacity = 1.0f);
  void Fill(const Mask& mask, Color color, float opacity = 1.0f);
  // Paints a whole-pixel rectangle, clipped to the canvas.
  void FillRect(Rect rect, const Paint& paint);
  void FillRect(Rect rect, Color color);
  // Replaces every pixel by the paint (no blending).
  void FillAll(const Paint& paint);

  // Source-over of another canvas with its top-left at (x, y).
  void Draw(const Canvas& src, int x, int y, float opacity = 1.0f);
  // Copies another canvas with its top-left at (x, y), replacing what was there.
  void Blit(const Canvas& src, int x, int y);
  // A copy of a rectangle; parts outside the canvas come out transparent.
  Canvas Crop(Rect rect) const;

  // Rewrites every pixel: f(x, y, current) returns the new colour.
  void Apply(const std::function<Color(int x, int y, Color c)>& f);
  // Sets alpha to 1 everywhere, laying the picture over an opaque backdrop colour.
  void Flatten(Color backdrop);

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<Color> pixels_;
};

}  // namespace dakto::gfx
