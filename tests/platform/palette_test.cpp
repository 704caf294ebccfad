#include "platform/palette.h"

#include <gtest/gtest.h>

namespace dakto {
namespace {

std::vector<Rgb> Ramp(int count) {
  std::vector<Rgb> table;
  for (int i = 0; i < count; ++i)
    table.push_back({static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i), 7});
  return table;
}

TEST(BuildPalette, OnATrueColourDisplayEveryEntryIsTheTablesOwnColour) {
  const std::vector<Rgb> table = Ramp(256);
  const Palette palette = BuildPalette(table);
  EXPECT_EQ(palette.version, 0x300);
  for (int i = 0; i < 256; ++i) {
    EXPECT_EQ(palette.entries[i].color, table[i]) << i;
    EXPECT_EQ(palette.entries[i].flags, kPaletteNoCollapse) << i;
  }
}

TEST(BuildPalette, AShortTableLeavesTheRestBlack) {
  const Palette palette = BuildPalette(Ramp(2));
  EXPECT_EQ(palette.entries[1].color, (Rgb{1, 254, 7}));
  EXPECT_EQ(palette.entries[2].color, Rgb{});
  EXPECT_EQ(palette.entries[255].color, Rgb{});
}

TEST(BuildPalette, APaletteDisplayKeepsItsReservedColoursAtBothEnds) {
  SystemPalette display;
  display.reservedColors = 20;
  for (int i = 0; i < 256; ++i) display.colors[i] = {200, static_cast<std::uint8_t>(i), 200};
  std::vector<Rgb> table = Ramp(256);
  table[5] = display.colors[250];  // lands at entry 15 and matches a reserved system colour
  const Palette palette = BuildPalette(table, display);
  for (int i : {0, 9, 246, 255}) {
    EXPECT_EQ(palette.entries[i].color, display.colors[i]) << i;
    EXPECT_EQ(palette.entries[i].flags, 0) << i;
  }
  EXPECT_EQ(palette.entries[10].color, table[0]);
  EXPECT_EQ(palette.entries[10].flags, kPaletteNoCollapse);
  EXPECT_EQ(palette.entries[245].color, table[235]);
  EXPECT_EQ(palette.entries[15].flags, kPaletteReserved);
}

}  // namespace
}  // namespace dakto
