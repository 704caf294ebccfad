#include <gtest/gtest.h>

#include "platform/bitmap.h"
#include "platform/font.h"
#include "platform/painter.h"

namespace dakto {
namespace {

const FontDescription kTipFont{"Times New Roman", 25, 0, 700, true};

// The columns and rows that the text coloured.
Rect InkBounds(const Bitmap& bitmap) {
  int minX = bitmap.Width(), minY = bitmap.Height(), maxX = -1, maxY = -1;
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      if (bitmap.Pixel(x, y) == 0) continue;
      minX = std::min(minX, x);
      maxX = std::max(maxX, x);
      minY = std::min(minY, y);
      maxY = std::max(maxY, y);
    }
  }
  return {minX, minY, maxX - minX + 1, maxY - minY + 1};
}

TEST(Text, CentringByWidthPutsTheInkInTheMiddleOfTheBand) {
  const Font font(kTipFont);
  ASSERT_TRUE(font.IsLoaded());
  for (const char* line :
       {"In surveys of magical persons, wizards", "Read about it in Help.", "75% of the time."}) {
    Bitmap band(632, 60);
    const int width = font.TextWidth(line);
    ASSERT_GT(width, 0);
    const int x = 231 + (393 - width) / 2;
    Painter(band).Text({x, 10}, line, font, {8, 66, 115});
    const Rect ink = InkBounds(band);
    const double inkMiddle = ink.left + ink.width / 2.0;
    EXPECT_NEAR(inkMiddle, 231 + 393 / 2.0, 4.0) << line;
    EXPECT_GE(ink.left, x - 2) << line;
    EXPECT_LE(ink.Right(), x + width + 3) << line;
    EXPECT_GE(ink.top, 10) << "nothing above the cell";
    EXPECT_LE(ink.Bottom(), 10 + font.CellHeight()) << "nothing below the cell";
  }
}

TEST(Text, TheDescribedCellHeightAndAverageWidthAreHonoured) {
  struct Case {
    FontDescription description;
    int cellHeight;
    double averageWidth;  // 0: not asked for
  };
  const Case cases[] = {
      {kTipFont, 25, 0},
      {{"Times New Roman", 15, 6, 800, false}, 15, 6},
      {{"Times New Roman", 13, 0, 800, false}, 13, 0},
      {{"MS Sans Serif", 13, 0, 400, false}, 13, 0},
  };
  for (const Case& c : cases) {
    const Font font(c.description);
    ASSERT_TRUE(font.IsLoaded()) << c.description.face;
    EXPECT_EQ(font.CellHeight(), c.cellHeight);
    if (c.averageWidth > 0) {
      // The face's average width counts capitals and wide signs too; lower-case runs narrower.
      const double measured = font.TextWidth("abcdefghijklmnopqrstuvwxyz") / 26.0;
      EXPECT_GT(measured, c.averageWidth * 0.7);
      EXPECT_LT(measured, c.averageWidth * 1.05);
      // Twice the described width makes the same text twice as wide.
      FontDescription doubled = c.description;
      doubled.width *= 2;
      const double ratio = Font(doubled).TextWidth("abcdefghijklmnopqrstuvwxyz") /
                           static_cast<double>(font.TextWidth("abcdefghijklmnopqrstuvwxyz"));
      EXPECT_NEAR(ratio, 2.0, 0.15);  // advances are whole pixels
    }
  }
  // Heavier and wider descriptions give wider text.
  const Font narrow({"Times New Roman", 15, 5, 800, false});
  const Font wide({"Times New Roman", 15, 9, 800, false});
  EXPECT_LT(narrow.TextWidth("PLAYERA"), wide.TextWidth("PLAYERA"));
  EXPECT_EQ(narrow.TextWidth(""), 0);
}

TEST(Text, TextIsDrawnOverTheBackgroundNotOnABox) {
  Bitmap target(200, 40);
  target.Fill({200, 0, 0});
  const Font font({"MS Sans Serif", 13, 0, 400, false});
  Painter(target).Text({0, 0}, "i", font, {0, 0, 255});
  int untouched = 0;
  for (int x = 0; x < 200; ++x) untouched += target.ColorAt(x, 6) == Rgb{200, 0, 0};
  EXPECT_GT(untouched, 190) << "the background around the letter shows through";
}

}  // namespace
}  // namespace dakto
