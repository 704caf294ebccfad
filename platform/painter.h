#pragma once

#include <string_view>

#include "platform/bitmap.h"
#include "platform/draw_log.h"
#include "platform/font.h"

namespace dakto {

// Draws on one picture, with positions relative to an origin (the play area's corner when it
// draws on the window). Everything is clipped to the target. A painter on the window writes what
// it draws into the window's draw log, when there is one.
class Painter {
 public:
  explicit Painter(Bitmap& target, Point origin = {}, DrawLog* log = nullptr)
      : target_(target), origin_(origin), log_(log) {}

  Bitmap& Target() { return target_; }
  Point Origin() const { return origin_; }

  // Copies the whole picture, or the part `source` of it, with its top-left corner at `at`.
  void Copy(Point at, const Bitmap& picture, RasterOp op = RasterOp::Copy);
  void Copy(Point at, const Bitmap& picture, Rect source, RasterOp op = RasterOp::Copy);
  // A picture that could not be loaded draws nothing: the area shows what was there.
  void Copy(Point at, const Bitmap* picture, RasterOp op = RasterOp::Copy) {
    if (picture != nullptr) Copy(at, *picture, op);
  }
  void Copy(Point at, const Bitmap* picture, Rect source, RasterOp op = RasterOp::Copy) {
    if (picture != nullptr) Copy(at, *picture, source, op);
  }
  void FillRect(Rect area, Rgb color);
  // An ellipse inside `bounds`, whose right column and bottom row stay outside it.
  void FillEllipse(Rect bounds, Rgb color);
  void OutlineEllipse(Rect bounds, Rgb color);
  // Text with its cell's top-left corner at `at`, in `color`, over a transparent background.
  void Text(Point at, std::string_view text, const Font& font, Rgb color);

 private:
  void Record(DrawRecord record);
  template <typename Visit>
  void ForEllipsePixel(Rect bounds, Visit visit);

  Bitmap& target_;
  Point origin_;
  DrawLog* log_;
};

}  // namespace dakto
