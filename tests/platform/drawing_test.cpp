#include <gtest/gtest.h>

#include "platform/bitmap.h"
#include "platform/painter.h"
#include "tests/platform/bmp_fixture.h"

namespace dakto {
namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kPip{60, 61, 72};

Bitmap Solid(int width, int height, Rgb color, std::string name = "solid") {
  Bitmap bitmap(width, height, std::move(name));
  bitmap.Fill(color);
  return bitmap;
}

TEST(RasterOps, CopyAndOrCombineSourceWithWhatIsThere) {
  struct Case {
    RasterOp op;
    std::uint32_t expected;
  };
  const std::uint32_t under = 0x00F0A05A;
  const std::uint32_t over = 0x003C0FFF & 0x00FFFFFF;
  for (const Case& c :
       {Case{RasterOp::Copy, over}, Case{RasterOp::And, under & over}, Case{RasterOp::Or, under | over}}) {
    Bitmap target = Solid(4, 4, UnpackRgb(under));
    const Bitmap source = Solid(2, 2, UnpackRgb(over));
    Painter(target).Copy({1, 1}, source, c.op);
    EXPECT_EQ(target.Pixel(1, 1), c.expected);
    EXPECT_EQ(target.Pixel(2, 2), c.expected);
    EXPECT_EQ(target.Pixel(0, 0), under) << "outside the copy";
    EXPECT_EQ(target.Pixel(3, 3), under) << "outside the copy";
  }
}

TEST(RasterOps, MaskThenPictureLaysAShapeOverTheBackground) {
  // The way a die goes on the table: AND a mask (black where the die is), then OR the die
  // (black around it).
  Bitmap table = Solid(3, 1, {10, 100, 10});
  Bitmap mask(3, 1, "mask");
  mask.Fill({255, 255, 255});
  mask.Row(0)[1] = 0;
  Bitmap die(3, 1, "die");
  die.Row(0)[1] = PackRgb({250, 250, 240});
  Painter painter(table);
  painter.Copy({0, 0}, mask, RasterOp::And);
  painter.Copy({0, 0}, die, RasterOp::Or);
  EXPECT_EQ(table.ColorAt(0, 0), (Rgb{10, 100, 10}));
  EXPECT_EQ(table.ColorAt(1, 0), (Rgb{250, 250, 240}));
  EXPECT_EQ(table.ColorAt(2, 0), (Rgb{10, 100, 10}));
}

TEST(RasterOps, PartOfAPictureAndClippingAtEveryEdge) {
  Bitmap lid(3, 4, "lid");
  for (int y = 0; y < 4; ++y) std::fill_n(lid.Row(y), 3, PackRgb({static_cast<std::uint8_t>(y * 10), 0, 0}));
  Bitmap target(5, 5);
  Painter painter(target);
  // The top two rows of the lid only.
  painter.Copy({1, 1}, lid, Rect{0, 0, 3, 2});
  EXPECT_EQ(target.ColorAt(1, 1).red, 0);
  EXPECT_EQ(target.ColorAt(1, 2).red, 10);
  EXPECT_EQ(target.ColorAt(1, 3), Rgb{}) << "third row not copied";
  // Rows 2 and 3, partly off the target's top-left corner.
  painter.Copy({-1, -1}, lid, Rect{0, 2, 3, 2});
  EXPECT_EQ(target.ColorAt(0, 0).red, 30);
  // Off every edge: nothing drawn, nothing out of bounds.
  painter.Copy({4, 4}, lid);
  painter.Copy({-10, 2}, lid);
  painter.Copy({2, 40}, lid);
  EXPECT_EQ(target.ColorAt(4, 4).red, 0);
  // A source rectangle reaching outside the picture copies only what exists.
  painter.Copy({0, 3}, lid, Rect{2, 3, 5, 5});
  EXPECT_EQ(target.ColorAt(0, 3).red, 30);
  EXPECT_EQ(target.ColorAt(1, 3), Rgb{});
}

TEST(Ellipses, StayInsideBoundsWithoutTheRightColumnAndBottomRow) {
  Bitmap target(20, 20);
  Painter painter(target);
  painter.FillEllipse({5, 5, 6, 6}, kPip);  // a pip: (5, 5) to (11, 11)
  int minX = 99, minY = 99, maxX = -1, maxY = -1;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) {
      if (target.ColorAt(x, y) != kPip) continue;
      minX = std::min(minX, x);
      maxX = std::max(maxX, x);
      minY = std::min(minY, y);
      maxY = std::max(maxY, y);
    }
  }
  EXPECT_EQ(minX, 5);
  EXPECT_EQ(minY, 5);
  EXPECT_EQ(maxX, 10) << "the right edge x 11 is excluded";
  EXPECT_EQ(maxY, 10) << "the bottom edge y 11 is excluded";
  EXPECT_EQ(target.ColorAt(5, 5), Rgb{}) << "a corner of the box is not the circle";
  EXPECT_EQ(target.ColorAt(7, 7), kPip);
  // Symmetric: the pip looks the same from every side.
  for (int y = 5; y <= 10; ++y) {
    for (int x = 5; x <= 10; ++x) EXPECT_EQ(target.Pixel(x, y), target.Pixel(15 - x, 15 - y));
  }
}

TEST(Ellipses, OutlineLeavesTheMiddleAlone) {
  Bitmap target(30, 20);
  Painter painter(target);
  painter.OutlineEllipse({0, 0, 30, 20}, kRed);
  EXPECT_EQ(target.ColorAt(15, 10), Rgb{});
  EXPECT_EQ(target.ColorAt(15, 0), kRed);
  EXPECT_EQ(target.ColorAt(0, 10), kRed);
  EXPECT_EQ(target.ColorAt(15, 19), kRed);
  EXPECT_EQ(target.ColorAt(29, 10), kRed);
  painter.FillEllipse({0, 0, 0, 5}, kRed);  // empty bounds draw nothing
}

TEST(Drawing, FillsClipAndTheLogRecordsWhatWasDrawn) {
  Bitmap target(10, 10, "window");
  DrawLog log;
  Painter painter(target, {2, 3}, &log);
  painter.FillRect({-5, -5, 8, 8}, kRed);  // from the origin's view; (2,3) - (5,6) lands on screen
  EXPECT_EQ(target.ColorAt(0, 0), kRed);
  EXPECT_EQ(target.ColorAt(4, 5), kRed);
  EXPECT_EQ(target.ColorAt(5, 6), Rgb{});
  const Bitmap picture = Solid(2, 2, kPip, "BITMAP_3");
  painter.Copy({1, 1}, picture, RasterOp::Or);
  painter.Copy({1, 1}, static_cast<const Bitmap*>(nullptr));  // a missing picture draws nothing
  ASSERT_EQ(log.Records().size(), 2u);
  const DrawRecord& copy = log.Records()[1];
  EXPECT_EQ(copy.kind, DrawRecord::Kind::Picture);
  EXPECT_EQ(copy.picture, "BITMAP_3");
  EXPECT_EQ(copy.target, (Rect{1, 1, 2, 2}));
  EXPECT_EQ(copy.op, RasterOp::Or);
  EXPECT_EQ(copy.origin, (Point{2, 3}));
}

TEST(Bitmaps, DecodeEveryStoredForm) {
  const std::vector<Rgb> table = {{0, 0, 0}, {255, 255, 255}, {8, 66, 115}};
  // 8 bits with a colour table.
  auto eight = Bitmap::Decode(testing::MakeBmp(3, 2, 8, table, {0, 1, 2, 2, 1, 0}), "BITMAP_217");
  ASSERT_NE(eight, nullptr);
  EXPECT_EQ(eight->GetSize(), (Size{3, 2}));
  EXPECT_EQ(eight->SourceBitsPerPixel(), 8);
  ASSERT_GE(eight->ColorTable().size(), 3u);
  EXPECT_EQ(eight->ColorTable()[2], (Rgb{8, 66, 115}));
  EXPECT_EQ(eight->ColorAt(2, 0), (Rgb{8, 66, 115})) << "top row first";
  EXPECT_EQ(eight->ColorAt(0, 1), (Rgb{8, 66, 115}));
  // 1 bit: a mask.
  auto mask = Bitmap::Decode(testing::MakeBmp(9, 2, 1, {{0, 0, 0}, {255, 255, 255}},
                                              {1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 1, 1, 1, 1, 1, 1, 0}),
                             "BITMAP_152");
  ASSERT_NE(mask, nullptr);
  EXPECT_EQ(mask->SourceBitsPerPixel(), 1);
  EXPECT_EQ(mask->ColorAt(0, 0), (Rgb{255, 255, 255}));
  EXPECT_EQ(mask->ColorAt(1, 0), Rgb{});
  EXPECT_EQ(mask->ColorAt(8, 0), (Rgb{255, 255, 255})) << "a pixel in the second byte of a row";
  EXPECT_EQ(mask->ColorAt(0, 1), Rgb{});
  // 24 bits.
  auto deep = Bitmap::Decode(testing::MakeBmp(2, 1, 24, {}, {}, {{1, 2, 3}, {200, 100, 50}}), "BITMAP_216");
  ASSERT_NE(deep, nullptr);
  EXPECT_EQ(deep->SourceBitsPerPixel(), 24);
  EXPECT_EQ(deep->ColorAt(1, 0), (Rgb{200, 100, 50}));
}

TEST(Bitmaps, BrokenOrMissingPicturesLoadAsNothing) {
  std::vector<std::uint8_t> truncated = testing::MakeBmp(4, 4, 24, {}, {}, std::vector<Rgb>(16));
  truncated.resize(30);
  for (const std::vector<std::uint8_t>& bytes :
       {std::vector<std::uint8_t>{}, std::vector<std::uint8_t>{'B', 'M', 1, 2, 3}, truncated,
        std::vector<std::uint8_t>(100, 0xFF)}) {
    EXPECT_EQ(Bitmap::Decode(bytes, "broken"), nullptr);
  }
  EXPECT_EQ(Bitmap::Load("BITMAP_99999"), nullptr);
}

TEST(Bitmaps, ResizeKeepsTheCommonPartAndBlackensTheRest) {
  Bitmap bitmap = Solid(4, 3, kRed);
  bitmap.Resize(6, 2);
  EXPECT_EQ(bitmap.GetSize(), (Size{6, 2}));
  EXPECT_EQ(bitmap.ColorAt(3, 1), kRed);
  EXPECT_EQ(bitmap.ColorAt(4, 0), Rgb{});
  bitmap.Resize(0, 0);
  EXPECT_TRUE(bitmap.Pixels().empty());
}

}  // namespace
}  // namespace dakto
