// The Poker Dice pictures in resources/ against the tables the game draws and clicks with:
// every picture at its size and depth, masks that fit their dice, and pieces whose edges
// repeat the table at the places they are copied to.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "games/pokerdice/pokerdice_geometry.h"
#include "tools/gfx/bmp.h"

namespace dakto::pokerdice {
namespace {

using gfx::Rgb8;

std::string PicturePath(int number) {
  return std::string(DAKTO_SOURCE_DIR) + "/resources/BITMAP_" + std::to_string(number) + ".bmp";
}

// A picture read back as bytes, the way the screen holds it.
struct Pixels {
  Size size;
  std::vector<Rgb8> rgb;
  Rgb8 At(int x, int y) const { return rgb[static_cast<size_t>(y) * size.width + x]; }
};

const Pixels& Load(int number) {
  static std::map<int, Pixels> cache;
  auto found = cache.find(number);
  if (found != cache.end()) return found->second;
  const gfx::Canvas canvas = gfx::ReadBmp(PicturePath(number));
  Pixels pixels{canvas.GetSize(), {}};
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) pixels.rgb.push_back(gfx::ToRgb8(canvas.At(x, y)));
  }
  return cache.emplace(number, std::move(pixels)).first->second;
}

bool IsBlack(Rgb8 c) {
  return c.r == 0 && c.g == 0 && c.b == 0;
}
bool IsWhite(Rgb8 c) {
  return c.r == 255 && c.g == 255 && c.b == 255;
}
int Distance(Rgb8 a, Rgb8 b) {
  return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

struct Expected {
  int number;
  Size size;
  int bitCount;
};

std::vector<Expected> ExpectedPictures() {
  std::vector<Expected> all = {{kPalettePicture, kPalettePictureSize, 8},
                               {kTablePicture, kTablePictureSize, 24},
                               {kTilePicture, kTilePictureSize, 24},
                               {kBigDieMask, kBigDieSize, 1},
                               {kSmallDieMask, kSmallDiePictureSize, 1},
                               {kBeadPicture, kBeadSize, 24},
                               {kOptionsPlatePicture, {kOptionsPlate.width, kOptionsPlate.height}, 24}};
  for (int face = 1; face <= kFaceCount; ++face) {
    for (int frame = 1; frame <= kFrameCount; ++frame)
      all.push_back({kBigDiePictures[face][frame], kBigDieSize, 24});
    all.push_back({kSmallDiePictures[face], kSmallDiePictureSize, 24});
  }
  for (const int number : kBetDigitPictures) all.push_back({number, kBetDigitSize, 24});
  for (const int number : kFlamePictures)
    all.push_back({number, {kRollFlamePlace.width, kRollFlamePlace.height}, 24});
  for (const int player : {1, 2}) {
    const Rect place = kTurnMarkerPlaces[player];
    all.push_back({kTurnMarkerPictures[player], {place.width, place.height}, 24});
  }
  for (const SideControl& control : kSideControls) {
    all.push_back({control.offPicture, {control.place.width, control.place.height}, 24});
    all.push_back({control.onPicture, {control.place.width, control.place.height}, 24});
  }
  return all;
}

TEST(PokerDicePictureFiles, EveryPictureHasItsSizeAndDepth) {
  const std::vector<Expected> all = ExpectedPictures();
  // The tables name each of BITMAP_145 to BITMAP_215 once, except the unused 207 and 208.
  std::set<int> numbers;
  for (const Expected& e : all)
    EXPECT_TRUE(numbers.insert(e.number).second) << "BITMAP_" << e.number << " twice";
  for (int number = 145; number <= 215; ++number) {
    EXPECT_EQ(numbers.count(number) == 1, IsPokerDicePicture(number)) << "BITMAP_" << number;
  }
  for (const Expected& e : all) {
    SCOPED_TRACE("BITMAP_" + std::to_string(e.number));
    const gfx::BmpInfo info = gfx::ReadBmpInfo(PicturePath(e.number));
    ASSERT_TRUE(info.valid);
    EXPECT_EQ(info.width, e.size.width);
    EXPECT_EQ(info.height, e.size.height);  // positive: stored bottom-up
    EXPECT_EQ(info.bitCount, e.bitCount);
    EXPECT_EQ(info.compression, 0u);
  }
}

TEST(PokerDicePictureFiles, PaletteSourceHoldsTheTextColoursExactly) {
  const gfx::BmpInfo info = gfx::ReadBmpInfo(PicturePath(kPalettePicture));
  ASSERT_TRUE(info.valid);
  ASSERT_EQ(info.colorTable.size(), 256u);
  const std::set<Rgb8> colours(info.colorTable.begin(), info.colorTable.end());
  EXPECT_GT(colours.size(), 200u) << "the palette should be fitted to the art, not padded";
  for (const TextColour c : {kPanelTextColour, kNameTextColour}) {
    const Rgb8 wanted{static_cast<std::uint8_t>(c.red), static_cast<std::uint8_t>(c.green),
                      static_cast<std::uint8_t>(c.blue)};
    EXPECT_EQ(colours.count(wanted), 1u) << int(wanted.r) << "," << int(wanted.g) << "," << int(wanted.b);
  }
}

// ---- Masks and dice ------------------------------------------------------------------------

struct MaskedPiece {
  const char* what;
  int mask;
  std::vector<int> pieces;
  Size drawn;  // the part the game copies
};

std::vector<MaskedPiece> MaskedPieces() {
  MaskedPiece big{"big dice", kBigDieMask, {}, kBigDieSize};
  MaskedPiece small{"small dice", kSmallDieMask, {}, kSmallDieDrawSize};
  for (int face = 1; face <= kFaceCount; ++face) {
    for (int frame = 1; frame <= kFrameCount; ++frame) big.pieces.push_back(kBigDiePictures[face][frame]);
    small.pieces.push_back(kSmallDiePictures[face]);
  }
  return {big, small};
}

TEST(PokerDiceMasks, AreBlackAndWhiteOnlyWithRoundedCornersAndASolidMiddle) {
  for (const MaskedPiece& set : MaskedPieces()) {
    SCOPED_TRACE(set.what);
    const gfx::BmpInfo info = gfx::ReadBmpInfo(PicturePath(set.mask));
    ASSERT_EQ(info.colorTable.size(), 2u);
    EXPECT_TRUE(IsBlack(info.colorTable[0]));
    EXPECT_TRUE(IsWhite(info.colorTable[1]));
    const Pixels& mask = Load(set.mask);
    for (const Rgb8 c : mask.rgb) ASSERT_TRUE(IsBlack(c) || IsWhite(c));
    const int w = set.drawn.width, h = set.drawn.height;
    for (const Point corner : {Point{0, 0}, Point{w - 1, 0}, Point{0, h - 1}, Point{w - 1, h - 1}}) {
      EXPECT_TRUE(IsWhite(mask.At(corner.x, corner.y))) << "corner " << corner.x << "," << corner.y;
    }
    // Every row and column through the middle is black from a margin of a few pixels inwards.
    for (int x = 3; x < w - 3; ++x) EXPECT_TRUE(IsBlack(mask.At(x, h / 2))) << "x " << x;
    for (int y = 3; y < h - 3; ++y) EXPECT_TRUE(IsBlack(mask.At(w / 2, y))) << "y " << y;
  }
}

// AND with the mask, then OR with the die: this is clean only when the die is black wherever
// the mask keeps the table, and never black where the mask has cleared it (a hole would show).
TEST(PokerDiceMasks, LineUpWithEveryDiePicture) {
  for (const MaskedPiece& set : MaskedPieces()) {
    const Pixels& mask = Load(set.mask);
    for (const int number : set.pieces) {
      SCOPED_TRACE("BITMAP_" + std::to_string(number));
      const Pixels& die = Load(number);
      ASSERT_EQ(die.size, mask.size);
      int outsideNotBlack = 0, insideBlack = 0;
      for (int y = 0; y < die.size.height; ++y) {
        for (int x = 0; x < die.size.width; ++x) {
          if (IsWhite(mask.At(x, y)) && !IsBlack(die.At(x, y))) ++outsideNotBlack;
          if (IsBlack(mask.At(x, y)) && IsBlack(die.At(x, y))) ++insideBlack;
        }
      }
      EXPECT_EQ(outsideNotBlack, 0);
      EXPECT_EQ(insideBlack, 0);
    }
  }
}

TEST(PokerDiceDice, FramesFadeInTowardsTheDieAtRest) {
  // The first frames are paler: their letters stand out less from the die's body.
  const Point middle{kBigDieSize.width / 2, kBigDieSize.height / 2};
  for (int face = 1; face <= kFaceCount; ++face) {
    SCOPED_TRACE(kFaceLabels[face]);
    int previous = -1;
    for (int frame = 1; frame <= kFrameCount; ++frame) {
      const Pixels& die = Load(kBigDiePictures[face][frame]);
      int contrast = 0;
      for (int y = 8; y < kBigDieSize.height - 4; ++y) {
        for (int x = 6; x < kBigDieSize.width - 6; ++x)
          contrast = std::max(contrast, Distance(die.At(x, y), die.At(middle.x, 12)));
      }
      EXPECT_GT(contrast, previous) << "frame " << frame;
      previous = contrast;
    }
    EXPECT_GT(previous, 120) << "the die at rest shows its letter clearly";
  }
}

// ---- Pieces that repeat the table behind them ------------------------------------------------

struct Placed {
  std::string what;
  int number;
  Rect place;
  bool sunk = false;  // a held button, drawn pressed into the board
};

// Where the pieces that are copied opaquely over the table go.
std::vector<Placed> PlacedPieces() {
  std::vector<Placed> all;
  for (const SideControl& c : kSideControls) {
    all.push_back({std::string(c.name) + " off", c.offPicture, c.place});
    const bool isSwitch = c.k == kMusicControl || c.k == kSoundEffectsControl || c.k == kAcesWildControl;
    all.push_back({std::string(c.name) + " on", c.onPicture, c.place, !isSwitch});
  }
  for (int i = 0; i < 4; ++i)
    all.push_back({"flame " + std::to_string(i), kFlamePictures[i], kRollFlamePlace});
  for (const int player : {1, 2}) {
    all.push_back(
        {"turn marker " + std::to_string(player), kTurnMarkerPictures[player], kTurnMarkerPlaces[player]});
  }
  all.push_back({"options plate", kOptionsPlatePicture, kOptionsPlate});
  for (int rod = 1; rod <= kRodCount; ++rod) {
    for (int digit = 0; digit <= 9; ++digit) {
      const Point p = kBetDigitPlaces[rod];
      all.push_back({"digit " + std::to_string(digit) + " on rod " + std::to_string(rod),
                     kBetDigitPictures[digit],
                     {p.x, p.y, kBetDigitSize.width, kBetDigitSize.height}});
    }
    for (int place = 1; place <= kBeadPlaceCount; ++place) {
      const Point p = kBeadPlaces[rod][place];
      all.push_back({"bead at rod " + std::to_string(rod) + " place " + std::to_string(place),
                     kBeadPicture,
                     {p.x, p.y, kBeadSize.width, kBeadSize.height}});
    }
  }
  return all;
}

// Their edges continue the table, so no box shows around them. A bead fills its place but
// for the corners, which must be the bare backing between the rods.
TEST(PokerDiceTable, PiecesRepeatTheTableAtTheirEdges) {
  const Pixels& table = Load(kTablePicture);
  for (const Placed& piece : PlacedPieces()) {
    SCOPED_TRACE(piece.what);
    const Pixels& picture = Load(piece.number);
    ASSERT_EQ(picture.size, (Size{piece.place.width, piece.place.height}));
    if (piece.sunk) continue;
    int worst = 0;
    for (int y = 0; y < picture.size.height; ++y) {
      for (int x = 0; x < picture.size.width; ++x) {
        const bool edge = x == 0 || y == 0 || x == picture.size.width - 1 || y == picture.size.height - 1;
        const bool corner =
            (x <= 1 || x >= picture.size.width - 2) && (y <= 1 || y >= picture.size.height - 2);
        if (!edge || (piece.number == kBeadPicture && !corner)) continue;
        worst =
            std::max(worst, Distance(picture.At(x, y), table.At(piece.place.left + x, piece.place.top + y)));
      }
    }
    EXPECT_LE(worst, 40);
  }
}

// At the first paint the game draws the controls released, the plate and the unlit candle
// over the table, then saves the table's backgrounds: these must be the table itself.
TEST(PokerDiceTable, RestingPiecesAreExactlyTheTable) {
  const Pixels& table = Load(kTablePicture);
  std::vector<Placed> resting = {{"options plate", kOptionsPlatePicture, kOptionsPlate},
                                 {"unlit candle", kFlamePictures[0], kRollFlamePlace}};
  for (const SideControl& c : kSideControls) resting.push_back({c.name, c.offPicture, c.place});
  for (const Placed& piece : resting) {
    SCOPED_TRACE(piece.what);
    const Pixels& picture = Load(piece.number);
    int differing = 0;
    for (int y = 0; y < picture.size.height; ++y) {
      for (int x = 0; x < picture.size.width; ++x) {
        if (!(picture.At(x, y) == table.At(piece.place.left + x, piece.place.top + y))) ++differing;
      }
    }
    EXPECT_EQ(differing, 0);
  }
}

TEST(PokerDiceTable, BigDiceLandOnTheMarblePanel) {
  // The dice rims are blended with marble; a die place off the panel would show a halo.
  for (int die = 1; die <= kDiceCount; ++die) {
    const Point p = kBigDiePlaces[die];
    const Rect dieRect{p.x, p.y, kBigDieSize.width, kBigDieSize.height};
    EXPECT_TRUE(kMessagePanel.Contains({dieRect.left, dieRect.top}) &&
                kMessagePanel.Contains({dieRect.Right() - 1, dieRect.Bottom() - 1}))
        << "die " << die;
  }
}

// The names and coins are written in pale gold, the panel's lines in dark brown: the rows
// their letters occupy must be dark under the names and light under the panel text.
TEST(PokerDiceTable, TextLandsOnAGroundItCanBeReadOn) {
  const Pixels& table = Load(kTablePicture);
  auto brightness = [](Rgb8 c) { return std::max({c.r, c.g, c.b}); };
  struct Band {
    std::string what;
    Rect rows;  // where the letters of a 16-pixel line fall
    bool darkGround;
  };
  std::vector<Band> bands;
  for (const int player : {1, 2}) {
    const std::string who = " of player " + std::to_string(player);
    bands.push_back(
        {"name" + who, {kNameAreas[player].left, kNameTextTops[player], kNameAreas[player].width, 16}, true});
    bands.push_back({"coins" + who, {kCoinAreas[player].left + 10, kCoinTextTops[player], 122, 16}, true});
  }
  for (int line = 0; line < kPanelLineCount; ++line) {
    bands.push_back(
        {"panel line " + std::to_string(line),
         {kMessagePanel.left + 8, kPanelFirstLineTop + kPanelLineStep * line, kMessagePanel.width - 16, 16},
         false});
  }
  for (const Band& band : bands) {
    SCOPED_TRACE(band.what);
    int wrong = 0;
    for (int y = band.rows.top; y < band.rows.Bottom(); ++y) {
      for (int x = band.rows.left; x < band.rows.Right(); ++x) {
        const int b = brightness(table.At(x, y));
        if (band.darkGround ? b > 110 : b < 150) ++wrong;
      }
    }
    EXPECT_EQ(wrong, 0);
  }
}

// ---- Geometry tables ---------------------------------------------------------------------------

TEST(PokerDiceGeometry, ControlsAnswerWhereTheyAreDrawn) {
  std::set<int> pictures;
  for (const SideControl& c : kSideControls) {
    SCOPED_TRACE(c.name);
    // Click areas include both bounds, so they reach one pixel past the picture.
    EXPECT_EQ(c.hitBox, (HitBox{c.place.left, c.place.top, c.place.Right(), c.place.Bottom()}));
    EXPECT_TRUE(pictures.insert(c.offPicture).second);
    EXPECT_TRUE(pictures.insert(c.onPicture).second);
    EXPECT_EQ(FindSideControl(c.k), &c);
  }
  EXPECT_EQ(*pictures.begin(), 184);
  EXPECT_EQ(*pictures.rbegin(), 199);
  EXPECT_EQ(pictures.size(), 16u);
  EXPECT_EQ(FindSideControl(13), nullptr);  // the gremlin lives in Shut The Box
  EXPECT_EQ(kOptionsPlateHitBox,
            (HitBox{kOptionsPlate.left, kOptionsPlate.top, kOptionsPlate.Right(), kOptionsPlate.Bottom()}));
}

TEST(PokerDiceGeometry, OpaquePiecesNeverOverlap) {
  // Drawn in any order, no piece may paint over another's place.
  std::vector<std::pair<std::string, Rect>> places;
  for (const SideControl& c : kSideControls) places.push_back({c.name, c.place});
  places.push_back({"options plate", kOptionsPlate});
  places.push_back({"flame", kRollFlamePlace});
  places.push_back({"marker 1", kTurnMarkerPlaces[1]});
  places.push_back({"marker 2", kTurnMarkerPlaces[2]});
  places.push_back({"panel", kMessagePanel});
  for (int player : {1, 2}) {
    places.push_back({"name " + std::to_string(player), kNameAreas[player]});
  }
  for (int rod = 1; rod <= kRodCount; ++rod) {
    const Point p = kBetDigitPlaces[rod];
    places.push_back({"digit " + std::to_string(rod), {p.x, p.y, kBetDigitSize.width, kBetDigitSize.height}});
  }
  auto overlap = [](Rect a, Rect b) {
    return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
  };
  for (size_t i = 0; i < places.size(); ++i) {
    for (size_t j = i + 1; j < places.size(); ++j) {
      EXPECT_FALSE(overlap(places[i].second, places[j].second))
          << places[i].first << " / " << places[j].first;
    }
  }
  // The bead places of one rod follow each other down the rod without overlapping.
  for (int rod = 1; rod <= kRodCount; ++rod) {
    for (int place = 1; place < kBeadPlaceCount; ++place) {
      EXPECT_GE(kBeadPlaces[rod][place + 1].y, kBeadPlaces[rod][place].y + kBeadSize.height)
          << rod << "/" << place;
    }
  }
}

TEST(PokerDiceGeometry, ClicksLandOnTheRightItems) {
  struct Case {
    Point point;
    HitBox box;
    bool inside;
  };
  const Case cases[] = {
      {{500, 370}, kQuitOption, true},  // the QUIT choice overlaps die 4
      {{500, 370}, BigDieHitBox(4), true},
      {{336, 224}, kRollCandle, true},  // corners count as inside
      {{361, 354}, kRollCandle, true},
      {{362, 300}, kRollCandle, false},
      {{311, 412}, kPassCandle, true},
      {{518, 245}, BigDieHitBox(1), true},  // the die's box reaches one past its picture
      {{519, 245}, BigDieHitBox(1), false},
      {{141, 235}, BetDigitHitBox(1), true},
      {{139, 255}, BeadHitBox(1, 1), true},
      {{250, 241}, FindSideControl(kAcesWildControl)->hitBox, true},
      {{251, 241}, FindSideControl(kAcesWildControl)->hitBox, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.box.Contains(c.point), c.inside) << c.point.x << "," << c.point.y;
  }
  // The option choices answer over the panel lines that spell them: lines 5, 7 and 9.
  const std::pair<int, HitBox> options[] = {{5, kPlayOption}, {7, kResetPlayersOption}, {9, kQuitOption}};
  for (const auto& [line, box] : options) {
    const int top = kPanelFirstLineTop + kPanelLineStep * line;
    EXPECT_GE(box.y1, top) << "line " << line;
    EXPECT_LE(box.y2, top + kTextHeight) << "line " << line;
    EXPECT_TRUE(box.x1 >= kMessagePanel.left && box.x2 < kMessagePanel.Right()) << "line " << line;
  }
  // The upper half of a digit raises it: rows top..top + 7.
  EXPECT_EQ(BetDigitUpperHalfLastRow(7), 230);
}

TEST(PokerDiceGeometry, FlameFollowsTheRollsLeft) {
  struct Case {
    int rolls;
    int left;
    int picture;
  };
  const Case cases[] = {{3, 3, 215}, {3, 2, 214}, {3, 1, 213}, {3, 0, 212},
                        {2, 2, 215}, {2, 1, 213}, {2, 0, 212}};
  for (const Case& c : cases)
    EXPECT_EQ(FlamePictureFor(c.rolls, c.left), c.picture) << c.rolls << "/" << c.left;
}

TEST(PokerDiceGeometry, BeadsShowTheDigitOfTheirRod) {
  struct Case {
    int digit;
    std::vector<int> places;
  };
  const Case cases[] = {{0, {1, 4, 5, 6, 7}}, {3, {1, 3, 4, 5, 7}}, {4, {1, 3, 4, 5, 6}},
                        {5, {2, 4, 5, 6, 7}}, {7, {2, 3, 4, 6, 7}}, {9, {2, 3, 4, 5, 6}}};
  for (const Case& c : cases) {
    std::vector<int> places;
    for (int place = 1; place <= kBeadPlaceCount; ++place) {
      if (BeadAt(c.digit, place)) places.push_back(place);
    }
    EXPECT_EQ(places, c.places) << "digit " << c.digit;
  }
}

}  // namespace
}  // namespace dakto::pokerdice
