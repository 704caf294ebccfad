#include "platform/region.h"

#include <gtest/gtest.h>

#include "games/tenthou/tenthou_geometry.h"

namespace dakto {
namespace {

using tenthou::kPaneOutlines;

const PolygonRegion& Pane(int region) {
  static const std::vector<PolygonRegion> regions = [] {
    std::vector<PolygonRegion> built;
    for (const auto& outline : kPaneOutlines) built.emplace_back(outline.points);
    return built;
  }();
  return regions.at(region - 10);
}

TEST(PaneRegions, PointsOnAndNextToTheEdges) {
  struct Case {
    int region;
    Point point;
    bool inside;
    const char* why;
  };
  const Case cases[] = {
      {18, {155, 160}, true, "left edge of the 1 pane belongs to it"},
      {18, {154, 160}, false, "just left of it"},
      {18, {210, 145}, true, "last column before the right edge"},
      {18, {211, 145}, false, "the right edge does not"},
      {18, {180, 174}, true, "last row above the bottom edge"},
      {18, {180, 175}, false, "the bottom edge does not"},
      {18, {156, 143}, true, "just under the slanted top"},
      {18, {156, 142}, false, "just above it"},
      {21, {450, 150}, true, "middle of Pass"},
      {21, {409, 150}, true, "left edge of Pass"},
      {21, {408, 150}, false, "left of Pass"},
      {21, {489, 150}, true, "inside its slanted right edge"},
      {21, {490, 150}, false, "on it"},
      {10, {151, 38}, true, "the Straight pane's top-left corner"},
      {10, {244, 40}, true, "inside the Straight pane's right edge"},
      {10, {245, 40}, false, "on it"},
      {10, {200, 83}, false, "its bottom edge"},
      {10, {200, 82}, true, "above its bottom edge"},
      {13, {460, 60}, true, "middle of 666"},
      {13, {493, 39}, true, "666 near its top-right corner"},
      {13, {494, 39}, false, "past it"},
      {20, {350, 150}, true, "middle of Roll"},
      {20, {350, 175}, false, "Roll's bottom edge"},
      {19, {250, 150}, true, "middle of 5"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Pane(c.region).Contains(c.point), c.inside)
        << "region " << c.region << " at (" << c.point.x << ", " << c.point.y << "): " << c.why;
  }
}

TEST(PaneRegions, EachPaneHoldsItsOwnLabel) {
  // The middle of each pane's label picture, from the board's pane table.
  const std::pair<int, Point> labelMiddles[] = {
      {10, {154 + 40, 44 + 13}}, {11, {258 + 36, 47 + 9}},   {12, {374 + 12, 46 + 8}},
      {13, {444 + 18, 52 + 8}},  {14, {177 + 15, 100 + 8}},  {15, {256 + 20, 95 + 8}},
      {16, {351 + 14, 91 + 8}},  {17, {431 + 16, 93 + 8}},   {18, {179 + 3, 149 + 7}},
      {19, {245 + 5, 147 + 8}},  {20, {327 + 21, 140 + 11}}, {21, {424 + 25, 144 + 9}},
  };
  for (const auto& [region, middle] : labelMiddles) {
    EXPECT_TRUE(Pane(region).Contains(middle)) << "region " << region;
    for (const auto& outline : kPaneOutlines) {
      if (outline.region != region) {
        EXPECT_FALSE(Pane(outline.region).Contains(middle)) << region << " inside " << outline.region;
      }
    }
  }
}

TEST(PaneRegions, MoveWithThePlayArea) {
  const PolygonRegion shifted(kPaneOutlines[8].points, {-16, -14});
  EXPECT_TRUE(shifted.Contains({155 - 16, 160 - 14}));
  EXPECT_FALSE(shifted.Contains({155, 160 + 10}));
}

TEST(PolygonRegion, UsesTheWindingRuleNotEvenOdd) {
  // A five-pointed star drawn in one stroke: its middle is wound twice.
  const Point star[] = {{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}};
  const PolygonRegion region(star);
  EXPECT_TRUE(region.Contains({50, 50}));
  EXPECT_TRUE(region.Contains({50, 10}));
  EXPECT_FALSE(region.Contains({5, 80}));
  EXPECT_FALSE(PolygonRegion().Contains({0, 0}));
  const Point line[] = {{0, 0}, {10, 10}};
  EXPECT_FALSE(PolygonRegion(line).Contains({5, 5}));
}

}  // namespace
}  // namespace dakto
