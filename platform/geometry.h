#pragma once

// Plain geometry shared by the program, its tables and the picture generators.
// Header-only and free of any library, so tools/ can include the games' tables.

namespace dakto {

struct Point {
  int x = 0;
  int y = 0;
  friend constexpr bool operator==(Point, Point) = default;
};

struct Size {
  int width = 0;
  int height = 0;
  friend constexpr bool operator==(Size, Size) = default;
};

// A drawing area: top-left corner and size. Covers x in [left, left + width).
struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  constexpr int Right() const { return left + width; }   // first column outside
  constexpr int Bottom() const { return top + height; }  // first row outside
  constexpr bool Contains(Point p) const {
    return p.x >= left && p.x < Right() && p.y >= top && p.y < Bottom();
  }
  constexpr bool IsEmpty() const { return width <= 0 || height <= 0; }
  friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// A click area as the game's tables write it: both bounds belong to it.
struct HitBox {
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;

  constexpr bool Contains(Point p) const { return p.x >= x1 && p.x <= x2 && p.y >= y1 && p.y <= y2; }
  constexpr HitBox Offset(Point origin) const {
    return {x1 + origin.x, y1 + origin.y, x2 + origin.x, y2 + origin.y};
  }
  friend constexpr bool operator==(const HitBox&, const HitBox&) = default;
};

}  // namespace dakto
