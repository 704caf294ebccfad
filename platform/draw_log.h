#pragma once

#include <string>
#include <vector>

#include "platform/color.h"
#include "platform/font.h"
#include "platform/geometry.h"

namespace dakto {

enum class RasterOp { Copy, And, Or };

// One thing drawn on the window, as the test host reads it back. Places are in the coordinates
// the program used, relative to the painter's origin; `origin` says where that origin lay.
struct DrawRecord {
  enum class Kind { Picture, Fill, FillEllipse, OutlineEllipse, Text, Wait };
  Kind kind = Kind::Picture;
  std::string picture;  // resource or surface name of a copied picture
  Rect source;          // part of the picture copied
  Rect target;          // where it went (a text's cell top-left and width by height)
  RasterOp op = RasterOp::Copy;
  Rgb color;
  std::string text;
  FontDescription font;
  Point origin;
  int waitMs = 0;  // a timed wait between frames
};

class DrawLog {
 public:
  void Add(DrawRecord record) { records_.push_back(std::move(record)); }
  const std::vector<DrawRecord>& Records() const { return records_; }
  void Clear() { records_.clear(); }

 private:
  std::vector<DrawRecord> records_;
};

}  // namespace dakto
